#include "platform/Screen.h"

#include "platform/ScreenChoice.h"
#include "platform/ScreenWatcher.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWindow>

namespace platform {
namespace {

bool g_override = false;
QList<ScreenInfo> g_pretend;
QPointer<QWindow> g_console;
QString g_outputName;
QPointer<ScreenWatcher> g_watcher;

// What is measured where no screen is known at all.
ScreenInfo noScreen() {
    ScreenInfo s;
    s.geometry = QRect(0, 0, 1024, 768);
    s.available = s.geometry;
    return s;
}

QList<QScreen *> toolkitScreens() {
    return qGuiApp ? QGuiApplication::screens() : QList<QScreen *>();
}

OutputScreenChoice outputChoice(const QList<ScreenInfo> &list, const QString &name) {
    QStringList names;
    for (const ScreenInfo &s : list)
        names.append(s.name);
    return chooseOutputScreen(names, name, Screen::consoleIndex());
}

} // namespace

QList<ScreenInfo> Screen::screens() {
    if (g_override)
        return g_pretend;
    const QList<QScreen *> toolkit = toolkitScreens();
    QStringList toolkitNames;
    for (const QScreen *s : toolkit)
        toolkitNames.append(s->name());
    const QStringList names = uniqueScreenNames(toolkitNames);
    QList<ScreenInfo> list;
    for (qsizetype i = 0; i < toolkit.size(); ++i) {
        const QScreen *s = toolkit[i];
        const double hz = s->refreshRate();
        list.append(
            {names[i], s->geometry(), s->availableGeometry(), s->depth(), hz > 0.0 ? hz : 60.0});
    }
    return list;
}

void Screen::setConsoleWindow(QWindow *window) {
    g_console = window;
}

int Screen::consoleIndex() {
    if (g_override)
        return 0;
    const QList<QScreen *> toolkit = toolkitScreens();
    const QScreen *console = g_console ? g_console->screen() : QGuiApplication::primaryScreen();
    const qsizetype at = toolkit.indexOf(const_cast<QScreen *>(console));
    return at < 0 ? 0 : static_cast<int>(at);
}

void Screen::setOutputName(const QString &name) {
    g_outputName = name;
}

QString Screen::outputName() {
    return g_outputName;
}

int Screen::outputIndex() {
    return outputChoice(screens(), g_outputName).index;
}

ScreenInfo Screen::outputFor(const QString &name) {
    const QList<ScreenInfo> list = screens();
    const OutputScreenChoice choice = outputChoice(list, name);
    return choice.index < 0 ? noScreen() : list[choice.index];
}

QScreen *Screen::outputScreen() {
    if (g_override)
        return nullptr;
    const QList<QScreen *> toolkit = toolkitScreens();
    const OutputScreenChoice choice = outputChoice(screens(), g_outputName);
    return choice.index < 0 ? nullptr : toolkit[choice.index];
}

QRect Screen::availableGeometry() {
    const QList<ScreenInfo> list = screens();
    if (list.isEmpty())
        return noScreen().available;
    const ScreenInfo &console = list[qBound(0, consoleIndex(), int(list.size()) - 1)];
    return console.available.isEmpty() ? console.geometry : console.available;
}

void Screen::setOverride(QSize size, int depth, QRect available) {
    ScreenInfo s;
    s.name = QStringLiteral("Screen 1");
    s.geometry = QRect(QPoint(0, 0), size);
    s.available = available.isEmpty() ? s.geometry : available;
    s.depth = depth;
    setOverride(QList<ScreenInfo>{s});
}

void Screen::setOverride(const QList<ScreenInfo> &screens) {
    const bool changed = !g_override || g_pretend != screens;
    g_override = true;
    g_pretend = screens;
    if (changed && g_watcher)
        emit g_watcher->screensChanged();
}

void Screen::clearOverride() {
    const bool changed = g_override;
    g_override = false;
    g_pretend.clear();
    if (changed && g_watcher)
        emit g_watcher->screensChanged();
}

ScreenWatcher *Screen::watcher() {
    if (!g_watcher)
        g_watcher = new ScreenWatcher(qGuiApp);
    return g_watcher;
}

} // namespace platform
