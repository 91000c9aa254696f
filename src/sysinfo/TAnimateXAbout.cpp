#include "sysinfo/TAnimateXAbout.h"

#include "sysinfo/SystemTexts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAnimateXAbout::TAnimateXAbout(const QString &version, quint64 physicalMemory, int memoryLoad,
                               QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("AnimateXAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(298, 206);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 128));
    setPalette(pal);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
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
    ProductName = new QLabel(QStringLiteral("ZAL LECTOSCOPE-32"));
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(19);
    title.setBold(true);
    ProductName->setFont(title);
    QPalette blue = ProductName->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    ProductName->setPalette(blue);
    ProductName->setAlignment(Qt::AlignCenter);
    column->addWidget(ProductName);

    auto *versionRow = new QHBoxLayout;
    auto *versionCaption = new QLabel(QStringLiteral("Version"));
    QFont bold = versionCaption->font();
    bold.setBold(true);
    versionCaption->setFont(bold);
    Version = new QLabel(version);
    Version->setObjectName(QStringLiteral("Version"));
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(Version, 1);
    column->addLayout(versionRow);

    const QLocale locale;
    PhysMem = new QLabel(sysinfo::aboutPhysicalMemoryText(physicalMemory, locale));
    PhysMem->setObjectName(QStringLiteral("PhysMem"));
    MemLoad = new QLabel(sysinfo::aboutMemoryLoadText(memoryLoad));
    MemLoad->setObjectName(QStringLiteral("MemLoad"));
    column->addWidget(PhysMem);
    column->addWidget(MemLoad);

    OKButton = new QPushButton(QStringLiteral("OK"));
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    column->addWidget(OKButton, 0, Qt::AlignHCenter);
    // The button is both the default and the cancel button: Enter and Esc close the box.
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
