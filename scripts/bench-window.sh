#!/usr/bin/env bash
# Builds the window benchmark for Windows and runs it under Wine; arguments go
# to the program (field sizes in bytes, --runs N).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

cmake --preset windows >/dev/null
cmake --build --preset windows --target window_bench
source scripts/lib/wine-session.sh
start_wine_session
wine build/windows/bench/window/window_bench.exe "$@"
