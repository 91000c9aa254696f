#include "platform/Printers.h"

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>

namespace platform {
namespace {
std::unique_ptr<QPrinter> g_current;
std::unique_ptr<QPrinter> g_filePrinter; // a job sent to a PDF file for want of a printer
bool g_scripted = false;
QQueue<std::optional<QString>> g_setupAnswers;
int g_setupRequests = 0;

// The job under way: the printer and, for a file, the file and the temporary one written.
QPrinter *g_jobPrinter = nullptr;
QString g_jobTarget;
QString g_jobTemporary;

void printToFile(QPrinter &printer, const QString &path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

// A printer of the system, or a file named for the output.
bool canPrint(const QPrinter &printer) {
    return !printer.outputFileName().isEmpty() ||
           (printer.outputFormat() == QPrinter::NativeFormat && printer.isValid());
}

// A free name beside path for the temporary file ("" when the folder cannot take one).
QString temporaryBeside(const QString &path) {
    const QFileInfo info(path);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                        QStringLiteral(".XXXXXX.pdf"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}
// A PDF ends with its end-of-file marker once it has been written whole.
bool writtenWhole(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

// Ends the job's bookkeeping: a complete file job replaces its file in one step; the
// temporary file never stays.
bool finishJob(bool complete) {
    bool ok = complete;
    if (g_jobPrinter && !g_jobTarget.isEmpty()) {
        g_jobPrinter->setOutputFileName(g_jobTarget);
        if (ok) {
            ok = writtenWhole(g_jobTemporary) &&
                 std::rename(QFile::encodeName(g_jobTemporary).constData(),
                             QFile::encodeName(g_jobTarget).constData()) == 0;
            if (!ok)
                MessageBoxes::error(QStringLiteral("Cannot write ") + g_jobTarget);
        }
        QFile::remove(g_jobTemporary);
    }
    g_jobPrinter = nullptr;
    g_jobTarget.clear();
    g_jobTemporary.clear();
    return ok;
}
} // namespace

QPrinter &Printers::current() {
    if (!g_current) {
        g_current = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (g_scripted)
            printToFile(*g_current, QString());
    }
    return *g_current;
}

void Printers::setup(QWidget *parent) {
    ++g_setupRequests;
    if (g_scripted) {
        const std::optional<QString> answer =
            g_setupAnswers.isEmpty() ? std::nullopt : g_setupAnswers.dequeue();
        if (answer)
            printToFile(current(), *answer);
        return;
    }
    QPrintDialog dialog(&current(), parent);
    dialog.exec();
}

bool Printers::beginJob(QPainter &painter, const QString &suggestedName) {
    QPrinter *printer = &current();
    if (!canPrint(*printer)) {
        if (MessageBoxes::confirm(QStringLiteral(
                "No printer is installed. Print to a PDF file instead?")) != Answer::Yes)
            return false;
        FileDialogRequest request;
        request.save = true;
        request.title = QStringLiteral("Print to File");
        request.filter = QStringLiteral("PDF Files|*.pdf");
        request.defaultExt = QStringLiteral("PDF");
        request.fileName = suggestedName;
        const std::optional<QString> path = FileDialogs::run(request);
        if (!path)
            return false;
        g_filePrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        g_filePrinter->setPageLayout(printer->pageLayout());
        printToFile(*g_filePrinter, *path);
        printer = g_filePrinter.get();
    }
    g_jobPrinter = printer;
    g_jobTarget = printer->outputFileName();
    g_jobTemporary.clear();
    if (!g_jobTarget.isEmpty()) {
        g_jobTemporary = temporaryBeside(g_jobTarget);
        if (g_jobTemporary.isEmpty()) {
            MessageBoxes::error(QStringLiteral("Cannot write ") + g_jobTarget);
            return false;
        }
        printer->setOutputFileName(g_jobTemporary);
    }
    if (painter.begin(printer))
        return true;
    finishJob(false);
    MessageBoxes::error(QStringLiteral("The printer could not start the job."));
    return false;
}

bool Printers::endJob(QPainter &painter) {
    return finishJob(painter.isActive() && painter.end());
}

void Printers::abortJob(QPainter &painter) {
    // A PDF engine cannot abort; its temporary file goes when the bookkeeping ends.
    if (g_jobPrinter && g_jobTarget.isEmpty())
        g_jobPrinter->abort();
    if (painter.isActive())
        painter.end();
    finishJob(false);
}

QString Printers::jobDestination() {
    if (!g_jobPrinter)
        return QString();
    return g_jobTarget.isEmpty() ? g_jobPrinter->printerName() : QFileInfo(g_jobTarget).fileName();
}

void Printers::scripted(const QList<std::optional<QString>> &setupAnswers) {
    g_scripted = true;
    g_current.reset();
    g_setupAnswers.clear();
    for (const auto &a : setupAnswers)
        g_setupAnswers.enqueue(a);
    g_setupRequests = 0;
}

void Printers::unscripted() {
    g_scripted = false;
    g_current.reset();
    g_setupAnswers.clear();
}

int Printers::setupRequests() {
    return g_setupRequests;
}

} // namespace platform
