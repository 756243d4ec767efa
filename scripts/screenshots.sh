#!/usr/bin/env bash
# Screenshots of both programs for the docs: each window after the overlay is
# dismissed, a schedule typed through the Enter chain and START pressed.
# Writes docs/screenshot-full.png and docs/screenshot-lite.png (and the
# overlay views under build/).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows --target rewardcfg rewardcfg-lite >/dev/null
unset DISPLAY
source scripts/lib/wine-session.sh
start_wine_session
mkdir -p docs

shoot() {  # program, title, docs name, whether amounts are typed
  local program="$1" title="$2" name="$3" amounts="$4"
  local work; work="$(mktemp -d)"
  cp "build/windows/app/$program.exe" "$work/"
  wine "$work/$program.exe" &
  local pid=$! window=""
  for _ in $(seq 100); do
    window="$(xdotool search --name "$title" 2>/dev/null | head -n1 || true)"
    [[ -n "$window" ]] && break
    sleep 0.1
  done
  [[ -n "$window" ]] || { echo "screenshots: no window for $program" >&2; return 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT of the frame
  local cx=$((X + 3)) cy=$((Y + 22))                    # client area under Wine's own frame
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "build/$name-overlay.png"

  xdotool mousemove $((cx + 845)) $((cy + 508)) click 1      # the START picture on the overlay
  sleep 0.5
  xdotool mousemove $((cx + 204)) $((cy + 35)) click 1       # item_id_1 (it clears itself)
  local day
  for day in $(seq 1 20); do
    xdotool type --delay 2 "$((1000 + day * 7))"; xdotool key Return
    if [[ "$amounts" == yes ]]; then
      xdotool type --delay 2 "$(( (day % 5 + 1) * 10 ))"; xdotool key Return
    fi
  done
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "build/$name-typed.png"
  local start_x=402; [[ "$amounts" == yes ]] || start_x=296
  xdotool mousemove $((cx + start_x + 68)) $((cy + 276)) click 1   # START
  sleep 1
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "docs/$name.png"
  xdotool key Escape
  wait "$pid" || true
  rm -rf "$work"
  echo "docs/$name.png"
}

shoot rewardcfg "Attendance .Free.  V2.0" screenshot-full yes
shoot rewardcfg-lite "Attendance .Free.  V1.0" screenshot-lite no
