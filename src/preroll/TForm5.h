#pragma once

#include <QDialog>

// The "Set Auto Start Time" dialog; created once at start and shown modally.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);
};
