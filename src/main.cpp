#include "app/LectoApplication.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"

#include <cstring>

namespace {
// Videos are drawn into windows of the X display: where one is at hand and neither the
// environment nor the command line chose a platform, the program starts on it, also inside a
// Wayland session.
void preferX11(int argc, char **argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}
} // namespace

int main(int argc, char **argv) {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    preferX11(argc, argv);
    LectoApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (!app::createWindows(arguments))
        return 0;
    mainWindow->show();
    const int code = app.exec();
    app::destroyWindows();
    return code;
}
