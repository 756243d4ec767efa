#!/usr/bin/env bash
# Packs the release zip (run by the CMake target "release"):
#   make-release-zip.sh <zip> <rewardcfg.exe> <rewardcfg-lite.exe> <docs folder> <MinGW deps prefix>
# The zip is deterministic: fixed entry order, time stamps and permissions, no extra fields.
set -euo pipefail
zip_file="$1" full_exe="$2" lite_exe="$3" docs="$4" deps_prefix="$5"

# The license notices the programs' static libraries require, from the packages that ship them.
notices=(
  "zlib.txt:/usr/share/doc/libz-mingw-w64-dev/copyright"
  "mingw-w64-runtime-and-winpthreads.txt:/usr/share/doc/mingw-w64-x86-64-dev/copyright"
  "gcc-runtime-libstdc++-libgcc.txt:/usr/share/doc/g++-mingw-w64-x86-64-posix/copyright"
)
# libpng is built from Debian's source package beside the deps prefix.
libpng_license="$(find "$(dirname "$deps_prefix")/libpng-src" -maxdepth 2 -path '*/libpng1.6-*/LICENSE' 2>/dev/null | sort | head -n1)"
[[ -n "$libpng_license" ]] || { echo "release: libpng's LICENSE not found beside $deps_prefix" >&2; exit 1; }
notices+=("libpng.txt:$libpng_license")

stage="$(dirname "$zip_file")/release-staging"
top="$stage/rewardcfg"
rm -rf "$stage" "$zip_file"
mkdir -p "$top/licenses"

windows_text() { sed 's/\r*$/\r/' "$1" >"$2"; }
cp "$full_exe" "$top/rewardcfg.exe"
cp "$lite_exe" "$top/rewardcfg-lite.exe"
windows_text "$docs/USER-README.txt" "$top/README.txt"
for shot in screenshot-full.png screenshot-lite.png; do
  [[ -f "$docs/$shot" ]] && cp "$docs/$shot" "$top/$shot"
done
for notice in "${notices[@]}"; do
  source_file="${notice#*:}"
  [[ -f "$source_file" ]] || { echo "release: missing license notice $source_file" >&2; exit 1; }
  windows_text "$source_file" "$top/licenses/${notice%%:*}"
done

epoch="${SOURCE_DATE_EPOCH:-1719792000}"  # 2024-07-01 00:00 UTC unless the build sets one
find "$stage" -type f -exec chmod 0644 {} + -exec touch -h -d "@$epoch" {} +
(cd "$stage" && find rewardcfg -type f | LC_ALL=C sort | TZ=UTC zip -X -D -q -9 "$(realpath -m "$zip_file")" -@)
echo "release: $zip_file ($(stat -c %s "$zip_file") bytes)"
