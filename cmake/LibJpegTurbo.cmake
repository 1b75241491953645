# Static libjpeg-turbo for the cross target, built from Debian's own source package.
# Provides JPEG::JPEG.
include(ExternalProject)
include(ImportBuiltLibrary)

set(jpeg_root ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(jpeg_install ${jpeg_root}/install)
file(MAKE_DIRECTORY ${jpeg_install}/include)

ExternalProject_Add(libjpeg_turbo
  PREFIX ${jpeg_root}
  DOWNLOAD_COMMAND ${PROJECT_SOURCE_DIR}/cmake/fetch-debian-source.sh libjpeg-turbo
                   ${jpeg_root}/src/libjpeg_turbo CMakeLists.txt
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_INSTALL_PREFIX=${jpeg_install}
    -DCMAKE_BUILD_TYPE=Release
    -DENABLE_SHARED=OFF
    -DWITH_TURBOJPEG=OFF
    -DCMAKE_ASM_NASM_COMPILER=nasm
  BUILD_BYPRODUCTS ${jpeg_install}/lib/libjpeg.a
)

import_built_library(JPEG::JPEG ${jpeg_install}/lib/libjpeg.a ${jpeg_install}/include libjpeg_turbo)
