#include "app/LectoApplication.h"
#include "app/MainWindow.h"
#include "app/ProgramWindows.h"

int main(int argc, char **argv) {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
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
