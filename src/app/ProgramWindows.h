#pragma once

#include <QStringList>

class ColorBarTimeDialog;
class FadingOptionsDialog;
class FontChooser;
class KeyStepsDialog;
class MainWindow;
class OutputAreaDialog;
class StartTimeDialog;
class SystemInfoDialog;
class PlayWindow;

// The program's windows, created once at start in this order and kept until the end.
// A window created later than the play window does not exist yet (null) while a script
// given on the command line plays.
extern MainWindow *mainWindow;
extern FadingOptionsDialog *fadingOptionsDialog;
extern StartTimeDialog *startTimeDialog;
extern ColorBarTimeDialog *colorBarTimeDialog;
extern FontChooser *fontChooser;
extern PlayWindow *playWindow;
extern SystemInfoDialog *systemInfoDialog;
extern KeyStepsDialog *keyStepsDialog;
extern OutputAreaDialog *outputAreaDialog;

namespace app {

// The windows created after the main window, as the main window's commands use them.
struct ProgramWindows {
    FadingOptionsDialog *fadingOptionsDialog = nullptr;
    StartTimeDialog *startTimeDialog = nullptr;
    ColorBarTimeDialog *colorBarTimeDialog = nullptr;
    FontChooser *fontChooser = nullptr;
    PlayWindow *playWindow = nullptr;
    SystemInfoDialog *systemInfoDialog = nullptr;
    KeyStepsDialog *keyStepsDialog = nullptr;
    OutputAreaDialog *outputAreaDialog = nullptr;
};

// Creates the windows in their order, running the main window's creation steps first.
// Returns false when the program is to end at once (the screen is too narrow).
bool createWindows(const QStringList &arguments);
// Deletes every window (tests create them afresh).
void destroyWindows();

} // namespace app
