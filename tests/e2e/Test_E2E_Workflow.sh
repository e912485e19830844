#!/usr/bin/env bash
# One engineer's session with the whole program, driven by the keyboard and the mouse only
# (xdotool), on a fresh settings folder and a 1280x1024 screen, so that the windows stand where a
# first start puts them:
#   1. New Project (Ctrl+N): the project window with its 3-D view;
#   2. the wing box Nastran deck through the tools pane's "Import Nastran" and the file chooser:
#      the progress dialog comes and goes, the model is drawn, the wheel and a drag move the view;
#   3. "Section" mode, Create (C), two picks along the span, Enter: a section group;
#   4. the deck's two materials get stress limits in their property dialogs (explorer popup,
#      Detail), then a section's window from the explorer's popup: cells, result graph;
#   5. in the section window a line drawn with the mouse, Ctrl+Z, Ctrl+Y; a line picked shows its
#      rows in the properties pane; a refused grid scale and the "Show Nodes" option of the
#      tools pane;
#   6. the material list from the explorer, a new material through its Create button;
#   7. Analysis > Copy Result to Clipboard: the table read back with xclip;
#   8. the section exported as IGES and imported again as a new section group;
#   9. saved, closed, opened again from the recent-file list: the same sections and results;
#  10. the Dyna bracket through "Import Dyna": a second model.
# Each step is checked by the log, the window title, the files written, the clipboard and the
# pixels of drawn lines (screenshots go to OUTPUT_DIR/workflow_NN_*.png); the first failing step
# stops the run with its name.
# Usage: Test_E2E_Workflow.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)
src=$(cd "$(dirname "$0")/../.." && pwd)
data="$src/../shared/testdata"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
fi

step="start"
fail() {
  echo "FAILED in step '$step': $*" >&2
  [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; tail -n 40 "$work/log.txt" >&2; }
  import -window root "$out/workflow_failed.png" 2>/dev/null || true
  exit 1
}

. "$(dirname "$0")/E2E_Run.sh"
e2e_prepare "$program" "$out/workflow_run"

shots=0
shot() { # the screen after a step
  shots=$((shots + 1))
  import -window root "$out/$(printf 'workflow_%02d_%s.png' "$shots" "$1")"
}
# Waits (up to $2 seconds, 10 by default) for the log line $1.
wait_log() {
  local i
  for i in $(seq 1 $((${2:-10} * 10))); do
    grep -qxF "$1" "$work/log.txt" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no log line \"$1\""
}
# Number of log lines equal to $1.
count_log() { grep -cxF "$1" "$work/log.txt" || true; }
# Waits for a visible window named $1 (a regular expression); sets dlg.
wait_window() {
  dlg=$(timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" | head -n 1) || fail "no window \"$1\""
}
# Waits until no visible window is named $1.
wait_window_gone() {
  local i
  for i in $(seq 1 100); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" stayed"
}
title() { xdotool getwindowname "$wid"; }
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.4; }
# The rectangle WxH+X+Y of the screen as an image file $2.
crop() { import -window root -crop "$1" +repage "$2"; }
# Pixels that differ between two images of one size.
differ() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# Pixels of image $1 near the colour $2 (#RRGGBB) within the fuzz $3 (percent).
count_near() {
  convert "$1" -fuzz "${3:-20}%" -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}
# Types a path into the file chooser that is up: "/" opens its location line.
file_choose() {
  wait_window "$1"
  sleep 0.3
  xdotool type --delay 25 "$2"
  sleep 0.2
  xdotool key Return
  wait_window_gone "^$1\$"
}
# The explorer popup of the item at ($1, $2): entry number $3 (from 1).
tree_popup() {
  click "$1" "$2" 3
  sleep 0.3
  local keys=()
  for _ in $(seq 1 "$3"); do keys+=(Down); done
  xdotool key "${keys[@]}" Return
  sleep 0.5
}
# Analysis > Copy Result to Clipboard of the active section window; the table in $1.
copy_result() {
  xdotool mousemove 760 650
  xdotool key alt+a
  sleep 0.4
  xdotool key Down Down Down Return
  sleep 0.7
  xclip -o -selection clipboard > "$1" || fail "nothing on the clipboard"
}
# The value of row $1, column $2 (1: the first section) of a copied table $3.
cell() { awk -F'\t' -v row="$1" -v col="$2" '$1 == row { print $(col + 1) }' "$3"; }

# Where a first start on this screen puts things (the frame maximized).
view_3d="728x740+210+85"      # the project window's 3-D view
main_view="488x740+470+85"     # a section window's main view
graph="250x250+210+88"         # its result graph
tree_pane="195x330+0+110"      # the explorer
property_pane="195x270+0+460"  # the properties pane
tool_import_nastran="1220 601" # tools pane, project page, model mode
tool_import_dyna="1220 565"
tool_mode_section="1000 514"   # the "Section" radio of the select & edit mode
tool_import_section="1220 565" # tools pane, project page, section mode
tool_create_line="1123 577"    # tools pane, section page, geometry mode

# --- 1. New project ----------------------------------------------------------------------------------
step="1 new project"
"$work/veltrane" > "$work/stdout.txt" 2> "$work/stderr.txt" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Veltrane' | head -n 1) ||
  fail "no main frame appeared"
sleep 1
crop "$tree_pane" "$work/tree_0.png"
xdotool mousemove 600 500
xdotool key ctrl+n
for _ in $(seq 1 50); do [ "$(title)" = "Veltrane - Project 1" ] && break; sleep 0.1; done
[ "$(title)" = "Veltrane - Project 1" ] || fail "the title is \"$(title)\""
sleep 1
shot new_project
crop "$view_3d" "$work/view_0.png"
# The 3-D view: a black background with the axis triad's red, green and blue arrows.
[ "$(count_near "$work/view_0.png" "#000000" 5)" -gt 400000 ] || fail "no 3-D view"
[ "$(count_near "$work/view_0.png" "#FF0000" 25)" -gt 20 ] || fail "no axis triad in the 3-D view"
crop "$tree_pane" "$work/tree_1.png"
[ "$(differ "$work/tree_0.png" "$work/tree_1.png")" -gt 200 ] || fail "the explorer shows no project"

# --- 2. Nastran import -----------------------------------------------------------------------------
step="2 import Nastran"
click $tool_import_nastran
wait_window '^Open$'
sleep 0.3
xdotool type --delay 25 "$data/nastran/wingbox_stitched_together-000.bdf"
sleep 0.2
# The progress dialog comes up while the worker reads the deck and goes when it is done: the
# root window's substructure events show a new top-level window created, mapped and destroyed.
timeout 60 xev -root -event substructure > "$work/xev.txt" 2>&1 &
watcher=$!
sleep 0.3
xdotool key Return
wait_log "Msg: Done: Input Nastran" 60
sleep 0.5
kill "$watcher" 2>/dev/null || true
wait "$watcher" 2>/dev/null || true
shown=$(awk '/^(Create|Map|Destroy)Notify/ { kind = $1; getline; w = $4; sub(",", "", w)
                if (kind == "CreateNotify") c[w] = 1; else if (kind == "MapNotify" && (w in c)) m[w] = 1
                else if (kind == "DestroyNotify" && (w in m)) n++ }
             END { print n + 0 }' "$work/xev.txt")
[ "$shown" -ge 1 ] || fail "no progress dialog came and went"
grep -qxF "Msg:   Total number of node: 2675" "$work/log.txt" || fail "not every node of the deck was read"
sleep 1
shot nastran_imported
crop "$view_3d" "$work/view_1.png"
[ "$(differ "$work/view_0.png" "$work/view_1.png")" -gt 50000 ] || fail "the model is not drawn"
# The wheel with Ctrl held zooms, a drag with Ctrl held rotates.
xdotool mousemove 600 450; sleep 0.3
xdotool keydown ctrl
for _ in 1 2 3 4 5; do xdotool click 4; sleep 0.1; done
xdotool keyup ctrl
sleep 0.7
crop "$view_3d" "$work/view_2.png"
[ "$(differ "$work/view_1.png" "$work/view_2.png")" -gt 5000 ] || fail "the wheel did not change the view ($(differ "$work/view_1.png" "$work/view_2.png"))"
xdotool mousemove 600 450 keydown ctrl mousedown 1
for x in 620 640 660 680 700; do xdotool mousemove "$x" 470; sleep 0.05; done
xdotool mouseup 1 keyup ctrl
sleep 0.7
crop "$view_3d" "$work/view_3.png"
[ "$(differ "$work/view_2.png" "$work/view_3.png")" -gt 5000 ] || fail "the drag did not change the view"
# Back to the first view ("Reset View" of the toolbar) for the picks of the next step.
click 137 39
sleep 0.5
shot view_moved_and_reset

# --- 3. Section group along the span -----------------------------------------------------------------
step="3 create section group"
click $tool_mode_section
xdotool mousemove 600 500
xdotool key c
sleep 0.7
click 400 400
click 830 570
xdotool key Return
wait_log "Msg: Done: Create section group"
sleep 0.7
shot section_group
crop "$tree_pane" "$work/tree_2.png"
[ "$(differ "$work/tree_1.png" "$work/tree_2.png")" -gt 500 ] || fail "the explorer shows no new items"

# --- 4. Material limits, then a section's window --------------------------------------------------------
step="4 section window"
for y in 196 219; do # MID:1 and MID:2 under "Materials:": Detail
  tree_popup 99 "$y" 3
  wait_window '^Properties$'
  for row in 510 532 554; do # ST, SC, SS
    click 700 "$row"
    click 700 "$row"
    xdotool type "60000"
    xdotool key Return
    sleep 0.2
  done
  click 798 746 # Modify
  wait_window_gone '^Properties$'
done
[ "$(count_log "Msg: Done: Modify material card")" -eq 2 ] || fail "the materials were not modified"
tree_popup 121 402 1 # Section 1-1: View Open
sleep 2
shot section_window
crop "$main_view" "$work/main_0.png"
crop "$graph" "$work/graph_0.png"
# The cells' walls in green, the result graph's curve in pure green.
[ "$(count_near "$work/main_0.png" "#00FF00" 30)" -gt 300 ] || fail "the main view draws no walls"
[ "$(count_near "$work/graph_0.png" "#00FF00" 10)" -gt 100 ] || fail "the result graph draws no curve"

# --- 5. Edit in the section window ---------------------------------------------------------------------
step="5 draw, undo, redo, select"
click $tool_create_line
click 700 800
click 900 800
wait_log "Msg: Done: Create section line"
crop "$main_view" "$work/main_1.png"
xdotool mousemove 760 650
xdotool key ctrl+z
wait_log "Msg: Undo: Create section line"
xdotool key ctrl+y
wait_log "Msg: Redo: Create section line"
sleep 0.5
crop "$main_view" "$work/main_2.png"
[ "$(differ "$work/main_0.png" "$work/main_2.png")" -gt 100 ] || fail "the new line is not drawn"
crop "$property_pane" "$work/props_0.png"
click 747 423 # the upper skin
sleep 0.7
crop "$property_pane" "$work/props_1.png"
[ "$(differ "$work/props_0.png" "$work/props_1.png")" -gt 500 ] || fail "the properties pane shows no rows"
shot line_and_selection
# The tools pane's display options (the Edit and Analysis groups folded away): a grid scale below
# 1 is refused with its message; "Show Nodes" switched off takes the nodes from the main view.
click 988 127
click 988 148
xdotool mousemove 1213 412 click --repeat 3 1
sleep 0.3
xdotool key ctrl+a
xdotool type "0.5"
xdotool key Return
wait_log "Msg: Invalid value, the value must not be less than 1.0 ."
crop "$main_view" "$work/main_3.png"
click 999 438
sleep 0.7
crop "$main_view" "$work/main_4.png"
[ "$(differ "$work/main_3.png" "$work/main_4.png")" -gt 20 ] || fail "Show Nodes did not change the main view"
shot display_options
click 999 438

# --- 6. A new material ---------------------------------------------------------------------------------
step="6 create material"
tree_popup 99 150 1 # "Materials:": List
wait_window '^List$'
list=$dlg
click 964 324 # Create
wait_window '^Properties$'
shot material_dialog
click 798 746 # Create
wait_log "Msg: Done: Create material card"
wait_window_gone '^Properties$'
xdotool windowfocus "$list" key Escape
wait_window_gone '^List$'
crop "$tree_pane" "$work/tree_3.png"
[ "$(differ "$work/tree_2.png" "$work/tree_3.png")" -gt 100 ] || fail "the explorer does not show the new material"

# --- 7. Results to the clipboard -------------------------------------------------------------------------
step="7 copy result"
copy_result "$work/clip_1.txt"
printf 'Name\tSection 1-1\tSection 1-2\t\n' | cmp -s - <(head -n 1 "$work/clip_1.txt") ||
  fail "the table begins with: $(head -n 1 "$work/clip_1.txt")"
area=$(cell "Geom A" 1 "$work/clip_1.txt")
awk -v a="$area" 'BEGIN { exit !(a + 0 > 0) }' || fail "the section's area is \"$area\""

# --- 8. IGES out and in ------------------------------------------------------------------------------------
step="8 IGES export and import"
xdotool key alt+e
sleep 0.4
xdotool key End Right Return # Edit > Section > Export IGES Section
file_choose '^Export File As$' "$work/section_1_1.igs"
[ -s "$work/section_1_1.igs" ] || fail "no IGES file written"
head -c 80 "$work/section_1_1.igs" | cut -c73 | grep -qx S || fail "the IGES file does not begin with its start section"
click 249 68 # the project window's tab
click $tool_import_section
file_choose '^Open$' "$work/section_1_1.igs"
wait_log "Msg: Done: Import section"
click 347 68 # back to the section window
copy_result "$work/clip_2.txt"
head -n 1 "$work/clip_2.txt" | grep -q $'\tSection 2-1' || fail "no imported section in the table"
area_2=$(cell "Geom A" 3 "$work/clip_2.txt")
awk -v a="$area_2" 'BEGIN { exit !(a + 0 > 0) }' || fail "the imported section's area is \"$area_2\""
shot iges_round_trip

# --- 9. Save, close, open again ------------------------------------------------------------------------------
step="9 save, close, reopen"
xdotool key ctrl+s
file_choose '^Save File As$' "$work/wing.qmxb"
wait_log "Msg: Project saved: $work/wing.qmxb"
[ "$(title)" = "Veltrane - wing.qmxb" ] || fail "the title is \"$(title)\" after saving"
xdotool key alt+f
sleep 0.4
xdotool key c # Close Project
for _ in $(seq 1 50); do [ "$(title)" = "Veltrane" ] && break; sleep 0.1; done
[ "$(title)" = "Veltrane" ] || fail "the project did not close"
xdotool key alt+f
sleep 0.4
xdotool key f Return # Recent Files, the first
wait_log "Msg: Opened project: $work/wing.qmxb"
[ "$(title)" = "Veltrane - wing.qmxb" ] || fail "the title is \"$(title)\" after opening"
sleep 1
click 32 150 # fold "Materials:" and "Properties:" so that the sections show
click 32 173
tree_popup 110 265 1 # Section 1-1: View Open
sleep 1.5
copy_result "$work/clip_3.txt"
# The same sections with the same numbers (an imported section's title keeps the blank before
# the file's empty product name only until the project is read again).
cmp -s <(sed 's/ \t/\t/g' "$work/clip_2.txt") "$work/clip_3.txt" ||
  fail "the reopened project's results differ: $(diff "$work/clip_2.txt" "$work/clip_3.txt" | head -n 5)"
shot reopened

# --- 10. Dyna import ---------------------------------------------------------------------------------------------
step="10 import Dyna"
click 249 68 # the project window's tab
click 1000 490 # "Model" mode
click $tool_import_dyna
file_choose '^Open$' "$data/dyna/bracket.k"
wait_log "Msg: Done: Input Dyna" 60
[ "$(grep -c '^Msg: Done: Input ' "$work/log.txt")" -ge 2 ] || fail "not two model imports"
sleep 1
shot dyna_imported

step="end"
grep -q "Exception caught at:" "$work/log.txt" && fail "an exception was reported"
stop_program
echo "The engineer's session ran as expected; screenshots in $out"
