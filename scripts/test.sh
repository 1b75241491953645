#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: native ones under the sanitizers, then
# the Windows ones under Wine on a private Xvfb display (on the 64-bit build where the machine
# cannot execute 32-bit code; see scripts/windows-arch.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
ctest --test-dir "$top/build/host" --output-on-failure
if [ "$("$top/scripts/windows-arch.sh")" = x86_64 ]; then
  echo "This machine executes no 32-bit code: the Windows tests run on build/win64." >&2
  ctest --test-dir "$top/build/win64" --output-on-failure
else
  ctest --test-dir "$top/build/win32" --output-on-failure
fi
