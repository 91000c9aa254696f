#include "dialogs/TConfigKeys.h"

#include "platform/TrackBar.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect geometry) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    return l;
}

QLabel *valueLabel(QWidget *parent, const char *name, QRect geometry) {
    QLabel *l = label(parent, name, QString(), geometry);
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSize(10);
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

QSlider *bar(QWidget *parent, const char *name, int maximum, int tick, int line, int page,
             QRect geometry) {
    auto *b = new QSlider(Qt::Horizontal, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setRange(0, maximum);
    b->setTickInterval(tick);
    b->setTickPosition(QSlider::TicksBelow);
    b->setSingleStep(line);
    b->setPageStep(page);
    b->setGeometry(geometry);
    return b;
}

} // namespace

TConfigKeys::TConfigKeys(QWidget *parent, QPoint position)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TConfigKeys"));
    setWindowTitle(QStringLiteral("Configure  Keys"));
    setFixedSize(300, 190);

    Label1 = label(this, "Label1", QStringLiteral("Set PgUp PgDn  Increment"), {10, 8, 200, 18});
    Label2 = valueLabel(this, "Label2", {220, 8, 70, 18});
    TrackBar1 = bar(this, "TrackBar1", 3000, 500, 10, 100, {10, 28, 280, 32});
    Label3 =
        label(this, "Label3", QStringLiteral("Set Up/Dn Arrow Keys Increment"), {10, 72, 200, 18});
    Label4 = valueLabel(this, "Label4", {220, 72, 70, 18});
    TrackBar2 = bar(this, "TrackBar2", 500, 150, 5, 25, {10, 92, 280, 32});

    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(40, 146, 100, 28);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(160, 146, 100, 28);

    connect(TrackBar1, &QSlider::valueChanged, this, &TConfigKeys::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TConfigKeys::TrackBar2Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TConfigKeys::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TConfigKeys::BitBtn2Click);
    move(position);
}

KeyIncrements TConfigKeys::execute(const KeyIncrements &current) {
    m_steps = current;
    exec();
    return m_steps;
}

void TConfigKeys::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    FormShow();
}

// The bars start at the steps in use (clamped to their ranges); a step beyond a bar's end is
// kept unless OK takes the bar's position.
void TConfigKeys::FormShow() {
    m_remembered = m_steps;
    platform::setTrackBarPosition(TrackBar1, m_steps.pgJumpAmt);
    platform::setTrackBarPosition(TrackBar2, m_steps.arrowAmt);
    TrackBar1Change();
    TrackBar2Change();
}

void TConfigKeys::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->value()));
}

void TConfigKeys::TrackBar2Change() {
    Label4->setText(QString::number(TrackBar2->value()));
}

void TConfigKeys::BitBtn1Click() {
    m_steps = {TrackBar1->value(), TrackBar2->value()};
    done(QDialog::Accepted);
}

void TConfigKeys::BitBtn2Click() {
    reject();
}

void TConfigKeys::reject() {
    m_steps = m_remembered;
    QDialog::reject();
}
