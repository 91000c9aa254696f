#include "media/MediaRules.h"

namespace media {

Arming armingFor(bool startWithVideoDown, bool wavePlayerShown, bool aviPlayerShown) {
    Arming a;
    a.soundArmed = startWithVideoDown && wavePlayerShown;
    a.videoStartsWithText = startWithVideoDown && aviPlayerShown;
    a.videoArmed = a.videoStartsWithText;
    return a;
}

int outputTopBelowVideo(int videoHeight) {
    return videoHeight + 6;
}

int centredVideoLeft(int screenWidth, int videoWidth) {
    return screenWidth / 2 - videoWidth / 2;
}

QString fileNameOf(const QString &path) {
    const qsizetype cut =
        qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

QString noWaveOutputMessage() {
    return QStringLiteral("No Wave Output device drivers in system.");
}

bool videoNeedsX11(const QString &qtPlatformName) {
    return qtPlatformName != QLatin1String("xcb") && qtPlatformName != QLatin1String("offscreen");
}

QString videoNeedsX11Message() {
    return QStringLiteral("Video needs an X11 display: this session cannot show its picture.");
}

QString videoBrokenMessage() {
    return QStringLiteral("AVI file is in the wrong format or is broken.");
}

QString soundUnplayableMessage() {
    // The carriage return breaks the message into two lines.
    return QStringLiteral("File format can not be \rplayed on current hardware.");
}

QString noDeviceOpenMessage() {
    return QStringLiteral("No MCI device open");
}

QString notWrittenYetMessage() {
    return QStringLiteral("Not written yet");
}

} // namespace media
