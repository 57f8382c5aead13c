#!/usr/bin/env bash
# Builds the editor and saves pictures, under Xvfb, of its main window (a generated profile in the tree, a part grid
# open, the check's output) and of the 3.0 connection list into build/screenshots/ (or the
# folder given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/../../.."
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pel_editor_screenshot PeloraMachineTool
out=${1:-build/screenshots}
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1400x900x24" build/tests/editor/ui/support/pel_editor_screenshot "$out"
