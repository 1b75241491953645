#!/usr/bin/env bash
# Configures and builds both configurations: build/host (portable code, tools, native tests) and
# build/win32 (the program and its Wine tests).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
cmake -S "$top" -B "$top/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$top/build/host" -j "$jobs"
cmake -S "$top" -B "$top/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-i686-mingw32.cmake" >/dev/null
cmake --build "$top/build/win32" -j "$jobs"
