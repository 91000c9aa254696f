#pragma once

#include <QObject>

class QTimer;

// The timed wait that every seconds-long pause of a play uses (a fade title's hold among
// them): ticks of a one-second timer, letting window messages run meanwhile, and ended by the
// clock as well: a wait of N seconds is over after N ticks or once N seconds have passed,
// whichever comes first, so ticks that come late do not add up.
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
    qint64 m_deadlineNs = 0; // the monotonic clock's time at which the wait is over
};
