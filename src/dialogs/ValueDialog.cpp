#include "dialogs/ValueDialog.h"

#include <QCloseEvent>

void ValueDialog::run() {
    m_closedBy = DialogClose::CloseBox;
    m_opening = true;
    exec();
    m_opening = false;
}

void ValueDialog::closeAs(DialogClose how) {
    m_closedBy = how;
    done(how == DialogClose::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void ValueDialog::closeEvent(QCloseEvent *event) {
    closeAs(DialogClose::CloseBox);
    event->accept();
}
