#include "platform/Platform.h"

#include "platform/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QStandardPaths>

#include <cstdlib>

namespace platform {
namespace {
int g_secondMs = 1000;
bool g_terminateRequested = false;
void (*g_terminateHook)(int) = nullptr;
} // namespace

int secondMs() {
    return g_secondMs;
}
void setSecondMs(int ms) {
    g_secondMs = ms > 0 ? ms : 1;
}

void pumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void waitForMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QString windowsDirectory() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.trimmed().isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    const QString dir = QDir::cleanPath(base + QStringLiteral("/lectoscope"));
    QDir().mkpath(dir);
    return dir;
}

QString platformName() {
    return System::version().platform;
}

void terminateProgram(int code) {
    g_terminateRequested = true;
    if (g_terminateHook) {
        g_terminateHook(code);
        return;
    }
    QCoreApplication::exit(code);
    std::exit(code);
}

bool terminateRequested() {
    return g_terminateRequested;
}
void setTerminateHook(void (*hook)(int)) {
    g_terminateHook = hook;
}
void resetTerminateRequest() {
    g_terminateRequested = false;
}

} // namespace platform
