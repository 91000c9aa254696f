#include "TestSupport.h"

#include "app/Forms.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QDir>
#include <QFile>

namespace testsupport {
namespace {
void recordExit(int) {}
} // namespace

Sandbox::Sandbox(int secondMs) : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/config")));
    QDir().mkpath(m_home.path() + QStringLiteral("/scratch"));
    platform::setSecondMs(secondMs);
    platform::MessageBoxes::scripted();
    platform::MessageBoxes::clearShown();
    platform::FileDialogs::scripted();
    platform::FileDialogs::clearRequests();
    platform::ColorDialogs::scripted();
    platform::setTerminateHook(&recordExit);
    platform::resetTerminateRequest();
    platform::Screen::clearOverride();
}

Sandbox::~Sandbox() {
    destroyWindows();
    platform::Clock::useRealTime();
    platform::Screen::clearOverride();
    platform::MessageBoxes::unscripted();
    platform::FileDialogs::unscripted();
    platform::ColorDialogs::unscripted();
    platform::setTerminateHook(nullptr);
    platform::resetTerminateRequest();
    platform::setSecondMs(1000);
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

QString Sandbox::configDir() const {
    return platform::windowsDirectory();
}

QString Sandbox::path(const QString &name) const {
    return m_home.path() + QStringLiteral("/scratch/") + name;
}

QString Sandbox::writeFile(const QString &name, const QByteArray &bytes) const {
    const QString p = path(name);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return p;
}

bool createWindows(const QStringList &arguments) {
    destroyWindows();
    return app::createWindows(arguments);
}

void destroyWindows() {
    app::destroyWindows();
}

} // namespace testsupport
