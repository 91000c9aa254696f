#include "preroll/TBconfig.h"

TBconfig::TBconfig(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TBconfig"));
    setWindowTitle(QStringLiteral("Set Color Bar Time"));
}
