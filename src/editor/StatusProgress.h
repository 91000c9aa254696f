#pragma once

#include <QElapsedTimer>
#include <QString>

class StatusBar;

// The progress of long work on the user-interface thread (opening and counting a huge
// script), shown in the status bar once the work has run half a second; about twenty times
// a second the windows repaint meanwhile (the operator's input waits until the work is
// done). Nothing shows for short work, nor while the window is not shown yet. The bar goes
// when this goes.
class StatusProgress {
public:
    explicit StatusProgress(StatusBar *statusBar);
    ~StatusProgress();
    StatusProgress(const StatusProgress &) = delete;
    StatusProgress &operator=(const StatusProgress &) = delete;

    void update(const QString &what, int done, int total);

private:
    static constexpr qint64 kShowAfterMs = 500;
    static constexpr qint64 kPumpEveryMs = 50;

    StatusBar *m_statusBar;
    QElapsedTimer m_clock;
    qint64 m_nextPump = kShowAfterMs;
};
