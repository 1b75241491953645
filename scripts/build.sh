#!/usr/bin/env bash
# Configures and builds the configurations: build/host (portable code, tools, native tests),
# build/win32 (the program and its Wine tests) and, on a machine that cannot execute 32-bit code,
# build/win64 (the same Windows sources as 64-bit programs, which that machine's Wine runs).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
cmake -S "$top" -B "$top/build/host" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$top/build/host" -j "$jobs"
windows_build() {  # DIR TOOLCHAIN
  cmake -S "$top" -B "$top/build/$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchain-$2-mingw32.cmake" >/dev/null
  cmake --build "$top/build/$1" -j "$jobs"
}
windows_build win32 i686
if [ "$("$top/scripts/windows-arch.sh")" = x86_64 ]; then
  windows_build win64 x86_64
fi
