# Shared by the end-to-end scripts (sourced, not run): the program's own run folder and its stop.
#
# e2e_prepare PROGRAM WORK: the program runs from the folder WORK (made empty) with its log and
# schema files beside it and a settings folder of its own; boxes are answered by the test switch.
# Sets work. stop_program ends the program whose id is in pid, and runs at exit.
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

stop_program() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  pid=
}
