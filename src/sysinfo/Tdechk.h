#pragma once

#include <QDialog>

// The "Under Your Hood" dialog; created once at start and shown modally.
class Tdechk : public QDialog {
    Q_OBJECT
public:
    explicit Tdechk(QWidget *parent = nullptr);
};
