#include "app/LectoApplication.h"

#include "app/Errors.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"

LectoApplication::LectoApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QString::fromLatin1(kApplicationTitle));
    // The installed desktop entry, whose icon the desktop shows for the program's windows.
    setDesktopFileName(QStringLiteral("lectoscope"));
}

bool LectoApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ConversionError &e) {
        platform::MessageBoxes::error(e.message());
        return true;
    }
}
