#!/usr/bin/env bash
# Velmora against xdotool on one Xvfb display: builds what it needs, runs the
# comparison and writes bench/results.md and bench/interval-error.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if ! /usr/bin/python3 -c "import matplotlib" 2>/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends python3-matplotlib >/dev/null
fi
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velmora -j"$(nproc)"
cmake --preset linux >/dev/null
cmake --build --preset linux --target linux_click_target bench_map_watch -j"$(nproc)"
/usr/bin/python3 bench/bench.py --velmora build/linux-release/ui/linux/velmora \
  --target build/linux/tests/e2e/linux/linux_click_target \
  --map-watch build/linux/bench/bench_map_watch --out bench/results.md \
  --chart bench/interval-error.png
