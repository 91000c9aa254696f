#pragma once

#include <QStringList>

class TForm1;
class FadingOptionsDialog;
class StartTimeDialog;
class ColorBarTimeDialog;
class FontChooser;
class TForm4;
class SystemInfoDialog;
class KeyStepsDialog;
class OutputAreaDialog;

// The program's windows, created once at start in this order and kept until the end.
// A window created later than the play window does not exist yet (null) while a script
// given on the command line plays.
extern TForm1 *Form1;
extern FadingOptionsDialog *fadingOptionsDialog;
extern StartTimeDialog *startTimeDialog;
extern ColorBarTimeDialog *colorBarTimeDialog;
extern FontChooser *fontChooser;
extern TForm4 *Form4;
extern SystemInfoDialog *systemInfoDialog;
extern KeyStepsDialog *keyStepsDialog;
extern OutputAreaDialog *outputAreaDialog;

namespace app {

inline constexpr const char *kApplicationTitle = "ZAL LectoScope-32";
inline constexpr const char *kHelpFile = "E:\\Lectoscope32 Help files\\Lectosco.hlp";

// Creates the windows in their order, running the main window's creation steps first.
// Returns false when the program is to end at once (the screen is too narrow).
bool createWindows(const QStringList &arguments);
// Deletes every window (tests create them afresh).
void destroyWindows();

} // namespace app
