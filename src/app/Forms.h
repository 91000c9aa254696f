#pragma once

#include <QStringList>

class TForm1;
class TFadeSetup;
class TForm5;
class TBconfig;
class TbFontForm;
class TForm4;
class Tdechk;
class Tform8;
class TConfigKeys;
class TForm2;

// The program's windows, created once at start in this order and kept until the end.
// A window created later than the play window does not exist yet (null) while a script
// given on the command line plays.
extern TForm1 *Form1;
extern TFadeSetup *FadeSetup;
extern TForm5 *Form5;
extern TBconfig *Bconfig;
extern TbFontForm *bFontForm;
extern TForm4 *Form4;
extern Tdechk *dechk;
extern Tform8 *form8;
extern TConfigKeys *ConfigKeys;
extern TForm2 *Form2;

namespace app {

inline constexpr const char *kApplicationTitle = "ZAL LectoScope-32";
inline constexpr const char *kHelpFile = "E:\\Lectoscope32 Help files\\Lectosco.hlp";

// Creates the windows in their order, running the main window's creation steps first.
// Returns false when the program is to end at once (the screen is too narrow).
bool createWindows(const QStringList &arguments);
// Deletes every window (tests create them afresh).
void destroyWindows();

} // namespace app
