#include "play/PresentPacer.h"

#include <cmath>

PresentPacer::PresentPacer(double refreshHz) {
    setRefreshHz(refreshHz);
    m_clock.start();
}

void PresentPacer::setRefreshHz(double hz) {
    if (!(hz > 0.0) || !std::isfinite(hz))
        hz = 60.0;
    m_intervalNs = std::llround(1e9 / hz);
}

bool PresentPacer::due(qint64 nowNs) {
    if (m_havePresented && nowNs - m_lastNs < m_intervalNs)
        return false;
    m_havePresented = true;
    m_lastNs = nowNs;
    return true;
}

bool PresentPacer::due() {
    return due(m_clock.nsecsElapsed());
}

int PresentPacer::msUntilDue(qint64 nowNs) const {
    if (!m_havePresented)
        return 0;
    const qint64 left = m_lastNs + m_intervalNs - nowNs;
    return left <= 0 ? 0 : static_cast<int>((left + 999999) / 1000000);
}

qint64 PresentPacer::nsUntilDue() const {
    if (!m_havePresented)
        return 0;
    const qint64 left = m_lastNs + m_intervalNs - m_clock.nsecsElapsed();
    return left <= 0 ? 0 : left;
}

int PresentPacer::msUntilDue() const {
    return msUntilDue(m_clock.nsecsElapsed());
}
