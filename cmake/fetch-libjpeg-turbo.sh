#!/usr/bin/env bash
# Unpacks Debian's libjpeg-turbo source package into $1 (patched, never committed).
set -euo pipefail
dest=$1
[ -f "$dest/CMakeLists.txt" ] && exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
[ -n "$src" ] || { echo "apt-get source libjpeg-turbo failed (deb-src lines missing? run scripts/setup.sh)" >&2; exit 1; }
rm -rf "$dest"; mkdir -p "$(dirname "$dest")"; mv "$src" "$dest"
