#pragma once

#include "app/MainWindowUi.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class AutoStartCommands;
class ColorBarHold;
class ConfigurationCommands;
class EditCommands;
class FontCommands;
class MediaCommands;
class OptionDialogCommands;
class RemoteControlCommands;
class OutputScreenCommands;
class PlayCommands;
class PrerollCommands;
class PrintCommands;
class QSlider;
class ReadingTimeCommands;
class ScriptFileCommands;
class SystemInfoCommands;
class TimedWait;
namespace app {
struct ConfigurationRead;
struct ProgramWindows;
} // namespace app

// The main window: the operator's console. It builds the menus and panels (MainWindowUi),
// holds the live settings, and wires its controls to the command classes, each in its
// subsystem's folder. What stays here is the window's own: its life cycle and closing, the
// panels' layout and summary texts, and the rules of the controls that set play parameters.
//   app/MainWindow.cpp          creation, show, activation, closing, the wiring
//   app/MainWindowPanels.cpp    the delay panel, play options, the two groups, layout, status
//   app/MainWindowSettings.cpp  the settings to and from the controls for the configuration
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    const MainWindowUi &ui() const { return m_ui; }
    Settings &settings() { return m_settings; }
    const Settings &settings() const { return m_settings; }

    // The command classes.
    ScriptFileCommands &scriptFiles() { return *m_scriptFiles; }
    EditCommands &editCommands() { return *m_editCommands; }
    FontCommands &fontCommands() { return *m_fontCommands; }
    PrintCommands &printCommands() { return *m_printCommands; }
    ReadingTimeCommands &readingTime() { return *m_readingTime; }
    MediaCommands &media() { return *m_media; }
    SystemInfoCommands &systemInfo() { return *m_systemInfo; }
    AutoStartCommands &autoStart() { return *m_autoStart; }
    PrerollCommands &preroll() { return *m_preroll; }
    TimedWait &timedWait() { return *m_timedWait; }
    ColorBarHold &colorBarHold() { return *m_colorBarHold; }
    OptionDialogCommands &optionDialogs() { return *m_optionDialogs; }
    ConfigurationCommands &configuration() { return *m_configuration; }
    PlayCommands &playCommands() { return *m_playCommands; }
    RemoteControlCommands &remoteControl() { return *m_remoteControl; }
    OutputScreenCommands &outputScreenCommands() { return *m_outputScreen; }

    // ---- Life cycle -------------------------------------------------------------------
    // The program's arguments without the program's name.
    void setArguments(const QStringList &arguments) { m_arguments = arguments; }
    // Runs the creation steps; false when the program is to end (screen too narrow).
    bool runCreationSteps();
    // The settings' start-up values, before the configuration file is read.
    void initialiseSettings();
    // The windows created after this one, handed to the commands that use them.
    void attachWindows(const app::ProgramWindows &windows);
    void refreshOnShow();
    void scrollToCaretLine();
    // The window follows the fading switch.
    void applyFadeMode();
    // True on a black play background; enables "Fade Titles ..." exactly then.
    bool backgroundIsBlack();

    // ---- Closing and exit -------------------------------------------------------------
    bool confirmQuit();
    // Returns false when the program stays open.
    bool finishClosing();
    // Returns false when the program stays open.
    bool exitAfterSaveQuestion();

    // ---- Panels, controls and layout ----------------------------------------------------
    void fontSizeBarMoved();
    void delayBarMoved();
    void slowerToggled();
    void pixelProcessingChosen();
    void screenResChosen();
    void loopBoxToggled();
    void toggleLoop();
    void stopAtEndToggled();
    void noPauseBoxToggled();
    void toggleNoPause();
    void toggleVideoMode();
    void mirrorButtonClicked();
    void toggleMirror();
    void showAllPanels();
    void hideAllPanels();
    void layOutPanels();
    // Sizes the window to show the menu bar, the tool bar, the editor and every shown panel
    // wholly, within the screen's available area, or maximises it where that is too small.
    void fitToScreen();
    void showSummary();
    void editorTextChanged();
    int editorFontSize() const;
    void setEditorFontSize(int points);
    // Sets a track bar's position from the program: clamped, and no rule runs.
    static void setTrackBarPosition(QSlider *bar, int position);

    // ---- The configuration file's side of the window -------------------------------------
    // The settings and control states as the configuration file holds them; the values that
    // are only written (program, date and time, tick count) are those of this moment.
    Settings configurationFromControls() const;
    // Stores loaded values in the reading order, each at once (a check box runs its click
    // rule when its state changes), then applies them to the window; a file that holds no
    // window bounds has the window fitted to the screen. With an invalid start time, only
    // the values read before it are stored and the conversion error is thrown: later values
    // keep what they held and nothing is applied.
    void configurationToControls(const app::ConfigurationRead &read);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createCommands();
    void bindSwitches();
    void connectControls();
    void applyPanelToggle(QAction *item, QWidget *control);
    void applyConfiguration(bool fit);

    MainWindowUi m_ui;
    Settings m_settings;
    QStringList m_arguments;
    std::unique_ptr<ScriptFileCommands> m_scriptFiles;
    std::unique_ptr<EditCommands> m_editCommands;
    std::unique_ptr<FontCommands> m_fontCommands;
    std::unique_ptr<PrintCommands> m_printCommands;
    std::unique_ptr<ReadingTimeCommands> m_readingTime;
    std::unique_ptr<MediaCommands> m_media;
    std::unique_ptr<SystemInfoCommands> m_systemInfo;
    std::unique_ptr<AutoStartCommands> m_autoStart;
    std::unique_ptr<PrerollCommands> m_preroll;
    std::unique_ptr<TimedWait> m_timedWait;
    std::unique_ptr<ColorBarHold> m_colorBarHold;
    std::unique_ptr<OptionDialogCommands> m_optionDialogs;
    std::unique_ptr<ConfigurationCommands> m_configuration;
    std::unique_ptr<OutputScreenCommands> m_outputScreen;
    std::unique_ptr<PlayCommands> m_playCommands;
    std::unique_ptr<RemoteControlCommands> m_remoteControl;
    bool m_inResize = false;
};
