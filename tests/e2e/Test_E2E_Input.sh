#!/usr/bin/env bash
# What a user types and clicks in the tools pane, the property grid, the dialogs and the boxes,
# driven with xdotool on a fresh settings folder and a 1280x1024 screen, with real boxes (no test
# answer switch):
#   1. a new property card: "Properties" opens on the main window's centre; the key row "MID" takes
#      no typing and shows no toolkit box; its "..." button opens "List" on the dialog's centre;
#   2. the material list's Detail without a row: the box "Please select a row first." is titled
#      "Message";
#   3. a section group along an axis typed into the project's point entry (X, Y, Z, Specify Point);
#   4. in a section's window a line typed into the section's point entry and exported as IGES: the
#      file holds the typed coordinates;
#   5. the program's standard error holds no critical GTK or GLib line and no pixman line.
# Usage: Test_E2E_Input.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin input "$@"
unset VT_TEST_BOX_ANSWER

# Whether window $1's centre lies inside window $2.
centred_in() {
  local X Y WIDTH HEIGHT SCREEN cx cy
  eval "$(xdotool getwindowgeometry --shell "$1")"
  cx=$((X + WIDTH / 2))
  cy=$((Y + HEIGHT / 2))
  eval "$(xdotool getwindowgeometry --shell "$2")"
  [ "$cx" -gt "$X" ] && [ "$cx" -lt $((X + WIDTH)) ] && [ "$cy" -gt "$Y" ] && [ "$cy" -lt $((Y + HEIGHT)) ]
}

# Where a first start on this screen puts things (the frame maximized).
tool_mode_property="1002 418" # the select & edit mode radios of the project's Edit group
tool_mode_geometry="1002 442" # the section's Edit group
tool_create_line="1130 577"
tree_materials="101 150"
tree_section_1_1="121 264"    # once the first group exists

# --- 1. the key row of a new property card ------------------------------------------------------------
step="1 key row"
e2e_start
click 600 500
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
choose $tool_mode_property
xdotool mousemove 600 500 key c
wait_window '^Properties$'
props=$dlg
centred_in "$props" "$wid" || fail "the property dialog is not on its owner's centre"
eval "$(xdotool getwindowgeometry --shell "$props")"
mid_x=$((X + 300)); mid_y=$((Y + 126)) # the value of the row "MID", the fourth
cell="170x16+$((X + 214))+$((Y + 118))"
click $mid_x $mid_y
poll 30 not_colour $((X + 400)) $mid_y ffffff || fail "the key row shows no button"
crop "$cell" "$work/cell_0.png"
xdotool type "77"
click $((X + 400)) $mid_y # its "..." button
poll 30 has_window '^(List|Property Error)$' || fail "the button opened nothing"
no_window '^Property Error$' || fail "the toolkit's box came up"
wait_window '^List$'
list=$dlg
centred_in "$list" "$props" || fail "the list is not on its owner's centre"
xdotool windowfocus "$list" key Escape
wait_window_gone '^List$'
crop "$cell" "$work/cell_1.png"
[ "$(differ "$work/cell_0.png" "$work/cell_1.png")" = 0 ] || fail "the typing reached the key row"
xdotool windowfocus "$props" key Escape
wait_window_gone '^Properties$'

# --- 2. a box titled "Message" ------------------------------------------------------------------------
step="2 message box"
popup_entry $tree_materials 1 # "List"
wait_window '^List$'
list=$dlg
eval "$(xdotool getwindowgeometry --shell "$list")"
click $((X + WIDTH - 55)) $((Y + 52)) # "Detail", nothing selected
wait_window '^Message$'
box=$dlg
xprop -id "$box" WM_NAME | grep -qF '"Message"' || fail "the box's window is not named Message"
wait_log "Msg: Please select a row first."
xdotool windowfocus "$box" key Return
wait_window_gone '^Message$'
xdotool windowfocus "$list" key Escape
wait_window_gone '^List$'

# --- 3. a section group along a typed axis --------------------------------------------------------------
step="3 project point entry"
section_group_typed
grep -q "^Msg: Invalid" "$work/log.txt" && fail "a typed value was refused: $(grep "^Msg: Invalid" "$work/log.txt")"

# --- 4. a section line typed, exported ------------------------------------------------------------------
step="4 section point entry"
popup_entry $tree_section_1_1 1 # "View Open"
poll 30 marked $tool_mode_geometry || fail "no section window in geometry mode"
click $tool_create_line
wait_colour 1180 595 ffffff
point_entry 1180 12.5 -3
point_entry 1180 42 17
wait_log "Msg: Done: Create section line"
xdotool mousemove --sync 700 500
key_popup alt+e
key_popup End Right # Edit > Section >
xdotool key Return  # Export IGES Section
file_choose '^Export File As$' "$work/typed.igs"
wait_log "Msg: Path: $work/typed.igs"
grep -q "^110,12.500000,-3.000000,0.000000,42.000000,17.000000,0.000000," "$work/typed.igs" ||
  fail "the line is not the typed one: $(grep '^110,' "$work/typed.igs")"

# --- 5. nothing critical on the standard error -------------------------------------------------------------
step="5 standard error"
stop_program
check_stderr
echo "Typed input, key rows, boxes and dialogs behaved as expected"
