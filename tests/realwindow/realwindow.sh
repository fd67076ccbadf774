#!/usr/bin/env bash
# Starts the built program in a real X window (Xvfb, no window manager),
# enters tracks with the keyboard, picks a number with the mouse, takes a
# screenshot, and checks from outside the process what a person would see.
# Usage: realwindow.sh <Tunepack executable> <screenshot.png>
set -euo pipefail
exe=$1
shot=$2
work=$(mktemp -d)
app=""
xvfb=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"

QT_QPA_PLATFORM=xcb "$exe" 2>"$work/app.log" &
app=$!

# The main window: mapped, with its caption and outer size.
visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }
geometry() { xdotool getwindowgeometry --shell "$1"; }
main=""
for _ in $(seq 100); do
  for w in $(visible_windows '^Tunepack$'); do
    eval "$(geometry "$w")"
    [ "$WIDTH" -gt 100 ] && main=$w
  done
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || fail "no window captioned Tunepack"
[ "$(xdotool getwindowname "$main")" = "Tunepack" ] || fail "caption is $(xdotool getwindowname "$main")"
eval "$(geometry "$main")"
[ "$WIDTH" = 473 ] && [ "$HEIGHT" = 340 ] || fail "window is ${WIDTH}x${HEIGHT}, not 473x340"
left=$X
top=$Y

# Colours in a rectangle of the window (given in window coordinates).
colours() { convert "$1" -crop "$4x$5+$((left + $2))+$((top + $3))" +repage -format %k info:; }
# The result list: the output group at (121,13), the list at (15,63) in it, 298x204,
# inside a 4-pixel border and a 19-pixel title bar.
results=(4+121+15 23+13+63 298 204)
result_area() { colours "$1" $((${results[0]})) $((${results[1]})) "${results[2]}" "${results[3]}"; }

xdotool windowfocus --sync "$main"
for track in "3 20" "4 5" "2 59" "12 0" "9 9"; do
  set -- $track
  xdotool type --delay 40 "$1"; xdotool key Return
  xdotool type --delay 40 "$2"; xdotool key Return
done
sleep 0.3
import -window root "$work/before.png"
[ "$(result_area "$work/before.png")" -eq 1 ] || fail "the result list is not blank before the pick"
# The track list shows its five rows.
[ "$(colours "$work/before.png" $((4 + 15 + 17)) $((23 + 13 + 63)) 66 60)" -gt 1 ] || fail "the track list is blank"

# Press the chooser, then click item 3 of its list.
xdotool mousemove $((left + 4 + 121 + 71 + 15)) $((top + 23 + 13 + 22 + 9)) click 1
popup=""
for _ in $(seq 50); do
  # The list is a pop-up window of its own, 42 pixels wide.
  for w in $(visible_windows ''); do
    eval "$(geometry "$w")"
    [ "$WIDTH" = 42 ] && popup=$w && break
  done
  [ -n "$popup" ] && break
  sleep 0.05
done
[ -n "$popup" ] || fail "the chooser's list did not open"
eval "$(geometry "$popup")"
row=$(( (HEIGHT - 2) / 5 ))
xdotool mousemove $((X + 20)) $((Y + 1 + row * 2 + row / 2)) click 1
sleep 0.5

import -window root "$work/after.png"
[ "$(result_area "$work/after.png")" -gt 1 ] || fail "the result list is still blank after the pick"
convert "$work/after.png" -crop "473x340+$left+$top" +repage "$shot"
kill -0 "$app" || fail "the program has ended"
echo "window $main: Tunepack 473x340, results shown; screenshot in $shot"
