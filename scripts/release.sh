#!/usr/bin/env bash
# Builds both release packages:
#   build/windows/velmora-<version>-win64.zip  velmora.exe and a short read-me
#   build/linux-release/velmora_<version>_amd64.deb  the native program, desktop entry, icon
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmora -j"$(nproc)"
(cd build/windows && cpack -G ZIP)
cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j"$(nproc)"
(cd build/linux-release && cpack -G DEB)
ls -l build/windows/velmora-*-win64.zip build/linux-release/velmora_*.deb
