#include "editor/ReadingTimeCommands.h"

#include "editor/ReadingEstimate.h"
#include "editor/ScriptFileCommands.h"

#include <QLabel>
#include <QPushButton>

ReadingTimeCommands::ReadingTimeCommands(QPushButton *estimateButton, QLabel *readingTimeLabel,
                                         QLabel *wordsPerMinuteLabel,
                                         const ScriptFileCommands &script,
                                         std::function<void()> play, QObject *parent)
    : QObject(parent), m_estimateButton(estimateButton), m_readingTimeLabel(readingTimeLabel),
      m_wordsPerMinuteLabel(wordsPerMinuteLabel), m_script(script), m_play(std::move(play)) {}

void ReadingTimeCommands::estimateReadingTime() {
    m_measuring = true;
    m_wordsPerMinuteLabel->show();
    m_wordsPerMinuteLabel->setText(QStringLiteral("Calibrat"));
    m_play();
}

void ReadingTimeCommands::measured(double elapsedMs) {
    const ReadingEstimate e =
        ::estimateReadingTime(m_script.lineCount(), elapsedMs, m_script.wordCount());
    m_readingTimeLabel->setText(e.approx);
    m_estimateButton->setText(e.buttonCaption);
    if (e.hasRate)
        m_wordsPerMinuteLabel->setText(QString::number(e.wordsPerMinute));
    m_measuring = false;
}
