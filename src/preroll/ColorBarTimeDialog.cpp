#include "preroll/ColorBarTimeDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

ColorBarTimeDialog::ColorBarTimeDialog(QWidget *parent, QPoint position)
    : QDialog(parent, Qt::Tool) {
    setObjectName(QStringLiteral("colorBarTimeDialog"));
    setWindowTitle(QStringLiteral("Set Color Bar Time"));
    setFixedSize(220, 130);
    auto *title = new QLabel(QStringLiteral("Set Time in Seconds"), this);
    title->setGeometry(10, 8, 140, 18);
    m_ui.secondsLabel = new QLabel(this);
    m_ui.secondsLabel->setObjectName(QStringLiteral("secondsLabel"));
    QFont bold = m_ui.secondsLabel->font();
    bold.setBold(true);
    m_ui.secondsLabel->setFont(bold);
    m_ui.secondsLabel->setGeometry(160, 8, 50, 18);
    m_ui.secondsBar = new QSlider(Qt::Horizontal, this);
    m_ui.secondsBar->setObjectName(QStringLiteral("secondsBar"));
    m_ui.secondsBar->setRange(0, 30);
    m_ui.secondsBar->setTickInterval(1);
    m_ui.secondsBar->setTickPosition(QSlider::TicksBelow);
    m_ui.secondsBar->setGeometry(10, 34, 200, 34);
    m_ui.okButton = new QPushButton(QStringLiteral("&OK"), this);
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setGeometry(20, 90, 80, 26);
    m_ui.okButton->setDefault(true);
    m_ui.cancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    m_ui.cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_ui.cancelButton->setGeometry(120, 90, 80, 26);
    connect(m_ui.secondsBar, &QSlider::valueChanged, this, &ColorBarTimeDialog::secondsBarMoved);
    connect(m_ui.okButton, &QPushButton::clicked, this, &ColorBarTimeDialog::okClicked);
    connect(m_ui.cancelButton, &QPushButton::clicked, this, &ColorBarTimeDialog::cancelClicked);
    move(position);
}

int ColorBarTimeDialog::execute(int seconds) {
    m_seconds = seconds;
    exec();
    return m_seconds;
}

void ColorBarTimeDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    showValues();
}

void ColorBarTimeDialog::showValues() {
    m_remembered = m_seconds;
    {
        const QSignalBlocker block(m_ui.secondsBar);
        m_ui.secondsBar->setValue(m_seconds);
    }
    m_ui.secondsLabel->setText(QString::number(m_ui.secondsBar->value()));
}

void ColorBarTimeDialog::secondsBarMoved() {
    m_ui.secondsLabel->setText(QString::number(m_ui.secondsBar->value()));
}

void ColorBarTimeDialog::okClicked() {
    m_seconds = m_ui.secondsBar->value();
    done(QDialog::Accepted);
}

void ColorBarTimeDialog::cancelClicked() {
    m_seconds = m_remembered;
    m_ui.secondsBar->setValue(m_remembered);
    done(QDialog::Rejected);
}
