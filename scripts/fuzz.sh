#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang (fuzz/ is a project of its own) and
# runs each for 45 seconds (or the number of seconds given). New inputs go into a scratch corpus
# directory under build-fuzz/, made empty for every run; the test data are read as seeds and never
# written. A crash, a sanitizer report or a leak fails the run and leaves the input that caused it
# in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang libclang-rt-14-dev
seconds="${1:-45}"
dir=build-fuzz
# Through ccache as scripts/build.sh compiles.
launcher=()
if command -v ccache > /dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
CC=clang CXX=clang++ cmake -S fuzz -B "$dir" -G Ninja "${launcher[@]}" > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" -j "$(nproc)"
data=../shared/testdata
# Inputs of at most 32 KB keep a run at thousands of inputs a second (larger seeds are cut).
run() {
  local target=$1; shift
  local corpus="$dir/corpus_$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  local seeds=()
  for d in "$@"; do
    [ -d "$d" ] && seeds+=("$d")
  done
  echo "== $target, $seconds s"
  # The project readers write their own seed files (a small model) into the corpus first.
  VT_FUZZ_SEED_DIR="$corpus" "$dir/$target" -max_total_time="$seconds" -max_len=32768 -print_final_stats=1 -artifact_prefix="$dir/$target-" \
    ${dict:+-dict="$dict"} "$corpus" "${seeds[@]}"
}
dict=fuzz/deck.dict run fuzz_deck_import "$data/nastran" "$data/dyna"
dict= run fuzz_iges_import "$data/iges"
dict= run fuzz_proj_file
dict= run fuzz_bea_import
