// Script files: New, Open, Save, Save As, the checks on an empty editor, and openafile with
// its statistics.
#include "app/Mainform.h"

#include "app/Configuration.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptText.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"

#include <QFileInfo>
#include <QTextDocument>

platform::FileDialogRequest TForm1::scriptOpenDialog() {
    platform::FileDialogRequest d;
    d.save = false;
    d.title = QStringLiteral("Open a Text file");
    d.filter = QStringLiteral("Text Type Files Only|*.txt");
    d.defaultExt = QStringLiteral("TXT");
    return d;
}

platform::FileDialogRequest TForm1::scriptSaveDialog() {
    platform::FileDialogRequest d;
    d.save = true;
    d.title = QStringLiteral("Save File");
    d.filter = QStringLiteral("Text Only|*.txt");
    d.defaultExt = QStringLiteral("TXT");
    return d;
}

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

// The editor's change handling marks it modified; LastFile, the save name, the word count
// and the status panels stay, so a later Save writes to the previous file's name.
void TForm1::New1Click() {
    const bool hadText = !Memo1->document()->isEmpty();
    Memo1->clear();
    if (hadText)
        Memo1->setModified(true);
    ScriptEncoding = platform::TextEncoding::Utf8;
}

void TForm1::Open1Click() {
    const std::optional<QString> chosen = platform::FileDialogs::run(OpenDialog1);
    if (!chosen)
        return;
    OpenDialog1.fileName = *chosen;
    const QString previous = LastFile;
    LastFile = *chosen;
    if (!openafile(LastFile)) {
        // Refused: nothing changes, not even the current file.
        LastFile = previous;
        return;
    }
    OpenDialog1.fileName.clear();
}

bool TForm1::openafile(const QString &path) {
    if (QFileInfo::exists(path)) {
        QString why;
        const std::optional<LoadedScript> script = loadScriptFile(path, &why);
        if (!script) {
            platform::MessageBoxes::error(QStringLiteral("Could not open %1\n%2").arg(path, why));
            return false;
        }
        Memo1->setText(script->text);
        ScriptEncoding = script->encoding;
        Memo1->setModified(false);
        LineCount = Memo1->lineCount();
        SaveDialog1.fileName = path;
        LastFile = path;
        // The default configuration remembers the script at once.
        const QString ini = platform::resolveConfigPath(
            QString::fromLatin1(platform::kDefaultConfigName),
            WindowsDir.isEmpty() ? platform::windowsDirectory() : WindowsDir);
        if (!app::rememberLastFile(ini, path))
            platform::MessageBoxes::error(app::unableToWrite(ini));
    }
    ScriptWordCount = 0;
    const int lines = Memo1->lineCount();
    for (int i = 0; i < lines; ++i)
        ScriptWordCount += countWords(QStringView(Memo1->line(i)));
    if (WordPerMinute == 0)
        WordPerMinute = 50;
    StatusBar1->setPanelText(1, QStringLiteral("Lines: %1").arg(lines));
    StatusBar1->setPanelText(2, QStringLiteral("Words: %1").arg(ScriptWordCount));
    StatusBar1->setPanelText(4, QFileInfo(path).fileName());
    return true;
}

void TForm1::Save1Click() {
    if (!Verify_Current_File())
        return;
    if (SaveDialog1.fileName.isEmpty())
        return;
    platform::TextEncoding used = ScriptEncoding;
    if (!saveScriptFile(SaveDialog1.fileName, Memo1->text(), ScriptEncoding, nullptr, &used)) {
        platform::MessageBoxes::error(QStringLiteral("File save problem, Try using [Save AS]"));
        return;
    }
    ScriptEncoding = used;
    Memo1->setModified(false);
}

bool TForm1::SaveAs1Click() {
    if (!Verify_Current_File())
        return false;
    const std::optional<QString> chosen = platform::FileDialogs::run(SaveDialog1);
    if (!chosen)
        return false;
    SaveDialog1.fileName = *chosen;
    platform::TextEncoding used = ScriptEncoding;
    if (!saveScriptFile(*chosen, Memo1->text(), ScriptEncoding, nullptr, &used)) {
        platform::MessageBoxes::error(QStringLiteral("File save problem, Try using [Save As]"));
        return false;
    }
    ScriptEncoding = used;
    Memo1->setModified(false);
    return true;
}

bool TForm1::loadEditorFromFile(const QString &path) {
    const std::optional<LoadedScript> script = loadScriptFile(path);
    if (!script)
        return false;
    Memo1->setText(script->text);
    ScriptEncoding = script->encoding;
    return true;
}
