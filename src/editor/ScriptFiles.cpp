// Script files: New, Open, Save, Save As, and the checks on an empty editor.
#include "app/Mainform.h"

#include "editor/ScriptEditor.h"
#include "platform/MessageBoxes.h"

#include <QFile>

bool TForm1::Verify_Current_File() {
    if (Memo1->lineCount() > 0)
        return true;
    platform::MessageBoxes::information(QStringLiteral("Nothing To Save"));
    return false;
}

bool TForm1::checkmemo() {
    if (Memo1->lineCount() == 0) {
        platform::MessageBoxes::information(QStringLiteral("Open a text file and try again"));
        return false;
    }
    LineCount = Memo1->lineCount();
    return true;
}

void TForm1::New1Click() {
    Memo1->clear();
}

// TODO(script files): Open, Save, Save As, openafile with encodings.
void TForm1::Open1Click() {}
void TForm1::Save1Click() {}
bool TForm1::SaveAs1Click() { return false; }
void TForm1::openafile(const QString &) {}

bool TForm1::loadEditorFromFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    Memo1->setText(QString::fromLatin1(f.readAll()));
    return true;
}
