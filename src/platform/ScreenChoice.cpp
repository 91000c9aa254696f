#include "platform/ScreenChoice.h"

#include <algorithm>

namespace platform {

QStringList uniqueScreenNames(const QStringList &toolkitNames) {
    QStringList names;
    for (qsizetype i = 0; i < toolkitNames.size(); ++i) {
        QString name = toolkitNames[i].trimmed();
        if (name.isEmpty())
            name = QStringLiteral("Screen %1").arg(i + 1);
        QString unique = name;
        for (int n = 2; names.contains(unique); ++n)
            unique = QStringLiteral("%1 (%2)").arg(name).arg(n);
        names.append(unique);
    }
    return names;
}

OutputScreenChoice chooseOutputScreen(const QStringList &names, const QString &remembered,
                                      int console) {
    OutputScreenChoice choice;
    if (names.isEmpty())
        return choice;
    if (!remembered.isEmpty()) {
        const qsizetype at = names.indexOf(remembered);
        if (at >= 0) {
            choice.index = static_cast<int>(at);
            return choice;
        }
        choice.notFound = true;
    }
    choice.index = std::clamp(console, 0, static_cast<int>(names.size()) - 1);
    return choice;
}

QString screenCaption(const QString &name, QSize size) {
    return QStringLiteral("%1 %2 x %3").arg(name).arg(size.width()).arg(size.height());
}

} // namespace platform
