#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the files a desktop
# reads: the desktop entry, the AppStream description (without the network:
# its screenshot address is not fetched), both manual pages and the
# completion of rimes. A missing checking tool skips the test (status 77);
# scripts/install-deps.sh installs them.
# Usage: installed_files.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli man; do
  command -v "$tool" >/dev/null || { echo "outil absent : $tool"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "ÉCHEC : $*" >&2; exit 1; }

prefix=$work/prefix
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
id=fr.versalune.Versalune

desktop-file-validate "$share/applications/$id.desktop" || fail "entrée de bureau"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "description AppStream"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "pas d'icône SVG"
for size in 16 22 24 32 48 64 128; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || fail "pas d'icône $size px"
  # A PNG's width and height are the 4-byte numbers at bytes 16 and 20.
  [ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')" = " 0 0 0 $size 0 0 0 $size" ] || fail "icône $size px de mauvaise taille"
done
grep -qx 'StartupWMClass=Versalune' "$share/applications/$id.desktop" || fail "StartupWMClass absent"
[ -f "$share/doc/versalune/changelog.Debian.gz" ] || fail "pas de changelog.Debian.gz"
for name in versalune.1 rimes.1; do
  page=$share/man/fr/man1/$name.gz
  [ -f "$page" ] || fail "pas de page $page"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" > "$work/page.txt" 2> "$work/warnings.txt" \
    || fail "man -l $name"
  [ ! -s "$work/warnings.txt" ] || { cat "$work/warnings.txt" >&2; fail "avertissements de man pour $name"; }
  grep -q '^NOM' "$work/page.txt" || fail "$name sans section NOM"
  grep -q 'é' "$work/page.txt" || fail "$name perd ses accents"
done
for name in versalune.1 rimes.1; do
  page=$share/man/man1/$name.gz
  [ -f "$page" ] || fail "pas de page anglaise $page"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" > "$work/page.txt" 2> "$work/warnings.txt" \
    || fail "man -l en/$name"
  [ ! -s "$work/warnings.txt" ] || { cat "$work/warnings.txt" >&2; fail "avertissements de man pour en/$name"; }
  grep -q '^NAME' "$work/page.txt" || fail "en/$name sans section NAME"
done
# An English locale finds the English page, a French one the French page.
[ "$(LC_ALL=C.UTF-8 LANGUAGE= MANPATH=$share/man man -L en_US -w versalune)" = "$share/man/man1/versalune.1.gz" ] \
  || fail "man versalune introuvable en anglais"
[ "$(LC_ALL=C.UTF-8 LANGUAGE= MANPATH=$share/man man -L fr_FR -w versalune)" = "$share/man/fr/man1/versalune.1.gz" ] \
  || fail "man versalune introuvable en français"
bash -c "source '$share/bash-completion/completions/rimes' && complete -p rimes" >/dev/null || fail "complétion de rimes"
# The completion offers the options and their values.
out=$(bash -c "source '$share/bash-completion/completions/rimes'
  COMP_WORDS=(rimes --syl); COMP_CWORD=1; _rimes; echo \"\${COMPREPLY[*]}\"
  COMP_WORDS=(rimes -c N); COMP_CWORD=2; _rimes; echo \"\${COMPREPLY[*]}\"")
[ "$out" = $'--syllabes\nNom' ] || fail "complétion inattendue : $out"
echo "fichiers installés : corrects"
