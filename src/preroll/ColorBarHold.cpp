#include "preroll/ColorBarHold.h"

#include "platform/Platform.h"
#include "settings/Settings.h"

#include <QTimer>

ColorBarHold::ColorBarHold(QTimer *timer, Settings &settings, QObject *parent)
    : QObject(parent), m_timer(timer), m_settings(settings) {
    connect(m_timer, &QTimer::timeout, this, &ColorBarHold::tick);
}

void ColorBarHold::hold(const std::function<bool()> &showing) {
    if (m_settings.colorBarSeconds == 0)
        m_settings.colorBarSeconds = 15;
    m_secondsShown = 0;
    m_timer->setInterval(platform::secondMs());
    m_timer->start();
    while (m_secondsShown >= 0 && m_secondsShown < m_settings.colorBarSeconds && showing())
        platform::waitForMessages();
    m_timer->stop();
}

void ColorBarHold::tick() {
    m_secondsShown = static_cast<qint8>(m_secondsShown + 1);
    // The hold is over (or its count ran over): no further tick before the loop sees it.
    if (m_secondsShown < 0 || m_secondsShown >= m_settings.colorBarSeconds)
        m_timer->stop();
}

void ColorBarHold::stop() {
    m_timer->stop();
}
