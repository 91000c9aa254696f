#include "preroll/StartTimeDialog.h"

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "preroll/UpDown.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {
QLabel *caption(QWidget *parent, const QString &text, QRect geometry) {
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}
} // namespace

StartTimeDialog::StartTimeDialog(QWidget *parent, QPoint position) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("startTimeDialog"));
    setWindowTitle(QStringLiteral("Set Auto Start Time"));
    setFixedSize(190, 150);

    caption(this, QStringLiteral("Current Time"), QRect(10, 6, 170, 16));
    m_ui.clockLabel = caption(this, QString(), QRect(10, 22, 170, 20));
    m_ui.clockLabel->setObjectName(QStringLiteral("clockLabel"));
    QFont clockFont(QStringLiteral("Arial"));
    clockFont.setPixelSize(16);
    clockFont.setBold(true);
    m_ui.clockLabel->setFont(clockFont);
    m_ui.clockLabel->setStyleSheet(QStringLiteral("color: grey"));

    const QString names[] = {QStringLiteral("Hour"), QStringLiteral("Min"), QStringLiteral("Sec")};
    const char16_t *fields[] = {u"hour", u"minute", u"second"};
    QLineEdit **edits[] = {&m_ui.hourEdit, &m_ui.minuteEdit, &m_ui.secondEdit};
    UpDown **upDowns[] = {&m_ui.hourUpDown, &m_ui.minuteUpDown, &m_ui.secondUpDown};
    const int ranges[3][3] = {{1, 23, 1}, {0, 59, 1}, {0, 59, 5}};
    for (int i = 0; i < 3; ++i) {
        const int x = 10 + i * 58;
        caption(this, names[i], QRect(x, 48, 50, 16));
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf16(fields[i]) + QStringLiteral("Edit"));
        edit->setGeometry(x, 66, 34, 22);
        auto *ud = new UpDown(ranges[i][0], ranges[i][1], ranges[i][2], this);
        ud->setObjectName(QString::fromUtf16(fields[i]) + QStringLiteral("UpDown"));
        ud->setGeometry(x + 35, 66, 16, 22);
        connect(ud, &UpDown::clicked, this, [this, edit](int p) { upDownClicked(edit, p); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { checkInteger(edit); });
        *edits[i] = edit;
        *upDowns[i] = ud;
    }
    m_ui.secondEdit->installEventFilter(this);

    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setGeometry(10, 112, 80, 26);
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_ui.cancelButton->setGeometry(100, 112, 80, 26);
    connect(m_ui.okButton, &QPushButton::clicked, this, &StartTimeDialog::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &StartTimeDialog::cancelClicked);

    m_ui.clockTimer = new QTimer(this);
    m_ui.clockTimer->setObjectName(QStringLiteral("clockTimer"));
    connect(m_ui.clockTimer, &QTimer::timeout, this, &StartTimeDialog::clockTick);

    move(position);
}

StartTimeChoice StartTimeDialog::execute() {
    m_choice = {};
    exec();
    return m_choice;
}

void StartTimeDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    showValues();
}

void StartTimeDialog::showValues() {
    for (UpDown *ud : {m_ui.hourUpDown, m_ui.minuteUpDown, m_ui.secondUpDown})
        ud->show();
    m_ui.clockTimer->setInterval(platform::secondMs());
    m_ui.clockTimer->start();
    const QTime now = platform::Clock::timeOfDay();
    m_ui.clockLabel->setText(platform::Clock::longTimeText(now));
    const int parts[] = {now.hour(), now.minute(), now.second()};
    QLineEdit *edits[] = {m_ui.hourEdit, m_ui.minuteEdit, m_ui.secondEdit};
    UpDown *upDowns[] = {m_ui.hourUpDown, m_ui.minuteUpDown, m_ui.secondUpDown};
    for (int i = 0; i < 3; ++i) {
        edits[i]->setText(QString::number(parts[i]));
        upDowns[i]->setPosition(parts[i]);
    }
}

void StartTimeDialog::clockTick() {
    m_ui.clockLabel->setText(platform::Clock::longTimeText(platform::Clock::timeOfDay()));
}

void StartTimeDialog::upDownClicked(QLineEdit *field, int position) {
    field->setText(QString::number(position));
}

void StartTimeDialog::checkInteger(QLineEdit *field) {
    bool ok = false;
    field->text().trimmed().toInt(&ok);
    if (!ok)
        platform::MessageBoxes::error(
            QStringLiteral("'%1' is not a valid integer value").arg(field->text()));
}

void StartTimeDialog::secondEditClicked() {
    m_ui.hourUpDown->hide();
    m_ui.minuteUpDown->hide();
    m_ui.secondUpDown->show();
}

bool StartTimeDialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_ui.secondEdit && event->type() == QEvent::MouseButtonPress)
        secondEditClicked();
    return QDialog::eventFilter(watched, event);
}

void StartTimeDialog::okClicked() {
    m_ui.clockTimer->stop();
    const QString text = m_ui.hourEdit->text() + QLatin1Char(':') + m_ui.minuteEdit->text() +
                         QLatin1Char(':') + m_ui.secondEdit->text();
    m_choice = {true, std::nullopt};
    if (const auto t = platform::Clock::parseTime(text))
        m_choice.startTime = platform::timeToDayFraction(*t);
    else // the OK button ends the dialog even when the time is refused
        platform::MessageBoxes::error(QStringLiteral("'%1' is not a valid time").arg(text));
    hide();
    done(QDialog::Accepted);
}

void StartTimeDialog::cancelClicked() {
    m_ui.clockTimer->stop();
    m_choice = {};
    done(QDialog::Rejected);
}
