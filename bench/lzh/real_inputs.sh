#!/usr/bin/env bash
# Runs lzh_bench on real inputs: 16 MiB of Debian's own English text (the licence texts, then
# section 1 manual pages, uncompressed), the default skin's bitmaps, and random bytes.
#   bench/lzh/real_inputs.sh LZH_BENCH [--rounds N]
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bench=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
{
  find /usr/share/common-licenses -type f -print0 | sort -z | xargs -0 cat
  find /usr/share/man/man1 -name '*.gz' -print0 | sort -z | xargs -0 zcat
} | head -c $((16 * 1024 * 1024)) >"$scratch/text" || true
skin_args=()
for bitmap in "$top"/resources/skin/*.bmp; do
  skin_args+=("skin-bitmaps=$bitmap")
done
"$bench" "$@" "text=$scratch/text" "${skin_args[@]}"
