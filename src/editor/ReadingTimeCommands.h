#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QPushButton;
class ScriptFileCommands;

// The reading-time estimate: a measuring play of one line, and the panel's texts from it.
class ReadingTimeCommands : public QObject {
    Q_OBJECT
public:
    // play starts the measuring play.
    ReadingTimeCommands(QPushButton *estimateButton, QLabel *readingTimeLabel,
                        QLabel *wordsPerMinuteLabel, const ScriptFileCommands &script,
                        std::function<void()> play, QObject *parent = nullptr);

    void estimateReadingTime();
    // True from the estimate's start until its line has been measured.
    bool measuring() const { return m_measuring; }
    // The line took elapsedMs: the panel shows the estimate, and the measurement is over.
    void measured(double elapsedMs);

private:
    QPushButton *m_estimateButton;
    QLabel *m_readingTimeLabel;
    QLabel *m_wordsPerMinuteLabel;
    const ScriptFileCommands &m_script;
    std::function<void()> m_play;
    bool m_measuring = false;
};
