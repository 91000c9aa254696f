#include "dialogs/TConfigKeys.h"

TConfigKeys::TConfigKeys(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TConfigKeys"));
    setWindowTitle(QStringLiteral("Configure  Keys"));
}
