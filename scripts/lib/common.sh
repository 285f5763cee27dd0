# Shared by the scripts: project paths, the private Wine prefix, and a display for GUI runs.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

export WINEPREFIX="$root/build/wineprefix"
export WINELOADER=/usr/lib/wine/wine64
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
wine64="/usr/lib/wine/wine64"

step() { printf '\n==> %s\n' "$*"; }

# Configures (once) and builds a preset; extra arguments are build targets.
build_preset() {
  local preset=$1; shift
  [ -f "$root/build/$preset/CMakeCache.txt" ] || cmake --preset "$preset" -S "$root" >/dev/null
  local targets=()
  for t in "$@"; do targets+=(--target "$t"); done
  cmake --build "$root/build/$preset" -j2 "${targets[@]}"
}

# Creates the project's own Wine prefix under build/ the first time.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$wine64" wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}

# Runs the rest of the script with a display: the caller's, or a private Xvfb.
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
}

# Waits (up to 20 s) for a top-level window with exactly this title; prints its X window id.
wait_for_window() {
  local title=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
