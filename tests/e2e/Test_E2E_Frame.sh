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

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
fi

step="start"
fail() {
  echo "FAILED in step '$step': $*" >&2
  [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; tail -n 40 "$work/log.txt" >&2; }
  import -window root "$out/frame_failed.png" 2>/dev/null || true
  exit 1
}

. "$(dirname "$0")/E2E_Run.sh"
e2e_prepare "$program" "$out/frame_run"

shots=0
shot() { # the screen after a step
  shots=$((shots + 1))
  import -window root "$out/$(printf 'frame_%02d_%s.png' "$shots" "$1")"
}
# Polls the test "$@" every 0.1 s for up to 10 s; false when it never held.
poll() {
  local i
  for i in $(seq 1 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
title() { xdotool getwindowname "$wid"; }
title_is() { [ "$(title)" = "$1" ]; }
log_has() { grep -qxF "$1" "$work/log.txt" 2>/dev/null; }
# A visible window named $1 (a regular expression); sets dlg.
wait_window() {
  dlg=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || fail "no window \"$1\""
}
no_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# The popup menu that is up: a mapped override-redirect window of the program (GTK keeps a 10x10
# helper of its own off screen); sets px, py, pw, ph.
popup_up() {
  local w
  for w in $(xdotool search --onlyvisible --name '^veltrane$' 2>/dev/null); do
    eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/ { print "px=" $4 } /Absolute upper-left Y/ { print "py=" $4 }
                                     /Width:/ { print "pw=" $2 } /Height:/ { print "ph=" $2 }
                                     /Override Redirect State/ { print "ovr=" $4 }')"
    [ "$ovr" = yes ] && [ "$pw" -gt 20 ] && [ "$ph" -gt 20 ] && return 0
  done
  return 1
}
popup_gone() { ! popup_up; }
clipboard_is() { [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

# Where a first start on this screen puts things (the frame maximized).
item_default_material="99 173" # the explorer, a new project's "Default Material"
sorting="10 92"                # the explorer's "Sorting" button
output_line_1="300 866"        # the output pane's first line
document_area="600 500"

# --- 1. New project, the explorer's Detail ------------------------------------------------------------
step="1 explorer popup"
"$work/veltrane" > "$work/stdout.txt" 2> "$work/stderr.txt" &
pid=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Veltrane' | head -n 1) ||
  fail "no main frame appeared"
xdotool mousemove $document_area
poll title_is "Veltrane" || fail "the title is \"$(title)\""
xdotool key ctrl+n
poll title_is "Veltrane - Project 1" || fail "Ctrl+N: the title is \"$(title)\""
xdotool mousemove $item_default_material click 3
poll popup_up || fail "no popup over the material"
shot material_popup
# One entry, "Detail": the middle of the popup.
xdotool mousemove $((px + pw / 2)) $((py + ph / 2)) click 1
wait_window '^Properties$'
shot property_dialog
xdotool windowfocus --sync "$dlg" key Escape
poll no_window '^Properties$' || fail "the property dialog stayed"

# --- 2. Save, close from the File menu, Ctrl+N without a click ---------------------------------------------
step="2 keys after Close Project"
xdotool mousemove $document_area
xdotool key ctrl+s
wait_window '^Save File As$'
xdotool type --delay 25 "$work/frame.qmxb"
# Return, again while the chooser stays (its completion may take the first one).
for _ in $(seq 1 20); do
  no_window '^Save File As$' && break
  xdotool windowfocus --sync "$dlg" key Return
  sleep 0.3
done
poll log_has "Msg: Project saved: $work/frame.qmxb" || fail "the project was not saved"
xdotool key alt+f
xdotool key c # Close Project
poll title_is "Veltrane" || fail "the project did not close"
xdotool key ctrl+n
poll title_is "Veltrane - Project 2" || fail "Ctrl+N after Close Project: the title is \"$(title)\""
shot project_2

# --- 3. The output pane's Copy without a project -----------------------------------------------------------
step="3 output copy"
xdotool key alt+f
xdotool key c
poll title_is "Veltrane" || fail "the project did not close"
line=$(grep -m 1 '^Msg: ' "$work/log.txt" | cut -c6-)
[ "$line" = "Project saved: $work/frame.qmxb" ] || fail "the output pane's first line is \"$line\""
printf 'before' | xclip -selection clipboard
xdotool mousemove $output_line_1 click 1
xdotool click 3
poll popup_up || fail "no popup over the output pane"
shot output_popup
# Copy, the first of three entries.
xdotool mousemove $((px + pw / 2)) $((py + ph / 6)) click 1
poll popup_gone || fail "the popup stayed"
poll clipboard_is "$line" || fail "the clipboard holds \"$(xclip -o -selection clipboard)\""

# --- 4. The explorer's Sorting menu -------------------------------------------------------------------------
step="4 sorting menu"
xdotool mousemove $sorting click 1
poll popup_up || fail "the Sorting button opened no menu"
shot sorting_menu
xdotool key Escape
poll popup_gone || fail "the Sorting menu stayed"

step="end"
grep -q "Exception caught at:" "$work/log.txt" && fail "an exception was reported"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
stop_program
echo "The frame's menus, keys and popups worked as expected; screenshots in $out"
