#pragma once

#include <QObject>

#include <functional>

class QTimer;
struct Settings;

// Holds the colour bars for the colour-bar time, counting the seconds on a one-second timer
// while window messages run.
class ColorBarHold : public QObject {
    Q_OBJECT
public:
    ColorBarHold(QTimer *timer, Settings &settings, QObject *parent = nullptr);

    // Returns when the time is up, or as soon as `showing` answers false (the operator has
    // left the play). A time of 0 becomes 15 seconds.
    void hold(const std::function<bool()> &showing);
    void tick();
    void stop();

private:
    QTimer *m_timer;
    Settings &m_settings;
    // The seconds are counted in a signed byte: a hold longer than it can count ends when
    // the count runs over instead of never.
    qint8 m_secondsShown = 0;
};
