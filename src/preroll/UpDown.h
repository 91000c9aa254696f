#pragma once

#include <QWidget>

class QToolButton;

// A pair of small arrow buttons that steps a position within a range by an increment,
// stopping at the ends (no wrap-around).
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minimum, int maximum, int increment, QWidget *parent = nullptr);

    int position() const { return m_position; }
    void setPosition(int position); // clamped to the range, emits nothing
    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    void stepUp();
    void stepDown();

signals:
    // An arrow was clicked; the position is the new one.
    void clicked(int position);

private:
    int m_min, m_max, m_increment;
    int m_position;
};
