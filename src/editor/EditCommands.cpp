// The Edit menu: undo, the clipboard, and the line-by-line Find and the whole-text Replace
// with their modeless dialogs.
#include "editor/EditCommands.h"

#include "editor/ScriptEditor.h"
#include "editor/ScriptSearch.h"
#include "platform/FindDialog.h"
#include "platform/MessageBoxes.h"

#include <QTextCursor>

EditCommands::EditCommands(ScriptEditor *editor, QWidget *owner, platform::FindDialog *findDialog,
                           platform::FindDialog *replaceDialog, std::function<void()> caretMoved,
                           QObject *parent)
    : QObject(parent), m_editor(editor), m_owner(owner), m_findDialog(findDialog),
      m_replaceDialog(replaceDialog), m_caretMoved(std::move(caretMoved)) {
    // Opening or closing the find dialog starts the search at the top, opening the replace
    // dialog empties its replace text.
    connect(m_findDialog, &platform::FindDialog::opened, this, &EditCommands::restartFind);
    connect(m_findDialog, &platform::FindDialog::findNext, this, &EditCommands::findNext);
    connect(m_findDialog, &QDialog::finished, this, &EditCommands::restartFind);
    connect(m_replaceDialog, &platform::FindDialog::opened, this,
            [this] { m_replaceDialog->setReplaceText(QString()); });
    // Find Next and Replace replace the first occurrence, Replace All every one.
    for (auto signal : {&platform::FindDialog::findNext, &platform::FindDialog::replace})
        connect(m_replaceDialog, signal, this, [this] { replaceText(false); });
    connect(m_replaceDialog, &platform::FindDialog::replaceAll, this,
            [this] { replaceText(true); });
}

void EditCommands::undo() {
    m_editor->undo();
}

void EditCommands::cut() {
    m_editor->cut();
}

void EditCommands::copy() {
    m_editor->copy();
}

void EditCommands::paste() {
    m_editor->paste();
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

void EditCommands::find() {
    placeDialog(m_findDialog, m_owner);
    m_findDialog->execute();
}

void EditCommands::findNext() {
    const int line = scriptsearch::findLine(
        m_editor->displayLines(), m_editor->documentText(), m_findDialog->findText(),
        m_findFromLine, m_findDialog->matchCase() ? Qt::CaseSensitive : Qt::CaseInsensitive);
    if (line < 0) {
        platform::MessageBoxes::information(
            scriptsearch::notFoundMessage(m_findDialog->findText()));
        return;
    }
    m_findFromLine = line + 1;
    m_owner->activateWindow();
    m_editor->setFocus();
    m_editor->selectLine(line);
    m_caretMoved();
}

void EditCommands::replace() {
    placeDialog(m_replaceDialog, m_owner);
    m_replaceDialog->execute();
}

void EditCommands::replaceText(bool everyOccurrence) {
    const auto replace = everyOccurrence ? &scriptsearch::replaceAll : &scriptsearch::replaceFirst;
    const scriptsearch::ReplaceResult result =
        replace(m_editor->document(), m_editor->documentText(), m_replaceDialog->findText(),
                m_replaceDialog->replaceText());
    if (result.outcome != scriptsearch::ReplaceResult::Replaced) {
        platform::MessageBoxes::information(result.message);
        return;
    }
    m_owner->activateWindow();
    m_editor->setFocus();
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(result.position + result.length);
    m_editor->setTextCursor(cursor);
    m_caretMoved();
}
