#!/usr/bin/env bash
# Remote control: a script plays; a JSON command without the access code is refused and one
# with it changes the speed; an OSC message sets the Delay; the web remote, loaded in a
# headless Chromium, pauses the play when its Pause is tapped, and the picture stops.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024 768

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
HTTP=$(free_port)
OSC=$(free_port)
DEVTOOLS=$(free_port)
CODE=ABCDEFGHJKMNPQRSTVWXYZ0123
mkdir -p "$XDG_CONFIG_HOME/lectoscope"
printf '%s\r\n' "[Options]" NoPause=1 VideoMode=1 "[Stuff]" DisPlaColor=16777215 FormColor=0 \
    Delay=1000 FontSize=24 "[Remote]" Enabled=1 "Port=$HTTP" "OscPort=$OSC" \
    "AccessCode=$CODE" >"$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
for i in $(seq 1 400); do
    printf 'Line %d of the script, steered from afar\r\n' "$i"
done >"$WORK/script.txt"

# The browser runs in a process group of its own (setsid), so that its helper processes end
# with it before the scratch folder that holds its profile is removed.
BROWSER_PID=""
stop_browser() {
    if [ -n "$BROWSER_PID" ]; then
        kill -- "-$BROWSER_PID" 2>/dev/null
        wait_until 5 sh -c "! pgrep -g $BROWSER_PID"
    fi
    cleanup
}
trap stop_browser EXIT

api() { curl -s -o "$WORK/answer" -w '%{http_code}' "$@"; }
state_field() { curl -s "http://127.0.0.1:$HTTP/api/state?code=$CODE" | python3 -c "import json, sys; print(json.load(sys.stdin)['$1'])"; }
state_is() { [ "$(state_field state)" = "$1" ]; }

start_app "$WORK/script.txt"
wait_until 60 state_is playing || { app_log; fail "the remote does not see the play"; }

# Without the code, or with a wrong one: 401, and nothing changes.
[ "$(api "http://127.0.0.1:$HTTP/api/state")" = 401 ] || fail "state without the code answered"
[ "$(api -X POST -d '{"command": "faster"}' "http://127.0.0.1:$HTTP/api/command")" = 401 ] ||
    fail "command without the code answered"
[ "$(api -X POST -d '{"code": "BBCDEFGHJKMNPQRSTVWXYZ0123", "command": "faster"}' \
    "http://127.0.0.1:$HTTP/api/command")" = 401 ] || fail "command with a wrong code answered"
[ "$(state_field delay)" = 1000 ] || fail "a refused command changed the speed"

# With the code: the Up arrow's step faster.
[ "$(api -X POST -d "{\"code\": \"$CODE\", \"command\": \"faster\"}" \
    "http://127.0.0.1:$HTTP/api/command")" = 200 ] || fail "command with the code refused"
delay_below() { [ "$(state_field delay)" -lt "$1" ]; }
wait_until 20 delay_below 1000 || fail "faster did not reach the play"

# OSC: the Delay set, the code as the first argument.
oscsend 127.0.0.1 "$OSC" /lectoscope/delay si "$CODE" 900
delay_is() { [ "$(state_field delay)" = "$1" ]; }
wait_until 20 delay_is 900 || fail "the OSC delay did not reach the play"
oscsend 127.0.0.1 "$OSC" /lectoscope/delay si WRONGCODE 500
sleep 1
delay_is 900 || fail "an OSC message with a wrong code changed the speed"

# The web remote in a headless browser: Pause tapped, the play pauses and its picture stops.
setsid chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$WORK/browser" --remote-debugging-port="$DEVTOOLS" \
    "http://127.0.0.1:$HTTP/?code=$CODE" >"$WORK/browser.log" 2>&1 &
BROWSER_PID=$!
shown=$(python3 "$(dirname "$0")/remote_page.py" "$DEVTOOLS" pause) ||
    { cat "$WORK/browser.log" >&2; fail "the page could not be used"; }
[ "$shown" = paused ] || fail "the page shows '$shown' after Pause"
state_is paused || fail "the play is not paused"
screenshot "$WORK/a.png"
sleep 1
screenshot "$WORK/b.png"
[ "$(compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1)" = 0 ] ||
    fail "the picture still moves after Pause"
echo "PASS"
