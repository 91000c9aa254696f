#pragma once

#include <QDialog>

// The "Set Color Bar Time" dialog; created once at start and shown modally.
class TBconfig : public QDialog {
    Q_OBJECT
public:
    explicit TBconfig(QWidget *parent = nullptr);
};
