# Cross-compiles for 64-bit Windows with MinGW-w64: the build the Windows tests run on where the
# machine cannot execute 32-bit code (see scripts/build.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
