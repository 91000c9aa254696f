#include "preroll/TForm5.h"

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

TForm5::TForm5(QWidget *parent, QPoint position) : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Set Auto Start Time"));
    setFixedSize(190, 150);

    caption(this, QStringLiteral("Current Time"), QRect(10, 6, 170, 16));
    form5Clock = caption(this, QString(), QRect(10, 22, 170, 20));
    form5Clock->setObjectName(QStringLiteral("form5Clock"));
    QFont clockFont(QStringLiteral("Arial"));
    clockFont.setPixelSize(16);
    clockFont.setBold(true);
    form5Clock->setFont(clockFont);
    form5Clock->setStyleSheet(QStringLiteral("color: grey"));

    const QString names[] = {QStringLiteral("Hour"), QStringLiteral("Min"), QStringLiteral("Sec")};
    QLineEdit **edits[] = {&Edit1, &Edit2, &Edit3};
    UpDown **upDowns[] = {&UpDown1, &UpDown2, &UpDown3};
    const int ranges[3][3] = {{1, 23, 1}, {0, 59, 1}, {0, 59, 5}};
    for (int i = 0; i < 3; ++i) {
        const int x = 10 + i * 58;
        caption(this, names[i], QRect(x, 48, 50, 16));
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setGeometry(x, 66, 34, 22);
        auto *ud = new UpDown(ranges[i][0], ranges[i][1], ranges[i][2], this);
        ud->setObjectName(QStringLiteral("UpDown%1").arg(i + 1));
        ud->setGeometry(x + 35, 66, 16, 22);
        connect(ud, &UpDown::clicked, this, [this, edit](int p) { upDownClicked(edit, p); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { checkInteger(edit); });
        *edits[i] = edit;
        *upDowns[i] = ud;
    }
    Edit3->installEventFilter(this);

    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(10, 112, 80, 26);
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(100, 112, 80, 26);
    connect(OKButton, &QPushButton::clicked, this, &TForm5::OKClick);
    connect(CancelButton, &QPushButton::clicked, this, &TForm5::CancelClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &TForm5::Timer1Timer);

    move(position);
}

StartTimeChoice TForm5::execute() {
    m_choice = {};
    exec();
    return m_choice;
}

void TForm5::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormShow();
}

void TForm5::FormShow() {
    for (UpDown *ud : {UpDown1, UpDown2, UpDown3})
        ud->show();
    Timer1->setInterval(platform::secondMs());
    Timer1->start();
    const QTime now = platform::Clock::timeOfDay();
    form5Clock->setText(platform::Clock::longTimeText(now));
    const int parts[] = {now.hour(), now.minute(), now.second()};
    QLineEdit *edits[] = {Edit1, Edit2, Edit3};
    UpDown *upDowns[] = {UpDown1, UpDown2, UpDown3};
    for (int i = 0; i < 3; ++i) {
        edits[i]->setText(QString::number(parts[i]));
        upDowns[i]->setPosition(parts[i]);
    }
}

void TForm5::Timer1Timer() {
    form5Clock->setText(platform::Clock::longTimeText(platform::Clock::timeOfDay()));
}

void TForm5::upDownClicked(QLineEdit *field, int position) {
    field->setText(QString::number(position));
}

void TForm5::checkInteger(QLineEdit *field) {
    bool ok = false;
    field->text().trimmed().toInt(&ok);
    if (!ok)
        platform::MessageBoxes::error(
            QStringLiteral("'%1' is not a valid integer value").arg(field->text()));
}

void TForm5::Edit3Click() {
    UpDown1->hide();
    UpDown2->hide();
    UpDown3->show();
}

bool TForm5::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Edit3 && event->type() == QEvent::MouseButtonPress)
        Edit3Click();
    return QDialog::eventFilter(watched, event);
}

void TForm5::OKClick() {
    Timer1->stop();
    const QString text =
        Edit1->text() + QLatin1Char(':') + Edit2->text() + QLatin1Char(':') + Edit3->text();
    m_choice = {true, std::nullopt};
    if (const auto t = platform::Clock::parseTime(text))
        m_choice.startime = platform::timeToDayFraction(*t);
    else // the OK button ends the dialog even when the time is refused
        platform::MessageBoxes::error(QStringLiteral("'%1' is not a valid time").arg(text));
    hide();
    done(QDialog::Accepted);
}

void TForm5::CancelClick() {
    Timer1->stop();
    m_choice = {};
    done(QDialog::Rejected);
}
