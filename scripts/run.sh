#!/usr/bin/env bash
# Builds the native Linux Velmora and starts it on your X11 display (without
# one, on a virtual Xvfb display, where you cannot see it).
# The Windows build under Wine: scripts/run-wine.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velmora -j"$(nproc)"
exe=build/linux-release/ui/linux/velmora
if [[ -n "${DISPLAY:-}" ]]; then
  exec "$exe"
fi
echo "run: no DISPLAY; starting Velmora on a virtual display (Ctrl+C ends it)" >&2
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$exe"
