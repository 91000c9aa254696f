#include "editor/PrintProgressDialog.h"

#include "editor/ScriptPrintout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>

PrintProgressDialog::PrintProgressDialog(QWidget *owner, const QString &destination)
    : m_owner(owner), m_destination(destination) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_clock.start();
}

PrintProgressDialog::~PrintProgressDialog() {
    if (m_waitCursor)
        QGuiApplication::restoreOverrideCursor();
}

bool PrintProgressDialog::update(const PrintProgress &progress) {
    // Most lines print in microseconds: only the clock is read for them.
    const qint64 now = m_clock.elapsed();
    if (now < m_nextPump)
        return true;
    m_nextPump = now + kPumpEveryMs;
    if (!m_dialog) {
        // Application-modal: the editor and the menus wait until the job is done, while the
        // windows still repaint.
        m_dialog = std::make_unique<QProgressDialog>(m_owner);
        m_dialog->setObjectName(QStringLiteral("printProgressDialog"));
        m_dialog->setWindowTitle(QStringLiteral("Printing"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->setMinimumDuration(0);
        m_dialog->setMinimumWidth(360);
        QGuiApplication::restoreOverrideCursor();
        m_waitCursor = false;
        m_dialog->show();
    }
    m_dialog->setMaximum(progress.pagesEstimated);
    m_dialog->setValue(progress.pagesDone);
    m_dialog->setLabelText(QStringLiteral("Printing page %1 of about %2\nto %3")
                               .arg(progress.pagesDone)
                               .arg(progress.pagesEstimated)
                               .arg(m_destination));
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}
