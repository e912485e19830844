#!/usr/bin/env bash
# The window searches of E2E_Run.sh while other windows come and go, as menus, popups and dialogs
# do during a session. xdotool search dies of the X error that a window gone in the middle of the
# search raises, and then names no window at all; the helpers must still find the main frame that
# stays, and must never report it gone:
#   1. the program started, a stream of short-lived windows (xclip makes one for each read of a
#      selection) runs beside the searches;
#   2. has_window, no_window, wait_window and toplevels are asked about the main frame, 300 times
#      each.
# Usage: Test_E2E_Helpers.sh PROGRAM OUTPUT_DIR. Without a display it runs itself under xvfb-run.
set -euo pipefail
. "$(dirname "$0")/E2E_Run.sh"
e2e_begin helpers "$@"

step="1 start"
e2e_start
title_re='^Veltrane$'
wait_title "Veltrane"

step="2 searches beside windows that come and go"
# Ends with the script: the loop stops once its parent shell has gone.
(
  while kill -0 $$ 2> /dev/null; do
    xclip -o -selection secondary > /dev/null 2>&1 || true
  done
) &
churn=$!
trap 'kill "$churn" 2> /dev/null || true; stop_program' EXIT
for ((i = 1; i <= 300; ++i)); do
  has_window "$title_re" || fail "search $i: has_window misses the main frame"
  if no_window "$title_re"; then
    fail "search $i: no_window takes the main frame for gone"
  fi
  wait_window "$title_re" 5
  [ "$dlg" = "$wid" ] || fail "search $i: wait_window found \"$dlg\", not the main frame $wid"
  [[ " $(toplevels) " == *" $wid "* ]] || fail "search $i: the main frame is not among the top-level windows"
done
echo "Every search found the main frame."
