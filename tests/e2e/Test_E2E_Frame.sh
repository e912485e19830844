#!/usr/bin/env bash
# The main frame's menus, keys and popups as a user meets them, driven with xdotool on a fresh
# settings folder and a 1280x1024 screen (the frame maximized, the panes where a first start puts
# them):
#   1. New Project (Ctrl+N); the explorer's popup over "Default Material" offers "Detail" without
#      a key, and a click on it opens the material's property dialog;
#   2. the project saved (Ctrl+S), closed from the File menu with the keyboard, and Ctrl+N, with
#      no click anywhere, opens "Project 2";
#   3. closed again: with no project, a line of the output pane is selected, and the Copy of its
#      popup puts the line on the clipboard (read back with xclip);
#   4. the explorer's "Sorting" button opens its menu.
# Every step waits for what it brings (a window title, a log line, a popup window, the clipboard);
# screenshots go to OUTPUT_DIR/frame_NN_*.png; the first failing step stops the run with its name.
# Usage: Test_E2E_Frame.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin frame "$@"

# The popup menu that is up: a mapped override-redirect window of the program (GTK keeps a 10x10
# helper of its own off screen); sets px, py, pw, ph. A window that goes between the search and its
# look-up is passed over. Status 0 when one is up, 1 when none is, 2 when the search kept failing.
popup_up() {
  local w ids info status=0
  ids=$(e2e_search --onlyvisible --name '^veltrane$') || status=$?
  [ "$status" -le 1 ] || return 2
  for w in $ids; do
    info=$(xwininfo -id "$w" 2> /dev/null) || continue
    px= py= pw=0 ph=0 ovr=
    eval "$(awk '/Absolute upper-left X/ { print "px=" $4 } /Absolute upper-left Y/ { print "py=" $4 }
                 /Width:/ { print "pw=" $2 } /Height:/ { print "ph=" $2 }
                 /Override Redirect State/ { print "ovr=" $4 }' <<< "$info")"
    [ "$ovr" = yes ] && [ "$pw" -gt 20 ] && [ "$ph" -gt 20 ] && return 0
  done
  return 1
}
popup_gone() {
  local status=0
  popup_up || status=$?
  [ "$status" -eq 1 ]
}
clipboard_is() { [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# Where a first start on this screen puts things (the frame maximized).
item_default_material="99 173" # the explorer, a new project's "Default Material"
sorting="10 92"                # the explorer's "Sorting" button
output_line_1="300 866"        # the output pane's first line
document_area="600 500"

# --- 1. New project, the explorer's Detail ------------------------------------------------------------
step="1 explorer popup"
e2e_start
xdotool mousemove --sync $document_area
wait_title "Veltrane"
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
click $item_default_material 3
wait_for 30 "no popup over the material" popup_up
shot material_popup
# One entry, "Detail": the middle of the popup.
click $((px + pw / 2)) $((py + ph / 2))
wait_window '^Properties$'
shot property_dialog
xdotool windowfocus --sync "$dlg" key Escape
wait_window_gone '^Properties$'

# --- 2. Save, close from the File menu, Ctrl+N without a click ---------------------------------------------
step="2 keys after Close Project"
xdotool mousemove --sync $document_area
xdotool key ctrl+s
file_choose '^Save File As$' "$work/frame.qmxb"
wait_log "Msg: Project saved: $work/frame.qmxb"
key_popup alt+f
xdotool key c # Close Project
wait_title "Veltrane"
xdotool key ctrl+n
wait_title "Veltrane - Project 2"
shot project_2

# --- 3. The output pane's Copy without a project -----------------------------------------------------------
step="3 output copy"
key_popup alt+f
xdotool key c
wait_title "Veltrane"
line=$(grep -m 1 '^Msg: ' "$work/log.txt" | cut -c6-)
[ "$line" = "Project saved: $work/frame.qmxb" ] || fail "the output pane's first line is \"$line\""
printf 'before' | xclip -selection clipboard
click $output_line_1
click $output_line_1 3
wait_for 30 "no popup over the output pane" popup_up
shot output_popup
# Copy, the first of three entries.
click $((px + pw / 2)) $((py + ph / 6))
wait_for 30 "the popup stayed" popup_gone
poll 30 clipboard_is "$line" || fail "the clipboard holds \"$(xclip -o -selection clipboard)\""

# --- 4. The explorer's Sorting menu -------------------------------------------------------------------------
step="4 sorting menu"
click $sorting
wait_for 30 "the Sorting button opened no menu" popup_up
shot sorting_menu
xdotool key Escape
wait_for 30 "the Sorting menu stayed" popup_gone

step="end"
check_no_exception
kill -0 "$pid" 2>/dev/null || fail "the program ended"
stop_program
echo "The frame's menus, keys and popups worked as expected; screenshots in $out"
