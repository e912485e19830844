#!/usr/bin/env bash
# End-to-end run of the desktop program under a display, driven with xdotool as a user would:
#   1. started without arguments: the main frame covers the screen and the log begins with
#      "Log: App init."; a screenshot of the frame is saved;
#   2. View > Application Look > Office 2003 chosen with the keyboard, then File > Exit;
#   3. started again: the frame has the look of the last run (its caption colour is on screen);
#   4. started with a project file that does not exist: "Msg: Failed to process shell command."
#      is logged and the program ends with a non-zero status.
# Screenshots go to OUTPUT_DIR/program_NN_*.png; the first failing step stops the run with its name.
# Usage: Test_E2E_Program.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin program "$@"

# Office 2003's inactive caption colour (89, 135, 214) is not part of the default look.
office_2003="#5987D6"

# --- 1. Start without arguments --------------------------------------------------------------------
step="1 start"
e2e_start
head -n 1 "$work/log.txt" | grep -qx "Log: App init." || fail "the log does not begin with Log: App init."
eval "$(xdotool getwindowgeometry --shell "$wid")"
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
[ "${WIDTH}x${HEIGHT}" = "$screen" ] || fail "the frame is ${WIDTH}x${HEIGHT}, the screen $screen"
shot main_frame "$wid"
colours=$(identify -format "%k" "$png")
[ "$colours" -gt 20 ] || fail "the screenshot shows only $colours colours"
[ "$(count_near "$png" "$office_2003" 0)" -eq 0 ] || fail "the default look shows Office 2003 colours"

# --- 2. View > Application Look > Office 200&3, then File > E&xit -----------------------------------
step="2 look and exit"
xdotool windowfocus --sync "$wid"
key_popup --clearmodifiers alt+v
key_popup a
xdotool key 3
wait_for 30 "the chosen look was not stored" grep -qs "ApplicationLook=134" "$XDG_CONFIG_HOME/Veltrane.conf"
key_popup --clearmodifiers alt+f
xdotool key x
wait_exit
[ "$status" -eq 0 ] || fail "File > Exit ended with status $status"

# --- 3. The next run has the look of the last one ---------------------------------------------------
step="3 stored look"
e2e_start
shot main_frame_look_134 "$wid"
[ "$(count_near "$png" "$office_2003" 0)" -gt 0 ] || fail "the stored look was not applied"
stop_program

# --- 4. A project file that does not exist ------------------------------------------------------------
step="4 missing project file"
e2e_launch "$work/no such folder/model.qmxb"
wait_exit
[ "$status" -ne 0 ] || fail "a project that cannot be opened ended with status 0"
log_has "Msg: Failed to process shell command." || fail "no shell command message in the log"

echo "The program ran as expected; screenshots in $out"
