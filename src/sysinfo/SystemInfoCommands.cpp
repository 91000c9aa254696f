#include "sysinfo/SystemInfoCommands.h"

#include "platform/Screen.h"
#include "platform/System.h"
#include "settings/Settings.h"
#include "sysinfo/AboutBox.h"
#include "sysinfo/HelpFile.h"
#include "sysinfo/HelpWindow.h"
#include "sysinfo/SystemInfoDialog.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWindow>

SystemInfoCommands::SystemInfoCommands(QWidget *owner, const Settings &settings, QObject *parent)
    : QObject(parent), m_owner(owner), m_settings(settings) {}

namespace {
// The system information and the About box open centred on the screen.
void centreOnScreen(QWidget *window) {
    // The window with its frame: the native window is made first, so that its frame is known.
    window->winId();
    const QMargins frame = window->windowHandle()->frameMargins();
    const QSize outer = window->size().grownBy(frame);
    const QSize screen = platform::Screen::size();
    window->move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}
} // namespace

void SystemInfoCommands::showSystemInfo() {
    if (!m_dialog)
        return;
    centreOnScreen(m_dialog);
    m_dialog->exec();
}

void SystemInfoCommands::showAbout() {
    const platform::MemoryStatus memory = platform::System::memoryStatus();
    auto *box = new AboutBox(m_settings.version, memory.totalPhys, memory.memoryLoad, m_owner);
    centreOnScreen(box);
    box->exec(); // deletes itself when closed
}

void SystemInfoCommands::showHelp() {
    auto *help = m_owner->findChild<HelpWindow *>();
    if (!help) {
        help = new HelpWindow(m_owner);
        QStringList folders = {m_settings.configFolder, QCoreApplication::applicationDirPath()};
        for (const QString &data :
             QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
            folders << data + QStringLiteral("/lectoscope");
        help->showFirstOf(
            sysinfo::helpFileCandidates(QString::fromLatin1(sysinfo::kHelpFile), folders));
    }
    help->show();
    help->raise();
    help->activateWindow();
}
