#!/usr/bin/env bash
# Unpacks Debian's source package $1 into $2 (patched, never committed), unless $2/$3 is there
# already. The newest version apt knows comes first; when the mirror no longer holds its files
# (a security update replaced on the mirror, say), the versions before it are tried in turn.
set -euo pipefail
package=$1 dest=$2 marker=$3
[ -f "$dest/$marker" ] && exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
versions=$(apt-cache showsrc "$package" 2>/dev/null | sed -n 's/^Version: //p' | sort -r -V -u)
[ -n "$versions" ] || { echo "apt knows no source package $package (deb-src lines missing? run scripts/setup.sh)" >&2; exit 1; }
for version in $versions; do
  rm -rf "${work:?}"/*
  if (cd "$work" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
    src=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    if [ -n "$src" ]; then
      rm -rf "$dest"; mkdir -p "$(dirname "$dest")"; mv "$src" "$dest"
      exit 0
    fi
  fi
  echo "apt-get source $package=$version failed; trying an older version" >&2
done
echo "apt-get source $package failed for every version apt knows" >&2
exit 1
