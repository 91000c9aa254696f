#include "app/Forms.h"

#include "app/Mainform.h"
#include "dialogs/TConfigKeys.h"
#include "dialogs/TFadeSetup.h"
#include "dialogs/TForm2.h"
#include "dialogs/TbFontForm.h"
#include "media/Tform8.h"
#include "play/BlackScroll.h"
#include "preroll/TBconfig.h"
#include "preroll/TForm5.h"
#include "sysinfo/Tdechk.h"

TForm1 *Form1 = nullptr;
TFadeSetup *FadeSetup = nullptr;
TForm5 *Form5 = nullptr;
TBconfig *Bconfig = nullptr;
TbFontForm *bFontForm = nullptr;
TForm4 *Form4 = nullptr;
Tdechk *dechk = nullptr;
Tform8 *form8 = nullptr;
TConfigKeys *ConfigKeys = nullptr;
TForm2 *Form2 = nullptr;

namespace app {

bool createWindows(const QStringList &arguments) {
    Form1 = new TForm1;
    Form1->CommandLine = arguments;
    if (!Form1->FormCreate())
        return false;
    FadeSetup = new TFadeSetup(Form1);
    Form5 = new TForm5(Form1, Form1->underAutoTimerPanel());
    Bconfig = new TBconfig(Form1, Form1->underAutoTimerPanel());
    bFontForm = new TbFontForm(Form1);
    Form4 = new TForm4(Form1);
    Form4->FormCreate();
    dechk = new Tdechk(Form1);
    form8 = new Tform8;
    ConfigKeys = new TConfigKeys(Form1, Form1->underAutoTimerPanel());
    Form2 = new TForm2(Form1);
    return true;
}

void destroyWindows() {
    delete Form2;
    Form2 = nullptr;
    delete ConfigKeys;
    ConfigKeys = nullptr;
    delete form8;
    form8 = nullptr;
    delete dechk;
    dechk = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete bFontForm;
    bFontForm = nullptr;
    delete Bconfig;
    Bconfig = nullptr;
    delete Form5;
    Form5 = nullptr;
    delete FadeSetup;
    FadeSetup = nullptr;
    delete Form1;
    Form1 = nullptr;
}

} // namespace app
