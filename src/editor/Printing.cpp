// The main window's Print and Print Setup commands.
#include "app/Mainform.h"

#include "editor/PainterPrintDevice.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptPrintout.h"
#include "platform/MessageBoxes.h"
#include "platform/Printers.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

void TForm1::Print1Click() {
    const int count = Memo1->lineCount();
    if (count == 0 && platform::MessageBoxes::confirm(QStringLiteral(
                          "Nothing to print.. . print it anyway?")) != platform::Answer::Yes)
        return;
    const QString base = QFileInfo(LastFile).completeBaseName();
    QPainter painter;
    if (!platform::Printers::beginJob(painter, (base.isEmpty() ? QStringLiteral("script") : base) +
                                                   QStringLiteral(".pdf")))
        return;
    // A long script takes seconds: the pointer says so meanwhile.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PainterPrintDevice device(painter, Memo1->font(), Memo1->palette().color(QPalette::Text));
    // Each display line whole, however long: sliced from the text between the starts of
    // this line and the next, without the line break.
    const QString text = Memo1->text();
    const auto line = [&](int i) {
        const int start = Memo1->lineIndex(i);
        const int end = i + 1 < count ? Memo1->lineIndex(i + 1) : int(text.size());
        QStringView piece = QStringView(text).mid(start, end - start);
        if (piece.endsWith(u"\r\n"))
            piece.chop(2);
        return piece.toString();
    };
    printScript(device, count, line, LastFile);
    QGuiApplication::restoreOverrideCursor();
    platform::Printers::endJob(painter);
}

void TForm1::PrintSetup1Click() {
    platform::Printers::setup(this);
}
