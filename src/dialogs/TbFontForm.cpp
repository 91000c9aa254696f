#include "dialogs/TbFontForm.h"

TbFontForm::TbFontForm(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TbFontForm"));
    setWindowTitle(QStringLiteral("Font Type - Size  "));
}
