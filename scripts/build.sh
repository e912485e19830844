#!/usr/bin/env bash
# Configures and builds one build tree. Usage: scripts/build.sh BUILD_DIR [extra cmake options]
# Compiles through ccache when it is there (scripts/install-deps.sh installs it). Its keys are made
# from paths relative to the checkout (base_dir, no working directory in the hash), so a clone in
# another folder, CI's among them, reuses the objects that any checkout on this machine built.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"; shift || true
launcher=()
if command -v ccache > /dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
jobs=$(nproc)
cmake --build "$dir" -j "$jobs"
