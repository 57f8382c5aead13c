#!/usr/bin/env bash
# Builds the editor and saves pictures of its main window, with a generated profile open in the tree, under Xvfb into build/screenshots/ (or the
# folder given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/../../.."
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target pel_editor_screenshot PeloraMachineTool
out=${1:-build/screenshots}
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1400x900x24" build/tests/editor/ui/support/pel_editor_screenshot "$out"
