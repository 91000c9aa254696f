// The reading-time estimate: a measuring run of one line, and the panel's texts from it.
#include "app/Mainform.h"

#include "editor/ReadingEstimate.h"

#include <QLabel>
#include <QPushButton>

void TForm1::SpeedButton3Click() {
    Calibrating = true;
    calibrate->show();
    calibrate->setText(QStringLiteral("Calibrat"));
    RunTelePrompter1Click();
}

void TForm1::showEstimate(double elapsedMs) {
    const ReadingEstimate e = estimateReadingTime(LineCount, elapsedMs, ScriptWordCount);
    Approx->setText(e.approx);
    SpeedButton3->setText(e.buttonCaption);
    if (e.hasRate)
        calibrate->setText(QString::number(e.wordsPerMinute));
}
