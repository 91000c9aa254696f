// Print and Print Setup.
#include "editor/PrintCommands.h"

#include "editor/PainterPrintDevice.h"
#include "editor/PrintProgressDialog.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptPrintout.h"
#include "platform/MessageBoxes.h"
#include "platform/Printers.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QPainter>

PrintCommands::PrintCommands(ScriptEditor *editor, QWidget *owner, const Settings &settings,
                             QObject *parent)
    : QObject(parent), m_editor(editor), m_owner(owner), m_settings(settings) {}

void PrintCommands::print() {
    const int count = m_editor->lineCount();
    if (count == 0 && platform::MessageBoxes::confirm(QStringLiteral(
                          "Nothing to print.. . print it anyway?")) != platform::Answer::Yes)
        return;
    const QString base = QFileInfo(m_settings.scriptPath).completeBaseName();
    QPainter painter;
    if (!platform::Printers::beginJob(painter, (base.isEmpty() ? QStringLiteral("script") : base) +
                                                   QStringLiteral(".pdf")))
        return;
    PainterPrintDevice device(painter, m_editor->font(), m_editor->palette().color(QPalette::Text),
                              [&painter] { platform::Printers::abortJob(painter); });
    // Each display line whole, however long: sliced from the text between the starts of
    // this line and the next, without the line break.
    const QString text = m_editor->text();
    const auto line = [&](int i) {
        const int start = m_editor->lineIndex(i);
        const int end = i + 1 < count ? m_editor->lineIndex(i + 1) : int(text.size());
        QStringView piece = QStringView(text).mid(start, end - start);
        if (piece.endsWith(u"\r\n"))
            piece.chop(2);
        return piece.toString();
    };
    // A long script takes seconds: its progress shows meanwhile, with Cancel.
    PrintOutcome outcome;
    {
        PrintProgressDialog progress(m_owner, platform::Printers::jobDestination());
        outcome = printScript(device, count, line, m_settings.scriptPath,
                              [&progress](const PrintProgress &p) { return progress.update(p); });
    }
    if (outcome.cancelled) {
        platform::MessageBoxes::information(
            QStringLiteral("The print job was cancelled; nothing was printed."));
        return;
    }
    platform::Printers::endJob(painter);
}

void PrintCommands::printSetup() {
    platform::Printers::setup(m_owner);
}
