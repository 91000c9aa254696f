#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {

// The modeless find and replace dialogs, in the shape of the system's common ones.
//
// The find dialog has the find text, a "Match case" box (shown and checked) and the buttons
// Find Next and Cancel; the replace dialog has the find and replace texts and the buttons
// Find Next, Replace, Replace All and Cancel. The buttons only report; the owner searches.
// Being modeless, they never block: tests fill the fields and press the buttons.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };

    FindDialog(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    QString findText() const;
    void setFindText(const QString &text);
    QString replaceText() const;
    void setReplaceText(const QString &text);
    bool matchCase() const;

    // Shows the dialog and puts the focus on the find text; raises it when it is shown.
    void execute();

    QLabel *FindLabel = nullptr;
    QLineEdit *FindEdit = nullptr;
    QLabel *ReplaceLabel = nullptr;   // replace dialog only
    QLineEdit *ReplaceEdit = nullptr; // replace dialog only
    QCheckBox *MatchCase = nullptr;   // find dialog only
    QPushButton *FindNextButton = nullptr;
    QPushButton *ReplaceButton = nullptr;    // replace dialog only
    QPushButton *ReplaceAllButton = nullptr; // replace dialog only
    QPushButton *CancelButton = nullptr;

signals:
    void findNext();
    void replace();
    void replaceAll();
    // The dialog was opened (not when it was only raised); closing it (Cancel, Esc, the close
    // box) reports QDialog::finished.
    void opened();

private:
    Kind m_kind;
};

} // namespace platform
