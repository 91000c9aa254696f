#include "app/DefaultConfiguration.h"

#include "platform/IniFile.h"
#include "play/PaceCalibration.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace app {
namespace {

// The shipped file with the speed measured on this machine: the Delay of a readable pace,
// with "Slower x10" on, so that the delay bar has room both ways.
QByteArray withMeasuredPace(QByteArray ini, int delay) {
    const QList<QPair<QByteArray, QByteArray>> keys = {
        {"Delay=", QByteArray::number(delay)}, {"DelayFactor=", "10"}, {"Delayx10=", "1"}};
    QList<QByteArray> lines = ini.split('\n');
    for (QByteArray &line : lines)
        for (const auto &[key, value] : keys)
            if (line.startsWith(key))
                line = key + value + (line.endsWith('\r') ? "\r" : "");
    return lines.join('\n');
}

} // namespace

bool installDefaultConfiguration(const QString &windowsDir) {
    const QString path =
        platform::resolveConfigPath(QString::fromLatin1(platform::kDefaultConfigName), windowsDir);
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return false;
    QFile shipped(QString::fromLatin1(kShippedConfiguration));
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = withMeasuredPace(
        shipped.readAll(), calibratedDelay(kReadableRowsPerSecond, busyWaitSeconds));
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
