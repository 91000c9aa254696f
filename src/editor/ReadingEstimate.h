#pragma once

#include <QString>

// The reading-time estimate from one measured line: the whole script at that pace, and the
// speaking rate it implies.
struct ReadingEstimate {
    int totalSeconds = 0; // (lines x ms) div 1000
    QString approx;       // "Read Time " M " Min " SS " Sec"
    QString
        buttonCaption; // "Calibrate " + the milliseconds as at least four digits + " msec per line"
    bool hasRate = false;   // a rate exists only for a total above 0 seconds
    int wordsPerMinute = 0; // (words x 60) div total seconds
};

// lineCount lines, one of them measured at elapsedMs milliseconds (a whole number; a
// fraction is cut off), wordCount words. Products are taken in 64 bits, so a long script
// cannot overflow them; div and mod truncate toward zero.
ReadingEstimate estimateReadingTime(int lineCount, double elapsedMs, int wordCount);
