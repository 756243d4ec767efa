#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# the core natively (with sanitizers), then everything as Windows programs under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

echo "== fuzzing"
scripts/fuzz.sh

echo "== windows build and tests (Wine)"
cmake --preset windows >/dev/null
cmake --build --preset windows
source scripts/lib/wine-session.sh
start_wine_session
ctest --preset windows

echo "== release package"
cmake --build --preset windows --target release

echo "== reproducible programs"
scripts/check-reproducible.sh

echo "== static checks"
scripts/check-style.sh
