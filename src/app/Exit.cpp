// Closing the main window and the two exit commands.
#include "app/Mainform.h"

#include "editor/ScriptEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QCloseEvent>

bool TForm1::FormCloseQuery() {
    return platform::MessageBoxes::confirm(QStringLiteral("Quit ZAL LectoScope-32 Now?")) ==
           platform::Answer::Yes;
}

bool TForm1::FormClose() {
    return Exit2Click();
}

// File menu "E&xit": ends at once, whatever the editor holds.
void TForm1::Exit1Click() {
    platform::terminateProgram(0);
}

// Menu bar "E&xit", and the last step of closing the window. The program ends unless the
// operator keeps it open: Cancel on the save question, or Yes and then a Save As that was
// cancelled or failed, leaves the program running with the text as it was.
bool TForm1::Exit2Click() {
    if (Memo1->isModified()) {
        const platform::Answer answer = platform::MessageBoxes::confirmCancel(
            QStringLiteral("Save lastest changes %1?").arg(LastFile));
        if (answer == platform::Answer::Cancel)
            return false;
        // An empty editor has nothing to lose: Save As only says "Nothing To Save".
        if (answer == platform::Answer::Yes && !SaveAs1Click() && Memo1->lineCount() > 0)
            return false;
    }
    platform::terminateProgram(0);
    return true;
}

void TForm1::closeEvent(QCloseEvent *event) {
    if (!FormCloseQuery() || !FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
}
