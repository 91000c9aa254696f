#include "platform/Printers.h"

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QQueue>
#include <QTemporaryFile>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace platform {
namespace {
std::unique_ptr<QPrinter> g_current;
std::unique_ptr<QPrinter> g_filePrinter; // a job sent to a PDF file for want of a printer
bool g_scripted = false;
QQueue<std::optional<QString>> g_setupAnswers;
int g_setupRequests = 0;

// A job for a printer of the system is spooled to a PDF file of its own and handed to the
// printing system (lp) only once it is complete: a cancelled job never reaches the printer.
// (Qt's own printer job cannot be aborted: it is sent whenever its painter ends.)
std::unique_ptr<QPrinter> g_spoolPrinter;

// The job under way: the printer and, for a file, the file and the temporary one written;
// for a printer of the system, its name and the arguments that hand the spool file to it.
QPrinter *g_jobPrinter = nullptr;
QString g_jobTarget;
QString g_jobTemporary;
QString g_jobPrinterName;
QStringList g_jobSpoolArguments;

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

// The temporary file is made readable by its owner only; the finished file takes the
// permissions of the file it replaces, or those any new file of the program gets (the umask's).
bool giveFilePermissions(const QString &temporary, const QString &target) {
    struct stat old {};
    mode_t mode = 0;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    return ::chmod(QFile::encodeName(temporary).constData(), mode) == 0;
}

// lp's arguments for a job on printer, with the choices of print setup that Qt would hand
// the printing system itself.
QStringList spoolArguments(QPrinter &printer, const QString &title) {
    QStringList arguments;
    if (!printer.printerName().isEmpty())
        arguments << QStringLiteral("-d") << printer.printerName();
    arguments << QStringLiteral("-t") << title;
    arguments << QStringLiteral("-o")
              << QStringLiteral("media=") + printer.pageLayout().pageSize().key();
    if (printer.copyCount() > 1) {
        arguments << QStringLiteral("-n") << QString::number(printer.copyCount());
        if (printer.collateCopies())
            arguments << QStringLiteral("-o") << QStringLiteral("Collate=True");
    }
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-long-edge");
        break;
    case QPrinter::DuplexShortSide:
        arguments << QStringLiteral("-o") << QStringLiteral("sides=two-sided-short-edge");
        break;
    default:
        break;
    }
    // The print dialog's further options, as name and value one after the other, under the
    // key Qt's printing system keeps them (not public in Qt 6.4).
    constexpr auto kPrintSystemOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    const QStringList options = printer.printEngine()->property(kPrintSystemOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        arguments << QStringLiteral("-o") << options[i] + u'=' + options[i + 1];
    return arguments;
}

// Ends the job's bookkeeping: a complete file job replaces its file in one step, a complete
// spooled job goes to its printer; the temporary file never stays.
bool finishJob(bool complete) {
    bool ok = complete;
    if (g_jobPrinter && !g_jobSpoolArguments.isEmpty()) {
        if (ok) {
            ok =
                writtenWhole(g_jobTemporary) &&
                QProcess::execute(QStringLiteral("lp"), g_jobSpoolArguments << QStringLiteral("--")
                                                                            << g_jobTemporary) == 0;
            if (!ok)
                MessageBoxes::error(QStringLiteral("The printer could not print the job."));
        }
        QFile::remove(g_jobTemporary);
    } else if (g_jobPrinter && !g_jobTarget.isEmpty()) {
        g_jobPrinter->setOutputFileName(g_jobTarget);
        if (ok) {
            ok = writtenWhole(g_jobTemporary) && giveFilePermissions(g_jobTemporary, g_jobTarget) &&
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
    g_jobPrinterName.clear();
    g_jobSpoolArguments.clear();
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
    if (g_jobTarget.isEmpty()) {
        // A printer of the system: the job is spooled and handed over when complete.
        g_jobPrinterName = printer->printerName();
        g_jobSpoolArguments = spoolArguments(*printer, QFileInfo(suggestedName).completeBaseName());
        g_spoolPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        g_spoolPrinter->setPageLayout(printer->pageLayout());
        g_spoolPrinter->setResolution(printer->resolution());
        g_jobTemporary = temporaryBeside(QDir::tempPath() + QStringLiteral("/lectoscope-job.pdf"));
        if (g_jobTemporary.isEmpty()) {
            finishJob(false);
            MessageBoxes::error(QStringLiteral("The printer could not start the job."));
            return false;
        }
        printToFile(*g_spoolPrinter, g_jobTemporary);
        g_jobPrinter = g_spoolPrinter.get();
        printer = g_jobPrinter;
    } else {
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
    // Nothing has reached a printer or a file yet: the temporary file goes.
    if (painter.isActive())
        painter.end();
    finishJob(false);
}

QString Printers::jobDestination() {
    if (!g_jobPrinter)
        return QString();
    return g_jobTarget.isEmpty() ? g_jobPrinterName : QFileInfo(g_jobTarget).fileName();
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
