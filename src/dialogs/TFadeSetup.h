#pragma once

#include <QDialog>

// The "Fading Options" dialog; created once at start and shown modally.
class TFadeSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFadeSetup(QWidget *parent = nullptr);
};
