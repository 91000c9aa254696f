// The option dialogs of the main window: "Fading Options" ("Fade Titles ...") and the
// output window dialog ("Ad&just output window size", Ctrl+J). Each takes the settings in
// and hands the chosen ones back; they are applied here.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "app/RadioGroup.h"
#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/OutputAreaDialog.h"
#include "editor/ScriptEditor.h"
#include "platform/Screen.h"
#include "play/BlackScroll.h"

void TForm1::FadeTitles1Click() {
    if (!fadingOptionsDialog)
        return;
    FadingOptions s;
    s.fadeTitles = getfadesetupcheckbox1();
    s.fadeTwoLines = getfadesetupcheckbox2();
    s.fadeTvTitle = getfadesetupcheckbox3();
    s.fadeAntialias = getfadesetupcheckbox4();
    s.fadeHoldSeconds = FadeHoldTime;
    applyFadeSetup(fadingOptionsDialog->execute(s));
}

void TForm1::applyFadeSetup(const FadingOptionsResult &result) {
    const bool wasFading = FadeTitles;
    setfadesetupcheckbox1(result.values.fadeTitles);
    setfadesetupcheckbox2(result.values.fadeTwoLines);
    setfadesetupcheckbox3(result.values.fadeTvTitle);
    setfadesetupcheckbox4(result.values.fadeAntialias);
    FadeHoldTime = result.values.fadeHoldSeconds;
    // The window follows the fading switch; the summary texts show what is now set.
    if (FadeTitles != wasFading || result.closedBy == DialogClose::Cancel)
        setfadedefaults();
    ShowStats();
}

void TForm1::Adjustoutputwindowsize1Click() {
    if (!outputAreaDialog)
        return;
    OutputAreaRequest q;
    q.values.rect = {getleft(), gettop(), getright(), getbottom()};
    q.values.centerFade = CenterFade;
    q.values.lowerThird = LowerThird;
    q.values.screenResIndex = RadioGroup2->itemIndex();
    q.fadeMode = FadeTitles;
    q.editorPointSize = editorFontSize();
    q.editorWidth = Memo1->width();
    q.screen = platform::Screen::size();
    if (Form4)
        q.title = QSize(Form4->strip().strip().width(), Form4->strip().strip().height());
    applyOutputWindow(outputAreaDialog->execute(q));
}

void TForm1::applyOutputWindow(const OutputAreaResult &result) {
    const OutputAreaValues &v = result.values;
    setleft(v.rect.left);
    settop(v.rect.top);
    setright(v.rect.right);
    setbottom(v.rect.bottom);
    CenterFade = v.centerFade;
    LowerThird = v.lowerThird;
    if (RadioGroup2->itemIndex() != v.screenResIndex)
        RadioGroup2->setItemIndex(v.screenResIndex);
    ShowStats();
    // OK in output mode gives the editor half the output width.
    if (result.closedBy == DialogClose::Ok && result.editorWidth != Memo1->width()) {
        Memo1->resize(result.editorWidth, Memo1->height());
        MainFormResize();
    }
}
