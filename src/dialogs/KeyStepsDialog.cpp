#include "dialogs/KeyStepsDialog.h"

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

KeyStepsDialog::KeyStepsDialog(QWidget *parent, QPoint position)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("keyStepsDialog"));
    setWindowTitle(QStringLiteral("Configure  Keys"));
    setFixedSize(300, 190);

    m_ui.pageStepCaption = label(this, "pageStepCaption",
                                 QStringLiteral("Set PgUp PgDn  Increment"), {10, 8, 200, 18});
    m_ui.pageStepValue = valueLabel(this, "pageStepValue", {220, 8, 70, 18});
    m_ui.pageStepBar = bar(this, "pageStepBar", 3000, 500, 10, 100, {10, 28, 280, 32});
    m_ui.arrowStepCaption =
        label(this, "arrowStepCaption", QStringLiteral("Set Up/Dn Arrow Keys Increment"),
              {10, 72, 200, 18});
    m_ui.arrowStepValue = valueLabel(this, "arrowStepValue", {220, 72, 70, 18});
    m_ui.arrowStepBar = bar(this, "arrowStepBar", 500, 150, 5, 25, {10, 92, 280, 32});

    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setGeometry(40, 146, 100, 28);
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_ui.cancelButton->setGeometry(160, 146, 100, 28);

    connect(m_ui.pageStepBar, &QSlider::valueChanged, this, &KeyStepsDialog::pageStepBarMoved);
    connect(m_ui.arrowStepBar, &QSlider::valueChanged, this, &KeyStepsDialog::arrowStepBarMoved);
    connect(m_ui.okButton, &QPushButton::clicked, this, &KeyStepsDialog::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &KeyStepsDialog::cancelClicked);
    move(position);
}

KeySteps KeyStepsDialog::execute(const KeySteps &current) {
    m_steps = current;
    exec();
    return m_steps;
}

void KeyStepsDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    showValues();
}

// The bars start at the steps in use (clamped to their ranges); a step beyond a bar's end is
// kept unless OK takes the bar's position.
void KeyStepsDialog::showValues() {
    m_remembered = m_steps;
    platform::setTrackBarPosition(m_ui.pageStepBar, m_steps.pageStep);
    platform::setTrackBarPosition(m_ui.arrowStepBar, m_steps.arrowStep);
    pageStepBarMoved();
    arrowStepBarMoved();
}

void KeyStepsDialog::pageStepBarMoved() {
    m_ui.pageStepValue->setText(QString::number(m_ui.pageStepBar->value()));
}

void KeyStepsDialog::arrowStepBarMoved() {
    m_ui.arrowStepValue->setText(QString::number(m_ui.arrowStepBar->value()));
}

void KeyStepsDialog::okClicked() {
    m_steps = {m_ui.pageStepBar->value(), m_ui.arrowStepBar->value()};
    done(QDialog::Accepted);
}

void KeyStepsDialog::cancelClicked() {
    reject();
}

void KeyStepsDialog::reject() {
    m_steps = m_remembered;
    QDialog::reject();
}
