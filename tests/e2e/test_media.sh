#!/usr/bin/env bash
# Video and sound with the script, in the real program beside a private sound server: a
# video and a sound are opened through the "Me&dia Players" menu and its dialogs, armed with
# "Start w/Video", and played with the script. A screenshot shows the video at the top-left
# with the text scrolling beneath it; two screenshots half a second apart show both moved;
# the sound plays into the server; Esc ends the play and the program stays up.
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${LECTO_SOUND_SERVER:-}" ]; then
    exec bash "$here/../support/with-pulseaudio.sh" bash "$0" "$@"
fi
source "$here/lib.sh"

start_xvfb 1024 768
# The test media: a moving pattern of 320 x 240 at 25 pictures a second, and a tone.
make_video "$WORK/clip.avi" 60 || fail "ffmpeg made no video"
ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=60 "$WORK/tone.wav" ||
    fail "ffmpeg made no sound"
for i in $(seq 1 400); do
    printf 'Line %d of the script rises beneath the video\r\n' "$i"
done >"$WORK/script.txt"
media_config 1000 "$WORK/script.txt"

TITLE="ZAL LectoScope-32 PRO 01.24A"
start_app
wait_until 60 window_named "$TITLE" || { app_log; fail "main window not shown"; }
main=$(window_id "$TITLE")

# 1. The video: the main window's title becomes its file name.
open_media "$main" 0 "$WORK/clip.avi" || { app_log; fail "no video dialog"; }
wait_until 30 window_named "clip.avi" || { app_log; fail "the title does not name the video"; }
# 2. The sound, through "Wave and Midi": a sound output exists here, so its dialog opens.
open_media "$main" 1 "$WORK/tone.wav" || { app_log; fail "no sound dialog"; }
sleep 2
# 3. Armed with "Start w/Video".
press_start_with_video
sleep 0.5
xdotool windowfocus --sync "$main"
xdotool key ctrl+p

# The video at the top-left: the test pattern's colours (not the black background).
coloured() { [ "$(convert "$1" -crop 320x240+0+0 -colorspace HSL -channel G -separate \
    -format '%[fx:mean>0.3]' info:)" = "1" ]; }
text_below() { [ "$(convert "$1" -crop 1024x500+0+260 -threshold 50% -format '%[fx:mean>0.01]' \
    info:)" = "1" ]; }
playing() { screenshot "$WORK/a.png" && coloured "$WORK/a.png" && text_below "$WORK/a.png"; }
wait_until 60 playing || { cp "$WORK/a.png" /tmp/lecto-media-fail.png 2>/dev/null; app_log; fail "no video above the text"; }
sleep 0.5
screenshot "$WORK/b.png"
# Beside the video, above the text, the background stays black.
[ "$(convert "$WORK/a.png" -crop 700x240+324+0 -format '%[fx:maxima.r]' info:)" = "0" ] ||
    fail "something other than the video above the text"
changed() { [ "$(compare -metric AE -crop "$1" "$WORK/a.png" "$WORK/b.png" null: 2>&1)" != "0" ]; }
changed 320x240+0+0 || fail "the video did not move in half a second"
changed 1024x500+0+260 || fail "the text did not move in half a second"
# The sound plays into the server.
[ "$(pactl list short sink-inputs | wc -l)" -ge 1 ] || fail "no sound stream"

# 4. Esc ends the play; the program stays up with its main window.
xdotool key Escape
wait_until 30 window_named "clip.avi" || { app_log; fail "main window not back after Esc"; }
app_running || fail "the program ended"
echo "e2e media: 4 passed, 0 failed"
