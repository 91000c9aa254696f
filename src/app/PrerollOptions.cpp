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

void TForm1::ChromacheckClick() {
    QPalette pal = Memo1->palette();
    if (Chromacheck->isChecked()) {
        pal.setColor(QPalette::Text, platform::toQColor(DisPlaColor));
        pal.setColor(QPalette::Base, platform::toQColor(FormColor));
    } else {
        pal.setColor(QPalette::Text, Qt::black);
        pal.setColor(QPalette::Base, Qt::white);
    }
    Memo1->setPalette(pal);
}

void TForm1::holdtimerTimer() {
    BarCount = static_cast<qint8>(BarCount + 1);
    // The hold is over (or its count ran over): no further tick before the loop sees it.
    if (BarCount < 0 || BarCount >= CbarTime)
        holdtimer->stop();
}
