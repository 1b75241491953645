#!/bin/sh
# size-prefixed.sh IN OUT: writes OUT as IN's size in four little-endian bytes, then IN's bytes:
# a binary property as a form layout stores it.
set -eu
size=$(wc -c <"$1")
byte() { printf '\\%03o' $(( (size >> $1) & 255 )); }
# shellcheck disable=SC2059
printf "$(byte 0)$(byte 8)$(byte 16)$(byte 24)" >"$2"
cat "$1" >>"$2"
