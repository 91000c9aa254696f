#pragma once

#include <QObject>

#include <functional>

class QWidget;
class ScriptEditor;
namespace platform {
class FindDialog;
}

// The Edit menu: undo, the clipboard, and the line-by-line Find and the whole-text Replace
// with their modeless dialogs.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // owner: the window the dialogs stand over and that is activated after a match;
    // caretMoved runs when a find or a replace moves the caret.
    EditCommands(ScriptEditor *editor, QWidget *owner, platform::FindDialog *findDialog,
                 platform::FindDialog *replaceDialog, std::function<void()> caretMoved,
                 QObject *parent = nullptr);

    void undo();
    void cut();
    void copy();
    void paste();
    void find();
    // Find Next: the first line from findFromLine on that holds the text is selected whole;
    // the next search starts below it. No match changes nothing, and the search never wraps.
    void findNext();
    // Opening or closing the find dialog starts the next search at the top.
    void restartFind() { m_findFromLine = 0; }
    int findFromLine() const { return m_findFromLine; }
    void replace();
    // Replaces the first occurrence in the whole text (Find Next, Replace), or every one
    // (Replace All).
    void replaceText(bool everyOccurrence);

private:
    ScriptEditor *m_editor;
    QWidget *m_owner;
    platform::FindDialog *m_findDialog;
    platform::FindDialog *m_replaceDialog;
    std::function<void()> m_caretMoved;
    int m_findFromLine = 0;
};
