#!/usr/bin/env bash
# Makes (once) a Wine prefix whose screen is set to a given DPI, with
# unmanaged windows as in the other test prefixes.
#   make-dpi-prefix.sh <prefix folder> <dpi>
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
dpi=$2
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
  /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w || true
