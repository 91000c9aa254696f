#include "sysinfo/AboutBox.h"

#include "sysinfo/SystemTexts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(const QString &version, quint64 physicalMemory, int memoryLoad, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(298, 206);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(pal);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette light = panel->palette();
    light.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    light.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(light);
    panel->setGeometry(8, 8, 282, 190);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(12, 10, 12, 10);
    m_ui.productName = new QLabel(QStringLiteral("ZAL LECTOSCOPE-32"));
    m_ui.productName->setObjectName(QStringLiteral("productName"));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(19);
    title.setBold(true);
    m_ui.productName->setFont(title);
    QPalette blue = m_ui.productName->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_ui.productName->setPalette(blue);
    m_ui.productName->setAlignment(Qt::AlignCenter);
    column->addWidget(m_ui.productName);

    auto *versionRow = new QHBoxLayout;
    auto *versionCaption = new QLabel(QStringLiteral("version"));
    QFont bold = versionCaption->font();
    bold.setBold(true);
    versionCaption->setFont(bold);
    m_ui.version = new QLabel(version);
    m_ui.version->setObjectName(QStringLiteral("version"));
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(m_ui.version, 1);
    column->addLayout(versionRow);

    const QLocale locale;
    m_ui.physicalMemory = new QLabel(sysinfo::aboutPhysicalMemoryText(physicalMemory, locale));
    m_ui.physicalMemory->setObjectName(QStringLiteral("physicalMemory"));
    m_ui.memoryLoad = new QLabel(sysinfo::aboutMemoryLoadText(memoryLoad));
    m_ui.memoryLoad->setObjectName(QStringLiteral("memoryLoad"));
    column->addWidget(m_ui.physicalMemory);
    column->addWidget(m_ui.memoryLoad);

    m_ui.okButton = new QPushButton(QStringLiteral("OK"));
    m_ui.okButton->setObjectName(QStringLiteral("okButton"));
    m_ui.okButton->setDefault(true);
    column->addWidget(m_ui.okButton, 0, Qt::AlignHCenter);
    // The button is both the default and the cancel button: Enter and Esc close the box.
    connect(m_ui.okButton, &QPushButton::clicked, this, &QDialog::accept);
}
