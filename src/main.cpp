#include "app/Forms.h"
#include "app/LectoApplication.h"
#include "app/Mainform.h"

int main(int argc, char **argv) {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    LectoApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (!app::createWindows(arguments))
        return 0;
    Form1->show();
    const int code = app.exec();
    app::destroyWindows();
    return code;
}
