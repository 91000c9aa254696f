#pragma once

#include "platform/FileDialogs.h"
#include "platform/TextCodec.h"

#include <QObject>

#include <functional>

class ScriptEditor;
class StatusBar;
class StatusProgress;
struct Settings;

// The script files: New, Open, Save and Save As, loading a script into the editor, the checks
// on an empty editor, and the status panels that count the script's lines and words and show
// the caret's line.
class ScriptFileCommands : public QObject {
    Q_OBJECT
public:
    // rememberScript runs whenever a script is opened: the default configuration names it.
    ScriptFileCommands(ScriptEditor *editor, StatusBar *statusBar, Settings &settings,
                       std::function<void(const QString &path)> rememberScript,
                       QObject *parent = nullptr);

    void newScript();
    void openScript();
    void saveScript();
    // True when the text was written.
    bool saveScriptAs();
    // Opens a script file, or (when it does not exist) only counts the editor's words; false
    // (nothing changed, error shown) when the file exists but cannot be read.
    bool openScriptFile(const QString &path);
    // Opens a script file as Open does, without a word when it cannot be read (false, nothing
    // changed): the script named on the command line.
    bool openReadableScript(const QString &path);
    // Loads a script file into the editor as plain text; false (editor unchanged) on failure.
    bool loadEditorFromFile(const QString &path);
    // False, after saying so, when the editor holds nothing to save or to play.
    bool hasTextToSave();
    bool checkScript();

    // The caret's line in the status bar; it is remembered too. 0 for an empty editor, which
    // changes nothing.
    int showCaretLine();
    int caretLine() const { return m_caretLine; }
    void setCaretLine(int line) { m_caretLine = line; }

    // The lines counted when the script was last checked or opened, and its words.
    int lineCount() const { return m_lineCount; }
    int wordCount() const { return m_wordCount; }
    void setWordCount(int words) { m_wordCount = words; }

    // The open and save dialogs of scripts; their file names are remembered between uses (the
    // save dialog's is the current save name). The configuration commands borrow both.
    platform::FileDialogRequest &openRequest() { return m_openRequest; }
    platform::FileDialogRequest &saveRequest() { return m_saveRequest; }
    static platform::FileDialogRequest openRequestDefaults();
    static platform::FileDialogRequest saveRequestDefaults();

private:
    void adoptScript(const QString &path, const QString &text, platform::TextEncoding encoding,
                     StatusProgress &progress);
    void showCounts(const QString &path, StatusProgress &progress);
    void startInScriptFolder(platform::FileDialogRequest &request) const;

    ScriptEditor *m_editor;
    StatusBar *m_statusBar;
    Settings &m_settings;
    std::function<void(const QString &)> m_rememberScript;
    platform::FileDialogRequest m_openRequest = openRequestDefaults();
    platform::FileDialogRequest m_saveRequest = saveRequestDefaults();
    // The encoding the script was read in; it is saved back in the same one.
    platform::TextEncoding m_encoding = platform::TextEncoding::Utf8;
    int m_lineCount = 0;
    int m_wordCount = 0;
    int m_caretLine = 0;
};
