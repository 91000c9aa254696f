// "Confi&gure Keys...": the steps by which the play keys change the delay.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "dialogs/KeyStepsDialog.h"

void TForm1::ConfigureKeys1Click() {
    if (!keyStepsDialog)
        return;
    const KeySteps kept = keyStepsDialog->execute({PgJumpAmt, ArrowAmt});
    PgJumpAmt = kept.pageStep;
    ArrowAmt = kept.arrowStep;
}
