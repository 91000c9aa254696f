#include "preroll/TimedWait.h"

#include "platform/Platform.h"

#include <QTimer>

TimedWait::TimedWait(QTimer *timer, QObject *parent) : QObject(parent), m_timer(timer) {
    connect(m_timer, &QTimer::timeout, this, &TimedWait::tick);
}

void TimedWait::wait(int seconds) {
    m_secondsLeft = seconds;
    m_timer->setInterval(platform::secondMs());
    m_timer->start();
    while (m_secondsLeft > 0)
        platform::waitForMessages();
    m_timer->stop();
}

void TimedWait::tick() {
    m_secondsLeft -= 1;
    // The wait is over: no further tick may arrive before the waiting loop sees it (a
    // handler that pumps messages could otherwise let the timer fire once more).
    if (m_secondsLeft <= 0)
        m_timer->stop();
}
