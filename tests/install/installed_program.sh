#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses the installed copy as a
# new user would: the program must find its data in the installed folder,
# show no message and no error report, and keep its options and first-start
# marker in the user's configuration folder, writing nothing beside itself.
# Usage: installed_program.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "ÉCHEC : $*" >&2; exit 1; }

prefix=$work/prefix
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . | sort) > "$work/installed.txt"

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$HOME"

# The program's own check: it leaves as soon as its main window is ready.
status=0
VERSALUNE_QUIT_WHEN_READY=1 timeout 120 "$prefix/bin/versalune" 2> "$work/stderr.txt" || status=$?
cat "$work/stderr.txt" >&2
[ "$status" -eq 0 ] || fail "versalune a fini avec le code $status"
! grep -q '^versalune :' "$work/stderr.txt" || fail "message ou rapport d'erreur au lancement"

options=$XDG_CONFIG_HOME/versalune/Option.ret
[ -f "$options" ] || fail "pas de $options"
[ "$(tr -d '\r' < "$options" | wc -l)" -ge 16 ] || fail "$options a moins de 16 lignes"
head -n 1 "$options" | grep -q '^Theme:' || fail "$options ne commence pas par Theme:"
[ -f "$XDG_CONFIG_HOME/versalune/Demarrage.ret" ] || fail "pas de marque de premier lancement"

# Nothing written in the installed tree, no options file anywhere else.
(cd "$prefix" && find . | sort) | diff "$work/installed.txt" - >&2 || fail "l'arborescence installée a changé"
found=$(find "$work" -name Option.ret ! -path "$options" ! -path "$prefix/share/versalune/Option.ret")
[ -z "$found" ] || fail "Option.ret ailleurs : $found"

# A second start reads the options it wrote and writes them back the same.
cp "$options" "$work/first.ret"
VERSALUNE_QUIT_WHEN_READY=1 timeout 120 "$prefix/bin/versalune" || fail "le deuxième lancement a échoué"
cmp -s "$options" "$work/first.ret" || fail "les options ont changé au deuxième lancement"

# The command-line search, from the installed data.
"$prefix/bin/rimes" porte > "$work/rimes.txt" || fail "rimes porte a échoué"
grep -qw morte "$work/rimes.txt" || fail "rimes porte ne donne pas « morte »"
echo "programme installé : correct"
