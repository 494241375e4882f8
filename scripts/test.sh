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

echo "== the Linux package, checked by lintian"
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j"$jobs"
(cd build/linux-release && rm -f velmora_*.deb && cpack -G DEB >/dev/null)
lintian --allow-root --fail-on error,warning build/linux-release/velmora_*.deb
echo "lintian: no error, no warning"

echo "== Windows tests under Wine (windows preset)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
