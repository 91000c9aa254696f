#include "platform/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {
namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption) {
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *field(QWidget *parent, const char *name) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(200);
    return e;
}

} // namespace

FindDialog::FindDialog(Kind kind, QWidget *parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_kind(kind) {
    const bool replacing = kind == Kind::Replace;
    setObjectName(replacing ? QStringLiteral("ReplaceDialog1") : QStringLiteral("FindDialog1"));
    setWindowTitle(replacing ? QStringLiteral("Replace") : QStringLiteral("Find"));
    setModal(false);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    FindLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
    FindEdit = field(this, "FindEdit");
    FindLabel->setBuddy(FindEdit);
    grid->addWidget(FindLabel, 0, 0);
    grid->addWidget(FindEdit, 0, 1);

    auto *buttons = new QVBoxLayout;
    FindNextButton = button(this, "FindNextButton", QStringLiteral("&Find Next"));
    FindNextButton->setDefault(true);
    buttons->addWidget(FindNextButton);
    connect(FindNextButton, &QPushButton::clicked, this, &FindDialog::findNext);
    if (replacing) {
        ReplaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
        ReplaceEdit = field(this, "ReplaceEdit");
        ReplaceLabel->setBuddy(ReplaceEdit);
        grid->addWidget(ReplaceLabel, 1, 0);
        grid->addWidget(ReplaceEdit, 1, 1);
        ReplaceButton = button(this, "ReplaceButton", QStringLiteral("&Replace"));
        ReplaceAllButton = button(this, "ReplaceAllButton", QStringLiteral("Replace &All"));
        buttons->addWidget(ReplaceButton);
        buttons->addWidget(ReplaceAllButton);
        connect(ReplaceButton, &QPushButton::clicked, this, &FindDialog::replace);
        connect(ReplaceAllButton, &QPushButton::clicked, this, &FindDialog::replaceAll);
    } else {
        MatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
        MatchCase->setObjectName(QStringLiteral("MatchCase"));
        MatchCase->setChecked(true);
        grid->addWidget(MatchCase, 1, 0, 1, 2);
    }
    CancelButton = button(this, "CancelButton", QStringLiteral("Cancel"));
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    grid->addLayout(buttons, 0, 2, 3, 1);
    grid->setRowStretch(2, 1);
    // Tab goes through the fields first, then the buttons.
    QList<QWidget *> order{FindEdit,      ReplaceEdit,      MatchCase,   FindNextButton,
                           ReplaceButton, ReplaceAllButton, CancelButton};
    order.removeAll(nullptr);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QString FindDialog::findText() const {
    return FindEdit->text();
}

void FindDialog::setFindText(const QString &text) {
    FindEdit->setText(text);
}

QString FindDialog::replaceText() const {
    return ReplaceEdit ? ReplaceEdit->text() : QString();
}

void FindDialog::setReplaceText(const QString &text) {
    if (ReplaceEdit)
        ReplaceEdit->setText(text);
}

bool FindDialog::matchCase() const {
    return !MatchCase || MatchCase->isChecked();
}

void FindDialog::execute() {
    const bool opening = !isVisible();
    if (opening)
        emit opened();
    show();
    raise();
    activateWindow();
    FindEdit->setFocus();
    FindEdit->selectAll();
}

} // namespace platform
