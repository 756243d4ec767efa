#!/usr/bin/env bash
# Builds and starts one program under Wine (default: rewardcfg).
# With no display, it runs on a virtual one, saves a screenshot of the window
# and ends the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
program="${1:-rewardcfg}"

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target "$program"
exe="$PWD/build/windows/app/$program.exe"

had_display="${DISPLAY:-}"
source scripts/lib/wine-session.sh
start_wine_session

if [[ -n "$had_display" ]]; then
  wine "$exe"
  exit 0
fi

wine "$exe" &
app_pid=$!
for _ in $(seq 100); do
  xwininfo -root -tree 2>/dev/null | grep -q "Tool: Attendance" && break
  sleep 0.1
done
sleep 0.5
shot="$PWD/build/$program-screenshot.png"
import -window root "$shot"
echo "No display: $program ran on a virtual one. Screenshot: $shot"
kill "$app_pid" 2>/dev/null || true
