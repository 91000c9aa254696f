#pragma once

#include <QString>

#include <functional>

class PrintDevice;

// How far a printout has come: the script's lines printed of all of them, the pages begun
// so far and how many the whole job is expected to take (the trailer included).
struct PrintProgress {
    int linesDone = 0;
    int lineCount = 0;
    int pagesDone = 0;
    int pagesEstimated = 0;
};

// Told after each printed line of the script; false stops the job.
using PrintProgressCallback = std::function<bool(const PrintProgress &)>;

struct PrintOutcome {
    int pages = 0;          // pages used, or begun before a cancel
    bool cancelled = false; // the job was abandoned and aborted on its device
};

// The printed script: every line in the script font, then the trailer in the same face at
// 12 points: two single-space lines, " <count> Lines", a space and the script's path, and
// one more single-space line. line(i) gives line i of count. When progress answers false
// the job stops there and is aborted on the device: nothing of it is kept.
PrintOutcome printScript(PrintDevice &device, int count, const std::function<QString(int)> &line,
                         const QString &lastFile, const PrintProgressCallback &progress = {});
