#pragma once

#include <QDialog>

// The "Font Type - Size  " dialog; created once at start and shown modally.
class TbFontForm : public QDialog {
    Q_OBJECT
public:
    explicit TbFontForm(QWidget *parent = nullptr);
};
