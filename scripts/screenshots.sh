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
trap 'exit 130' INT TERM HUP
export DISPLAY="$display"
sleep 1

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
# Every wait polls a bounded number of times: a window that never shows (or
# never goes) is reported and the script goes on, so it always ends.
# $1 is a regular expression of the whole title (the windows show their caption as title).
visible_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
# The ids of the visible windows titled $1, to tell a new one from those
# already there: the main window, the synonyms window and the message boxes
# all share the title "Versalune".
before() { visible_named "$1" | tr '\n' ' '; }
# Waits (at most 10 s) for a visible window titled $1 that is not among the
# ids $2, prints its id and gives it the keyboard focus (no window manager
# does it here).
wait_new_window() {
  local id
  for _ in $(seq 1 40); do
    for id in $(visible_named "$1" | tac); do
      case " $2 " in *" $id "*) continue ;; esac
      sleep 0.5  # let it paint
      xdotool windowraise "$id" windowfocus "$id" 2>/dev/null || true
      echo "$id"; return 0
    done
    sleep 0.25
  done
  echo "La fenêtre « $1 » ne s'est pas ouverte." >&2
  return 0
}
# Waits (at most 5 s) for window $1 to be gone; 1 if it stays.
wait_gone() {
  for _ in $(seq 1 20); do
    visible_named "$2" | grep -qx "$1" || return 0
    sleep 0.25
  done
  return 1
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
geometry "$main"; mx=$X; my=$Y; mw=$WIDTH; mh=$HEIGHT
echo "Taille après la poignée : ${WIDTH}x${HEIGHT}"

# Closes the window $1 titled $2 by a click at ($3, $4) from its top left
# corner (negative: from its right or bottom edge), its own close button or
# picture; Escape if it is still there, then a warning. Clicks land on the
# window itself, so the main window regains the keyboard afterwards.
close_window() {
  local id=$1 name=$2 dx=$3 dy=$4
  [ -n "$id" ] || return 0
  geometry "$id"
  [ "$dx" -lt 0 ] && dx=$(( WIDTH + dx ))
  [ "$dy" -lt 0 ] && dy=$(( HEIGHT + dy ))
  click_at $(( X + dx )) $(( Y + dy )) 0.3
  wait_gone "$id" "$name" && return 0
  xdotool windowfocus "$id" key Escape 2>/dev/null || true
  wait_gone "$id" "$name" && return 0
  echo "La fenêtre « $name » est restée ouverte." >&2
}
# Answers a message box titled "Versalune" (Return on its default button).
answer_message() {
  local id=$1
  [ -n "$id" ] || return 0
  xdotool windowfocus "$id" key Return 2>/dev/null || true
  wait_gone "$id" Versalune || { geometry "$id"; xdotool windowfocus "$id" key space; wait_gone "$id" Versalune || echo "Le message est resté ouvert." >&2; }
  xdotool windowfocus "$main" 2>/dev/null || true; sleep 0.3
}

# A help message of the options panel (the conjugated verbs icon).
seen="$(before Versalune)"
click_at $(( mx + (mw - 781) / 2 + 494 )) $(( my + mh - 248 + 114 )) 0.3
msg="$(wait_new_window Versalune "$seen")"
shot help-message-main
answer_message "$msg"

# The spelling dictionary, checking the word handed over by the main window.
button 1 0.3; ortho="$(wait_new_window '.*orthographe.*' "")"
[ -z "$ortho" ] || { geometry "$ortho"; click_at $(( X + 112 + 8 + 55 )) $(( Y + 26 + 48 + 13 )) 1.5; }
shot window-orthographe
close_window "$ortho" Orthographe -58 $(( 322 + 13 ))

# The synonyms window: the new "Versalune" window beside the main one.
seen="$(before Versalune)"
button 2 0.3; syno="$(wait_new_window Versalune "$seen")"
shot window-utilitaires
close_window "$syno" Versalune $(( 620 - 55 )) $(( 440 + 8 + 14 ))

button 3 0.3; opt="$(wait_new_window 'Options.*' "")"
shot window-options
if [ -n "$opt" ]; then
  geometry "$opt"
  seen="$(before Versalune)"
  click_at $(( X + WIDTH - 22 )) $(( Y + 40 + 5 * 25 + 9 )) 0.3
  msg="$(wait_new_window Versalune "$seen")"
  shot help-message-options
  answer_message "$msg"
fi
close_window "$opt" 'Options du programme' -64 -25

button 4 0.3; tips="$(wait_new_window '.*conseils.*' "")"
shot window-conseils
close_window "$tips" 'Quelques conseils pour la recherche' -17 15

button 5 0.3; about="$(wait_new_window '.*propos.*' "")"
shot window-a-propos
close_window "$about" 'A propos' -67 -31
# The main window, hidden while the about window shows, comes back.
for _ in $(seq 1 20); do visible_named Versalune | grep -qx "$main" && break; sleep 0.25; done
visible_named Versalune | grep -qx "$main" || echo "La fenêtre principale n'est pas revenue." >&2
echo "Captures dans $out"
