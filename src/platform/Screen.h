#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QObject;
class QScreen;
class QWindow;

namespace platform {

class ScreenWatcher;

// A connected screen as the program knows it.
struct ScreenInfo {
    QString name;    // the toolkit's name, made unique among the connected screens
    QRect geometry;  // its place on the desktop, in pixels
    QRect available; // the part of it windows may use (the screen less the desktop's panels)
    int depth = 32;  // bits per pixel
    double refreshHz = 60.0;

    bool operator==(const ScreenInfo &) const = default;
};

// The screens: the connected ones, the console's (the screen the main window is on) and the
// output screen, which the play window covers and everything that measures "the screen"
// measures: its size and colour depth, the output rectangle, the colour bars, the fade
// titles' places. The output screen is the one the operator chose, by name, while it is
// connected, and the console's otherwise.
//
// Tests may pretend: one screen of a given size and depth, or a list of screens (the first
// being the console's); changing the list tells the watcher, as a screen plugged in or
// unplugged would.
class Screen {
public:
    // The connected screens in the toolkit's order.
    static QList<ScreenInfo> screens();
    // The window whose screen is the console's (the main window); without one, the primary
    // screen is.
    static void setConsoleWindow(QWindow *window);
    static int consoleIndex();

    // The name of the chosen output screen; empty: the console's.
    static void setOutputName(const QString &name);
    static QString outputName();
    // The output screen as it stands now, and the one a given name would choose.
    static ScreenInfo output() { return outputFor(outputName()); }
    // The output screen's place among screens(); -1 when there is none.
    static int outputIndex();
    static ScreenInfo outputFor(const QString &name);
    // The toolkit's screen behind output(); null while tests pretend.
    static QScreen *outputScreen();

    static QSize size() { return output().geometry.size(); }
    static int width() { return size().width(); }
    static int height() { return size().height(); }
    static int depth() { return output().depth; }
    static QRect geometry() { return output().geometry; }
    static double refreshRate() { return output().refreshHz; }
    // The console screen's area that windows may use.
    static QRect availableGeometry();

    // An empty `available` is the whole screen.
    static void setOverride(QSize size, int depth = 32, QRect available = QRect());
    static void setOverride(const QList<ScreenInfo> &screens);
    static void clearOverride();

    // Tells when screens come, go or change; made on first use, owned by the application.
    static ScreenWatcher *watcher();
};

} // namespace platform
