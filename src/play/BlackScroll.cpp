#include "play/BlackScroll.h"

TForm4::TForm4(QWidget *parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form4"));
}

void TForm4::FormCreate() {}
