#!/usr/bin/env bash
# Installs what is missing, builds, and opens Tessaloom.exe under Wine in a virtual desktop that
# shows the wallpaper, with a demo folder already in its list: press 开始 (Start) and the
# wallpaper changes at once. Uses the current X display, or a fresh Xvfb when there is none.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"

run=$top/build/run
mkdir -p "$run"
arch=$("$top/scripts/windows-arch.sh")
build=win32
[ "$arch" = i686 ] || build=win64
cp "$top/build/$build/src/app/Tessaloom.exe" "$run/"
rm -rf "$run/demo"
cp -r "$top/build/host/demo" "$run/demo"

# The list as Add would make it of the demo folder (files of a folder before its subfolders'),
# in Windows paths: Wine shows the Linux root as drive Z:. A list the user changed is kept.
if [ ! -f "$run/Filelist.txt" ]; then
  (cd "$run/demo" && find . -type f -printf '%d\t%P\n' | sort -n -k1,1 -s | cut -f2-) |
    while IFS= read -r file; do
      printf 'Z:%s\r\n' "$(printf '%s/demo/%s' "$run" "$file" | tr / '\\')"
    done >"$run/Filelist.txt"
fi
# A short period for the demo; the program keeps what the user saves.
[ -f "$run/Set.ini" ] || printf '[userinfo]\r\nTimer=6000\r\n' >"$run/Set.ini"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  export WINE_SESSION_DISPLAY=$DISPLAY
else
  echo "No X display: running on a private Xvfb (see build/run/session/env for DISPLAY)." >&2
fi
"$top/tests/wine/wine-session.sh" start "$run/session" "$arch"
trap '"$top/tests/wine/wine-session.sh" stop "$run/session"' EXIT
# shellcheck disable=SC1091
. "$run/session/env"
cd "$run"
"$WINELOADER" explorer /desktop=Tessaloom,1024x720 Tessaloom.exe
