// The pre-roll options of the main window: colour bars, count-down, the ten-second
// background and the chroma check.
#include "app/Mainform.h"

#include "editor/ScriptEditor.h"
#include "platform/Colors.h"

#include <QAction>
#include <QPalette>
#include <QTimer>
#include <QToolButton>

void TForm1::usecolorbarsClick() {
    usecolorbars->setChecked(!usecolorbars->isChecked());
    ColorBarsButton->setChecked(usecolorbars->isChecked());
}

void TForm1::ColorBarsButtonClick() {
    usecolorbarsClick();
}

void TForm1::UseCountDown2Click() {
    if (UseCountDown->isChecked()) {
        CountDownButton->setChecked(false);
        UseCountDown->setChecked(false);
    } else {
        UseCountDown->setChecked(true);
        CountDownButton->setChecked(true);
    }
}

void TForm1::CountDownButtonClick() {
    UseCountDown2Click();
}

void TForm1::Use10secondbackground1Click() {
    Use10secondbackground1->setChecked(!Use10secondbackground1->isChecked());
}

// Down, the editor shows the play colours; up, black text on white.
void TForm1::ChromacheckClick() {
    const bool down = Chromacheck->isChecked();
    setEditorColor(QPalette::Text, down ? DisPlaColor : platform::rgbValue(0, 0, 0));
    setEditorColor(QPalette::Base, down ? FormColor : platform::rgbValue(255, 255, 255));
}

void TForm1::holdtimerTimer() {
    BarCount = static_cast<qint8>(BarCount + 1);
    // The hold is over (or its count ran over): no further tick before the loop sees it.
    if (BarCount < 0 || BarCount >= CbarTime)
        holdtimer->stop();
}
