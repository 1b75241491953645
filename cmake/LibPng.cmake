# Static zlib and libpng for the cross target, built from Debian's own source packages.
# Provides PNG::PNG (zlib included).
include(ExternalProject)
include(ImportBuiltLibrary)

set(png_root ${CMAKE_BINARY_DIR}/libpng)
set(png_install ${png_root}/install)
file(MAKE_DIRECTORY ${png_install}/include)

# Debian's zlib source leaves out the Windows resource script that zlib's shared library needs,
# so only the static library is built; it and the two public headers are installed by hand.
ExternalProject_Add(zlib_static
  PREFIX ${png_root}/zlib
  DOWNLOAD_COMMAND ${PROJECT_SOURCE_DIR}/cmake/fetch-debian-source.sh zlib
                   ${png_root}/zlib/src/zlib_static zlib.h
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target zlibstatic
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory ${png_install}/lib
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/zlib.h <BINARY_DIR>/zconf.h ${png_install}/include
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libzlibstatic.a ${png_install}/lib/libz.a
  BUILD_BYPRODUCTS ${png_install}/lib/libz.a
)

ExternalProject_Add(libpng_static
  PREFIX ${png_root}/png
  DOWNLOAD_COMMAND ${PROJECT_SOURCE_DIR}/cmake/fetch-debian-source.sh libpng1.6
                   ${png_root}/png/src/libpng_static CMakeLists.txt
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_INSTALL_PREFIX=${png_install}
    -DCMAKE_BUILD_TYPE=Release
    -DPNG_SHARED=OFF
    -DPNG_TESTS=OFF
    -DPNG_EXECUTABLES=OFF
    -DZLIB_LIBRARY=${png_install}/lib/libz.a
    -DZLIB_INCLUDE_DIR=${png_install}/include
  DEPENDS zlib_static
  BUILD_BYPRODUCTS ${png_install}/lib/libpng.a
)

import_built_library(ZLIB::ZLIB ${png_install}/lib/libz.a ${png_install}/include zlib_static)
import_built_library(PNG::PNG ${png_install}/lib/libpng.a ${png_install}/include libpng_static ZLIB::ZLIB)
