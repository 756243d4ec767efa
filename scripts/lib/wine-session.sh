# Sourced by the scripts: a Wine prefix inside the build tree, a virtual display
# and a persistent wineserver, each started only when missing and stopped by PID.

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine takes the ANSI code page from the locale: 936 (GBK), as the tool's texts
# assume. Only Wine gets it; the shell itself has no such locale installed.
wine() { env LC_ALL=zh_CN.UTF-8 wine "$@"; }
wineserver() { env LC_ALL=zh_CN.UTF-8 wineserver "$@"; }

session_pids=()

stop_wine_session() {
  local pid
  # Ends the Windows processes the server hosts; then our own by PID.
  ((${#session_pids[@]})) && wineserver -k 2>/dev/null
  for pid in "${session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${session_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  session_pids=()
}

start_display() {
  [[ -n "${DISPLAY:-}" ]] && return 0
  local n=91
  while [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  session_pids+=("$!")
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    [[ -e /tmp/.X11-unix/X$n ]] && return 0
    sleep 0.1
  done
  echo "wine-session: Xvfb did not start" >&2
  return 1
}

init_prefix() {
  [[ -f "$WINEPREFIX/.rewardcfg-ready" ]] && return 0
  mkdir -p "$WINEPREFIX"
  # No Mono or Gecko: nothing here needs them, and their installers would prompt.
  WINEDLLOVERRIDES="mscoree,mshtml=" wine wineboot --init >/dev/null 2>&1
  # No window manager under Xvfb: unmanaged windows hide at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # A crash fails the test instead of waiting in a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.rewardcfg-ready"
}

start_wineserver() {
  wineserver -f -p >/dev/null 2>&1 &
  session_pids+=("$!")
  # Start Wine's system services now, detached from our output: started later by
  # a test they would inherit CTest's pipes and keep it waiting for ever.
  wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

start_wine_session() {
  trap stop_wine_session EXIT
  start_display
  init_prefix
  start_wineserver
}
