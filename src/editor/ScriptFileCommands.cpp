// Script files: New, Open, Save, Save As, the checks on an empty editor, and openScriptFile with
// its statistics.
#include "editor/ScriptFileCommands.h"

#include "editor/ScriptEditor.h"
#include "editor/ScriptText.h"
#include "editor/StatusProgress.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/StatusBar.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QTextDocument>

ScriptFileCommands::ScriptFileCommands(ScriptEditor *editor, StatusBar *statusBar,
                                       Settings &settings,
                                       std::function<void(const QString &path)> rememberScript,
                                       QObject *parent)
    : QObject(parent), m_editor(editor), m_statusBar(statusBar), m_settings(settings),
      m_rememberScript(std::move(rememberScript)) {}

platform::FileDialogRequest ScriptFileCommands::openRequestDefaults() {
    platform::FileDialogRequest d;
    d.save = false;
    d.title = QStringLiteral("Open a Text file");
    d.filter = QStringLiteral("Text Type Files Only|*.txt");
    d.defaultExt = QStringLiteral("TXT");
    return d;
}

platform::FileDialogRequest ScriptFileCommands::saveRequestDefaults() {
    platform::FileDialogRequest d;
    d.save = true;
    d.title = QStringLiteral("Save File");
    d.filter = QStringLiteral("Text Only|*.txt");
    d.defaultExt = QStringLiteral("TXT");
    return d;
}

bool ScriptFileCommands::hasTextToSave() {
    if (m_editor->lineCount() > 0)
        return true;
    platform::MessageBoxes::information(QStringLiteral("Nothing To Save"));
    return false;
}

bool ScriptFileCommands::checkScript() {
    if (m_editor->lineCount() == 0) {
        platform::MessageBoxes::information(QStringLiteral("Open a text file and try again"));
        return false;
    }
    m_lineCount = m_editor->lineCount();
    return true;
}

// The editor's change handling marks it modified; LastFile, the save name, the word count
// and the status panels stay, so a later Save writes to the previous file's name.
void ScriptFileCommands::newScript() {
    const bool hadText = !m_editor->document()->isEmpty();
    m_editor->clear();
    if (hadText)
        m_editor->setModified(true);
    m_encoding = platform::TextEncoding::Utf8;
}

// The open and save dialogs start in the folder of the current script.
void ScriptFileCommands::startInScriptFolder(platform::FileDialogRequest &request) const {
    if (!m_settings.scriptPath.isEmpty())
        request.folder = QFileInfo(m_settings.scriptPath).absolutePath();
}

void ScriptFileCommands::openScript() {
    startInScriptFolder(m_openRequest);
    const std::optional<QString> chosen = platform::FileDialogs::run(m_openRequest);
    if (!chosen)
        return;
    m_openRequest.fileName = *chosen;
    const QString previous = m_settings.scriptPath;
    m_settings.scriptPath = *chosen;
    if (!openScriptFile(m_settings.scriptPath)) {
        // Refused: nothing changes, not even the current file.
        m_settings.scriptPath = previous;
        return;
    }
    m_openRequest.fileName.clear();
}

bool ScriptFileCommands::openScriptFile(const QString &path) {
    // A huge script takes seconds to count (a 5 MB one with word wrap): the status bar
    // shows how far it has come.
    StatusProgress progress(m_statusBar);
    if (QFileInfo::exists(path)) {
        QString why;
        const std::optional<LoadedScript> script = loadScriptFile(path, &why);
        if (!script) {
            platform::MessageBoxes::error(QStringLiteral("Could not open %1\n%2").arg(path, why));
            return false;
        }
        adoptScript(path, script->text, script->encoding, progress);
    }
    showCounts(path, progress);
    return true;
}

bool ScriptFileCommands::openReadableScript(const QString &path) {
    const std::optional<LoadedScript> script = loadScriptFile(path);
    if (!script)
        return false;
    StatusProgress progress(m_statusBar);
    adoptScript(path, script->text, script->encoding, progress);
    showCounts(path, progress);
    return true;
}

// The read script becomes the editor's text, unmodified, the save name and the
// configuration's last file.
void ScriptFileCommands::adoptScript(const QString &path, const QString &text,
                                     platform::TextEncoding encoding, StatusProgress &progress) {
    m_editor->setText(text);
    m_encoding = encoding;
    m_editor->setModified(false);
    m_editor->countLines([&progress](int done, int total) {
        progress.update(QStringLiteral("Counting lines"), done, total);
    });
    m_lineCount = m_editor->lineCount();
    m_saveRequest.fileName = path;
    m_settings.scriptPath = path;
    // The default configuration remembers the script at once.
    m_rememberScript(path);
}

// The editor's lines and words, and the script's name, in the status bar.
void ScriptFileCommands::showCounts(const QString &path, StatusProgress &progress) {
    m_wordCount = 0;
    const int lines = m_editor->lineCount();
    for (int i = 0; i < lines; ++i) {
        m_wordCount += countWords(QStringView(m_editor->line(i)));
        progress.update(QStringLiteral("Counting words"), i, lines);
    }
    if (m_settings.wordsPerMinute == 0)
        m_settings.wordsPerMinute = 50;
    m_statusBar->setPanelText(1, QStringLiteral("Lines: %1").arg(lines));
    m_statusBar->setPanelText(2, QStringLiteral("Words: %1").arg(m_wordCount));
    m_statusBar->setPanelText(4, QFileInfo(path).fileName());
}

void ScriptFileCommands::saveScript() {
    if (!hasTextToSave())
        return;
    if (m_saveRequest.fileName.isEmpty())
        return;
    platform::TextEncoding used = m_encoding;
    if (!saveScriptFile(m_saveRequest.fileName, m_editor->text(), m_encoding, nullptr, &used)) {
        platform::MessageBoxes::error(QStringLiteral("File save problem, Try using [Save AS]"));
        return;
    }
    m_encoding = used;
    m_editor->setModified(false);
}

bool ScriptFileCommands::saveScriptAs() {
    if (!hasTextToSave())
        return false;
    startInScriptFolder(m_saveRequest);
    const std::optional<QString> chosen = platform::FileDialogs::run(m_saveRequest);
    if (!chosen)
        return false;
    m_saveRequest.fileName = *chosen;
    platform::TextEncoding used = m_encoding;
    if (!saveScriptFile(*chosen, m_editor->text(), m_encoding, nullptr, &used)) {
        platform::MessageBoxes::error(QStringLiteral("File save problem, Try using [Save As]"));
        return false;
    }
    m_encoding = used;
    m_editor->setModified(false);
    return true;
}

bool ScriptFileCommands::loadEditorFromFile(const QString &path) {
    const std::optional<LoadedScript> script = loadScriptFile(path);
    if (!script)
        return false;
    m_editor->setText(script->text);
    m_encoding = script->encoding;
    return true;
}

int ScriptFileCommands::showCaretLine() {
    if (m_editor->lineCount() == 0)
        return 0;
    const int n = m_editor->caretLine();
    m_statusBar->setPanelText(0, QStringLiteral("Line: %1").arg(n));
    m_statusBar->setPanelText(1, QStringLiteral("Lines: %1").arg(m_editor->lineCount()));
    m_caretLine = n;
    return n;
}
