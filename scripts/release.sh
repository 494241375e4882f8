#!/usr/bin/env bash
# Builds the release archive: build/windows/velmora-<version>-win64.zip holding
# velmora.exe and a short read-me.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmora -j"$(nproc)"
(cd build/windows && cpack -G ZIP)
ls -l build/windows/velmora-*-win64.zip
