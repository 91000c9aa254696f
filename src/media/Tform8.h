#pragma once

#include <QWidget>

// An empty borderless black window; created at start, never shown or drawn into.
class Tform8 : public QWidget {
    Q_OBJECT
public:
    explicit Tform8(QWidget *parent = nullptr);
};
