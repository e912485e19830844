#!/usr/bin/env bash
# Fit and wheel zoom with a model in metres, driven with xdotool on a 1280x1024 screen:
#   1. a barrel 9 m long and 3 m across (a Nastran deck written into the run folder) imported into a
#      new project: the reset of the import makes it fill the 3-D view, and the wheel with Ctrl
#      held enlarges it (button 4) and shrinks it (button 5);
#   2. a section group cut across the barrel, its first section's window opened: the 3 m ring
#      fills the main view, and the wheel with Ctrl held enlarges and shrinks it.
# "Fills" means that the box around the drawn pixels of the model (or the ring) spans at least
# half the view's smaller side. Screenshots go to OUTPUT_DIR/zoom_NN_*.png.
# Usage: Test_E2E_Zoom.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin zoom "$@"

# Where a first start on this screen puts things (the frame maximized).
view_3d="728x740+210+85"    # the project window's 3-D view
main_view="488x740+470+85"  # a section window's main view
menu_bar="400x22+0+0"       # the frame's menu bar
tool_mode_section="1000 514" # the "Section" radio of the select & edit mode

# The barrel's axis runs along (1, -1, 0): the reset orientation shows it lying across the view
# in the screen's plane, so two clicks left and right of the view's centre pick an axis along it.
deck="$work/barrel.bdf"
LC_ALL=C awk -v n=24 -v m=6 -v r=1.5 -v len=9 'BEGIN {
  print "BEGIN BULK"
  pi = atan2(0, -1); s = sqrt(0.5)
  for (j = 0; j <= m; ++j)
    for (i = 0; i < n; ++i) {
      a = 2 * pi * i / n; t = len * j / m - len / 2; u = r * cos(a)
      printf "GRID,%d,,%.6f,%.6f,%.6f\n", j * n + i + 1, (t + u) * s, (u - t) * s, r * sin(a)
    }
  for (j = 0; j < m; ++j)
    for (i = 0; i < n; ++i) {
      a = j * n + i + 1; b = j * n + (i + 1) % n + 1
      printf "CQUAD4,%d,1,%d,%d,%d,%d\n", a, a, b, b + n, a + n
    }
  print "PSHELL,1,1,.004"; print "MAT1,1,7.+10,,.33"; print "ENDDATA"
}' > "$deck"

# The box around the green pixels (green above red by 30 percent: the shaded barrel, the ring's
# walls; not the grey grid) of the rectangle $1 once it holds still, cropped into $2: its width
# and height, 0 0 when there is none.
green_box() {
  wait_still "$1" "$2"
  convert "$2" -separate -delete 2 -compose minus_dst -composite -threshold 30% -format "%@" info: 2> /dev/null |
    awk -F'[x+]' '{ print $1 + 0, $2 + 0 }'
}
# The larger side of that box.
span() { green_box "$1" "$2" | awk '{ print ($1 > $2 ? $1 : $2) }'; }
# The pointer over the middle of the rectangle $1 (where nothing can be picked), the wheel turned
# $3 notches with Ctrl held, button $2 (4 in, 5 out): the picture changes; its span, cropped into
# $4.
wheel() {
  local w h x y
  IFS='x+' read -r w h x y <<< "$1"
  xdotool mousemove --sync $((x + w / 2)) $((y + h / 2))
  wait_still "$1" "$4.before.png"
  xdotool keydown ctrl click --repeat "$3" "$2" keyup ctrl
  wait_change "$1" "$4.before.png" "$4" 100
  span "$1" "$4"
}
# The picture in the rectangle $1 of the view $2 spans at least half of the view's smaller side;
# two notches in make it larger, four out then smaller than it was (crops in $3_N.png).
fills_and_zooms() {
  local w h fitted larger smaller
  IFS='x+' read -r w h _ <<< "$2"
  fitted=$(span "$1" "$3_1.png")
  [ "$fitted" -ge $(((w < h ? w : h) / 2)) ] || fail "the picture spans $fitted pixels in a view of $w x $h"
  larger=$(wheel "$1" 4 2 "$3_2.png")
  [ "$larger" -gt "$fitted" ] || fail "zooming in made the picture $larger pixels wide, not more than $fitted"
  smaller=$(wheel "$1" 5 4 "$3_3.png")
  [ "$smaller" -lt "$fitted" ] || fail "zooming out made the picture $smaller pixels wide, not less than $fitted"
}

# --- 1. The barrel in the 3-D view ------------------------------------------------------------------
step="1 project view"
e2e_start
import_nastran "$deck"
shot imported
# The box below the prompt and the axis triad.
fills_and_zooms "728x560+210+265" "$view_3d" "$work/view"
shot zoomed_out

# --- 2. A section of the barrel ---------------------------------------------------------------------
step="2 section view"
click_change $tool_mode_section
xdotool mousemove --sync 600 500
xdotool key c
# The axis: two clicks on the barrel's axis left and right of the view's centre.
click 424 455
click 724 455
xdotool key Return
wait_log "Msg: Done: Create section group"
crop "$menu_bar" "$work/menu_2.png"
popup_entry 121 334 1 # Section 1-1: View Open
# The section window's menu bar (with its Analysis menu), then the ring in the box below the
# prompt and the axis triads: green both ways (the 3-D view showed the sections edge-on, as lines).
wait_change "$menu_bar" "$work/menu_2.png" "$work/menu_3.png"
ring="488x600+470+205"
ring_drawn() { green_box "$ring" "$work/main_1.png" | awk '{ exit !($1 > 50 && $2 > 50) }'; }
wait_for 60 "the section window shows no ring" ring_drawn
shot section_window
fills_and_zooms "$ring" "$main_view" "$work/main"
shot section_zoomed_out

step="end"
check_no_exception
stop_program
check_stderr
echo "Fit and wheel zoom follow a model in metres in both views; screenshots in $out"
