#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test: native ones under
# the sanitizers, then the Windows ones under Wine on a private Xvfb display.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
ctest --test-dir "$top/build/host" --output-on-failure
ctest --test-dir "$top/build/win32" --output-on-failure
