#include "dialogs/TFadeSetup.h"

TFadeSetup::TFadeSetup(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFadeSetup"));
    setWindowTitle(QStringLiteral("Fading Options"));
}
