#pragma once

#include <QDialog>

// The "Adjust Output Window Size" dialog; created once at start and shown modally.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
