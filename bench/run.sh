#!/usr/bin/env bash
# Velmora against xdotool on one Xvfb display: builds what it needs, runs the
# comparison and writes bench/results.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target velmora -j"$(nproc)"
cmake --preset linux >/dev/null
cmake --build --preset linux --target linux_click_target -j"$(nproc)"
python3 bench/bench.py --velmora build/linux-release/ui/linux/velmora \
  --target build/linux/tests/e2e/linux/linux_click_target --out bench/results.md
