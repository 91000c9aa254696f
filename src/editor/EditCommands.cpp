// The Edit menu: undo, the clipboard, and the line-by-line Find and the whole-text Replace
// with their modeless dialogs.
#include "app/Mainform.h"

#include "editor/ScriptEditor.h"
#include "editor/ScriptSearch.h"
#include "platform/FindDialog.h"
#include "platform/MessageBoxes.h"

#include <QTextCursor>

void TForm1::Undo1Click() {
    Memo1->undo();
}

void TForm1::Cut1Click() {
    Memo1->cut();
}

void TForm1::Copy1Click() {
    Memo1->copy();
}

void TForm1::Paste1Click() {
    Memo1->paste();
}

namespace {
// A dialog opening for the first time stands over the main window's right-hand column,
// clear of the editor's text.
void placeDialog(QWidget *dialog, QWidget *owner) {
    if (dialog->isVisible())
        return;
    const QSize size = dialog->sizeHint();
    dialog->move(owner->mapToGlobal(QPoint(owner->width() - size.width() - 20, 80)));
}
} // namespace

void TForm1::Find1Click() {
    placeDialog(FindDialog1, this);
    FindDialog1->execute();
}

// Find Next: the first line from FindNextLine on that holds the text is selected whole; the
// next search starts below it. No match changes nothing, and the search never wraps.
void TForm1::FindDialog1Find() {
    const int line = scriptsearch::findLine(Memo1->displayLines(), Memo1->documentText(),
                                            FindDialog1->findText(), FindNextLine);
    if (line < 0)
        return;
    FindNextLine = line + 1;
    activateWindow();
    Memo1->setFocus();
    Memo1->selectLine(line);
    GetCurrentLineNumber();
}

// Opening or closing the find dialog starts the next search at the top.
void TForm1::FindDialog1Close() {
    FindNextLine = 0;
}

void TForm1::replacetextClick() {
    placeDialog(ReplaceDialog1, this);
    ReplaceDialog1->execute();
}

// Find Next, Replace and Replace All alike replace the first occurrence in the whole text.
void TForm1::ReplaceDialog1Replace() {
    const scriptsearch::ReplaceResult result =
        scriptsearch::replaceFirst(Memo1->document(), Memo1->documentText(),
                                   ReplaceDialog1->findText(), ReplaceDialog1->replaceText());
    if (result.outcome != scriptsearch::ReplaceResult::Replaced) {
        platform::MessageBoxes::information(result.message);
        return;
    }
    activateWindow();
    Memo1->setFocus();
    QTextCursor cursor = Memo1->textCursor();
    cursor.setPosition(result.position + result.length);
    Memo1->setTextCursor(cursor);
    GetCurrentLineNumber();
}
