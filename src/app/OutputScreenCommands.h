#pragma once

#include <QObject>
#include <QString>

#include <functional>

class PlayPreview;
class PlayWindow;
class QActionGroup;
struct MainWindowUi;
struct Settings;

// The "Output Screen" submenu of "Mode Configure": the connected screens by name and size, the
// checked one being where the play window goes, and the "Live Preview" switch; the preview
// itself, in the editor's place while a play runs on another screen than the main window's;
// and what happens when screens come and go.
class OutputScreenCommands : public QObject {
    Q_OBJECT
public:
    // outputChanged: the output rectangle or the screen's measures may have changed (the
    // summary and the panels are shown again).
    OutputScreenCommands(const MainWindowUi &ui, Settings &settings,
                         std::function<void()> outputChanged, QObject *parent = nullptr);
    ~OutputScreenCommands() override;
    // The play window, or none while it is being destroyed: the preview, which reads its
    // picture, ends first.
    void setPlayWindow(PlayWindow *window);

    // The screen the configuration names (empty: none): remembered as it is, even when that
    // screen is not connected now, so that it is used again when it comes back; the status
    // bar says once when it is not connected.
    void remember(const QString &name);
    // The operator's choice from the submenu.
    void choose(const QString &name);
    // Lists the connected screens in the submenu, the output screen checked.
    void listScreens();

    // A pass is about to run: the preview starts when the play is on another screen than
    // the main window's and "Live Preview" is on. The play has closed: the preview goes.
    void playStarting();
    void playClosed();
    // Whether the preview is being made now.
    bool previewRunning() const;

private:
    void screensChanged();
    void noteConsole();

    const MainWindowUi &m_ui;
    Settings &m_settings;
    std::function<void()> m_outputChanged;
    PlayWindow *m_playWindow = nullptr;
    // Made with the main window, hidden; its native window is made when it is first shown.
    PlayPreview *m_preview = nullptr;
    QActionGroup *m_screenItems = nullptr;
};
