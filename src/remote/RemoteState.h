#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// The state of the play as a remote sees it: published by the user-interface thread between
// lines and when a command has run, read by the server's thread whenever it answers.
struct RemoteState {
    enum class Phase { Stopped, Playing, Paused, Ended };
    Phase phase = Phase::Stopped;
    int line = 0; // the line scrolling in, from 1; 0 without a play
    int lineCount = 0;
    int delay = 0;
    // Pixel rows a second at that Delay; none at Delay 0, which scrolls as fast as drawing
    // allows.
    std::optional<double> pixelsPerSecond;
    // The play's time so far, pauses left out, and the time its remaining lines take by the
    // reading-time estimate at the current speed, both as they stood at takenAtMs.
    qint64 elapsedMs = 0;
    std::optional<qint64> remainingMs;
    qint64 takenAtMs = 0; // a steady clock's milliseconds

    bool operator==(const RemoteState &) const = default;
};

// The time the lines left take at Delay `delay` with `rowsPerLine` pixel rows a line, by the
// reading-time estimate's arithmetic (lines × milliseconds a line, in whole seconds); none at
// Delay 0.
std::optional<qint64> remainingMsAt(int linesLeft, int rowsPerLine, int delay);

// The state as JSON at nowMs: while the play runs its times move on from takenAtMs.
QByteArray remoteStateJson(const RemoteState &state, qint64 nowMs);

const char *remotePhaseName(RemoteState::Phase phase);

// The steady clock's milliseconds that takenAtMs and the servers' answers are measured on.
qint64 remoteClockMs();
