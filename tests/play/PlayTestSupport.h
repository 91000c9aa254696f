#pragma once

// What the play window's tests share: a stand-in for the vertical-blank wait that is
// called once per scrolled row (so a test can act in the middle of a line), the windows
// set up for a quick play, the strip a line must leave on the play surface, and the pixel
// and message checks the drawing and play tests all use.

#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "editor/ScriptEditor.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"
#include "play/LineStrip.h"
#include "play/Mirror.h"
#include "play/PlayWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include <functional>
#include <memory>

namespace playtest {

// Counts the rows that waited for the "vertical blank" and runs a hook at each.
struct FakeRetrace : platform::Retrace::Backend {
    bool isAvailable = true;
    int waits = 0;
    std::function<void(int)> onWait;
    bool available() override { return isAvailable; }
    void wait() override {
        ++waits;
        if (onWait)
            onWait(waits);
    }
};

// Queues a key for the play window: it is handled at the pass's next message pump.
inline void postKey(Qt::Key key) {
    QCoreApplication::postEvent(playWindow, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

inline void postMouse(QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(200, 200);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QCoreApplication::postEvent(playWindow,
                                new QMouseEvent(type, at, at, button, held, Qt::NoModifier));
}

// A sandbox with all windows created, white text on black, a 10-point editor font, no
// pauses, the rectangle the whole screen and the retrace stand-in in place.
class PlayFixture {
public:
    explicit PlayFixture(const QStringList &arguments = {}, bool retraceAvailable = true,
                         QSize screen = QSize(), int secondMs = 10)
        : sandbox(secondMs) {
        if (screen.isValid())
            platform::Screen::setOverride(screen, 32);
        retrace.isAvailable = retraceAvailable;
        platform::Retrace::setBackend(&retrace);
        // A configuration that plays at once: white on black, no pauses.
        QFile ini(sandbox.configDir() + QStringLiteral("/ZALSCROL.INI"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[Options]\r\nNoPause=1\r\n[Stuff]\r\nDisPlaColor=16777215\r\nFormColor=0\r\n"
                      "FontSize=10\r\nDelay=0\r\n");
        ini.close();
        created = testsupport::createWindows(arguments);
        if (!created)
            return;
        mainWindow->settings().textColor = 0xFFFFFF;
        mainWindow->settings().backgroundColor = 0;
        mainWindow->settings().delay = 0;
        mainWindow->setEditorFontSize(10);
        mainWindow->ui().noPauseBox->setChecked(true);
        mainWindow->ui().syncRetraceAction->setChecked(retraceAvailable);
    }
    ~PlayFixture() {
        testsupport::destroyWindows();
        platform::Retrace::setBackend(nullptr);
    }

    void setScript(const QString &text) const {
        mainWindow->ui().editor->setText(text);
        mainWindow->ui().editor->setModified(false);
        mainWindow->ui().loopBox->setChecked(false);
    }

    testsupport::Sandbox sandbox;
    FakeRetrace retrace;
    bool created = false;
};

// The strip line k of the script leaves on the surface: laid out and drawn as the pass
// does, in 32 bits.
inline QImage expectedStrip(const QString &text, bool previousEmpty = true, bool mirror = false) {
    LineStrip s;
    s.updateStrip(mainWindow->ui().editor->font(), mainWindow->editorFontSize(),
                  mainWindow->settings().textColor, mainWindow->settings().backgroundColor, false,
                  playWindow->options().right - mainWindow->settings().outputLeft);
    s.selectPixelFormat(mainWindow->settings().pixelFormat, mirror);
    s.clearStrip();
    s.drawLine(text, previousEmpty, false, false);
    if (mirror)
        mirrorStrip(s.strip());
    return s.toRgb32().copy();
}

// Rows [top, top + count) of the output rectangle on the play surface.
inline QImage surfaceRows(int top, int count) {
    return playWindow->surface().image().copy(
        playWindow->options().left, top, playWindow->options().right - playWindow->options().left,
        count);
}

// The smallest rectangle holding every pixel of another colour than the background; empty
// when there is none.
inline QRect inkRect(const QImage &img, QRgb background = qRgb(0, 0, 0)) {
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) | 0xFF000000u) != (background | 0xFF000000u))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// True when every pixel of the image has the colour.
inline bool allOf(const QImage &img, QRgb colour) {
    return inkRect(img, colour).isEmpty();
}

// True when some pixel of the image has exactly the colour.
inline bool hasPixel(const QImage &img, QRgb colour) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == colour)
                return true;
    return false;
}

// How often a message box with the text was shown.
inline int messagesWith(const QString &text) {
    return testsupport::shownTexts().count(text);
}

} // namespace playtest
