#!/usr/bin/env bash
# Sets up, builds and runs every test. BUILD_DIR and CMAKE_ARGS select another build.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
dir=${BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} ${CMAKE_ARGS:-} >/dev/null
cmake --build "$dir"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
