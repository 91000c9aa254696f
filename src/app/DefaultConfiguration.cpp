#include "app/DefaultConfiguration.h"

#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace app {

bool installDefaultConfiguration(const QString &windowsDir) {
    const QString path =
        platform::resolveConfigPath(QString::fromLatin1(platform::kDefaultConfigName), windowsDir);
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return false;
    QFile shipped(QString::fromLatin1(kShippedConfiguration));
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = shipped.readAll();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace app
