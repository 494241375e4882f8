#!/usr/bin/env bash
# Builds and runs every test: the native tests with sanitizers, then the same
# tests and the Windows-only ones as .exe files under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

echo "== native tests (linux preset)"
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$jobs"
ctest --preset linux -j"$jobs"

echo "== Windows tests under Wine (windows preset)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
