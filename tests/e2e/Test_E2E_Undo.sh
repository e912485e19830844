#!/usr/bin/env bash
# Undo and redo under the properties pane, driven with xdotool on a fresh settings folder and a
# 1280x1024 screen:
#   1. the project window: a material card created (C, Create) and undone;
#   2. a section group along a typed axis, a section's window;
#   3. a point typed in, picked (the pane shows it), undone with Ctrl+Z: the pane is empty again and
#      a value typed where its X stood reaches nothing; Ctrl+Y brings it back, a click picks it and
#      its X is edited ("Done: Modify section point");
#   4. a line typed in, picked, undone: the pane is empty again;
#   5. a material card created in the section window and undone: the pane stays empty;
#   6. no exception reported anywhere in the log.
# Usage: Test_E2E_Undo.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin undo "$@"

# The properties pane looks as in the image $1 (its empty look).
pane_is() {
  crop "$pane" "$work/pane_now.png"
  [ "$(differ "$work/pane_now.png" "$1")" = 0 ]
}
wait_pane_empty() { poll 30 pane_is "$work/pane_empty.png" || fail "the properties pane still shows rows"; }
# Creates a material card with the C key over the view at ($1, $2) and the dialog's Create button.
material_create() {
  local created X Y WIDTH HEIGHT SCREEN
  created=$(count_log "Msg: Done: Create material card")
  xdotool mousemove --sync "$1" "$2" key c
  wait_window '^Properties$'
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  click $((X + 368)) $((Y + 494)) # Create
  wait_log "Msg: Done: Create material card" 30 $((created + 1))
  wait_window_gone '^Properties$'
}
# The key $1 (Ctrl+Z, Ctrl+Y) over the main view; waits for the history's message $2 once more.
history_key() {
  local before
  before=$(count_log "Msg: $2")
  xdotool mousemove --sync 700 300 key "$1"
  wait_log "Msg: $2" 30 $((before + 1))
}

# Where a first start on this screen puts things (the frame maximized).
pane="195x355+0+465"            # the properties pane: its rows and its description
tool_mode_material="1002 394"   # the select & edit mode radios (project and section pages)
tool_mode_geometry="1002 442"
tool_create_point="1130 541"
tool_create_line="1130 577"
tree_section_1_1="121 264"
point_xy="826 402"              # section position (100, 50) in the section's main view
line_xy="621 430"               # the line x = -100 between y = -50 and 50
pane_x="150 537"                # the value of a point's row "X" in the pane

# --- 1. a material card of the project window ------------------------------------------------------
step="1 project material"
e2e_start
click 600 500
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
wait_still "$pane" "$work/pane_empty.png"
choose $tool_mode_material
material_create 600 500
history_key ctrl+z "Undo: Create material card"
wait_pane_empty

# --- 2. a section's window ----------------------------------------------------------------------------
step="2 section window"
section_group_typed
popup_entry $tree_section_1_1 1 # "View Open"
poll 30 marked $tool_mode_geometry || fail "no section window in geometry mode"
wait_pane_empty

# --- 3. a point: picked, undone, redone, edited ---------------------------------------------------------
step="3 point"
click $tool_create_point
point_entry 1180 100 50
wait_log "Msg: Done: Create section point"
xdotool mousemove --sync 700 300 key Escape
click_change $point_xy "$pane"
history_key ctrl+z "Undo: Create section point"
wait_pane_empty
# Where X stood: a click and a typed value reach nothing.
click $pane_x
xdotool type "120"
xdotool key Return
wait_pane_empty
shot point_undone
history_key ctrl+y "Redo: Create section point"
click_change $point_xy "$pane"
click $pane_x
type_read_back "120"
xdotool key Return
wait_log "Msg: Done: Modify section point"

# --- 4. a line: picked, undone -------------------------------------------------------------------------
step="4 line"
xdotool mousemove --sync 700 300 key Escape
click $tool_create_line
point_entry 1180 -100 -50
point_entry 1180 -100 50
wait_log "Msg: Done: Create section line"
xdotool mousemove --sync 700 300 key Escape
click 700 300 # nothing there: the point's selection goes
wait_pane_empty
click_change $line_xy "$pane"
history_key ctrl+z "Undo: Create section line"
wait_pane_empty
shot line_undone

# --- 5. a material card of the section window ---------------------------------------------------------
step="5 section material"
choose $tool_mode_material
material_create 700 300
history_key ctrl+z "Undo: Create material card"
wait_pane_empty

step="6 log"
check_no_exception
stop_program
check_stderr
echo "Undo and redo left the properties pane with what is there; screenshots in $out"
