# Shared by the end-to-end scripts (sourced, not run): their preamble, the program's own run
# folder, its start and stop, and the waits that drive it. Every wait is for a state the user could
# see (a window mapped or gone, a log line, a title, a picture that changed or holds still, a text
# read back from the widget that took it), polled with a timeout; none sleeps a fixed time to let
# the program catch up. The timeouts are generous on purpose: a passing run never waits them out,
# and a sanitizer build on two busy cores is many times slower than a developer's.
#
# A script begins with
#   set -euo pipefail
#   . "$(dirname "$0")/E2E_Run.sh"
#   e2e_begin NAME "$@"
# and then reports each part of the run in step (its name goes into the failure message).
#
# Preamble
#   e2e_begin NAME PROGRAM OUTPUT_DIR  takes the script's two arguments (sets program, out); without
#                             a display it runs the script again under xvfb-run on a 1280x1024
#                             screen; otherwise it prepares the run folder OUTPUT_DIR/NAME_run
#                             (e2e_prepare) and sets step to "start".
#   fail MESSAGE              ends the run: the message with the step, the tails of the log and of
#                             the program's standard error, the screen in OUTPUT_DIR/NAME_failed.png.
#   shot LABEL [WINDOW]       the screen (or the window) in OUTPUT_DIR/NAME_NN_LABEL.png, NN counting
#                             the shots of the run; sets png.
#   check_no_exception        fails when the log reports an exception caught.
#   check_stderr              fails when the program's standard error holds a critical GTK or GLib
#                             line or a pixman complaint (the toolkit's dconf warnings, which come
#                             from the test machine's missing session bus, are not matched).
# Run folder and program
#   e2e_prepare PROGRAM WORK  the program runs from the folder WORK (made empty) with its log and
#                             schema files beside it and a settings folder of its own; boxes are
#                             answered by the test switch. Sets work; stop_program runs at exit.
#   e2e_launch [ARGS...]      starts the program; every start adds its output to the run folder's
#                             stdout.txt and stderr.txt. Sets pid.
#   e2e_start [ARGS...]       e2e_launch, then waits for the main frame to be mapped and drawn (its
#                             picture holds still); sets pid and wid.
#   wait_exit [SECONDS]       waits for the program to end by itself; sets status.
#   stop_program              ends the program whose id is in pid.
#   import_nastran DECK       a new project (Ctrl+N) takes the Nastran deck DECK through Edit >
#                             Model > IMport Nastran and the file chooser; waits until the import
#                             is done and its progress dialog gone.
# Tests (true or false: for poll, wait_for and if)
#   log_has LINE [COUNT]      the log has the line LINE (whole line) COUNT times (1) or more.
#   has_window REGEX          a mapped window is named REGEX.
#   no_window REGEX           no mapped window is named REGEX.
#   title_is TITLE            the main frame's title is TITLE.
# Waiting
#   poll SECONDS COMMAND...           runs COMMAND until it succeeds (true) or SECONDS passed (false).
#   wait_for SECONDS WHAT COMMAND...  runs COMMAND until it succeeds; after SECONDS fails with WHAT.
#   wait_log LINE [SECONDS] [COUNT]   the log line LINE (whole line) there COUNT times (1).
#   count_log LINE                    how often the log has the line LINE.
#   wait_window REGEX [SECONDS]       a mapped window named REGEX; sets dlg.
#   wait_window_gone REGEX [SECONDS]  no mapped window named REGEX any more.
#   wait_title TITLE [SECONDS]        the main frame's title is TITLE.
#   title                             the main frame's title.
#   toplevels                         the mapped top-level windows of the program (the frame,
#                                     dialogs, open menus and popups), their ids.
# Input
#   click X Y [BUTTON]          moves the pointer there (waits until it is) and clicks. The caller
#                               waits for what the click does. Two clicks on one spot count as a
#                               double click: click a second time a few pixels aside.
#   click_change X Y [GEOM] [MIN]  clicks and waits until the screen's rectangle GEOM (160x40
#                               around the point) changed in more than MIN pixels (0) and then
#                               holds still.
#   key_popup KEY...            presses the keys, the last of which opens a menu, a submenu or a
#                               popup, and waits for it to be mapped (a top-level window more).
#   click_popup X Y [BUTTON]    the same for a click (button 3 by default: a context menu).
#   popup_entry X Y N           the context menu at X Y (click_popup), its entry N (from 1) chosen
#                               with the keys.
#   type_read_back TEXT         types TEXT into the focused text field over what it holds, then
#                               selects it all and reads the selection (PRIMARY) back until it is
#                               TEXT (types it again if characters were lost); the cursor is left
#                               at the end, nothing selected.
#   paste_read_back TEXT        the same with TEXT pasted in one piece from the clipboard: for
#                               paths, which a file chooser's completion rewrites while they are
#                               typed.
#   file_choose REGEX PATH      in the file chooser named REGEX: the path entered and read back
#                               ("/" opens an Open dialog's location line), Enter, the chooser gone.
#   field_is X Y TEXT           clicks the text field (or grid cell) at X Y and reads all of it
#                               back (PRIMARY) until it is TEXT; fails after 30 seconds.
#   choose X Y                  marks the radio button whose label starts at X Y: clicked until
#                               its circle shows the theme's mark (marked X Y tests it).
#   point_entry X V...          the values V typed into the tools pane's point entry whose edits
#                               stand at x = X (three values: the project's X, Y, Z; two: the
#                               section's X, Y), then its "Specify Point" pressed.
#   property_card_new           on the Project page of a first start: "Property" mode, Create (C),
#                               the property dialog up; sets dlg.
#   section_group_typed         on the Project page of a first start, a section group along the
#                               axis (0, 0, 0) to (0, 0, 100): "Section" mode, Create (C), the two
#                               ends typed into the point entry, Apply, "Done: Create section group".
# Pictures (GEOM is WxH+X+Y of the screen)
#   crop GEOM FILE                        the rectangle as an image file.
#   differ A B                            pixels that differ between two images of one size.
#   count_near IMAGE #RRGGBB [FUZZ]       pixels near the colour within FUZZ percent (20; 0: the
#                                         colour exactly).
#   wait_still GEOM FILE [SECONDS]        the rectangle drawn the same twice in a row; in FILE.
#   wait_change GEOM BEFORE AFTER [MIN] [SECONDS]  the rectangle differs from the image BEFORE in
#                                         more than MIN pixels (0) and then holds still; in AFTER.
#   colour X Y                            the screen's colour there as rrggbb; is_colour X Y RRGGBB
#                                         and not_colour X Y RRGGBB test it, wait_colour X Y RRGGBB
#                                         waits for it.

e2e_begin() {
  if [ $# -ne 3 ]; then
    echo "Usage: $0 PROGRAM OUTPUT_DIR" >&2
    exit 2
  fi
  e2e_name=$1
  program=$(readlink -f "$2")
  out=$(mkdir -p "$3" && cd "$3" && pwd)
  if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program" "$out"
  fi
  step="start"
  shots=0
  e2e_prepare "$program" "$out/${e2e_name}_run"
}

fail() {
  echo "FAILED${step:+ in step '$step'}: $*" >&2
  if [ -n "${work:-}" ]; then
    [ -f "$work/log.txt" ] && { echo "--- log.txt" >&2; tail -n 40 "$work/log.txt" >&2; }
    [ -f "$work/stderr.txt" ] && { echo "--- stderr.txt" >&2; tail -n 20 "$work/stderr.txt" >&2; }
  fi
  if [ -n "${out:-}" ]; then import -window root "$out/${e2e_name}_failed.png" 2>/dev/null || true; fi
  exit 1
}

shot() {
  shots=$((shots + 1))
  png="$out/$(printf '%s_%02d_%s.png' "$e2e_name" "$shots" "$1")"
  import -window "${2:-root}" "$png"
}

check_no_exception() {
  ! grep "Exception caught at:" "$work/log.txt" || fail "the log reports the exceptions above"
}
check_stderr() {
  ! grep -E "CRITICAL|pixman" "$work/stderr.txt" || fail "the program's standard error has the lines above"
}

e2e_prepare() {
  work="$2"
  rm -rf "$work"
  mkdir -p "$work/config"
  ln "$1" "$work/veltrane" 2>/dev/null || cp "$1" "$work/veltrane"
  cp "$(dirname "$1")"/data_format_*.dat "$work/"
  export XDG_CONFIG_HOME="$work/config"
  export VT_TEST_BOX_ANSWER=ok
  pid=
  trap stop_program EXIT
}

e2e_launch() {
  # Every start of the run adds to the same two files.
  "$work/veltrane" "$@" >> "$work/stdout.txt" 2>> "$work/stderr.txt" &
  pid=$!
}

e2e_start() {
  e2e_launch "$@"
  wait_for 60 "no main frame appeared" e2e_main_frame
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  wait_still "${WIDTH}x${HEIGHT}+${X}+${Y}" "$work/.start.png" 30
}

wait_exit() {
  wait_for "${1:-60}" "the program did not end" eval '! kill -0 "$pid" 2>/dev/null'
  status=0
  wait "$pid" || status=$?
  pid=
}

stop_program() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  pid=
}

# The clock in microseconds: bash's SECONDS counts whole seconds, too coarse for a short poll.
e2e_now() { echo "${EPOCHREALTIME/[.,]/}"; }
poll() {
  local end=$(($(e2e_now) + $1 * 1000000))
  shift
  until "$@"; do
    [ "$(e2e_now)" -lt "$end" ] || return 1
    sleep 0.1
  done
}
wait_for() {
  local seconds=$1 what=$2
  shift 2
  poll "$seconds" "$@" || fail "$what"
}

count_log() { grep -cxF "$1" "$work/log.txt" 2>/dev/null || true; }
log_has() { [ "$(count_log "$1")" -ge "${2:-1}" ]; }
wait_log() { wait_for "${2:-30}" "no log line \"$1\"" log_has "$1" "${3:-1}"; }

# xdotool search dies of an X error (BadWindow) when a window it looks at goes away meanwhile, a
# menu or a dialog closing just then, and names no window at all: a search that failed with a
# complaint is made again. Status 0 with the ids found, 1 when no window matches, 2 when every try
# failed.
e2e_search() {
  local try
  for try in 1 2 3 4 5 6 7 8 9 10; do
    if xdotool search "$@" 2> "$work/.search_err"; then
      return 0
    fi
    [ -s "$work/.search_err" ] || return 1
  done
  return 2
}
e2e_main_frame() {
  wid=$(e2e_search --onlyvisible --pid "$pid" --name '^Veltrane' | head -n 1)
  [ -n "$wid" ]
}
e2e_window_named() {
  dlg=$(e2e_search --onlyvisible --name "$1" | head -n 1)
  [ -n "$dlg" ]
}
wait_window() { wait_for "${2:-30}" "no window \"$1\"" e2e_window_named "$1"; }
has_window() { e2e_search --onlyvisible --name "$1" > /dev/null; }
# Only a search that found nothing says the window is gone.
no_window() {
  local status=0
  e2e_search --onlyvisible --name "$1" > /dev/null || status=$?
  [ "$status" -eq 1 ]
}
wait_window_gone() { wait_for "${2:-30}" "the window \"$1\" stayed" no_window "$1"; }

title() { xdotool getwindowname "$wid"; }
title_is() { [ "$(title)" = "$1" ]; }
# The message names the title the wait ended with.
wait_title() { poll "${2:-30}" title_is "$1" || fail "the title is \"$(title)\", not \"$1\""; }

toplevels() { { e2e_search --maxdepth 1 --onlyvisible --classname veltrane || true; } | tr '\n' ' '; }
# True when a top-level window not among the ids $1 is mapped (a tooltip that goes meanwhile does
# not count against it).
e2e_new_toplevel() {
  local w
  for w in $(toplevels); do
    [[ " $1 " == *" $w "* ]] || return 0
  done
  return 1
}

# xdotool's mousemove --sync waits for a motion event, and a move to where the pointer already is
# makes none (the wait would time out): the pointer is moved only when it is elsewhere.
click() {
  local X Y SCREEN WINDOW
  eval "$(xdotool getmouselocation --shell)"
  if [ "$X $Y" != "$1 $2" ]; then
    xdotool mousemove --sync "$1" "$2"
  fi
  xdotool click "${3:-1}"
}

click_change() {
  local geom=${3:-160x40+$(($1 - 80))+$(($2 - 20))}
  crop "$geom" "$work/.before.png"
  click "$1" "$2"
  wait_change "$geom" "$work/.before.png" "$work/.after.png" "${4:-0}"
}

key_popup() {
  local before
  before=$(toplevels)
  xdotool key "$@"
  wait_for 30 "no menu or popup after the keys $*" e2e_new_toplevel "$before"
}

click_popup() {
  local before
  before=$(toplevels)
  click "$1" "$2" "${3:-3}"
  wait_for 30 "no popup after the click at $1 $2" e2e_new_toplevel "$before"
}

popup_entry() {
  click_popup "$1" "$2"
  local keys=() i
  for ((i = 0; i < $3; ++i)); do keys+=(Down); done
  xdotool key "${keys[@]}" Return
}

e2e_selection_is() { [ "$(timeout 5 xclip -o -selection primary 2>/dev/null)" = "$1" ]; }
# Selects all of the focused field, enters $1 with the command $2 (type or paste), selects all
# again and reads it back; the selection is dropped (End) once it holds $1: a file chooser's name
# field takes Enter for "accept the completion" while it has one.
e2e_enter_read_back() {
  local try
  for try in 1 2 3; do
    xdotool key ctrl+a
    if [ "$2" = paste ]; then
      printf '%s' "$1" | xclip -i -selection clipboard > /dev/null 2>&1
      xdotool key ctrl+v
    else
      xdotool type --delay 20 "$1"
    fi
    xdotool key ctrl+a
    local end=$((SECONDS + 15))
    while [ "$SECONDS" -lt "$end" ]; do
      if e2e_selection_is "$1"; then
        xdotool key End
        return 0
      fi
      sleep 0.1
    done
  done
  fail "the text field does not hold \"$1\" but \"$(timeout 5 xclip -o -selection primary 2>/dev/null)\""
}
type_read_back() { e2e_enter_read_back "$1" type; }
paste_read_back() { e2e_enter_read_back "$1" paste; }

file_choose() {
  wait_window "$1"
  # An Open dialog shows its location line at the first "/" typed, and its completion rewrites a
  # path while it is typed: the path is pasted. A Save dialog's name field has the focus and takes
  # the path typed (pasted, Enter there is not taken for an answer).
  if [[ "$1" == *Open* ]]; then
    xdotool type "/"
    paste_read_back "$2"
  else
    type_read_back "$2"
  fi
  # GTK drops an Enter that comes while the chooser still looks up the folder just typed (the
  # dialog stays, nothing else happens): Enter is pressed again while the chooser is up.
  local try
  for try in 1 2 3 4 5; do
    xdotool key Return
    poll 6 no_window "$1" && return 0
  done
  fail "the file chooser \"$1\" stayed"
}

# The selection is read again after a fresh Ctrl+A each time: a cell's editor may open only after
# the click was handled.
e2e_field_reads() {
  xdotool key ctrl+a
  e2e_selection_is "$1"
}
field_is() {
  click "$1" "$2"
  poll 30 e2e_field_reads "$3" ||
    fail "the field at $1 $2 holds \"$(timeout 5 xclip -o -selection primary 2>/dev/null)\", not \"$3\""
}

# A page just shown may not take the first click: the radio button is clicked until its circle, up
# to 14 pixels left of the label, shows the theme's blue mark.
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

# The edits of a point entry and its button below them, where a first start on this screen puts
# them.
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

property_card_new() {
  choose 1002 418
  xdotool mousemove 600 500 key c
  wait_window '^Properties$'
}
section_group_typed() {
  choose 1002 514
  xdotool mousemove 600 500 key c
  wait_colour 1150 655 ffffff # the X edit, usable
  point_entry 1150 0 0 0
  point_entry 1150 0 0 100
  click 1130 601 # "Apply (Enter)"
  wait_log "Msg: Done: Create section group"
}

crop() { import -window root -crop "$1" +repage "$2"; }
colour() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 { print tolower(substr($3, 2)) }'; }
is_colour() { [ "$(colour "$1" "$2")" = "$3" ]; }
not_colour() { ! is_colour "$@"; }
wait_colour() { poll 30 is_colour "$1" "$2" "$3" || fail "($1, $2) is $(colour "$1" "$2"), not $3"; }
differ() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
count_near() {
  convert "$1" -fuzz "${3:-20}%" -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}

# The rectangle $1 cropped into $2, true when it equals the last crop in $3 (which it replaces).
e2e_same_again() {
  crop "$1" "$2"
  local same=1
  [ -f "$3" ] && [ "$(differ "$2" "$3")" = 0 ] && same=0
  cp "$2" "$3"
  return $same
}
wait_still() {
  rm -f "$2.last.png"
  wait_for "${3:-30}" "the picture at $1 did not hold still" e2e_same_again "$1" "$2" "$2.last.png"
  rm -f "$2.last.png"
}
e2e_differs() {
  crop "$1" "$3"
  [ "$(differ "$2" "$3")" -gt "$4" ]
}
wait_change() {
  wait_for "${5:-30}" "the picture at $1 did not change (more than ${4:-0} pixels)" e2e_differs "$1" "$2" "$3" "${4:-0}"
  wait_still "$1" "$3" "${5:-30}"
}

import_nastran() {
  local bar="400x22+0+0" # the frame's menu bar
  crop "$bar" "$work/.menu_0.png"
  xdotool mousemove --sync 600 500
  xdotool key ctrl+n
  wait_title "Veltrane - Project 1"
  # The frame's title comes before its menu bar has the project's menus, and until then Alt+E is
  # nobody's key: the bar is waited for.
  wait_change "$bar" "$work/.menu_0.png" "$work/.menu_1.png"
  # Edit > Model (the menu's last entry but one) > IMport Nastran (its second entry).
  key_popup alt+e
  key_popup Up Up Right
  xdotool key Down Return
  file_choose '^Open$' "$1"
  wait_log "Msg: Done: Input Nastran" 60
  # The progress dialog may still be on its way out, and would take the key.
  wait_window_gone '^Progress$'
}
