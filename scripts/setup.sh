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
# apt-get update fails until the sync is over. After a few tries the lists that did come are
# used: an install below fails only if what it needs is missing from them.
for attempt in 1 2 3; do
  as_root apt-get update -qq && break
  if [ "$attempt" = 3 ]; then
    echo "setup: apt-get update still fails; going on with the package lists it got" >&2
  else
    echo "setup: apt-get update failed (attempt $attempt of 3); trying again in 30 s" >&2
    sleep 30
  fi
done
apt_install() { DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "$@" >/dev/null; }
apt_install \
  cmake ninja-build make dpkg-dev \
  g++ clang libclang-rt-14-dev \
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 nasm \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  googletest libgtest-dev libfreetype-dev libjpeg62-turbo-dev \
  wine wine64 xvfb xauth x11-utils x11-apps xdotool imagemagick \
  fonts-wqy-microhei fonts-wine locales
# Wine's 32-bit half runs the shipped PE32 where the kernel executes 32-bit code. Without it the
# Windows tests run on the 64-bit build (scripts/windows-arch.sh), so its failing (its i386
# package list missing, say) is said and does not stop the setup.
apt_install wine32:i386 ||
  echo "setup: wine32:i386 could not be installed; the Windows tests will run on build/win64" >&2

# ANSI code page 936 comes from a zh_CN locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  as_root sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
