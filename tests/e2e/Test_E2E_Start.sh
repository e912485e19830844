#!/usr/bin/env bash
# The program started with a project file on its command line, driven with xdotool:
#   1. started without arguments, a new project (Ctrl+N) takes the wing box Nastran deck through
#      Edit > Model > IMport Nastran and the file chooser, and is saved (Ctrl+S) as a ".qmxb";
#   2. started again with that file as its argument: the title names the file, the project's 3-D
#      view draws the model (its own X window, found by size, is probed);
#   3. the wheel with Ctrl held, turned over that view, changes the picture.
# Screenshots go to OUTPUT_DIR/start_*.png; the first failing step stops the run with its name.
# Usage: Test_E2E_Start.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
deck="$src/../shared/testdata/nastran/wingbox_stitched_together-000.bdf"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
fi

step="start"
fail() {
  echo "FAILED in step '$step': $*" >&2
  [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; tail -n 40 "$work/log.txt" >&2; }
  import -window root "$out/start_failed.png" 2>/dev/null || true
  exit 1
}

. "$(dirname "$0")/E2E_Run.sh"
e2e_prepare "$program" "$out/start_run"
project="$work/wing.qmxb"

# Polls (every 0.1 s, up to $1 seconds) until the command $2... succeeds.
poll() {
  local limit=$(($1 * 10)) i
  shift
  for i in $(seq 1 "$limit"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
logged() { grep -qxF "$1" "$work/log.txt" 2>/dev/null; }
wait_log() { poll "${2:-10}" logged "$1" || fail "no log line \"$1\""; }
title() { xdotool getwindowname "$wid"; }
title_is() { [ "$(title)" = "$1" ]; }
# Starts the program with the given arguments and waits for its main frame; sets pid and wid.
start_program() {
  "$work/veltrane" "$@" > "$work/stdout.txt" 2> "$work/stderr.txt" &
  pid=$!
  wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Veltrane' | head -n 1) ||
    fail "no main frame appeared"
}
# Open menus: each is a window of its own named after the program.
menu_open() { xdotool search --onlyvisible --name '^veltrane$' >/dev/null 2>&1; }
# Gives the key $1 until the command $2... holds (each time waiting up to 3 s for it): a window that
# has just come or gone (the frame, a progress dialog on its way out) may take the key instead.
key_until() {
  local key=$1 i
  shift
  for i in 1 2 3 4 5; do
    xdotool key "$key"
    poll 3 "$@" && return 0
  done
  return 1
}
# Opens the menu of the key $1 and gives it the keys $2...
menu() {
  local key=$1
  shift
  key_until "$key" menu_open || fail "the menu of $key did not open"
  xdotool key --delay 100 "$@"
}
window_up() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# Waits for a visible window named $1 (a regular expression) and puts the pointer on it: without a
# window manager the keyboard goes to the window under the pointer.
wait_window() {
  local win
  win=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || fail "no window \"$1\""
  xdotool mousemove --window "$win" 40 40
}
# Types a path into the file chooser $1 once it is up, and waits until it has gone.
file_choose() {
  wait_window "$1"
  xdotool type --delay 25 "$2"
  # The chooser's completion of the typed name may take the first Return.
  chooser="$1"
  local i
  for i in 1 2 3; do
    xdotool key Return
    poll 3 chooser_gone && return 0
  done
  fail "the window \"$1\" stayed"
}
chooser_gone() { ! xdotool search --onlyvisible --name "$chooser" >/dev/null 2>&1; }
# The geometry WxH+X+Y of the largest unnamed X window: the project view's OpenGL canvas, the one
# window of the program that the toolkit gives an X window of its own.
view_geometry() {
  xwininfo -root -tree | awk '/has no name/ && $0 ~ /[0-9]+x[0-9]+\+/ {
      for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$/) g = $i
      split(g, a, /[x+]/); if (a[1] * a[2] > best) { best = a[1] * a[2]; geo = g } }
    END { if (best > 40000) print geo }'
}
view_found() { view=$(view_geometry); [ -n "$view" ]; }
crop() { import -window root -crop "$1" +repage "$2"; }
# Pixels of image $1 near the colour $2 (#RRGGBB) within the fuzz $3 (percent).
count_near() {
  convert "$1" -fuzz "${3:-20}%" -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}
differ() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# The view shows the model: mostly the black background (a view that never painted shows the
# toolkit's white), and thousands of pixels of the shaded elements' green.
view_drawn() {
  crop "$view" "$1"
  [ "$(count_near "$1" "#000000" 5)" -gt "$((area / 3))" ] && [ "$(count_near "$1" "#009830" 25)" -gt 5000 ]
}
view_changed() {
  crop "$view" "$2"
  [ "$(differ "$1" "$2")" -gt 5000 ]
}

# --- 1. A project file made with the program ----------------------------------------------------
step="1 project file"
start_program
xdotool mousemove 600 500
key_until ctrl+n title_is "Veltrane - Project 1" || fail "the title is \"$(title)\""
# Edit > Model (the menu's last entry but one) > IMport Nastran (its second entry).
menu alt+e Up Up Right Down Return
file_choose '^Open$' "$deck"
wait_log "Msg: Done: Input Nastran" 60
key_until ctrl+s window_up '^Save File As$' || fail "Ctrl+S showed no file chooser"
file_choose '^Save File As$' "$project"
wait_log "Msg: Project saved: $project"
stop_program

# --- 2. Started with the file -------------------------------------------------------------------------
step="2 start with the file"
start_program "$project"
poll 10 title_is "Veltrane - wing.qmxb" || fail "the title is \"$(title)\""
wait_log "Msg: Opened project: $project"
poll 10 view_found || fail "the 3-D view has no OpenGL window on screen"
area=$(($(echo "$view" | cut -d+ -f1 | tr x '*')))
poll 10 view_drawn "$work/view_1.png" || fail "the 3-D view does not show the model"
import -window root "$out/start_1_opened.png"

# --- 3. The wheel zooms --------------------------------------------------------------------------------
step="3 wheel"
x=$(($(echo "$view" | cut -d+ -f2) + 300))
y=$(($(echo "$view" | cut -d+ -f3) + 300))
xdotool mousemove "$x" "$y"
xdotool keydown ctrl
for _ in 1 2 3 4 5; do xdotool click 4; done
xdotool keyup ctrl
poll 10 view_changed "$work/view_1.png" "$work/view_2.png" || fail "the wheel did not change the picture"
import -window root "$out/start_2_zoomed.png"

step="end"
grep -q "Exception caught at:" "$work/log.txt" && fail "an exception was reported"
stop_program
echo "The program started with a project file draws it and takes the wheel; screenshots in $out"
