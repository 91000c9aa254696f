#pragma once

#include <QString>

// The default configuration shipped with the program: white text on black, a 24-point
// font, Word Wrap and full-screen video mode on, every panel but the auto timer shown (it
// comes with auto start), and no window bounds, so that the main window is sized to the
// screen; a first start can play at once, at Delay 1000 (about 40 pixel rows a second on
// every machine) with "Slower x10" off, so that the keys and the bars move it both ways.
namespace app {

inline constexpr char kShippedConfiguration[] = ":/resources/ZALSCROL.INI";

// When windowsDir holds no "ZALSCROL.INI", puts the shipped one there, whole or not at all.
// True when it was written; false when a file (or anything else) of that name is already
// there or the write failed, in which case the reader's per-key defaults apply.
bool installDefaultConfiguration(const QString &windowsDir);

} // namespace app
