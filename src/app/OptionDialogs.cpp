// The option dialogs of the main window: "Fading Options" ("Fade Titles ...") and the
// output window dialog ("Ad&just output window size", Ctrl+J). Each takes the settings in
// and hands the chosen ones back; they are applied here.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "app/RadioGroup.h"
#include "dialogs/TFadeSetup.h"
#include "dialogs/TForm2.h"
#include "editor/ScriptEditor.h"
#include "platform/Screen.h"
#include "play/BlackScroll.h"

void TForm1::FadeTitles1Click() {
    if (!FadeSetup)
        return;
    FadeSettings s;
    s.FadeTitles = getfadesetupcheckbox1();
    s.FadeTwoline = getfadesetupcheckbox2();
    s.FadeTVTitle = getfadesetupcheckbox3();
    s.FadeAnti = getfadesetupcheckbox4();
    s.FadeHoldTime = FadeHoldTime;
    applyFadeSetup(FadeSetup->execute(s));
}

void TForm1::applyFadeSetup(const FadeSetupResult &result) {
    const bool wasFading = FadeTitles;
    setfadesetupcheckbox1(result.values.FadeTitles);
    setfadesetupcheckbox2(result.values.FadeTwoline);
    setfadesetupcheckbox3(result.values.FadeTVTitle);
    setfadesetupcheckbox4(result.values.FadeAnti);
    FadeHoldTime = result.values.FadeHoldTime;
    // The window follows the fading switch; the summary texts show what is now set.
    if (FadeTitles != wasFading || result.closedBy == DialogClose::Cancel)
        setfadedefaults();
    ShowStats();
}

void TForm1::Adjustoutputwindowsize1Click() {
    if (!Form2)
        return;
    OutputWindowRequest q;
    q.values.rect = {getleft(), gettop(), getright(), getbottom()};
    q.values.CenterFade = CenterFade;
    q.values.LowerThird = LowerThird;
    q.values.screenResIndex = RadioGroup2->itemIndex();
    q.fadeMode = FadeTitles;
    q.editorPointSize = editorFontSize();
    q.editorWidth = Memo1->width();
    q.screen = platform::Screen::size();
    if (Form4)
        q.title = QSize(Form4->strip().strip().width(), Form4->strip().strip().height());
    applyOutputWindow(Form2->execute(q));
}

void TForm1::applyOutputWindow(const OutputWindowResult &result) {
    const OutputWindowValues &v = result.values;
    setleft(v.rect.left);
    settop(v.rect.top);
    setright(v.rect.right);
    setbottom(v.rect.bottom);
    CenterFade = v.CenterFade;
    LowerThird = v.LowerThird;
    if (RadioGroup2->itemIndex() != v.screenResIndex)
        RadioGroup2->setItemIndex(v.screenResIndex);
    ShowStats();
    // OK in output mode gives the editor half the output width.
    if (result.closedBy == DialogClose::Ok && result.editorWidth != Memo1->width()) {
        Memo1->resize(result.editorWidth, Memo1->height());
        MainFormResize();
    }
}
