#pragma once

#include <QString>

#include <functional>

class PrintDevice;

// The printed script: every line in the script font, then the trailer in the same face at
// 12 points: two single-space lines, " <count> Lines", a space and the script's path, and
// one more single-space line. line(i) gives line i of count. Returns the pages used.
int printScript(PrintDevice &device, int count, const std::function<QString(int)> &line,
                const QString &lastFile);
