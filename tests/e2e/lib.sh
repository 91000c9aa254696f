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
    # A process that was told to end may still write into the folder for a moment.
    rm -rf "$WORK" 2>/dev/null || { sleep 1 && rm -rf "$WORK"; } || true
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_xvfb WIDTH HEIGHT: a fresh X server on a free display, answering before the test goes
# on (a server that named its display but does not take connections is replaced). It does not
# reset when its last client leaves: a reset refuses the connections made meanwhile, so a
# program started just after a screenshot or an xdotool call could not reach the display.
start_xvfb() {
    local fdfile="$WORK/display"
    for _ in 1 2 3; do
        : >"$fdfile"
        Xvfb -displayfd 3 -screen 0 "${1}x${2}x24" -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
        XVFB_PID=$!
        if wait_until 10 test -s "$fdfile"; then
            export DISPLAY=":$(head -n1 "$fdfile")"
            wait_until 5 xdotool getdisplaygeometry && return 0
        fi
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    done
    fail "Xvfb did not start"
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

# ---- Media -----------------------------------------------------------------------------

# make_video PATH SECONDS: a moving test pattern of 320 x 240 at 25 pictures a second.
make_video() {
    ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25 -t "$2" -c:v mjpeg -q:v 6 "$1"
}

# media_config DELAY SCRIPT [KEY=VALUE...]: the default configuration for a media play. The
# script opens at start; white on black, no pauses; the main window at the top-left corner
# in a known size, so that its buttons stand where press_start_with_video clicks. Further
# keys go into [Stuff].
media_config() {
    local delay=$1 script=$2
    shift 2
    mkdir -p "$XDG_CONFIG_HOME/lectoscope"
    printf '%s\r\n' "[Options]" ShowClock=0 TimerMode=0 VideoMode=1 NoPause=1 "[Stuff]" \
        "Delay=$delay" FontSize=24 FontName=Arial FormColor=0 DisPlaColor=16777215 \
        "LastFile=$script" "$@" "[OptionWindows]" ML=0 MT=0 MW=1000 MH=700 \
        >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
}

app_windows() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l; }

# open_media WINDOW DOWNS PATH: the "Me&dia Players" menu of the main window, its item DOWNS
# steps below "AVI", then the file typed into its dialog. On a slow machine a lost key is
# sent again.
open_media() {
    local main=$1 downs=$2 path=$3 base
    base=$(app_windows)
    more_windows() { [ "$(app_windows)" -gt "$base" ]; }
    for attempt in 1 2 3; do
        xdotool windowfocus --sync "$main"
        xdotool key alt+d
        if wait_until 10 more_windows; then
            for _ in $(seq 1 "$downs"); do xdotool key Down; done
            xdotool key Return
            sleep 1
            if wait_until 20 more_windows; then
                xdotool type --delay 10 "$path"
                xdotool key Return
                return 0
            fi
        fi
        echo "attempt $attempt: no dialog yet; trying again"
        xdotool key Escape Escape
    done
    return 1
}

# "Start w/Video" stands right of the players, in the main window of media_config.
press_start_with_video() { xdotool mousemove 695 399 click 1; }
