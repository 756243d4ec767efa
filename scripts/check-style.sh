#!/usr/bin/env bash
# Static checks of the project's own sources: clang-format (.clang-format) on
# core, ui, app, tests and bench; clang-tidy (.clang-tidy) on core with the
# native build's compile commands, and on ui, app and the Windows-only core
# files with the Windows build's, clang parsing them as MinGW-w64 code.
# Fails on any formatting difference or clang-tidy finding.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs="$(nproc)"
status=0

echo "== clang-format"
mapfile -t sources < <(find core ui app tests bench -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null | sort)
clang-format --dry-run --Werror "${sources[@]}" || status=1

# Source files of the given folders that a build's compile_commands.json compiles.
compiled_in() {
  local build="$1"
  shift
  python3 - "$build/compile_commands.json" "$PWD" "$@" <<'PY'
import json, os, sys
database, root, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
files = {os.path.relpath(entry["file"], root) for entry in json.load(open(database))}
print("\n".join(sorted(f for f in files if f.endswith(".cpp") and f.split("/")[0] in folders)))
PY
}

tidy() {
  xargs -r -P "$jobs" -n 1 clang-tidy --quiet "$@" 2> >(grep -v -E '^[0-9]+ warnings( and [0-9]+ errors?)? generated' >&2)
}

echo "== clang-tidy: core (native)"
cmake --preset native >/dev/null
# GCC needs -fexec-charset=GBK for the template literals; clang only knows UTF-8.
compiled_in build/native core | tidy -p build/native --extra-arg=-fexec-charset=UTF-8 || status=1

if [[ -f ui/CMakeLists.txt ]] && compgen -G 'ui/*.cpp' >/dev/null; then
  echo "== clang-tidy: ui, app and Windows-only core (MinGW-w64 target)"
  cmake --preset windows >/dev/null
  # clang does not find the posix-thread MinGW GCC's C++ headers by itself.
  cxx_includes=()
  while read -r dir; do cxx_includes+=("--extra-arg-before=-isystem$dir"); done < <(
    echo | x86_64-w64-mingw32-g++-posix -std=c++20 -E -x c++ - -v 2>&1 |
      sed -n '/<\.\.\.> search starts/,/End of/p' | grep '/include/c++')
  comm -23 <(compiled_in build/windows ui app core) <(compiled_in build/native core) |
    tidy -p build/windows --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-Wno-unknown-warning-option \
      "${cxx_includes[@]}" || status=1
fi

if ((status)); then
  echo "check-style: FAILED" >&2
else
  echo "check-style: clean"
fi
exit "$status"
