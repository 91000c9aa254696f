#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

// The help window: the program's built-in help, or an installed help file in its place,
// with a search field. It stays beside the main window until closed (Esc closes it).
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *kBuiltInHelp = ":/resources/help/lectoscope.html";

    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the first of the files that can be shown (HTML or plain text); the built-in
    // help when none can. Returns what is shown: a path, or kBuiltInHelp.
    QString showFirstOf(const QStringList &paths);
    QString shownSource() const { return m_source; }
    // Finds the search field's text after (or before) the selection, from the top (or the
    // bottom) once the end is reached; false when the text is nowhere.
    bool findNext(bool backward = false);

    // The controls, each named as its objectName.
    struct Ui {
        QTextBrowser *contents = nullptr;
        QLineEdit *searchEdit = nullptr;
        QPushButton *findButton = nullptr;
        QLabel *searchStatus = nullptr;
    };
    const Ui &ui() const { return m_ui; }

private:
    QString m_source;
    Ui m_ui;
};
