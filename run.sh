#!/usr/bin/env bash
# Sets up, builds the program folder and starts the editor.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/out/PeloraMachineTool ]; then
  exec build/out/PeloraMachineTool "$@"
else
  echo "Program folder staged in build/out/; the editor executable is not built yet."
fi
