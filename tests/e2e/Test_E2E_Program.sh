#!/usr/bin/env bash
# End-to-end run of the desktop program under a display, driven with xdotool as a user would:
#   1. started without arguments: the main frame covers the screen and the log begins with
#      "Log: App init."; a screenshot of the frame is saved;
#   2. View > Application Look > Office 2003 chosen with the keyboard, then File > Exit;
#   3. started again: the frame has the look of the last run (its caption colour is on screen);
#   4. started with a project file that does not exist: "Msg: Failed to process shell command."
#      is logged and the program ends with a non-zero status.
# Usage: Test_E2E_Program.sh PROGRAM OUTPUT_DIR (screenshots go to OUTPUT_DIR). Without a display
# it runs itself under xvfb-run.
set -euo pipefail

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
fi

fail() {
  echo "FAILED: $*" >&2
  [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; cat "$work/log.txt" >&2; }
  exit 1
}

# The program runs from a folder of its own (its log and schema files are beside it) with a
# settings folder of its own; boxes are answered by the test switch.
. "$(dirname "$0")/E2E_Run.sh"
e2e_prepare "$program" "$out/run"

# Number of pixels of the colour $2 (#RRGGBB) in the image $1.
count_colour() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}

# 1. Start without arguments.
e2e_start
head -n 1 "$work/log.txt" | grep -qx "Log: App init." || fail "the log does not begin with Log: App init."
eval "$(xdotool getwindowgeometry --shell "$wid")"
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
[ "${WIDTH}x${HEIGHT}" = "$screen" ] || fail "the frame is ${WIDTH}x${HEIGHT}, the screen $screen"
import -window "$wid" "$out/main_frame.png"
colours=$(identify -format "%k" "$out/main_frame.png")
[ "$colours" -gt 20 ] || fail "the screenshot shows only $colours colours"
# Office 2003's inactive caption colour (89, 135, 214) is not part of the default look.
[ "$(count_colour "$out/main_frame.png" "#5987D6")" -eq 0 ] || fail "the default look shows Office 2003 colours"

# 2. View > Application Look > Office 200&3, then File > E&xit.
xdotool windowfocus --sync "$wid"
key_popup --clearmodifiers alt+v
key_popup a
xdotool key 3
wait_for 30 "the chosen look was not stored" grep -qs "ApplicationLook=134" "$XDG_CONFIG_HOME/Veltrane.conf"
key_popup --clearmodifiers alt+f
xdotool key x
wait_exit
[ "$status" -eq 0 ] || fail "File > Exit ended with status $status"

# 3. The next run has the look of the last one.
e2e_start
import -window "$wid" "$out/main_frame_look_134.png"
[ "$(count_colour "$out/main_frame_look_134.png" "#5987D6")" -gt 0 ] || fail "the stored look was not applied"
stop_program

# 4. A project file that does not exist.
status=0
timeout 60 "$work/veltrane" "$work/no such folder/model.qmxb" > "$work/stdout.txt" 2> "$work/stderr.txt" || status=$?
[ "$status" -ne 0 ] || fail "a project that cannot be opened ended with status 0"
grep -qx "Msg: Failed to process shell command." "$work/log.txt" || fail "no shell command message in the log"

echo "The program ran as expected; screenshots in $out"
