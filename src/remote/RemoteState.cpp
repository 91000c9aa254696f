#include "remote/RemoteState.h"

#include "editor/ReadingEstimate.h"
#include "platform/PreciseWait.h"
#include "play/RowSchedule.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

std::optional<qint64> remainingMsAt(int linesLeft, int rowsPerLine, int delay) {
    const qint64 wait = rowWaitNs(delay);
    if (wait <= 0)
        return std::nullopt;
    const double msPerLine = double(std::max(rowsPerLine, 0)) * double(wait) / 1e6;
    return qint64(estimateReadingTime(std::max(linesLeft, 0), msPerLine, 0).totalSeconds) * 1000;
}

const char *remotePhaseName(RemoteState::Phase phase) {
    switch (phase) {
    case RemoteState::Phase::Playing:
        return "playing";
    case RemoteState::Phase::Paused:
        return "paused";
    case RemoteState::Phase::Ended:
        return "ended";
    case RemoteState::Phase::Stopped:
        break;
    }
    return "stopped";
}

QByteArray remoteStateJson(const RemoteState &state, qint64 nowMs) {
    const qint64 since = state.phase == RemoteState::Phase::Playing
                             ? std::max<qint64>(0, nowMs - state.takenAtMs)
                             : 0;
    QJsonObject o;
    o.insert(QLatin1String("state"), QLatin1String(remotePhaseName(state.phase)));
    o.insert(QLatin1String("line"), state.line);
    o.insert(QLatin1String("lineCount"), state.lineCount);
    o.insert(QLatin1String("delay"), state.delay);
    o.insert(QLatin1String("pixelsPerSecond"),
             state.pixelsPerSecond ? QJsonValue(std::round(*state.pixelsPerSecond * 10) / 10)
                                   : QJsonValue());
    o.insert(QLatin1String("elapsedMs"), double(state.elapsedMs + since));
    o.insert(QLatin1String("remainingMs"),
             state.remainingMs ? QJsonValue(double(std::max<qint64>(0, *state.remainingMs - since)))
                               : QJsonValue());
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

qint64 remoteClockMs() {
    return platform::monotonicNs() / 1'000'000;
}
