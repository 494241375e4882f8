#!/usr/bin/env bash
# Installs what building and testing Velmora needs on Debian 12, and prepares
# a Wine prefix. Quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make googletest python3 dpkg-dev
  g++-mingw-w64-x86-64-posix
  wine wine64
  xvfb xauth x11-utils xdotool fonts-wqy-microhei
  libcurl4-openssl-dev
  qt6-base-dev libx11-dev libxtst-dev
  lintian
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Wine builds its prefix on first use; doing it here keeps that out of the
# tests' time. Mono and Gecko are not needed and would prompt.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]]; then
  echo "setup: creating the Wine prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
# Without a window manager (as under Xvfb), Wine waits two seconds for one at
# every window it destroys; unmanaged windows need no such wait.
if ! grep -q '^"Managed"="N"' "${WINEPREFIX:-$HOME/.wine}/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver -w || true
fi
