#include "app/OutputScreenCommands.h"

#include "app/MainWindowUi.h"
#include "editor/ScriptEditor.h"
#include "platform/Screen.h"
#include "platform/ScreenChoice.h"
#include "platform/ScreenWatcher.h"
#include "platform/StatusBar.h"
#include "play/PlayPreview.h"
#include "play/PlayWindow.h"
#include "settings/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {
// How long the status bar says that the remembered screen is not connected.
constexpr int kNoticeMs = 10000;
} // namespace

OutputScreenCommands::OutputScreenCommands(const MainWindowUi &ui, Settings &settings,
                                           std::function<void()> outputChanged, QObject *parent)
    : QObject(parent), m_ui(ui), m_settings(settings), m_outputChanged(std::move(outputChanged)),
      m_preview(new PlayPreview(ui.editor)), m_screenItems(new QActionGroup(this)) {
    m_screenItems->setExclusive(true);
    m_settings.livePreview = m_ui.livePreviewAction->isChecked();
    connect(m_ui.livePreviewAction, &QAction::toggled, this, [this](bool on) {
        m_settings.livePreview = on;
        if (!on)
            playClosed();
        else if (m_playWindow && m_playWindow->isVisible())
            playStarting();
    });
    connect(m_ui.outputScreenMenu, &QMenu::aboutToShow, this, &OutputScreenCommands::listScreens);
    connect(platform::Screen::watcher(), &platform::ScreenWatcher::screensChanged, this,
            &OutputScreenCommands::screensChanged);
    listScreens();
}

OutputScreenCommands::~OutputScreenCommands() {
    // The preview's thread reads the play window's picture: it ends first.
    playClosed();
}

void OutputScreenCommands::setPlayWindow(PlayWindow *window) {
    if (window != m_playWindow)
        playClosed();
    m_playWindow = window;
}

bool OutputScreenCommands::previewRunning() const {
    return m_preview->running();
}

void OutputScreenCommands::noteConsole() {
    if (QWidget *console = m_ui.editor->window())
        platform::Screen::setConsoleWindow(console->windowHandle());
}

void OutputScreenCommands::remember(const QString &name) {
    noteConsole();
    m_settings.outputScreen = name;
    platform::Screen::setOutputName(name);
    QStringList names;
    for (const platform::ScreenInfo &s : platform::Screen::screens())
        names.append(s.name);
    const platform::OutputScreenChoice choice =
        platform::chooseOutputScreen(names, name, platform::Screen::consoleIndex());
    if (choice.notFound && choice.index >= 0)
        m_ui.statusBar->showMessage(
            QStringLiteral("Output screen %1 is not connected: playing on %2")
                .arg(name, names[choice.index]),
            kNoticeMs);
    listScreens();
}

void OutputScreenCommands::choose(const QString &name) {
    noteConsole();
    const QRect before = platform::Screen::geometry();
    m_settings.outputScreen = name;
    platform::Screen::setOutputName(name);
    const QRect after = platform::Screen::geometry();
    // An output rectangle that was the whole screen becomes the whole new screen; any other
    // keeps its place, as far as the new screen reaches.
    if (m_settings.outputLeft == 0 && m_settings.outputTop == 0 &&
        m_settings.outputRight == before.width() && m_settings.outputBottom == before.height()) {
        m_settings.outputRight = after.width();
        m_settings.outputBottom = after.height();
    } else {
        m_settings.outputRight = std::min(m_settings.outputRight, after.width());
        m_settings.outputBottom = std::min(m_settings.outputBottom, after.height());
        m_settings.outputLeft = std::min(m_settings.outputLeft, m_settings.outputRight);
        m_settings.outputTop = std::min(m_settings.outputTop, m_settings.outputBottom);
    }
    listScreens();
    m_outputChanged();
    screensChanged();
}

void OutputScreenCommands::listScreens() {
    noteConsole();
    QMenu *menu = m_ui.outputScreenMenu;
    for (QAction *item : m_screenItems->actions()) {
        m_screenItems->removeAction(item);
        delete item;
    }
    menu->clear();
    const QList<platform::ScreenInfo> screens = platform::Screen::screens();
    const QString output = platform::Screen::output().name;
    for (const platform::ScreenInfo &s : screens) {
        auto *item = new QAction(platform::screenCaption(s.name, s.geometry.size()), m_screenItems);
        item->setCheckable(true);
        item->setChecked(s.name == output);
        item->setData(s.name);
        connect(item, &QAction::triggered, this, [this, name = s.name] { choose(name); });
        menu->addAction(item);
    }
    menu->addSeparator();
    menu->addAction(m_ui.livePreviewAction);
}

void OutputScreenCommands::screensChanged() {
    listScreens();
    // A play goes on, on the screen that is the output screen now.
    if (m_playWindow && m_playWindow->isVisible()) {
        m_playWindow->followOutputScreen();
        playStarting();
    }
}

void OutputScreenCommands::playStarting() {
    noteConsole();
    const bool elsewhere = platform::Screen::outputIndex() != platform::Screen::consoleIndex();
    const bool wanted =
        m_settings.livePreview && elsewhere && m_playWindow && m_ui.editor->window()->isVisible();
    if (!wanted) {
        playClosed();
        return;
    }
    if (!m_preview->running() || m_preview->mirrored() != m_settings.mirror)
        m_preview->start(m_playWindow->presenter(), m_settings.mirror);
}

void OutputScreenCommands::playClosed() {
    m_preview->stop();
}
