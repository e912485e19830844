#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. With --sanitize the suite is built and run
# under AddressSanitizer and UndefinedBehaviorSanitizer in its own build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir=build
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-san
  opts=(-DCMAKE_BUILD_TYPE=Debug -DVT_SANITIZE=ON -DVT_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  echo "Leak checking covers every suite but the window tests and end-to-end scripts (label gui);"
  echo "those keep AddressSanitizer's other checks and UBSan (tests/CMakeLists.txt says why)."
fi
bash scripts/build.sh "$dir" "${opts[@]}"
jobs=$(nproc)
# GUI suites need a display: run them under a virtual X server.
cd "$dir"
if ctest -N -L gui 2>/dev/null | grep -q "Total Tests: [1-9]"; then
  ctest --output-on-failure -j "$jobs" -LE gui
  # One display, one test at a time: the window tests move the pointer and the keyboard focus.
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -L gui
else
  ctest --output-on-failure -j "$jobs"
fi
