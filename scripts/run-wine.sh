#!/usr/bin/env bash
# Builds velmora.exe and starts it under Wine. Without a display of your own it
# runs on a virtual one (Xvfb), where you cannot see it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmora -j"$(nproc)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exe=build/windows/ui/win32/velmora.exe
if [[ -n "${DISPLAY:-}" ]]; then
  exec wine "$exe"
fi
echo "run: no DISPLAY; starting Velmora on a virtual display (Ctrl+C ends it)" >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$exe"
