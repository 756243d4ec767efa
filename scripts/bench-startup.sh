#!/usr/bin/env bash
# Start-up benchmark of both programs under Wine, beside an empty-window program
# and the control floor of each edition, all built by the windows preset.
# Usage: scripts/bench-startup.sh [rounds]   (default 15)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target startup_driver
source scripts/lib/wine-session.sh
start_wine_session
wine build/windows/bench/startup/startup_driver.exe "${1:-15}"
