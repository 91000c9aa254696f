#include "dialogs/TForm2.h"

TForm2::TForm2(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Adjust Output Window Size"));
}
