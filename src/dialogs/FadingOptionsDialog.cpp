#include "dialogs/FadingOptionsDialog.h"

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

FadingOptionsDialog::FadingOptionsDialog(QWidget *parent)
    : ValueDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fadingOptionsDialog"));
    setWindowTitle(QStringLiteral("Fading Options"));
    setFixedSize(270, 220);
    m_ui.fadeTitlesBox = box(this, "fadeTitlesBox", QStringLiteral("Use fading titles"), 12, 10);
    m_ui.twoLinesBox = box(this, "twoLinesBox", QStringLiteral("Use two line titles"), 32, 34);
    m_ui.tvTitlesBox = box(this, "tvTitlesBox", QStringLiteral("Use TVTitles"), 52, 58);
    m_ui.antialiasBox = box(this, "antialiasBox", QStringLiteral("Antialias"), 32, 82);
    m_ui.holdCaption = new QLabel(QStringLiteral("Set hold time in seconds"), this);
    m_ui.holdCaption->setObjectName(QStringLiteral("holdCaption"));
    m_ui.holdCaption->setGeometry(12, 114, 180, 18);
    m_ui.holdValue = new QLabel(this);
    m_ui.holdValue->setObjectName(QStringLiteral("holdValue"));
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    m_ui.holdValue->setFont(bold);
    m_ui.holdValue->setGeometry(200, 114, 50, 18);
    m_ui.holdBar = new QSlider(Qt::Horizontal, this);
    m_ui.holdBar->setObjectName(QStringLiteral("holdBar"));
    m_ui.holdBar->setRange(0, 30);
    m_ui.holdBar->setTickInterval(1);
    m_ui.holdBar->setTickPosition(QSlider::TicksBelow);
    m_ui.holdBar->setGeometry(12, 136, 246, 34);
    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setGeometry(30, 182, 90, 28);
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_ui.cancelButton->setGeometry(150, 182, 90, 28);
    updateEnabling();

    connect(m_ui.fadeTitlesBox, &QCheckBox::toggled, this, &FadingOptionsDialog::fadeTitlesToggled);
    connect(m_ui.twoLinesBox, &QCheckBox::toggled, this, &FadingOptionsDialog::twoLinesToggled);
    connect(m_ui.tvTitlesBox, &QCheckBox::toggled, this, &FadingOptionsDialog::tvTitlesToggled);
    connect(m_ui.antialiasBox, &QCheckBox::toggled, this, &FadingOptionsDialog::antialiasToggled);
    connect(m_ui.holdBar, &QSlider::valueChanged, this, &FadingOptionsDialog::holdBarMoved);
    connect(m_ui.okButton, &QPushButton::clicked, this, &FadingOptionsDialog::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &FadingOptionsDialog::cancelClicked);
}

FadingOptionsResult FadingOptionsDialog::execute(const FadingOptions &settings) {
    m_values = settings;
    run();
    return {closedBy(), m_values};
}

void FadingOptionsDialog::showEvent(QShowEvent *event) {
    ValueDialog::showEvent(event);
    if (takeOpening())
        showValues();
}

void FadingOptionsDialog::showValues() {
    // The hold time on its bar, then the boxes from the switches (each change runs its
    // rule, so a box set later reads the switch as the rules have left it); Cancel goes back
    // to the values as they then stand.
    platform::setTrackBarPosition(m_ui.holdBar, m_values.fadeHoldSeconds);
    m_ui.holdValue->setText(QString::number(m_values.fadeHoldSeconds));
    m_ui.fadeTitlesBox->setChecked(m_values.fadeTitles);
    m_ui.twoLinesBox->setChecked(m_values.fadeTwoLines);
    m_ui.tvTitlesBox->setChecked(m_values.fadeTvTitle);
    m_ui.antialiasBox->setChecked(m_values.fadeAntialias);
    m_remembered = m_values;
}

void FadingOptionsDialog::holdBarMoved() {
    m_ui.holdValue->setText(QString::number(m_ui.holdBar->value()));
    m_values.fadeHoldSeconds = m_ui.holdBar->value();
}

void FadingOptionsDialog::updateEnabling() {
    m_ui.twoLinesBox->setEnabled(m_ui.fadeTitlesBox->isChecked());
    m_ui.antialiasBox->setEnabled(m_ui.fadeTitlesBox->isChecked());
    m_ui.tvTitlesBox->setEnabled(m_ui.fadeTitlesBox->isChecked() && m_ui.twoLinesBox->isChecked());
}

void FadingOptionsDialog::fadeTitlesToggled() {
    m_values.fadeTitles = m_ui.fadeTitlesBox->isChecked();
    // Without fading titles the other switches are off.
    if (!m_ui.fadeTitlesBox->isChecked()) {
        m_ui.twoLinesBox->setChecked(false);
        m_ui.tvTitlesBox->setChecked(false);
        m_ui.antialiasBox->setChecked(false);
    }
    updateEnabling();
    emit fadingSwitched(m_values.fadeTitles);
}

void FadingOptionsDialog::twoLinesToggled() {
    // TV titles are a kind of two-line title.
    if (!m_ui.twoLinesBox->isChecked()) {
        m_ui.tvTitlesBox->setChecked(false);
        m_values.fadeTvTitle = false;
    }
    m_values.fadeTwoLines = m_ui.twoLinesBox->isChecked();
    updateEnabling();
}

void FadingOptionsDialog::tvTitlesToggled() {
    m_values.fadeTvTitle = m_ui.tvTitlesBox->isChecked();
}

void FadingOptionsDialog::antialiasToggled() {
    m_values.fadeAntialias = m_ui.antialiasBox->isChecked();
}

void FadingOptionsDialog::okClicked() {
    m_values.fadeTitles = m_ui.fadeTitlesBox->isChecked();
    m_values.fadeTwoLines = m_ui.twoLinesBox->isChecked();
    m_values.fadeTvTitle = m_ui.tvTitlesBox->isChecked();
    m_values.fadeAntialias = m_ui.antialiasBox->isChecked();
    closeAs(DialogClose::Ok);
}

void FadingOptionsDialog::cancelClicked() {
    m_values = m_remembered;
    closeAs(DialogClose::Cancel);
}
