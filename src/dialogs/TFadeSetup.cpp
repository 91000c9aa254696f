#include "dialogs/TFadeSetup.h"

#include "platform/TrackBar.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {

QCheckBox *box(QWidget *parent, const char *name, const QString &caption, int x, int y) {
    auto *b = new QCheckBox(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, 220, 22);
    return b;
}

} // namespace

TFadeSetup::TFadeSetup(QWidget *parent)
    : ValueDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TFadeSetup"));
    setWindowTitle(QStringLiteral("Fading Options"));
    setFixedSize(270, 220);
    CheckBox1 = box(this, "CheckBox1", QStringLiteral("Use fading titles"), 12, 10);
    CheckBox2 = box(this, "CheckBox2", QStringLiteral("Use two line titles"), 32, 34);
    CheckBox3 = box(this, "CheckBox3", QStringLiteral("Use TVTitles"), 52, 58);
    checkbox4 = box(this, "checkbox4", QStringLiteral("Antialias"), 32, 82);
    Label1 = new QLabel(QStringLiteral("Set hold time in seconds"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 114, 180, 18);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->setGeometry(200, 114, 50, 18);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setRange(0, 30);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setGeometry(12, 136, 246, 34);
    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(30, 182, 90, 28);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(150, 182, 90, 28);
    updateEnabling();

    connect(CheckBox1, &QCheckBox::toggled, this, &TFadeSetup::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::toggled, this, &TFadeSetup::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::toggled, this, &TFadeSetup::CheckBox3Click);
    connect(checkbox4, &QCheckBox::toggled, this, &TFadeSetup::checkbox4Click);
    connect(TrackBar1, &QSlider::valueChanged, this, &TFadeSetup::TrackBar1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TFadeSetup::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFadeSetup::BitBtn2Click);
}

FadeSetupResult TFadeSetup::execute(const FadeSettings &settings) {
    m_values = settings;
    run();
    return {closedBy(), m_values};
}

void TFadeSetup::showEvent(QShowEvent *event) {
    ValueDialog::showEvent(event);
    FormShow();
}

void TFadeSetup::FormShow() {
    // The hold time on its bar, then the boxes from the switches (each change runs its
    // rule, so a box set later reads the switch as the rules have left it); Cancel goes back
    // to the values as they then stand.
    platform::setTrackBarPosition(TrackBar1, m_values.FadeHoldTime);
    Label2->setText(QString::number(m_values.FadeHoldTime));
    CheckBox1->setChecked(m_values.FadeTitles);
    CheckBox2->setChecked(m_values.FadeTwoline);
    CheckBox3->setChecked(m_values.FadeTVTitle);
    checkbox4->setChecked(m_values.FadeAnti);
    m_remembered = m_values;
}

void TFadeSetup::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->value()));
    m_values.FadeHoldTime = TrackBar1->value();
}

void TFadeSetup::updateEnabling() {
    CheckBox2->setEnabled(CheckBox1->isChecked());
    checkbox4->setEnabled(CheckBox1->isChecked());
    CheckBox3->setEnabled(CheckBox1->isChecked() && CheckBox2->isChecked());
}

void TFadeSetup::CheckBox1Click() {
    m_values.FadeTitles = CheckBox1->isChecked();
    // Without fading titles the other switches are off.
    if (!CheckBox1->isChecked()) {
        CheckBox2->setChecked(false);
        CheckBox3->setChecked(false);
        checkbox4->setChecked(false);
    }
    updateEnabling();
}

void TFadeSetup::CheckBox2Click() {
    // TV titles are a kind of two-line title.
    if (!CheckBox2->isChecked()) {
        CheckBox3->setChecked(false);
        m_values.FadeTVTitle = false;
    }
    m_values.FadeTwoline = CheckBox2->isChecked();
    updateEnabling();
}

void TFadeSetup::CheckBox3Click() {
    m_values.FadeTVTitle = CheckBox3->isChecked();
}

void TFadeSetup::checkbox4Click() {
    m_values.FadeAnti = checkbox4->isChecked();
}

void TFadeSetup::BitBtn1Click() {
    m_values.FadeTitles = CheckBox1->isChecked();
    m_values.FadeTwoline = CheckBox2->isChecked();
    m_values.FadeTVTitle = CheckBox3->isChecked();
    m_values.FadeAnti = checkbox4->isChecked();
    closeAs(DialogClose::Ok);
}

void TFadeSetup::BitBtn2Click() {
    m_values = m_remembered;
    closeAs(DialogClose::Cancel);
}
