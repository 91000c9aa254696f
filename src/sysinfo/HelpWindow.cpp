#include "sysinfo/HelpWindow.h"

#include "sysinfo/HelpFile.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("LectoScope-32 Help"));
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    resize(720, 560);

    auto *column = new QVBoxLayout(this);
    auto *searchRow = new QHBoxLayout;
    auto *findLabel = new QLabel(QStringLiteral("&Find:"));
    searchRow->addWidget(findLabel);
    SearchEdit = new QLineEdit;
    findLabel->setBuddy(SearchEdit);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setPlaceholderText(QStringLiteral("a word to look for"));
    SearchEdit->setClearButtonEnabled(true);
    searchRow->addWidget(SearchEdit, 1);
    FindButton = new QPushButton(QStringLiteral("Find &Next"));
    FindButton->setObjectName(QStringLiteral("FindButton"));
    FindButton->setAutoDefault(false);
    searchRow->addWidget(FindButton);
    auto *previous = new QPushButton(QStringLiteral("&Previous"));
    previous->setObjectName(QStringLiteral("FindPrevious"));
    previous->setAutoDefault(false);
    searchRow->addWidget(previous);
    SearchStatus = new QLabel;
    SearchStatus->setObjectName(QStringLiteral("SearchStatus"));
    searchRow->addWidget(SearchStatus);
    column->addLayout(searchRow);

    Contents = new QTextBrowser;
    Contents->setObjectName(QStringLiteral("Contents"));
    Contents->setOpenExternalLinks(false);
    column->addWidget(Contents, 1);

    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(FindButton, &QPushButton::clicked, this, [this] { findNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(SearchEdit, &QLineEdit::textChanged, SearchStatus, &QLabel::clear);
}

QString HelpWindow::showFirstOf(const QStringList &paths) {
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.read(8 * 1024 * 1024);
        if (!sysinfo::isShowableHelp(bytes))
            continue;
        const QString text = QString::fromUtf8(bytes);
        if (Qt::mightBeRichText(text))
            Contents->setHtml(text);
        else
            Contents->setPlainText(text);
        m_source = path;
        return m_source;
    }
    m_source = QString::fromLatin1(kBuiltInHelp);
    Contents->setSource(QUrl(QStringLiteral("qrc") + m_source));
    return m_source;
}

bool HelpWindow::findNext(bool backward) {
    const QString text = SearchEdit->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = Contents->find(text, flags);
    if (!found) {
        // Wrap round: from the other end.
        QTextCursor cursor = Contents->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        Contents->setTextCursor(cursor);
        found = Contents->find(text, flags);
    }
    SearchStatus->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}
