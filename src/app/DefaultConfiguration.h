#pragma once

#include <QString>

// The default configuration shipped with the program: white text on black, a 24-point
// font, Word Wrap and full-screen video mode on, every panel but the auto timer shown (it
// comes with auto start), and no window bounds, so that the main window is sized to the
// screen; a first start can play at once. Its speed is measured when it is put in place:
// the Delay that scrolls the default font at a readable pace on this machine, with
// "Slower x10" on.
namespace app {

inline constexpr char kShippedConfiguration[] = ":/resources/ZALSCROL.INI";

// When windowsDir holds no "ZALSCROL.INI", puts the shipped one there, with the measured
// speed, whole or not at all (the measurement takes a few milliseconds).
// True when it was written; false when a file (or anything else) of that name is already
// there or the write failed, in which case the reader's per-key defaults apply.
bool installDefaultConfiguration(const QString &windowsDir);

} // namespace app
