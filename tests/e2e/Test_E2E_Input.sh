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

program=$(readlink -f "$1")
out=$(mkdir -p "$2" && cd "$2" && pwd)

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
fi

step="start"
fail() {
  echo "FAILED in step '$step': $*" >&2
  [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; tail -n 20 "$work/log.txt" >&2; }
  [ -f "$work/stderr.txt" ] && { echo "--- stderr" >&2; tail -n 20 "$work/stderr.txt" >&2; }
  import -window root "$out/input_failed.png" 2>/dev/null || true
  exit 1
}

. "$(dirname "$0")/E2E_Run.sh"
e2e_prepare "$program" "$out/input_run"
unset VT_TEST_BOX_ANSWER

# Polls (every 0.1 s, up to $1 seconds) until the command $2... succeeds.
poll() {
  local limit=$1 i
  shift
  for i in $(seq 1 $((limit * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
logged() { grep -qxF "$1" "$work/log.txt"; }
wait_log() { poll 10 logged "$1" || fail "no log line \"$1\""; }
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
hidden() { ! visible "$1"; }
# The visible window named $1 (a regular expression), once it is there.
window() {
  poll 10 visible "$1" || fail "no window \"$1\""
  xdotool search --onlyvisible --name "$1" | head -n 1
}
gone() { poll 10 hidden "$1" || fail "the window \"$1\" stayed"; }
titled() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
wait_title() { poll 10 titled "$1" || fail "the title is \"$(xdotool getwindowname "$main")\", not \"$1\""; }
# The screen's colour at ($1, $2) as rrggbb; whether it is (or is not) $3.
colour() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 { print tolower(substr($3, 2)) }'; }
is_colour() { [ "$(colour "$1" "$2")" = "$3" ]; }
not_colour() { ! is_colour "$@"; }
wait_colour() { poll 10 is_colour "$1" "$2" "$3" || fail "($1, $2) is $(colour "$1" "$2"), not $3"; }
# Whether window $1's centre lies inside window $2.
centred_in() {
  local X Y WIDTH HEIGHT SCREEN cx cy
  eval "$(xdotool getwindowgeometry --shell "$1")"
  cx=$((X + WIDTH / 2))
  cy=$((Y + HEIGHT / 2))
  eval "$(xdotool getwindowgeometry --shell "$2")"
  [ "$cx" -gt "$X" ] && [ "$cx" -lt $((X + WIDTH)) ] && [ "$cy" -gt "$Y" ] && [ "$cy" -lt $((Y + HEIGHT)) ]
}
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }
# Marks the radio button whose label starts at ($1, $2): clicked until its circle, up to 14 pixels
# to the left, shows the theme's blue mark (a page just shown may not take the first click).
marked() {
  import -window root -crop "14x1+$(($1 - 14))+$2" -depth 8 txt:- |
    awk -F'[(),]' 'NR > 1 && $3 < 128 && $5 > 200 { found = 1 } END { exit !found }'
}
choose() {
  local i
  for i in $(seq 1 10); do
    click "$1" "$2"
    poll 1 marked "$1" "$2" && return 0
  done
  fail "the radio button at ($1, $2) stays unmarked"
}
# Types the values $2... into the point entry whose edits stand at x = $1 (three values: the
# project's X, Y, Z; two: the section's X, Y), then presses its "Specify Point" button.
point_entry() {
  local x=$1 k=0 v y
  shift
  if [ $# -eq 3 ]; then y=(655 684 713 745); else y=(595 624 656); fi
  for v in "$@"; do
    click "$x" "${y[$k]}"
    xdotool type -- "$v"
    k=$((k + 1))
  done
  click 1130 "${y[$k]}"
}

# Where a first start on this screen puts things (the frame maximized).
tool_mode_property="1002 418" # the select & edit mode radios of the project's Edit group
tool_mode_section="1002 514"
tool_apply="1130 601"         # "Apply (Enter)" of the section-axis page
tool_mode_geometry="1002 442" # the section's Edit group
tool_create_line="1130 577"
tree_materials="101 150"
tree_section_1_1="121 264"    # once the first group exists

# --- 1. the key row of a new property card ------------------------------------------------------------
step="1 key row"
"$work/veltrane" > "$work/stdout.txt" 2> "$work/stderr.txt" &
pid=$!
main=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Veltrane' | head -n 1) ||
  fail "no main frame appeared"
click 600 500
xdotool key ctrl+n
wait_title "Veltrane - Project 1"
choose $tool_mode_property
xdotool mousemove 600 500 key c
dlg=$(window '^Properties$')
centred_in "$dlg" "$main" || fail "the property dialog is not on its owner's centre"
eval "$(xdotool getwindowgeometry --shell "$dlg")"
mid_x=$((X + 300)); mid_y=$((Y + 126)) # the value of the row "MID", the fourth
cell="170x16+$((X + 214))+$((Y + 118))"
click $mid_x $mid_y
poll 10 not_colour $((X + 400)) $mid_y ffffff || fail "the key row shows no button"
import -window root -crop "$cell" +repage "$work/cell_0.png"
xdotool type "77"
click $((X + 400)) $mid_y # its "..." button
poll 10 visible '^(List|Property Error)$' || fail "the button opened nothing"
visible '^Property Error$' && fail "the toolkit's box came up"
list=$(window '^List$')
centred_in "$list" "$dlg" || fail "the list is not on its owner's centre"
xdotool windowfocus "$list" key Escape
gone '^List$'
import -window root -crop "$cell" +repage "$work/cell_1.png"
[ "$(compare -metric AE "$work/cell_0.png" "$work/cell_1.png" null: 2>&1 || true)" = "0" ] ||
  fail "the typing reached the key row"
xdotool windowfocus "$dlg" key Escape
gone '^Properties$'

# --- 2. a box titled "Message" ------------------------------------------------------------------------
step="2 message box"
click $tree_materials 3
xdotool key Down Return # the popup's "List"
list=$(window '^List$')
eval "$(xdotool getwindowgeometry --shell "$list")"
click $((X + WIDTH - 55)) $((Y + 52)) # "Detail", nothing selected
box=$(window '^Message$')
xprop -id "$box" WM_NAME | grep -qF '"Message"' || fail "the box's window is not named Message"
wait_log "Msg: Please select a row first."
xdotool windowfocus "$box" key Return
gone '^Message$'
xdotool windowfocus "$list" key Escape
gone '^List$'

# --- 3. a section group along a typed axis --------------------------------------------------------------
step="3 project point entry"
choose $tool_mode_section
xdotool mousemove 600 500 key c
wait_colour 1150 655 ffffff # the X edit, usable
point_entry 1150 0 0 0
point_entry 1150 0 0 100
click $tool_apply
wait_log "Msg: Done: Create section group"
grep -q "^Msg: Invalid" "$work/log.txt" && fail "a typed value was refused: $(grep "^Msg: Invalid" "$work/log.txt")"

# --- 4. a section line typed, exported ------------------------------------------------------------------
step="4 section point entry"
click $tree_section_1_1 3
xdotool key Down Return # "View Open"
poll 10 marked $tool_mode_geometry || fail "no section window in geometry mode"
click $tool_create_line
wait_colour 1180 595 ffffff
point_entry 1180 12.5 -3
point_entry 1180 42 17
wait_log "Msg: Done: Create section line"
xdotool mousemove 700 500 key alt+e
xdotool key End Right Return # Edit > Section > Export IGES Section
dlg=$(window '^Export File As$')
# The chooser may drop what is typed before it is ready: its name line (Ctrl+A selects all of
# it) takes the path again until the chooser has gone.
for _ in 1 2 3 4 5; do
  xdotool key ctrl+a
  xdotool type --delay 25 "$work/typed.igs"
  xdotool key Return
  poll 2 hidden '^Export File As$' && break
done
gone '^Export File As$'
wait_log "Msg: Path: $work/typed.igs"
grep -q "^110,12.500000,-3.000000,0.000000,42.000000,17.000000,0.000000," "$work/typed.igs" ||
  fail "the line is not the typed one: $(grep '^110,' "$work/typed.igs")"

# --- 5. nothing critical on the standard error -------------------------------------------------------------
step="5 standard error"
stop_program
grep -E "CRITICAL|pixman" "$work/stderr.txt" && fail "the program's standard error has the lines above"
echo "Typed input, key rows, boxes and dialogs behaved as expected"
