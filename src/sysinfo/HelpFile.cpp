#include "sysinfo/HelpFile.h"

namespace sysinfo {

QStringList helpFileCandidates(const QString &helpFile, const QStringList &folders) {
    QStringList out{helpFile};
    const qsizetype cut = std::max(helpFile.lastIndexOf(u'\\'), helpFile.lastIndexOf(u'/'));
    const QString name = helpFile.mid(cut + 1);
    if (name.isEmpty())
        return out;
    for (const QString &folder : folders) {
        if (!folder.isEmpty())
            out << folder + QLatin1Char('/') + name;
    }
    return out;
}

bool isShowableHelp(const QByteArray &bytes) {
    return !bytes.isEmpty() && !bytes.contains('\0');
}

} // namespace sysinfo
