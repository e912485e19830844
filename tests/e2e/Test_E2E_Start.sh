#!/usr/bin/env bash
# The program started with a project file on its command line, driven with xdotool:
#   1. started without arguments, a new project (Ctrl+N) takes the wing box Nastran deck through
#      Edit > Model > IMport Nastran and the file chooser, and is saved (Ctrl+S) as a ".qmxb";
#   2. started again with that file as its argument: the title names the file, the project's 3-D
#      view draws the model (its own X window, found by size, is probed);
#   3. the wheel with Ctrl held, turned over that view, changes the picture.
# Screenshots go to OUTPUT_DIR/start_NN_*.png; the first failing step stops the run with its name.
# Usage: Test_E2E_Start.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin start "$@"

src=$(cd "$(dirname "$0")/../.." && pwd)
deck="$src/../shared/testdata/nastran/wingbox_stitched_together-000.bdf"
project="$work/wing.qmxb"

# The geometry WxH+X+Y of the largest unnamed X window: the project view's OpenGL canvas, the one
# window of the program that the toolkit gives an X window of its own.
view_geometry() {
  xwininfo -root -tree | awk '/has no name/ && $0 ~ /[0-9]+x[0-9]+\+/ {
      for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$/) g = $i
      split(g, a, /[x+]/); if (a[1] * a[2] > best) { best = a[1] * a[2]; geo = g } }
    END { if (best > 40000) print geo }'
}
view_found() { view=$(view_geometry); [ -n "$view" ]; }
# The view shows the model, cropped into $1: mostly the black background (a view that never
# painted shows the toolkit's white), and thousands of pixels of the shaded elements' green.
view_drawn() {
  crop "$view" "$1"
  [ "$(count_near "$1" "#000000" 5)" -gt "$((area / 3))" ] && [ "$(count_near "$1" "#009830" 25)" -gt 5000 ]
}

# --- 1. A project file made with the program ----------------------------------------------------
step="1 project file"
e2e_start
import_nastran "$deck"
xdotool key ctrl+s
file_choose '^Save File As$' "$project"
wait_log "Msg: Project saved: $project"
stop_program

# --- 2. Started with the file -------------------------------------------------------------------------
step="2 start with the file"
e2e_start "$project"
wait_title "Veltrane - wing.qmxb"
wait_log "Msg: Opened project: $project"
wait_for 30 "the 3-D view has no OpenGL window on screen" view_found
area=$(($(echo "$view" | cut -d+ -f1 | tr x '*')))
wait_for 30 "the 3-D view does not show the model" view_drawn "$work/view_1.png"
shot opened

# --- 3. The wheel zooms --------------------------------------------------------------------------------
step="3 wheel"
x=$(($(echo "$view" | cut -d+ -f2) + 300))
y=$(($(echo "$view" | cut -d+ -f3) + 300))
xdotool mousemove --sync "$x" "$y"
xdotool keydown ctrl click --repeat 5 4 keyup ctrl
wait_change "$view" "$work/view_1.png" "$work/view_2.png" 5000
shot zoomed

step="end"
check_no_exception
stop_program
echo "The program started with a project file draws it and takes the wheel; screenshots in $out"
