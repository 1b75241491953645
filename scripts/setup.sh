#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need. Run as root (or with
# sudo available). Safe to run again: apt-get skips what is already there.
set -euo pipefail

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Wine's 32-bit half needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi

# libjpeg-turbo, zlib and libpng are built from Debian's own source packages, so apt needs the
# matching deb-src lines.
src_list=/etc/apt/sources.list.d/tessaloom-src.sources
if [ ! -f "$src_list" ]; then
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_list" >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/tessaloom-src.list >/dev/null
  fi
fi

# A mirror in the middle of a sync serves index files that do not match its release file, and
# apt-get update fails until the sync is over; installing from the partial lists would mix
# package versions across architectures.
for attempt in 1 2 3 4 5 6; do
  as_root apt-get update -qq && break
  [ "$attempt" -lt 6 ] || exit 1
  echo "setup: apt-get update failed (attempt $attempt of 6); trying again in 60 s" >&2
  sleep 60
done
DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
  cmake ninja-build make dpkg-dev \
  g++ clang libclang-rt-14-dev \
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 nasm \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  googletest libgtest-dev libfreetype-dev libjpeg62-turbo-dev \
  wine wine32:i386 wine64 xvfb xauth x11-utils x11-apps xdotool imagemagick \
  fonts-wqy-microhei fonts-wine locales \
  >/dev/null

# ANSI code page 936 comes from a zh_CN locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
