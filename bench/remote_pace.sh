#!/usr/bin/env bash
# remote_pace.sh: does the web remote cost the play its smoothness, and how soon does a
# command reach the picture?
#
# Usage: bench/remote_pace.sh PROGRAM [SPEED_PX_S]      (default 60; REPEAT=N runs, default 3)
#
# On its own Xvfb (1280 x 720) it plays a 400-line script at the Delay for SPEED with remote
# control on, N times each, interleaved: once with nobody connected, once with two WebSocket
# clients of the web remote reading the state and sending a command a second
# (bench/remote_clients.py). framepace measures 10 s of each play; the medians of the speed,
# updates a second, speed CV and stalls are printed, and the ratio of the two CVs. Then, N
# times, Pause is sent over HTTP while the text scrolls: framepace's log gives the time and the
# rows from the command to the last row that moved, against the rows and time of one line (a
# line's time from the reading-time estimate the remote reports).
# framepace comes from FRAMEPACE_DIR (see bench/lib.sh).
set -u
prog=$(readlink -f "${1:?usage: remote_pace.sh PROGRAM [SPEED_PX_S]}")
speed=${2:-60}
repeat=${REPEAT:-3}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh" "$prog"
# XVFB_DISPLAY=N uses display :N, else the first free one.
if [ -n "${XVFB_DISPLAY:-}" ]; then
    Xvfb ":$XVFB_DISPLAY" -screen 0 1280x720x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$XVFB_DISPLAY"
    wait_until 10 xdpyinfo || fail "Xvfb did not start on :$XVFB_DISPLAY"
else
    start_xvfb 1280 720
fi
for i in $(seq 1 400); do
    printf 'The quick brown fox jumps over the lazy dog %d\r\n' "$i"
done >"$WORK/script.txt"

CODE=ABCDEFGHJKMNPQRSTVWXYZ0123
PORT=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
OSC=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
key() { awk -v k="$1:" '$1 == k { print $2 }'; }
median() { sort -g | awk '{ a[NR] = $1 } END { if (NR) print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
# A row waits (Delay^2 + Delay) x 25 ns: the Delay for the speed.
d=$(awk -v s="$speed" 'BEGIN { u = 1e9 / (25 * s); printf "%d", (sqrt(1 + 4 * u) - 1) / 2 + 0.5 }')

start_play() {
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME/lectoscope"
    printf '%s\r\n' "[Options]" ShowClock=0 TimerMode=0 VideoMode=1 UseCountDown=0 UseColorBars=0 \
        TenSecondDelay=0 NoPause=1 CenterMarker=0 StopAtEnd=0 LoopMode=0 Centering=0 "[Stuff]" \
        "Delay=$d" DelayFactor=1 FontSize=24 FontName=Arial FormColor=0 DisPlaColor=16777215 \
        ProcessType=0 UseReverse=0 "[Remote]" Enabled=1 "Port=$PORT" "OscPort=$OSC" \
        "AccessCode=$CODE" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
    start_app "$WORK/script.txt"
    playing() { curl -s "http://127.0.0.1:$PORT/api/state?code=$CODE" | grep -q '"state":"playing"'; }
    wait_until 60 playing || { app_log; fail "the play did not start"; }
}
stop_play() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
}

declare -A runs
for r in $(seq 1 "$repeat"); do
    for clients in 2 0; do
        start_play
        sleep 3
        helper=""
        if [ "$clients" = 2 ]; then
            python3 "$here/remote_clients.py" "$PORT" "$CODE" 11 "$d" >"$WORK/clients.txt" &
            helper=$!
        fi
        sleep 0.5
        "$WORK/framepace" -d 10 -x 200 -W 16 -y 40 -Y 680 >"$WORK/probe.txt" 2>/dev/null
        [ -n "$helper" ] && wait "$helper"
        stop_play
        for k in speed_px_s updates_per_s speed_cv stalls; do
            runs[$clients.$k]+="$(key "$k" <"$WORK/probe.txt") "
        done
        echo "run $r, $clients clients: $(key speed_px_s <"$WORK/probe.txt") px/s," \
            "cv $(key speed_cv <"$WORK/probe.txt")" \
            "$([ "$clients" = 2 ] && cat "$WORK/clients.txt")"
    done
done
m() { tr ' ' '\n' <<<"${runs[$1]}" | grep . | median; }
printf '%-20s %-6s %-8s %-10s %-7s %s\n' play delay px/s updates/s cv stalls
printf '%-20s %-6s %-8s %-10s %-7s %s\n' "nobody connected" "$d" "$(m 0.speed_px_s)" \
    "$(m 0.updates_per_s)" "$(m 0.speed_cv)" "$(m 0.stalls)"
printf '%-20s %-6s %-8s %-10s %-7s %s\n' "two clients, 1 cmd/s" "$d" "$(m 2.speed_px_s)" \
    "$(m 2.updates_per_s)" "$(m 2.speed_cv)" "$(m 2.stalls)"
awk -v a="$(m 2.speed_cv)" -v b="$(m 0.speed_cv)" \
    'BEGIN { if (b > 0) printf "cv ratio (two clients / nobody): %.2f\n", a / b }'

# Pause over HTTP while the text scrolls: the rows and the time until the picture stands.
for r in $(seq 1 "$repeat"); do
    start_play
    sleep 3
    python3 - "$WORK/framepace" "$PORT" "$CODE" "$d" <<'PY'
import json, os, subprocess, sys, time, urllib.request
probe, port, code, delay = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
log = "/dev/shm/remote_pace_%d.csv" % time.monotonic_ns()
start = time.monotonic()
p = subprocess.Popen([probe, "-d", "6", "-x", "200", "-W", "16", "-y", "40", "-Y", "680", "-l", log],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(2.0 + (time.monotonic_ns() % 1000) / 1000)  # anywhere within a line
sent = (time.monotonic() - start) * 1000
body = json.dumps({"code": code, "command": "pause"}).encode()
urllib.request.urlopen(urllib.request.Request(f"http://127.0.0.1:{port}/api/command", data=body))
p.wait()
rows, last = 0, None
for line in open(log).read().splitlines()[1:]:
    t, dt, shift = line.split(",")[:3]
    if float(t) > sent and int(shift) != 0:
        rows += abs(int(shift))
        last = float(t)
state = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/api/state?code={code}"))
wait_ms = (delay * delay + delay) * 25e-6
line_ms = state["remainingMs"] / (state["lineCount"] - state["line"] + 1)
print(f"pause: state {state['state']}, stopped {0 if last is None else last - sent:.0f} ms and "
      f"{rows} rows after the command; a line is {line_ms / wait_ms:.0f} rows, {line_ms:.0f} ms")
os.remove(log)
PY
    stop_play
done
