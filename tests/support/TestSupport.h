#pragma once

#include <QStringList>
#include <QTemporaryDir>

class TForm1;

namespace testsupport {

// Everything a test of the windows needs around it: a private configuration folder
// (XDG_CONFIG_HOME), scripted message boxes and file dialogs, a short second, the real
// 1024 x 768 test screen, and no real program exit.
class Sandbox {
public:
    explicit Sandbox(int secondMs = 5);
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString configDir() const; // the per-user configuration folder ("Windows directory")
    QString path(const QString &name) const; // a file in a scratch folder
    QString writeFile(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_home;
    QByteArray m_oldConfigHome;
};

// Creates all windows as the program does; false when start-up asked to end.
bool createWindows(const QStringList &arguments = {});
void destroyWindows();

} // namespace testsupport
