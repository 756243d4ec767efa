#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root) to build and test both programs.
# Idempotent: every step checks whether its work is already done.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
prefix="${MINGW_DEPS_PREFIX:-$here/build/deps}"

packages=(
  cmake ninja-build g++ pkg-config dpkg-dev
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
  wine wine64 xvfb x11-utils xdotool imagemagick fonts-wqy-microhei
  googletest libbenchmark-dev
  liblua5.1-0-dev liblua5.4-dev libyaml-cpp-dev
  clang libclang-rt-14-dev clang-format clang-tidy
  python3 python3-pil fonts-inter zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: missing packages (${missing[*]}); run as root" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# libpng for the Windows target: built static from Debian's own source package.
if [[ ! -f "$prefix/lib/libpng.a" ]]; then
  "$here/scripts/build-libpng-mingw.sh" "$prefix"
fi
echo "install-deps: ready (target libraries in $prefix)"
