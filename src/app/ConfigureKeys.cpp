// "Confi&gure Keys...": the steps by which the play keys change the delay.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "dialogs/TConfigKeys.h"

void TForm1::ConfigureKeys1Click() {
    if (!ConfigKeys)
        return;
    const KeyIncrements kept = ConfigKeys->execute({PgJumpAmt, ArrowAmt});
    PgJumpAmt = kept.pgJumpAmt;
    ArrowAmt = kept.arrowAmt;
}
