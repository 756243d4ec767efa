#!/usr/bin/env bash
# Builds a static libpng for x86_64-w64-mingw32 from Debian's source package.
set -euo pipefail

prefix="$1"
work="$(dirname "$prefix")/libpng-src"
suite="$(. /etc/os-release && echo "$VERSION_CODENAME")"
# Debian's source package needs a deb-src entry for this machine's suite; it
# must use the same keyring as the machine's own entry or apt refuses both.
if ! apt-get source --print-uris libpng1.6 >/dev/null 2>&1; then
  keyring="$(awk '/^Signed-By:/ {print $2; exit}' /etc/apt/sources.list.d/*.sources 2>/dev/null || true)"
  if [[ -n "$keyring" ]]; then
    printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
      "$suite" "$keyring" > /etc/apt/sources.list.d/rewardcfg-src.sources
  else
    echo "deb-src http://deb.debian.org/debian $suite main" > /etc/apt/sources.list.d/rewardcfg-src.list
  fi
  apt-get update -qq
fi

mkdir -p "$work"
cd "$work"
srcdir="$(find . -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)"
if [[ -z "$srcdir" ]]; then
  apt-get source -qq libpng1.6 >/dev/null   # unpacks and applies Debian's patches
  srcdir="$(find . -maxdepth 1 -type d -name 'libpng1.6-*' | head -n1)"
fi

cmake -S "$srcdir" -B build -G Ninja \
  -DCMAKE_SYSTEM_NAME=Windows \
  -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix \
  -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres \
  -DCMAKE_FIND_ROOT_PATH=/usr/x86_64-w64-mingw32 \
  -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY \
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DPNG_TOOLS=OFF -DSKIP_INSTALL_PROGRAMS=ON -DSKIP_INSTALL_FILES=ON >/dev/null
cmake --build build >/dev/null
cmake --install build >/dev/null
# The static archive is installed as libpng16.a; give it the plain name too.
[[ -f "$prefix/lib/libpng.a" ]] || cp "$prefix/lib/libpng16.a" "$prefix/lib/libpng.a"
