#include "app/Forms.h"

#include "app/Mainform.h"
#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/FontChooser.h"
#include "dialogs/KeyStepsDialog.h"
#include "dialogs/OutputAreaDialog.h"
#include "play/BlackScroll.h"
#include "preroll/ColorBarTimeDialog.h"
#include "preroll/StartTimeDialog.h"
#include "sysinfo/SystemInfoDialog.h"

TForm1 *Form1 = nullptr;
FadingOptionsDialog *fadingOptionsDialog = nullptr;
StartTimeDialog *startTimeDialog = nullptr;
ColorBarTimeDialog *colorBarTimeDialog = nullptr;
FontChooser *fontChooser = nullptr;
TForm4 *Form4 = nullptr;
SystemInfoDialog *systemInfoDialog = nullptr;
KeyStepsDialog *keyStepsDialog = nullptr;
OutputAreaDialog *outputAreaDialog = nullptr;

namespace app {

bool createWindows(const QStringList &arguments) {
    Form1 = new TForm1;
    Form1->CommandLine = arguments;
    if (!Form1->FormCreate())
        return false;
    fadingOptionsDialog = new FadingOptionsDialog(Form1);
    startTimeDialog = new StartTimeDialog(Form1, Form1->underAutoTimerPanel());
    colorBarTimeDialog = new ColorBarTimeDialog(Form1, Form1->underAutoTimerPanel());
    fontChooser = new FontChooser(Form1);
    Form4 = new TForm4(Form1);
    Form4->FormCreate();
    systemInfoDialog = new SystemInfoDialog(Form1);
    keyStepsDialog = new KeyStepsDialog(Form1, Form1->underAutoTimerPanel());
    outputAreaDialog = new OutputAreaDialog(Form1);
    return true;
}

void destroyWindows() {
    delete outputAreaDialog;
    outputAreaDialog = nullptr;
    delete keyStepsDialog;
    keyStepsDialog = nullptr;
    delete systemInfoDialog;
    systemInfoDialog = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete fontChooser;
    fontChooser = nullptr;
    delete colorBarTimeDialog;
    colorBarTimeDialog = nullptr;
    delete startTimeDialog;
    startTimeDialog = nullptr;
    delete fadingOptionsDialog;
    fadingOptionsDialog = nullptr;
    delete Form1;
    Form1 = nullptr;
}

} // namespace app
