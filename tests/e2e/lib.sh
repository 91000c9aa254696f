# Helpers for the end-to-end tests: a private X server, a private configuration folder,
# the real program, and waiting on conditions rather than sleeping.
set -euo pipefail

PROGRAM="$1"
WORK="$(mktemp -d)"
export XDG_CONFIG_HOME="$WORK/config"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME || true
XVFB_PID=""
APP_PID=""

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_xvfb WIDTH HEIGHT: a fresh X server on a free display.
start_xvfb() {
    local fdfile="$WORK/display"
    Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp 3>"$fdfile" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    [ -s "$fdfile" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fdfile")"
}

# start_app ARGS...: the program in the background.
start_app() {
    "$PROGRAM" "$@" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
}

# wait_until SECONDS COMMAND...: polls until the command succeeds.
wait_until() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    while [ $SECONDS -lt $end ]; do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.2
    done
    return 1
}

window_named() { xdotool search --onlyvisible --name "$1" | head -n1 | grep -q .; }
window_id() { xdotool search --onlyvisible --name "$1" | head -n1; }
app_running() { kill -0 "$APP_PID" 2>/dev/null; }
app_ended() { ! app_running; }

# screenshot FILE: the whole X screen as PNG.
screenshot() { import -window root "$1"; }

# pixel FILE X Y: prints the pixel's colour as "r,g,b" (0-255).
pixel() {
    convert "$1" -format "%[fx:int(255*u.p{$2,$3}.r)],%[fx:int(255*u.p{$2,$3}.g)],%[fx:int(255*u.p{$2,$3}.b)]" info:
}

app_log() { cat "$WORK/app.log" >&2 || true; }
