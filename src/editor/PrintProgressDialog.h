#pragma once

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;
struct PrintProgress;

// The progress of a print job that runs on the user-interface thread. The pointer shows
// that work is under way; a job still running after half a second shows a dialog (pages
// done of pages estimated, where the job goes) with Cancel, and lets the windows repaint
// and that dialog answer about twenty times a second. Nothing is made for a short job.
class PrintProgressDialog {
public:
    PrintProgressDialog(QWidget *owner, const QString &destination);
    ~PrintProgressDialog();
    PrintProgressDialog(const PrintProgressDialog &) = delete;
    PrintProgressDialog &operator=(const PrintProgressDialog &) = delete;

    // The printout's progress; false once the operator has cancelled.
    bool update(const PrintProgress &progress);

private:
    static constexpr qint64 kShowAfterMs = 500;
    static constexpr qint64 kPumpEveryMs = 50;

    QWidget *m_owner;
    QString m_destination;
    QElapsedTimer m_clock;
    qint64 m_nextPump = kShowAfterMs;
    bool m_waitCursor = true;
    std::unique_ptr<QProgressDialog> m_dialog;
};
