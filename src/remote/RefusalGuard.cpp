#include "remote/RefusalGuard.h"

bool RefusalGuard::isBlocked(const QString &address, qint64 nowMs) const {
    const auto it = m_records.constFind(address);
    return it != m_records.constEnd() && nowMs < it->blockedUntil;
}

bool RefusalGuard::refuse(const QString &address, qint64 nowMs) {
    ++m_refusals;
    if (m_records.size() >= kMaxAddresses && !m_records.contains(address))
        forgetOld(nowMs);
    if (m_records.size() >= kMaxAddresses && !m_records.contains(address))
        return false; // every address remembered is ignored now: this one is only counted
    Record &r = m_records[address];
    while (!r.times.empty() && nowMs - r.times.front() >= kWindowMs)
        r.times.pop_front();
    r.times.push_back(nowMs);
    if (r.times.size() < kLimit || nowMs < r.blockedUntil)
        return false;
    r.blockedUntil = nowMs + kBlockMs;
    r.times.clear();
    ++m_blocks;
    return true;
}

void RefusalGuard::forgetOld(qint64 nowMs) {
    for (auto it = m_records.begin(); it != m_records.end();) {
        if (nowMs >= it->blockedUntil)
            it = m_records.erase(it);
        else
            ++it;
    }
}
