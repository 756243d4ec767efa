#!/usr/bin/env bash
# Builds both Windows programs twice from scratch, the second time from a copy of
# the sources at another path into another build folder, and fails unless the
# two builds' programs are byte for byte the same.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$PWD"
work="$root/build/reproducible"
deps="$root/build/deps"
programs=(rewardcfg rewardcfg-lite)

rm -rf "$work"
mkdir -p "$work/first" "$work/second/elsewhere/source"
git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C "$work/second/elsewhere/source"

build() {  # source folder, build folder
  if ! { cmake -S "$1" -B "$2" --preset windows -DBUILD_TESTING=OFF -DREWARDCFG_DEPS_PREFIX="$deps" &&
    cmake --build "$2" --target "${programs[@]}"; } >"$2.log" 2>&1; then
    tail -n 30 "$2.log" >&2
    echo "reproducible: the build in $2 failed" >&2
    exit 1
  fi
}
build "$root" "$work/first/build"
build "$work/second/elsewhere/source" "$work/second/elsewhere/b"

status=0
for program in "${programs[@]}"; do
  first="$work/first/build/app/$program.exe"
  second="$work/second/elsewhere/b/app/$program.exe"
  if cmp -s "$first" "$second"; then
    echo "reproducible: $program.exe identical ($(stat -c %s "$first") bytes, sha256 $(sha256sum <"$first" | cut -c1-16)...)"
  else
    echo "reproducible: $program.exe DIFFERS between the two builds ($(cmp -l "$first" "$second" | wc -l) bytes)" >&2
    status=1
  fi
done
exit "$status"
