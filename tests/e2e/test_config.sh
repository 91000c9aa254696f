#!/usr/bin/env bash
# The configuration file in the real program: a first start with a private configuration
# folder puts the shipped default in place; "Save Default Configuration", chosen from the
# File menu with the keyboard, writes the file with its sections in order.
source "$(dirname "$0")/lib.sh"

SHIPPED="$(cd "$(dirname "$0")/../.." && pwd)/resources/ZALSCROL.INI"
INI="$XDG_CONFIG_HOME/lectoscope/ZALSCROL.INI"
TITLE="ZAL LectoScope-32 PRO 01.24A"

sections() { tr -d '\r' <"$1" | grep '^\[' | tr '\n' ' '; }
file_present() { [ -s "$INI" ]; }

start_xvfb 1024 768
start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }

# 1. The first start wrote the shipped configuration, byte for byte: Delay 1000, about 40
#    pixel rows a second on every machine, with "Slower x10" off.
[ -f "$INI" ] || fail "no default configuration after the first start"
cmp -s "$INI" "$SHIPPED" || fail "the default configuration differs from the shipped one"
for line in "Delay=1000" "DelayFactor=1" "Delayx10=0"; do
    tr -d '\r' <"$INI" | grep -qx "$line" || fail "first start without $line"
done

# 2. File menu, keyboard only: Alt+F opens it on "&New"; four steps down (the separator is
#    skipped) reach "Save Default Configuration"; Enter runs it.
#    The keys go only once the menu's window is up; on a slow machine the whole sequence
#    is tried again after Esc.
rm -f "$INI"
win=$(window_id "$TITLE")
app_windows() { xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | wc -l; }
base=$(app_windows)
menu_open() { [ "$(app_windows)" -gt "$base" ]; }
for attempt in 1 2 3; do
    xdotool windowfocus --sync "$win"
    xdotool key alt+f
    if wait_until 10 menu_open; then
        xdotool key Down Down Down Down Return
        # The file is renamed into place complete, so once it is there it is whole.
        wait_until 15 file_present && break
    fi
    echo "attempt $attempt: no configuration written yet; trying again"
    xdotool key Escape Escape
done
file_present || { app_log; fail "Save Default Configuration wrote nothing"; }
got=$(sections "$INI")
[ "$got" = "[Options] [Stuff] [OptionWindows] " ] || fail "sections in the wrong order: $got"
# Every line ends in CR LF, and the values are those the program loaded from the default.
[ "$(grep -c $'\r$' "$INI")" -eq "$(wc -l <"$INI")" ] || fail "lines not ended by CR LF"
for line in "Delay=1000" "DelayFactor=1" "FontSize=24" "DisPlaColor=16777215" "WordWrap=1" "VideoMode=1"; do
    tr -d '\r' <"$INI" | grep -qx "$line" || fail "missing $line"
done
tr -d '\r' <"$INI" | grep -q '^ConfigDate=.\+-.\+$' || fail "no ConfigDate"
app_running || fail "the program ended"
echo "e2e config: 2 passed, 0 failed"
