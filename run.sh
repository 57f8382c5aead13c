#!/usr/bin/env bash
# Sets up, builds the program folder (the editor, its resource library and plug-ins; no tests or
# benchmarks) and starts the editor with the arguments given.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target PeloraMachineTool
if [ -x build/out/PeloraMachineTool ]; then
  exec build/out/PeloraMachineTool "$@"
else
  echo "Program folder staged in build/out/; the editor executable is not built yet."
fi
