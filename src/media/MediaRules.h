#pragma once

#include <QString>

// The media players' rules that need no window: the arming flags of "Start w/Video", where
// a video's picture stands and what it leaves of the output rectangle, the main window's
// title for a video, and the players' messages.
namespace media {

// What "Start w/Video" arms: the sound starts before the pre-roll (and the video with it
// when the video is armed too); the video starts with the text.
struct Arming {
    bool soundArmed = false;
    bool videoStartsWithText = false;
    bool videoArmed = false;
};
// Pressing "Start w/Video" arms the players that are shown, and only while it is down.
Arming armingFor(bool startWithVideoDown, bool wavePlayerShown, bool aviPlayerShown);

// The text starts 6 pixels below a video of this height.
int outputTopBelowVideo(int videoHeight);
// The left edge of a video centred on a screen of this width.
int centredVideoLeft(int screenWidth, int videoWidth);

// The file name of a path without its folder (either kind of separator).
QString fileNameOf(const QString &path);

QString noWaveOutputMessage();
QString videoBrokenMessage();
QString soundUnplayableMessage();
QString noDeviceOpenMessage();
QString notWrittenYetMessage();

// A video draws its pictures into a window of the X display: under another windowing system
// (a Wayland session) it cannot be shown, and the player says so with this message. The
// headless platform shows nothing at all and needs no word.
bool videoNeedsX11(const QString &qtPlatformName);
QString videoNeedsX11Message();

} // namespace media
