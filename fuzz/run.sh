#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build folder and runs each for a bounded time.
#   fuzz/run.sh [seconds per target, default 60]
# Fails when a target finds a crash, a sanitizer report or a leak; the finding is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j4
for target in ProfileReaderFuzzer ItemValueFuzzer; do
  case $target in
    ProfileReaderFuzzer) seeds=fuzz/corpus/reader ;;
    ItemValueFuzzer) seeds=fuzz/corpus/values ;;
  esac
  work="$build/corpus/$target"
  mkdir -p "$work"
  echo "fuzzing $target for ${seconds}s"
  (cd "$build" && "./$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      "corpus/$target" "../$seeds" 2>"$target.log") || { tail -n 60 "$build/$target.log"; exit 1; }
  tail -n 3 "$build/$target.log"
done
