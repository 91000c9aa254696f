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

bool PresentPacer::due(bool lastRowOfLine, qint64 nowNs) {
    if (!lastRowOfLine && m_havePresented && nowNs - m_lastNs < m_intervalNs)
        return false;
    m_havePresented = true;
    m_lastNs = nowNs;
    return true;
}

bool PresentPacer::due(bool lastRowOfLine) {
    return due(lastRowOfLine, m_clock.nsecsElapsed());
}
