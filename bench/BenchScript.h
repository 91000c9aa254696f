#pragma once

#include <QByteArray>

// The benchmarks' large script: one sentence a line, CR LF, until it holds 5 MB.
inline QByteArray fiveMegabyteScript() {
    const QByteArray line = "The quick brown fox jumps over the lazy dog again and again.\r\n";
    QByteArray bytes;
    bytes.reserve(5 * 1024 * 1024 + line.size());
    while (bytes.size() < 5 * 1024 * 1024)
        bytes += line;
    return bytes;
}
