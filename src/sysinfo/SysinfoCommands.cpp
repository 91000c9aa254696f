// The main window's commands for the system information dialog, the About box and help.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "platform/System.h"
#include "sysinfo/AboutBox.h"
#include "sysinfo/HelpFile.h"
#include "sysinfo/HelpWindow.h"
#include "sysinfo/SystemInfoDialog.h"

#include <QCoreApplication>
#include <QStandardPaths>

void TForm1::NewWindow1Click() {
    if (systemInfoDialog)
        systemInfoDialog->exec();
}

void TForm1::About2Click() {
    const platform::MemoryStatus memory = platform::System::memoryStatus();
    auto *box = new AboutBox(Ver, memory.totalPhys, memory.memoryLoad, this);
    box->exec(); // deletes itself when closed
}

void TForm1::MenuHelp1Click() {
    auto *help = findChild<HelpWindow *>();
    if (!help) {
        help = new HelpWindow(this);
        // An installed help file of the name start-up gives is shown in place of the
        // built-in help: in the configuration folder, beside the program, or in a data
        // folder's "lectoscope".
        QStringList folders = {WindowsDir, QCoreApplication::applicationDirPath()};
        for (const QString &data :
             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
            folders << data + QStringLiteral("/lectoscope");
        help->showFirstOf(
            sysinfo::helpFileCandidates(QString::fromLatin1(app::kHelpFile), folders));
    }
    help->show();
    help->raise();
    help->activateWindow();
}
