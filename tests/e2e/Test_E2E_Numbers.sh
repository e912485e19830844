#!/usr/bin/env bash
# Typed numbers are taken whole or refused, never cut short at the first character that is no part
# of a number, driven with xdotool on a fresh settings folder and a 1280x1024 screen:
#   1. a new property card's thickness "3,7" in the property dialog: the grid's warning, the row
#      shows its 1 again; "1.5" is taken (a refused text after it brings back 1.5), the card made;
#   2. a section group along a typed axis and its first section's window;
#   3. "1,5" as X of Create Point: "Invalid X value." and no point; "1.5": the point;
#   4. the grid scale "2x": its message, the edit shows 10 again; "1.5" is taken (a refused value
#      after it brings back 1.5).
# Usage: Test_E2E_Numbers.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin numbers "$@"

# Where a first start on this screen puts things (the frame maximized).
tool_mode_geometry="1002 442" # the section's Edit group
tool_create_point="1130 541"
tool_point_x="1180 595"
tool_point_specify="1130 656"
tool_grid_scale="1213 412"    # the section's Display group, once Edit and Analysis are folded
tree_section_1_1="121 287"    # once the property card and the first group exist

# Types $1 over the focused field and presses Enter, which ends the edit.
enter() {
  type_read_back "$1"
  xdotool key Return
}

# --- 1. a property card's thickness ----------------------------------------------------------------
step="1 property dialog"
warning="Msg: Warning: The new value is invalid for this field, changing has been rejected."
e2e_start
click 600 500
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
property_card_new
eval "$(xdotool getwindowgeometry --shell "$dlg")"
thk="$((X + 300)) $((Y + 148))" # the value of the row "T", the fifth
click $thk
enter "3,7"
wait_log "$warning"
field_is $thk "1"
enter "1.5"
click $thk
enter "x"
wait_log "$warning" 30 2
field_is $thk "1.5"
click $((X + WIDTH - 50)) $((Y + HEIGHT - 25)) # Create
wait_log "Msg: Done: Create property card"
wait_window_gone '^Properties$'

# --- 2. a section's window ---------------------------------------------------------------------------
step="2 section window"
section_group_typed
popup_entry $tree_section_1_1 1 # "View Open"
poll 30 marked $tool_mode_geometry || fail "no section window in geometry mode"

# --- 3. Create Point ---------------------------------------------------------------------------------
step="3 create point"
click $tool_create_point
wait_colour $tool_point_x ffffff
point_entry 1180 "1,5" 2
wait_log "Msg: Invalid X value."
! log_has "Msg: Done: Create section point" || fail "a point was made of \"1,5\""
click $tool_point_x
type_read_back "1.5"
click $tool_point_specify
wait_log "Msg: Done: Create section point"
[ "$(count_log "Msg: Done: Create section point")" = 1 ] || fail "not one point made"

# --- 4. the grid scale -------------------------------------------------------------------------------
step="4 grid scale"
scale_refused="Msg: Invalid value, the value must not be less than 1.0 ."
click_change 988 127 # fold Edit
click_change 988 148 # fold Analysis
click $tool_grid_scale
enter "2x"
wait_log "$scale_refused"
field_is $tool_grid_scale "10"
enter "1.5"
click $tool_grid_scale
enter "0.5"
wait_log "$scale_refused" 30 2
field_is $tool_grid_scale "1.5"

step="end"
check_no_exception
stop_program
check_stderr
echo "Typed numbers were taken whole or refused"
