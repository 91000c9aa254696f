#pragma once

#include "dialogs/DialogValues.h"

#include <QDialog>

#include <utility>

// A modal option dialog that hands its values back and says how it was closed: by its OK
// button, by its Cancel button (Esc is Cancel), or by the close box, which keeps what was
// changed without the OK steps.
class ValueDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    DialogClose closedBy() const { return m_closedBy; }
    // Esc: as the Cancel button.
    void reject() override { cancel(); }

protected:
    // The Cancel button's work: the values as they were, then closeAs(Cancel).
    virtual void cancel() = 0;
    // Shows the dialog modally; until a button closes it, the close box is assumed.
    void run();
    // True once for the show that run() asks for: a show step runs then only, not when the
    // window system shows the dialog again (a minimised dialog restored).
    bool takeOpening() { return std::exchange(m_opening, false); }
    void closeAs(DialogClose how);
    void closeEvent(QCloseEvent *event) override;

private:
    DialogClose m_closedBy = DialogClose::CloseBox;
    bool m_opening = false;
};
