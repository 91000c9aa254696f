#pragma once

#include <QWidget>

// The play window: borderless, covering the screen while a script plays.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);
    void FormCreate();
};
