#!/usr/bin/env bash
# Runs a command beside a private PulseAudio server that has a null sink and a null source,
# so that sound can be opened and played on a machine without a sound card. Server and
# command share a private runtime folder; the server ends with the command.
# Usage: with-pulseaudio.sh COMMAND [ARGS...]
set -euo pipefail

runtime="$(mktemp -d)"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
export PULSE_SERVER="unix:$runtime/pulse/native"
export LECTO_SOUND_SERVER=1
unset PULSE_COOKIE || true

stop_server() {
    if [ -s "$runtime/pulse/pid" ]; then
        kill "$(cat "$runtime/pulse/pid")" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_server EXIT

# No default script: only the native protocol (anyone may connect) and the two null devices.
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --use-pid-file=yes \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$runtime/pulse/native" \
    --log-target=stderr 2>"$runtime/server.log" || {
    cat "$runtime/server.log" >&2
    echo "with-pulseaudio: the sound server did not start" >&2
    exit 1
}
for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl load-module module-null-sink >/dev/null
pactl load-module module-null-source >/dev/null

status=0
"$@" || status=$?
exit $status
