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
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin workflow "$@"

src=$(cd "$(dirname "$0")/../.." && pwd)
data=$(cd "$src/../shared/testdata" && pwd)

# Analysis > Copy Result to Clipboard of the active section window; the table in $1.
copy_result() {
  local copies
  copies=$(count_log "Msg: Copy complete, you can paste the result to excel or text.")
  # The menu bar is the section window's (with its Analysis menu) once that window is active.
  wait_for 30 "the menu bar is not the section window's" menu_bar_is "$work/menu_sect.png"
  # The menu opened with the mouse has no item chosen yet: the fourth Down reaches the command.
  click_popup $menu_analysis 1
  xdotool key Down Down Down Down Return
  wait_log "Msg: Copy complete, you can paste the result to excel or text." 30 $((copies + 1))
  xclip -o -selection clipboard > "$1" || fail "nothing on the clipboard"
}
# True when the menu bar looks as in the image $1.
menu_bar_is() {
  crop "$menu_bar" "$work/menu_now.png"
  [ "$(differ "$work/menu_now.png" "$1")" = 0 ]
}
# The value of row $1, column $2 (1: the first section) of a copied table $3.
cell() { awk -F'\t' -v row="$1" -v col="$2" '$1 == row { print $(col + 1) }' "$3"; }
# True when the 3-D view shows its black background with the axis triad's red arrow.
view_3d_drawn() {
  crop "$view_3d" "$work/view_0.png"
  [ "$(count_near "$work/view_0.png" "#000000" 5)" -gt 400000 ] &&
    [ "$(count_near "$work/view_0.png" "#FF0000" 25)" -gt 20 ]
}
# True when the section window shows the cells' walls in green and the result graph's curve in
# pure green.
section_drawn() {
  crop "$main_view" "$work/main_0.png"
  crop "$graph" "$work/graph_0.png"
  [ "$(count_near "$work/main_0.png" "#00FF00" 30)" -gt 300 ] &&
    [ "$(count_near "$work/graph_0.png" "#00FF00" 10)" -gt 100 ]
}
# True when the progress dialog came and went: the root window's substructure events in $1 show a
# new top-level window created, mapped and destroyed.
progress_shown() {
  [ "$(awk '/^(Create|Map|Destroy)Notify/ { kind = $1; getline; w = $4; sub(",", "", w)
              if (kind == "CreateNotify") c[w] = 1; else if (kind == "MapNotify" && (w in c)) m[w] = 1
              else if (kind == "DestroyNotify" && (w in m)) n++ }
           END { print n + 0 }' "$1")" -ge 1 ]
}
# True when the event watcher has reported the root window's property $2 (it is listening).
watcher_listens() {
  xprop -root -f VT_E2E_MARK 8s -set VT_E2E_MARK "$2"
  grep -q "PropertyNotify" "$1"
}

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
menu_bar="400x22+0+0"          # the frame's menu bar
menu_analysis="180 11"         # its "Analysis" title

# --- 1. New project ----------------------------------------------------------------------------------
step="1 new project"
e2e_start
wait_still "$tree_pane" "$work/tree_0.png"
xdotool mousemove --sync 600 500
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
wait_for 30 "no 3-D view with its axis triad" view_3d_drawn
wait_change "$tree_pane" "$work/tree_0.png" "$work/tree_1.png" 200
shot new_project

# --- 2. Nastran import -----------------------------------------------------------------------------
step="2 import Nastran"
click $tool_import_nastran
wait_window '^Open$'
xdotool type "/"
paste_read_back "$data/nastran/wingbox_stitched_together-000.bdf"
# The progress dialog comes up while the worker reads the deck and goes when it is done: the
# root window's substructure events show a new top-level window created, mapped and destroyed.
timeout 300 xev -root -event substructure -event property > "$work/xev.txt" 2>&1 &
watcher=$!
wait_for 30 "the event watcher does not listen" watcher_listens "$work/xev.txt" 1
xdotool key Return
wait_log "Msg: Done: Input Nastran" 120
wait_for 30 "no progress dialog came and went" progress_shown "$work/xev.txt"
kill "$watcher" 2>/dev/null || true
wait "$watcher" 2>/dev/null || true
grep -qxF "Msg:   Total number of node: 2675" "$work/log.txt" || fail "not every node of the deck was read"
wait_change "$view_3d" "$work/view_0.png" "$work/view_1.png" 50000
shot nastran_imported
# The wheel with Ctrl held zooms, a drag with Ctrl held rotates.
xdotool mousemove --sync 600 450
xdotool keydown ctrl click --repeat 5 4 keyup ctrl
wait_change "$view_3d" "$work/view_1.png" "$work/view_2.png" 5000
xdotool mousemove --sync 600 450 keydown ctrl mousedown 1
for x in 620 640 660 680 700; do xdotool mousemove --sync "$x" 470; done
xdotool mouseup 1 keyup ctrl
wait_change "$view_3d" "$work/view_2.png" "$work/view_3.png" 5000
# Back to the first view ("Reset View" of the toolbar) for the picks of the next step; the pointer
# leaves the toolbar so that no tooltip comes up.
click 137 39
xdotool mousemove --sync 600 500
wait_change "$view_3d" "$work/view_3.png" "$work/view_4.png" 5000
shot view_moved_and_reset

# --- 3. Section group along the span -----------------------------------------------------------------
step="3 create section group"
click_change $tool_mode_section
xdotool mousemove --sync 600 500
xdotool key c
click 400 400
click 830 570
xdotool key Return
wait_log "Msg: Done: Create section group"
wait_change "$tree_pane" "$work/tree_1.png" "$work/tree_2.png" 500
shot section_group

# --- 4. Material limits, then a section's window --------------------------------------------------------
step="4 section window"
for y in 196 219; do # MID:1 and MID:2 under "Materials:": Detail
  popup_entry 99 "$y" 3
  wait_window '^Properties$'
  for row in 510 532 554; do # ST, SC, SS: a click opens the row's editor
    click_change 700 "$row"
    type_read_back "60000"
    xdotool key Return
  done
  click 798 746 # Modify
  wait_window_gone '^Properties$'
done
wait_log "Msg: Done: Modify material card" 30 2
popup_entry 121 402 1 # Section 1-1: View Open
wait_for 60 "the section window draws no walls or no result curve" section_drawn
wait_still "$main_view" "$work/main_0.png"
wait_still "$menu_bar" "$work/menu_sect.png"
shot section_window

# --- 5. Edit in the section window ---------------------------------------------------------------------
step="5 draw, undo, redo, select"
click $tool_create_line
click 700 800
click 900 800
wait_log "Msg: Done: Create section line"
xdotool mousemove --sync 760 650
xdotool key ctrl+z
wait_log "Msg: Undo: Create section line"
xdotool key ctrl+y
wait_log "Msg: Redo: Create section line"
wait_change "$main_view" "$work/main_0.png" "$work/main_2.png" 100
wait_still "$property_pane" "$work/props_0.png"
click 747 423 # the upper skin
wait_change "$property_pane" "$work/props_0.png" "$work/props_1.png" 500
shot line_and_selection
# The tools pane's display options (the Edit and Analysis groups folded away): a grid scale below
# 1 is refused with its message; "Show Nodes" switched off takes the nodes from the main view.
click_change 988 127
click_change 988 148
xdotool mousemove --sync 1213 412 click --repeat 3 1
type_read_back "0.5"
xdotool key Return
wait_log "Msg: Invalid value, the value must not be less than 1.0 ."
wait_still "$main_view" "$work/main_3.png"
click 999 438
wait_change "$main_view" "$work/main_3.png" "$work/main_4.png" 20
shot display_options
click 999 438
wait_change "$main_view" "$work/main_4.png" "$work/main_5.png" 20

# --- 6. A new material ---------------------------------------------------------------------------------
step="6 create material"
popup_entry 99 150 1 # "Materials:": List
wait_window '^List$'
list=$dlg
click 964 324 # Create
wait_window '^Properties$'
shot material_dialog
click 798 746 # Create
wait_log "Msg: Done: Create material card"
wait_window_gone '^Properties$'
xdotool windowfocus --sync "$list" key Escape
wait_window_gone '^List$'
wait_change "$tree_pane" "$work/tree_2.png" "$work/tree_3.png" 100

# --- 7. Results to the clipboard -------------------------------------------------------------------------
step="7 copy result"
copy_result "$work/clip_1.txt"
printf 'Name\tSection 1-1\tSection 1-2\t\n' | cmp -s - <(head -n 1 "$work/clip_1.txt") ||
  fail "the table begins with: $(head -n 1 "$work/clip_1.txt")"
area=$(cell "Geom A" 1 "$work/clip_1.txt")
awk -v a="$area" 'BEGIN { exit !(a + 0 > 0) }' || fail "the section's area is \"$area\""

# --- 8. IGES out and in ------------------------------------------------------------------------------------
step="8 IGES export and import"
key_popup alt+e
key_popup End Right # Edit > Section >
xdotool key Return  # Export IGES Section
file_choose '^Export File As$' "$work/section_1_1.igs"
wait_for 30 "no IGES file written" test -s "$work/section_1_1.igs"
head -c 80 "$work/section_1_1.igs" | cut -c73 | grep -qx S || fail "the IGES file does not begin with its start section"
click_change 249 68 "$view_3d" # the project window's tab
click $tool_import_section
file_choose '^Open$' "$work/section_1_1.igs"
wait_log "Msg: Done: Import section"
click_change 347 68 "$main_view" # back to the section window
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
wait_title "Veltrane - wing.qmxb"
key_popup alt+f
xdotool key c # Close Project
wait_title "Veltrane"
wait_change "$tree_pane" "$work/tree_3.png" "$work/tree_4.png" 100
key_popup alt+f
key_popup f # Recent Files
xdotool key Return # the first
wait_log "Msg: Opened project: $work/wing.qmxb"
wait_title "Veltrane - wing.qmxb"
wait_change "$tree_pane" "$work/tree_4.png" "$work/tree_5.png" 200
click_change 32 150 "$tree_pane" # fold "Materials:" and "Properties:" so that the sections show
click_change 32 173 "$tree_pane"
popup_entry 110 265 1 # Section 1-1: View Open
wait_for 60 "the reopened section window draws no walls or no result curve" section_drawn
copy_result "$work/clip_3.txt"
# The same sections with the same numbers (an imported section's title keeps the blank before
# the file's empty product name only until the project is read again).
cmp -s <(sed 's/ \t/\t/g' "$work/clip_2.txt") "$work/clip_3.txt" ||
  fail "the reopened project's results differ: $(diff "$work/clip_2.txt" "$work/clip_3.txt" | head -n 5)"
shot reopened

# --- 10. Dyna import ---------------------------------------------------------------------------------------------
step="10 import Dyna"
click_change 249 68 "$view_3d" # the project window's tab
click_change 1000 490 # "Model" mode
wait_still "$view_3d" "$work/view_5.png"
click $tool_import_dyna
file_choose '^Open$' "$data/dyna/bracket.k"
wait_log "Msg: Done: Input Dyna" 120
[ "$(grep -c '^Msg: Done: Input ' "$work/log.txt")" -ge 2 ] || fail "not two model imports"
wait_change "$view_3d" "$work/view_5.png" "$work/view_6.png" 5000
shot dyna_imported

step="end"
check_no_exception
stop_program
# Neither start printed a critical GTK or GLib line or a pixman complaint.
check_stderr
echo "The engineer's session ran as expected; screenshots in $out"
