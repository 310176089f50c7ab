# Sourced by the scripts that run Windows programs: one private 64-bit Wine prefix under build/,
# one persistent wineserver, and an Xvfb display for real windows.
# Wine's helper processes inherit the output of whoever starts them, so they are always started
# with their output in a log file: a pipe they hold would keep ctest or CI waiting forever.

ORVAN_ROOT=${ORVAN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export ORVAN_BUILD_ROOT=${ORVAN_BUILD_ROOT:-$ORVAN_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$ORVAN_BUILD_ROOT/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
ORVAN_WINE_LOG=$ORVAN_BUILD_ROOT/wine.log

wine_server_running() {
  [ -d "$WINEPREFIX" ] || return 1
  local base=/tmp/.wine-$(id -u) dir
  # Debian's Wine keeps the server's folder under a random name in /tmp and writes that name into the prefix.
  if [ -f "$WINEPREFIX/wineserver" ]; then base=/tmp/$(cat "$WINEPREFIX/wineserver"); fi
  dir=$(printf '%s/server-%x-%x' "$base" "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  [ -S "$dir/socket" ] && pgrep -f wineserver >/dev/null
}

wine_up() {
  mkdir -p "$(dirname "$ORVAN_WINE_LOG")"
  if wine_server_running; then return 0; fi
  local fresh=0
  [ -f "$WINEPREFIX/system.reg" ] || fresh=1
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >>"$ORVAN_WINE_LOG" 2>&1
  if [ $fresh = 1 ]; then
    echo "wine: making a new prefix in $WINEPREFIX (about 10 s)" >&2
  fi
  wine wineboot -u </dev/null >>"$ORVAN_WINE_LOG" 2>&1 || true
}

wine_down() {
  wineserver -k </dev/null >>"$ORVAN_WINE_LOG" 2>&1 || true
}

xvfb_up() {
  if [ -n "${ORVAN_XVFB_PID:-}" ]; then return 0; fi
  local n
  for n in $(seq 90 120); do
    [ -e /tmp/.X$n-lock ] && continue
    Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp </dev/null >>"$ORVAN_WINE_LOG" 2>&1 &
    ORVAN_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e /tmp/.X11-unix/X$n ] && break
      sleep 0.1
    done
    if kill -0 $ORVAN_XVFB_PID 2>/dev/null; then
      export DISPLAY=:$n
      export ORVAN_XVFB_PID
      return 0
    fi
  done
  echo "xvfb: no free display" >&2
  return 1
}

xvfb_down() {
  if [ -n "${ORVAN_XVFB_PID:-}" ]; then
    kill "$ORVAN_XVFB_PID" 2>/dev/null || true
    wait "$ORVAN_XVFB_PID" 2>/dev/null || true
    unset ORVAN_XVFB_PID
  fi
}
