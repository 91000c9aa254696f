#pragma once

// A stand-in console for the play window's passes: it answers the window's questions,
// counts the rows (one speed read each) and can queue an Esc key at a given row; it records
// the timed waits (and runs a hook in each), the title positions it was told and the
// closes.

#include "play/PlayHost.h"
#include "play/PlayWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <functional>

struct FakeHost : PlayHost {
    QStringList lines;
    PlayWindow *window = nullptr;
    int escAtRow = -1;
    mutable int rows = 0;
    int closed = 0;
    int delayValue = 0;
    bool avi = false;
    bool black = true;
    QList<int> waits;                // the seconds of each timed wait
    std::function<void(int)> onWait; // runs inside each timed wait, with the wait's number
    QList<QPoint> titlePositions;    // left, top of each automatic placement

    int delay() const override {
        if (++rows == escAtRow)
            QCoreApplication::postEvent(window,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        return delayValue;
    }
    void setDelay(int d) override { delayValue = d; }
    int delayFactor() const override { return 1; }
    void setSlowerX10(bool) override {}
    void handBackSpeed() override {}
    void waitSeconds(int seconds) override {
        waits.append(seconds);
        if (onWait)
            onWait(int(waits.size()));
    }
    void holdColorBars(const std::function<bool()> &) override {}
    int lineCount() const override { return int(lines.size()); }
    QString line(int index) const override { return lines.value(index); }
    void readingTimeMeasured(double) override {}
    void startArmedMedia() override {}
    void startVideoWithText() override {}
    void setPlayColors(int, int) override {}
    void applyEditorFontSize(int) override {}
    void playClosed() override { ++closed; }
    void playWindowGoing() override {}
    void runStartUpPlay() override {}
    bool videoShowing() const override { return avi; }
    bool backgroundIsBlack() override { return black; }
    void setTitlePosition(int left, int top) override { titlePositions.append(QPoint(left, top)); }
    void startSoundWithTitles() override {}
};
