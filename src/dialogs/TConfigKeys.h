#pragma once

#include <QDialog>

// The "Configure  Keys" dialog; created once at start and shown modally.
class TConfigKeys : public QDialog {
    Q_OBJECT
public:
    explicit TConfigKeys(QWidget *parent = nullptr);
};
