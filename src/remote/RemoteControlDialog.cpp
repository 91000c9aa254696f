#include "remote/RemoteControlDialog.h"

#include "remote/AccessCode.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
template <typename T> T *named(T *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

RemoteControlDialog::RemoteControlDialog(const RemoteControlValues &values,
                                         std::function<QImage(const QString &)> qrCode,
                                         QStringList machineAddresses, QWidget *parent)
    : QDialog(parent), m_qrCode(std::move(qrCode)),
      m_machineAddresses(std::move(machineAddresses)) {
    setObjectName(QStringLiteral("remoteControlDialog"));
    setWindowTitle(QStringLiteral("Remote Control"));
    m_ui.allowBox = named(new QCheckBox(QStringLiteral("Allow remote control")), "allowBox");
    m_ui.portBox = named(new QSpinBox, "portBox");
    m_ui.oscPortBox = named(new QSpinBox, "oscPortBox");
    for (QSpinBox *box : {m_ui.portBox, m_ui.oscPortBox})
        box->setRange(1, 65535);
    m_ui.otherMachinesBox =
        named(new QCheckBox(QStringLiteral("Accept connections from other machines")),
              "otherMachinesBox");
    m_ui.codeEdit = named(new QLineEdit, "codeEdit");
    m_ui.codeEdit->setReadOnly(true);
    m_ui.codeEdit->setMinimumWidth(m_ui.codeEdit->fontMetrics().horizontalAdvance(
        QString(remote::kAccessCodeLength + 2, u'W')));
    m_ui.newCodeButton = named(new QPushButton(QStringLiteral("New Code")), "newCodeButton");
    m_ui.addressLabel = named(new QLabel, "addressLabel");
    m_ui.addressLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ui.qrLabel = named(new QLabel, "qrLabel");
    m_ui.qrLabel->setAlignment(Qt::AlignCenter);
    m_ui.buttons =
        named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttons");

    auto *codeRow = new QHBoxLayout;
    codeRow->addWidget(m_ui.codeEdit, 1);
    codeRow->addWidget(m_ui.newCodeButton);
    auto *form = new QFormLayout;
    form->addRow(m_ui.allowBox);
    form->addRow(QStringLiteral("Port (web remote):"), m_ui.portBox);
    form->addRow(QStringLiteral("Port (OSC):"), m_ui.oscPortBox);
    form->addRow(m_ui.otherMachinesBox);
    form->addRow(QStringLiteral("Access code:"), codeRow);
    form->addRow(QStringLiteral("Open on a phone:"), m_ui.addressLabel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_ui.qrLabel);
    layout->addWidget(m_ui.buttons);

    m_ui.allowBox->setChecked(values.enabled);
    m_ui.portBox->setValue(values.port);
    m_ui.oscPortBox->setValue(values.oscPort);
    m_ui.otherMachinesBox->setChecked(values.otherMachines);
    // The code is made the first time it is needed.
    m_ui.codeEdit->setText(remote::isAccessCode(values.code) ? values.code
                                                             : remote::makeAccessCode());

    connect(m_ui.newCodeButton, &QPushButton::clicked, this, [this] {
        m_ui.codeEdit->setText(remote::makeAccessCode());
        showAddress();
    });
    connect(m_ui.portBox, &QSpinBox::valueChanged, this, &RemoteControlDialog::showAddress);
    connect(m_ui.otherMachinesBox, &QCheckBox::toggled, this, &RemoteControlDialog::showAddress);
    connect(m_ui.buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showAddress();
}

RemoteControlValues RemoteControlDialog::values() const {
    return {m_ui.allowBox->isChecked(), m_ui.portBox->value(), m_ui.oscPortBox->value(),
            m_ui.otherMachinesBox->isChecked(), m_ui.codeEdit->text()};
}

QString RemoteControlDialog::phoneAddress() const {
    // Only this machine can open it while other machines are refused.
    const QString host = m_ui.otherMachinesBox->isChecked() && !m_machineAddresses.isEmpty()
                             ? m_machineAddresses.front()
                             : QStringLiteral("127.0.0.1");
    return QStringLiteral("http://%1:%2/?code=%3")
        .arg(host)
        .arg(m_ui.portBox->value())
        .arg(m_ui.codeEdit->text());
}

void RemoteControlDialog::showAddress() {
    const QString address = phoneAddress();
    QString text = address;
    if (!m_ui.otherMachinesBox->isChecked())
        text += QStringLiteral("\n(this machine only: allow other machines to use a phone)");
    m_ui.addressLabel->setText(text);
    const QImage code = m_qrCode ? m_qrCode(address) : QImage();
    m_ui.qrLabel->setPixmap(QPixmap::fromImage(code));
}
