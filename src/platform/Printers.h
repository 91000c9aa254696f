#pragma once

#include <QList>
#include <QString>

#include <optional>

class QPainter;
class QPrinter;
class QWidget;

namespace platform {

// The printer that jobs go to: the one last chosen in print setup, else the system's
// default. With no printer installed, a job offers to go to a PDF file instead.
//
// Tests call scripted(): no real printer is ever used (the current printer starts as "no
// printer installed"), and print setup shows no dialog: each request is answered from the
// queue with the PDF file to print to from then on (an empty optional is Cancel).
class Printers {
public:
    static QPrinter &current();
    // Print setup: the print dialog for the current printer; what is chosen there stays for
    // later jobs.
    static void setup(QWidget *parent);
    // Begins a job on painter: on the current printer or, with no printer installed, on a
    // PDF file the operator agrees to and names (suggestedName preselected). False when
    // nothing is to be printed: the operator declined, or the job could not start (shown).
    // A job to a file is written to a temporary file beside it that replaces the file only
    // when the job is complete, so a failed job leaves an earlier file as it was. A job for a
    // printer of the system is written to a temporary PDF file that goes to the printer (lp)
    // only when the job is complete.
    static bool beginJob(QPainter &painter, const QString &suggestedName);
    // Ends the job begun on painter; false (shown) when it failed.
    static bool endJob(QPainter &painter);
    // Abandons the job begun on painter: its temporary file is removed, so nothing reaches
    // the printer or the file (an earlier file stays as it was).
    static void abortJob(QPainter &painter);
    // Where the job under way goes: its file's name, or the printer's.
    static QString jobDestination();

    static void scripted(const QList<std::optional<QString>> &setupAnswers = {});
    static void unscripted();
    static int setupRequests();
};

} // namespace platform
