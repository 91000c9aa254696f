#pragma once

#include "platform/SystemInfo.h"

#include <QString>

class QScreen;

namespace platform {

// The running system's figures: version, processor, memory, the program's heap and the
// display. Files are read under a folder that stands for /proc, which tests point at
// fixture files.
class System {
public:
    static VersionInfo version();
    static ProcessorInfo processor();
    static MemoryStatus memoryStatus();
    static HeapStatus heapStatus();
    // The screen's capabilities; size and depth as platform::Screen reports them.
    static DisplayCaps display(const QScreen *screen);

    // A file under the /proc folder as text, empty when it cannot be read.
    static QString readProcFile(const QString &relativePath);
    static QString procRoot();
    static void setProcRoot(const QString &folder); // empty: the real /proc
};

} // namespace platform
