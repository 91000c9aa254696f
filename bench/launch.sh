#!/usr/bin/env bash
# The program's launch time and memory: the time from starting it until its main window is
# mapped (polled from outside every few milliseconds), and its resident memory three seconds
# later, on a first start (no configuration) and with a 1 MB script as the last file of its
# configuration (a script named on the command line would start a play). Medians of RUNS runs.
# Usage: bench/launch.sh PROGRAM [RUNS]
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tests/e2e/lib.sh" "$1"
set +e
RUNS=${2:-5}
TITLE="^ZAL LectoScope-32"
start_xvfb 1366 768

# A 1 MB script of ordinary prose lines.
script="$WORK/script-1mb.txt"
for i in $(seq 1 16000); do
    printf 'Line %05d: the quick brown fox jumps over the lazy dog, and so on.\r\n' "$i"
done | head -c 1048576 >"$script"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One run: prints "milliseconds-to-mapped resident-MB".
run_once() {
    rm -rf "$XDG_CONFIG_HOME/lectoscope"
    if [ "$1" = 1mb ]; then
        mkdir -p "$XDG_CONFIG_HOME/lectoscope"
        printf '[Stuff]\r\nLastFile=%s\r\n' "$script" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
    fi
    local t0 t1 rss
    t0=$(date +%s%N)
    "$PROGRAM" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    until xdotool search --onlyvisible --name "$TITLE" >/dev/null 2>&1; do
        app_running || { echo "program ended" >&2; return 1; }
        [ $(( ($(date +%s%N) - t0) / 1000000000 )) -lt 30 ] || { echo "no window" >&2; return 1; }
    done
    t1=$(date +%s%N)
    sleep 3
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$APP_PID/status")
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null
    APP_PID=""
    echo "$(( (t1 - t0) / 1000000 )) $(( rss / 1024 ))"
}

# The first run warms the disk cache and is not counted.
run_once none >/dev/null
for what in none 1mb; do
    : >"$WORK/runs"
    for _ in $(seq 1 "$RUNS"); do
        run_once "$what" >>"$WORK/runs"
    done
    printf '%-12s launch %s ms (runs: %s), resident %s MB\n' "script $what" \
        "$(cut -d' ' -f1 "$WORK/runs" | median)" "$(cut -d' ' -f1 "$WORK/runs" | tr '\n' ' ')" \
        "$(cut -d' ' -f2 "$WORK/runs" | median)"
done
