#!/usr/bin/env bash
# Takes screenshots of every window of the program, as a user sees them, on a
# virtual X display: the main window at its design size and enlarged, with
# long result lists, a help message, and each secondary window. The program
# runs from a copy of its build directory, so that its options file and
# first-start marker stay untouched.
#
# Usage: scripts/screenshots.sh [output directory]   (default: build/screenshots)
# Needs Xvfb, xdotool and ImageMagick's import (installed when missing, as
# root); the program must be built.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
app_dir=build/src/app
[ -x "$app_dir/versalune" ] || { echo "Construisez d'abord le programme (scripts/build.sh)." >&2; exit 1; }
bash scripts/install-deps.sh xdotool imagemagick

mkdir -p "$out"
work="$(mktemp -d)"
cp -r "$app_dir"/. "$work"/
rm -f "$work/Option.ret.bak"
# A program that has started here before: the tips window opens by its button.
printf "Premier lancement: avant\r\n" >"$work/Demarrage.ret"

display=":$(( 90 + RANDOM % 100 ))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
sleep 1

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
# The newest visible window whose title is $1, and its geometry.
# The main window shares its title with the synonyms window: a secondary
# window is the newest visible one of that title narrower than the main one.
window_of() {
  local id
  for _ in $(seq 1 20); do
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tac); do
      [ "$id" = "$main" ] && continue
      echo "$id"; return 0
    done
    sleep 0.5
  done
  return 0
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-0.6}"; }

QT_QPA_PLATFORM=xcb "$work/versalune" >/dev/null 2>&1 &
app_pid=$!
main=""
for _ in $(seq 1 60); do
  sleep 0.5
  # The main window is the large one titled "Versalune" (the loading window is small).
  for id in $(xdotool search --onlyvisible --name '^Versalune$' 2>/dev/null); do
    geometry "$id"
    if [ "$WIDTH" -gt 700 ]; then main=$id; fi
  done
  [ -n "$main" ] && break
done
[ -n "$main" ] || { echo "La fenêtre principale ne s'est pas ouverte." >&2; exit 1; }
sleep 1
geometry "$main"; mx=$X; my=$Y; mw=$WIDTH; mh=$HEIGHT

# Each button of the row, by its rank (0 to 6), centred as designed.
button() { local bw=$(( (780 - 16 - 6 * 8) / 7 )); local left=$(( mx + (mw - 781) / 2 + 8 ));
           click_at $(( left + $1 * (bw + 8) + bw / 2 )) $(( my + 38 + 13 )) "${2:-1.2}"; }
search_word() {
  xdotool mousemove $(( mx + (mw - 781) / 2 + 60 )) $(( my + mh - 248 + 8 + 35 )) click --repeat 3 1
  xdotool key ctrl+a BackSpace; xdotool type --delay 40 "$1"; xdotool key Return; sleep "${2:-3}"
}
first_line_of_list() { click_at $(( mx + 8 + $1 * (mw - 16) / 3 + 40 )) $(( my + 176 + 8 )); }

search_word "chanter"
first_line_of_list 0
xdotool key Down Down
shot main-design-size
search_word "laryngologiste"
first_line_of_list 2
shot main-long-word

# Enlarged: the middle picture of the title strip.
click_at $(( mx + mw - 45 + 8 )) $(( my + 15 )) 1.5
geometry "$main"; mx=$X; my=$Y; mw=$WIDTH; mh=$HEIGHT
search_word "chanter"
first_line_of_list 1
shot main-maximised
# Back to the former size by a double click on the title strip.
xdotool mousemove $(( mx + 400 )) $(( my + 12 )) click --repeat 2 --delay 80 1; sleep 1.5
geometry "$main"; mx=$X; my=$Y; mw=$WIDTH; mh=$HEIGHT
shot main-restored
# Larger by the size grip in the bottom right corner.
xdotool mousemove $(( mx + mw - 6 )) $(( my + mh - 6 )) mousedown 1; sleep 0.3
xdotool mousemove $(( mx + mw + 60 )) $(( my + mh + 40 )); sleep 0.3
xdotool mousemove $(( mx + mw + 120 )) $(( my + mh + 80 )) mouseup 1; sleep 1
shot main-enlarged-by-grip
geometry "$main"
echo "Taille après la poignée : ${WIDTH}x${HEIGHT}"

# A help message of the options panel (the conjugated verbs icon).
click_at $(( mx + (mw - 781) / 2 + 265 + 236 )) $(( my + mh - 248 + 8 + 88 )) 1
shot help-message-main
xdotool key Return; sleep 0.6

# Escape, else the close picture at the right of the window's title strip.
close_window() {
  local id
  id="$(window_of "$1")"
  [ -n "$id" ] || return 0
  xdotool windowfocus "$id" 2>/dev/null || true
  xdotool key --window "$id" Escape; sleep 0.6
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$id" || return 0
  geometry "$id"; click_at $(( X + WIDTH - 16 )) $(( Y + 14 )) 1
}

button 1; ortho="$(window_of Orthographe)"
[ -z "$ortho" ] || { xdotool windowfocus "$ortho" 2>/dev/null || true; xdotool key --window "$ortho" Return; }
sleep 1; shot window-orthographe; close_window "Orthographe"
button 2; shot window-utilitaires; close_window "Versalune"
button 3; shot window-options
opt="$(window_of 'Options du programme')"; geometry "$opt"
click_at $(( X + WIDTH - 22 )) $(( Y + 40 + 5 * 25 + 9 )) 1
shot help-message-options
xdotool key Return; sleep 0.6
click_at $(( X + WIDTH - 64 )) $(( Y + HEIGHT - 25 ))
button 4; shot window-conseils; close_window "Quelques conseils pour la recherche"
button 5 2; shot window-a-propos; close_window "A propos"
echo "Captures dans $out"
