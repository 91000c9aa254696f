#pragma once

#include <QHash>
#include <QString>

#include <deque>

// Counts the refusals of each remote address and ignores an address that has been refused
// too often: after kLimit refusals within a minute it is ignored for a minute. It owns no
// clock: it is told the time, so that a test can run it on made-up times. The addresses it
// remembers are bounded, so that a flood from many addresses cannot grow it without end.
class RefusalGuard {
public:
    static constexpr int kLimit = 20;
    static constexpr qint64 kWindowMs = 60'000;
    static constexpr qint64 kBlockMs = 60'000;
    static constexpr int kMaxAddresses = 4096;

    // Whether messages from the address are ignored now.
    bool isBlocked(const QString &address, qint64 nowMs) const;
    // Counts a refusal; true when it makes the address ignored.
    bool refuse(const QString &address, qint64 nowMs);
    // Refusals counted since the guard was made.
    qint64 refusals() const { return m_refusals; }
    // Addresses ignored at some time since the guard was made.
    qint64 blocks() const { return m_blocks; }

private:
    struct Record {
        std::deque<qint64> times; // the refusals of the last minute, oldest first
        qint64 blockedUntil = 0;
    };
    void forgetOld(qint64 nowMs);

    QHash<QString, Record> m_records;
    qint64 m_refusals = 0;
    qint64 m_blocks = 0;
};
