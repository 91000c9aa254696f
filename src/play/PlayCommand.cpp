// The Play command and the main window's copies of the busy-wait and the retrace wait.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "editor/ScriptEditor.h"
#include "platform/Colors.h"
#include "platform/MessageBoxes.h"
#include "platform/Retrace.h"
#include "platform/Screen.h"
#include "play/BlackScroll.h"
#include "play/BusyWait.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QToolButton>

namespace {

// One pass of the play: fade titles when they are on and the fade pass is there, else the
// scrolling pass with the main window's switches.
void runOnePass(TForm1 *m, TForm4 *w) {
    if (m->FadeTitles && w->fadetitles) {
        w->fadetitles();
        return;
    }
    w->Form4Startup(m->TVTitle1->isChecked(), m->CenterText1->isChecked(),
                    m->ReverseButton->isChecked(), m->Calibrating);
}

} // namespace

void TForm1::RunTelePrompter1Click() {
    LoopRunning = false;
    if (!checkmemo())
        return;
    TForm4 *w = Form4;
    if (!w)
        return;
    // Room for the centre marker, kept in the settings.
    if (S_Left == 0 && CtrMarkerCheckbox->isChecked())
        S_Left = 15;

    // The output rectangle of this play; window mode leaves room for the operator panel
    // without changing the stored rectangle.
    const QSize screen = platform::Screen::size();
    w->OutLeft = S_Left;
    w->OutTop = S_Top;
    w->OutBottom = S_Bottom;
    if (VideoMode1->isChecked()) {
        w->OutRight = S_Right;
    } else {
        w->OutRight = S_Right - 55;
        w->Panel1->hide();
        w->Panel1->setGeometry(screen.width() - 50, 4, 50, screen.height() - 8);
    }

    // The play window covers the screen.
    w->setCursor(Qt::BlankCursor);
    w->setVisible(false);
    w->setGeometry(QRect(QPoint(0, 0), screen));
    if (w->surface().size() != screen)
        w->surface().resize(screen, platform::toQColor(FormColor).rgb());
    w->setEnabled(true);
    w->setColor(FormColor);
    w->setBrushColor(FormColor);
    w->strip().setColors(DisPlaColor, FormColor);
    w->Reversed = false;
    w->invalidate();
    w->show();
    w->activateWindow();

    if (!LoopMode1->isChecked()) {
        runOnePass(this, w);
        return;
    }
    LoopRunning = true;
    while (LoopRunning) {
        runOnePass(this, w);
        // An operator exit ends the whole repetition at once.
        if (!LoopRunning)
            break;
        if (StartfromCursor1->isChecked())
            continue;
        if (!QFileInfo(LastFile).isFile())
            continue; // the next pass plays the editor's text as it is
        // Reloading replaces the editor's text: text the operator has changed and not
        // saved is played as it stands instead of being thrown away.
        if (Memo1->isModified())
            continue;
        Memo1->clear();
        if (!loadEditorFromFile(LastFile)) {
            platform::MessageBoxes::information(QStringLiteral("Cant reload txt file: ") +
                                                LastFile);
            Memo1->clear();
            LoopRunning = false;
            break;
        }
        Memo1->setModified(false);
        if (!checkmemo()) {
            LoopRunning = false;
            break;
        }
    }
}

void TForm1::PlaybuttonClick() {
    RunTelePrompter1Click();
}

void TForm1::vdelayit(int n) {
    ::vdelayit(n);
}

void TForm1::chkcrt() {
    // Only where the display offers a real vertical-blank wait (RetracePort set at start).
    if (RetracePort == 0)
        return;
    platform::Retrace::wait();
}
