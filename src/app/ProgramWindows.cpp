#include "app/ProgramWindows.h"

#include "app/MainWindow.h"
#include "app/PlayCommands.h"
#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/FontChooser.h"
#include "dialogs/KeyStepsDialog.h"
#include "dialogs/OutputAreaDialog.h"
#include "play/PlayWindow.h"
#include "preroll/AutoStartCommands.h"
#include "preroll/ColorBarTimeDialog.h"
#include "preroll/StartTimeDialog.h"
#include "sysinfo/SystemInfoDialog.h"

MainWindow *mainWindow = nullptr;
FadingOptionsDialog *fadingOptionsDialog = nullptr;
StartTimeDialog *startTimeDialog = nullptr;
ColorBarTimeDialog *colorBarTimeDialog = nullptr;
FontChooser *fontChooser = nullptr;
PlayWindow *playWindow = nullptr;
SystemInfoDialog *systemInfoDialog = nullptr;
KeyStepsDialog *keyStepsDialog = nullptr;
OutputAreaDialog *outputAreaDialog = nullptr;

namespace app {
namespace {
// Each window reaches the main window's commands as soon as it exists.
void attachAll() {
    mainWindow->attachWindows({fadingOptionsDialog, startTimeDialog, colorBarTimeDialog,
                               fontChooser, playWindow, systemInfoDialog, keyStepsDialog,
                               outputAreaDialog});
}
} // namespace

bool createWindows(const QStringList &arguments) {
    mainWindow = new MainWindow;
    mainWindow->setArguments(arguments);
    if (!mainWindow->runCreationSteps())
        return false;
    const QPoint underPanel = mainWindow->autoStart().underAutoTimerPanel();
    fadingOptionsDialog = new FadingOptionsDialog(mainWindow);
    startTimeDialog = new StartTimeDialog(mainWindow, underPanel);
    colorBarTimeDialog = new ColorBarTimeDialog(mainWindow, underPanel);
    fontChooser = new FontChooser(mainWindow);
    playWindow = new PlayWindow(&mainWindow->playCommands());
    attachAll();
    // A script named on the command line plays now, before the windows below exist.
    playWindow->create();
    systemInfoDialog = new SystemInfoDialog(mainWindow);
    keyStepsDialog = new KeyStepsDialog(mainWindow, mainWindow->autoStart().underAutoTimerPanel());
    outputAreaDialog = new OutputAreaDialog(mainWindow);
    attachAll();
    return true;
}

void destroyWindows() {
    delete outputAreaDialog;
    outputAreaDialog = nullptr;
    delete keyStepsDialog;
    keyStepsDialog = nullptr;
    delete systemInfoDialog;
    systemInfoDialog = nullptr;
    delete playWindow;
    playWindow = nullptr;
    delete fontChooser;
    fontChooser = nullptr;
    delete colorBarTimeDialog;
    colorBarTimeDialog = nullptr;
    delete startTimeDialog;
    startTimeDialog = nullptr;
    delete fadingOptionsDialog;
    fadingOptionsDialog = nullptr;
    delete mainWindow;
    mainWindow = nullptr;
}

} // namespace app
