#!/usr/bin/env bash
# start DIR [ARCH [KIND]]: starts a private Xvfb display and boots the Wine prefix DIR/prefix
# (once), for programs of ARCH: i686 (the default) or x86_64; stop DIR: ends the prefix's
# wineserver and the display. DIR/env holds what wine-run.sh needs.
# KIND "tests" (the default) makes the prefix the tests run fastest in: of ARCH's own kind, its
# windows not managed. KIND "default" makes the prefix a user gets who runs wine for the first
# time: no WINEARCH, windows managed; paint order differs there, so some tests run in both.
# With WINE_SESSION_DISPLAY set (":0", say), that display is used and no Xvfb is started.
set -euo pipefail
cmd=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)  # Wine wants an absolute prefix
arch=${3:-i686}
kind=${4:-tests}

# Debian's wine wrapper always takes the 32-bit loader when it is installed, even where the
# kernel cannot execute it; name the loader and the server of the build's architecture.
if [ "$arch" = x86_64 ]; then
  loader=/usr/lib/wine/wine64 winearch=win64
else
  loader=/usr/lib/wine/wine winearch=win32
fi

start() {
  local display
  if [ -n "${WINE_SESSION_DISPLAY:-}" ]; then
    display=${WINE_SESSION_DISPLAY#:}
  else
    for display in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  fi
  local archline="export WINEARCH=$winearch"
  [ "$kind" = default ] && archline="unset WINEARCH"
  cat >"$dir/env" <<ENV
export DISPLAY=:$display
export WINEPREFIX=$dir/prefix
$archline
export WINELOADER=$loader
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
ENV
  # shellcheck disable=SC1091
  . "$dir/env"
  if [ ! -f "$dir/prefix/.booted" ]; then
    "$WINELOADER" wineboot -i >"$dir/wineboot.log" 2>&1
    # The keys have been seen missing from a freshly booted prefix: they are checked, and set
    # again while they are not there.
    local attempt
    for attempt in 1 2 3; do
      # SimSun is the window font; map it to the CJK font Debian ships so Chinese is readable.
      for name in "SimSun" "宋体" "NSimSun" "新宋体"; do
        "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ \
          /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
      done
      # Without a window manager, a managed window waits seconds for one at every map and unmap.
      [ "$kind" = default ] || "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
      "$WINESERVER" -w
      if [ "$kind" = default ] ||
         "$WINELOADER" reg query 'HKCU\Software\Wine\X11 Driver' /v Managed 2>/dev/null | grep -q Managed; then
        break
      fi
      echo "wine-session: the prefix's settings did not take (attempt $attempt)" >&2
      [ "$attempt" -lt 3 ] || return 1
    done
    "$WINESERVER" -w
    touch "$dir/prefix/.booted"
  fi
}

stop() {
  if [ -f "$dir/env" ]; then
    # shellcheck disable=SC1091
    . "$dir/env"
    "$WINESERVER" -k 2>/dev/null || true
  fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
}

case $cmd in
  start) stop; start ;;
  stop) stop ;;
  *) echo "usage: $0 start DIR [ARCH [tests|default]] | stop DIR" >&2; exit 2 ;;
esac
