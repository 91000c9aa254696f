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
    m_ui.searchEdit = new QLineEdit;
    findLabel->setBuddy(m_ui.searchEdit);
    m_ui.searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_ui.searchEdit->setPlaceholderText(QStringLiteral("a word to look for"));
    m_ui.searchEdit->setClearButtonEnabled(true);
    searchRow->addWidget(m_ui.searchEdit, 1);
    m_ui.findButton = new QPushButton(QStringLiteral("Find &Next"));
    m_ui.findButton->setObjectName(QStringLiteral("findButton"));
    m_ui.findButton->setAutoDefault(false);
    searchRow->addWidget(m_ui.findButton);
    auto *previous = new QPushButton(QStringLiteral("&Previous"));
    previous->setObjectName(QStringLiteral("FindPrevious"));
    previous->setAutoDefault(false);
    searchRow->addWidget(previous);
    m_ui.searchStatus = new QLabel;
    m_ui.searchStatus->setObjectName(QStringLiteral("searchStatus"));
    searchRow->addWidget(m_ui.searchStatus);
    column->addLayout(searchRow);

    m_ui.contents = new QTextBrowser;
    m_ui.contents->setObjectName(QStringLiteral("contents"));
    m_ui.contents->setOpenExternalLinks(false);
    column->addWidget(m_ui.contents, 1);

    connect(m_ui.searchEdit, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(m_ui.findButton, &QPushButton::clicked, this, [this] { findNext(); });
    connect(previous, &QPushButton::clicked, this, [this] { findNext(true); });
    connect(m_ui.searchEdit, &QLineEdit::textChanged, m_ui.searchStatus, &QLabel::clear);
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
            m_ui.contents->setHtml(text);
        else
            m_ui.contents->setPlainText(text);
        m_source = path;
        return m_source;
    }
    m_source = QString::fromLatin1(kBuiltInHelp);
    m_ui.contents->setSource(QUrl(QStringLiteral("qrc") + m_source));
    return m_source;
}

bool HelpWindow::findNext(bool backward) {
    const QString text = m_ui.searchEdit->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_ui.contents->find(text, flags);
    if (!found) {
        // Wrap round: from the other end.
        QTextCursor cursor = m_ui.contents->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_ui.contents->setTextCursor(cursor);
        found = m_ui.contents->find(text, flags);
    }
    m_ui.searchStatus->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}
