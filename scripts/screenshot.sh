#!/usr/bin/env bash
# Takes docs/velmora-window.png: Velmora under Wine in a virtual desktop on
# Xvfb, with a CJK font and a Chinese locale so Wine links the font in.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
command -v import >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmora -j"$(nproc)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  LANG=zh_CN.UTF-8 wine explorer /desktop=shot,700x500 build/windows/ui/win32/velmora.exe &
  sleep 8
  import -window root -crop 330x340+185+82 +repage docs/velmora-window.png
  wineserver -k'
echo "wrote docs/velmora-window.png"
