#!/usr/bin/env bash
# Takes docs/velmora-window.png, and with "144" docs/velmora-window-144dpi.png:
# Velmora under Wine in a virtual desktop on Xvfb, with a CJK font and a
# Chinese locale so Wine links the font in; at 144 DPI in a prefix of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
command -v import >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmora -j"$(nproc)"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ "${1:-96}" == 144 ]]; then
  export WINEPREFIX=$PWD/build/windows/wine-prefix-144dpi
  scripts/make-dpi-prefix.sh "$WINEPREFIX" 144
  desktop=800x640 crop=495x506+152+67 out=docs/velmora-window-144dpi.png
else
  desktop=700x500 crop=330x340+185+82 out=docs/velmora-window.png
fi
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  LANG=zh_CN.UTF-8 wine explorer /desktop=shot,$desktop build/windows/ui/win32/velmora.exe &
  sleep 10
  import -window root -crop $crop +repage $out
  wineserver -k"
echo "wrote $out"
