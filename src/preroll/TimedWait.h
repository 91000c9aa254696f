#pragma once

#include <QObject>

class QTimer;

// The timed wait that every seconds-long pause of a play uses (a fade title's hold among
// them): ticks of a one-second timer, which ticks precisely, letting window messages run
// meanwhile.
class TimedWait : public QObject {
    Q_OBJECT
public:
    explicit TimedWait(QTimer *timer, QObject *parent = nullptr);

    // Returns after that many ticks. A wait started inside this one replaces the seconds
    // left; when it ends both are over.
    void wait(int seconds);
    void tick();
    int secondsLeft() const { return m_secondsLeft; }

private:
    QTimer *m_timer;
    int m_secondsLeft = 0;
};
