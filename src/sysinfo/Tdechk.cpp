#include "sysinfo/Tdechk.h"

Tdechk::Tdechk(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tdechk"));
    setWindowTitle(QStringLiteral("Under Your Hood"));
}
