// The "Under Your Hood" dialog: construction, the System Info page and its refresh, the
// memory print-out. The device pages are in SystemInfoAudioPages.cpp.
#include "sysinfo/SystemInfoDialog.h"

#include "editor/PainterPrintDevice.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Printers.h"
#include "platform/System.h"
#include "settings/Settings.h"
#include "sysinfo/MemoryReport.h"
#include "sysinfo/SystemTexts.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kFontPixels = 10;

// A caption and its value. The value's size is fixed, so that a new value repaints the
// value alone rather than laying the page out again (most of a refresh's cost otherwise).
QLabel *addRow(QGridLayout *grid, int row, int column, const QString &caption, const QString &name,
               int width, const QString &initial = QStringLiteral("?")) {
    grid->addWidget(new QLabel(caption), row, column);
    auto *value = new QLabel(initial);
    value->setObjectName(name);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font;
    font.setPixelSize(kFontPixels);
    value->setFixedSize(width, QFontMetrics(font).height());
    grid->addWidget(value, row, column + 1);
    return value;
}

QGridLayout *column(QHBoxLayout *columns) {
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    columns->addLayout(grid);
    return grid;
}

} // namespace

SystemInfoDialog::SystemInfoDialog(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("systemInfoDialog"));
    setWindowTitle(QStringLiteral("Under Your Hood"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(582, 348);
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);

    m_ui.pages = new QTabWidget(this);
    m_ui.pages->setObjectName(QStringLiteral("pages"));
    m_ui.pages->setGeometry(0, 0, 582, 348);
    const struct {
        platform::AudioClass kind;
        const char16_t *name;
        const char16_t *noDevice;
    } pages[] = {
        {platform::AudioClass::WaveOut, u"Wave Out", u"No Wave Out device drivers in system"},
        {platform::AudioClass::MidiOut, u"Midi Out", u"No Midi Output devices drivers in system"},
        {platform::AudioClass::WaveIn, u"Wave In", u"No Wave Input device drivers in system"},
        {platform::AudioClass::MidiIn, u"Midi In", u"No Midi Input devices drivers in system"}};
    for (int i = 0; i < 4; ++i) {
        m_pages[i].kind = pages[i].kind;
        m_pages[i].name = QString::fromUtf16(pages[i].name);
        m_pages[i].noDevice = QString::fromUtf16(pages[i].noDevice);
    }
    const QString idField[] = {QStringLiteral("Driver ID"), QStringLiteral("Driver ID"),
                               QStringLiteral("Output Device ID"),
                               QStringLiteral("Output Device ID")};
    const QStringList own[] = {{QStringLiteral("Channels")},
                               {QStringLiteral("Voices"), QStringLiteral("Synth Max Notes"),
                                QStringLiteral("Channel Masks")},
                               {QStringLiteral("Channels")},
                               {}};
    const QStringList texts[] = {{QStringLiteral("Formats"), QStringLiteral("Support")},
                                 {QStringLiteral("Supports"), QStringLiteral("Technology")},
                                 {QStringLiteral("Formats")},
                                 {QStringLiteral("Supports")}};
    for (int i = 0; i < 4; ++i) {
        QStringList fields = {QStringLiteral("Product Name"), QStringLiteral("Product Identifier"),
                              QStringLiteral("Manufacturer Code"), idField[i],
                              QStringLiteral("Driver Version")};
        buildAudioPage(m_pages[i], fields + own[i], texts[i]);
    }
    m_ui.waveOutList = m_pages[0].list;
    m_ui.midiOutList = m_pages[1].list;
    m_ui.waveInList = m_pages[2].list;
    m_ui.midiInList = m_pages[3].list;
    m_ui.pages->addTab(buildSystemPage(), QStringLiteral("System Info"));
    m_ui.pages->setCurrentIndex(4);

    m_ui.closeButton = new QPushButton(QStringLiteral("Close the Hood"), this);
    m_ui.closeButton->setObjectName(QStringLiteral("closeButton"));
    m_ui.closeButton->setGeometry(582 - 104, 0, 100, 20);
    m_ui.closeButton->setAutoDefault(false);

    m_ui.refreshTimer = new QTimer(this);
    m_ui.refreshTimer->setObjectName(QStringLiteral("refreshTimer"));
    m_ui.refreshTimer->setInterval(platform::secondMs());

    connect(m_ui.closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui.refreshTimer, &QTimer::timeout, this, &SystemInfoDialog::refreshTick);
    connect(m_ui.printButton, &QPushButton::clicked, this, &SystemInfoDialog::printMemoryReport);
    connect(m_ui.pages, &QTabWidget::currentChanged, this, &SystemInfoDialog::pageChanged);
}

QWidget *SystemInfoDialog::buildSystemPage() {
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("SystemInfo"));
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 2);
    auto *columns = new QHBoxLayout;
    outer->addLayout(columns);

    QGridLayout *left = column(columns);
    const struct {
        const char16_t *caption;
        const char16_t *name;
        int displayKind; // -1: none
        int versionKind; // -1: none
    } leftRows[] = {{u"Bits Per Pixel", u"BitsPerPixel", 0, -1},
                    {u"Resolution", u"Resolution", 1, -1},
                    {u"Display Size", u"DisplaySize", -1, -1},
                    {u"Palette Colors  ", u"PaletteColors", 2, -1},
                    {u"Reserved Palette", u"ReservedPalette", 3, -1},
                    {u"Processor Revision :", u"ProcessorRevision", -1, 6},
                    {u"Processor Type : ", u"ProcessorType", -1, 3},
                    {u"System Version : ", u"SystemVersion", -1, 1},
                    {u"Operating System : ", u"OperatingSystem", -1, 2},
                    {u"Processor Level :", u"ProcessorLevel", -1, 5},
                    {u"Number of Processors : ", u"NumberOfProcessors", -1, 4}};
    int row = 0;
    for (const auto &r : leftRows) {
        QLabel *v =
            addRow(left, row++, 0, QString::fromUtf16(r.caption), QString::fromUtf16(r.name), 120);
        if (r.displayKind >= 0)
            m_displayKinds.insert(r.displayKind, v);
        else if (r.versionKind >= 0)
            m_versionKinds.insert(r.versionKind, v);
        else
            m_displaySize = v;
    }
    const char16_t *memory[][2] = {{u"Avail Virt Memory:", u"AvailVirtMemory"},
                                   {u"Total Virt Memory:", u"TotalVirtMemory"},
                                   {u"Avail Phys Memory:", u"AvailPhysMemory"},
                                   {u"Total Phys Memory:", u"TotalPhysMemory"}};
    QLabel *memoryValues[4];
    for (int i = 0; i < 4; ++i)
        memoryValues[i] = addRow(left, row++, 0, QString::fromUtf16(memory[i][0]),
                                 QString::fromUtf16(memory[i][1]), 120);
    m_memory[0] = memoryValues[3];
    m_memory[1] = memoryValues[2];
    m_memory[2] = memoryValues[1];
    m_memory[3] = memoryValues[0];
    m_ui.loadBar = new QProgressBar;
    m_ui.loadBar->setObjectName(QStringLiteral("loadBar"));
    m_ui.loadBar->setRange(0, 100);
    m_ui.loadBar->setValue(0);
    m_ui.loadBar->setTextVisible(false);
    m_ui.loadBar->setMaximumHeight(10);
    m_ui.loadBar->setToolTip(QStringLiteral("Current CPU load"));
    left->addWidget(m_ui.loadBar, row++, 0, 1, 2);
    m_memoryLoad = addRow(left, row++, 0, QStringLiteral("Current Memory Load"),
                          QStringLiteral("MemoryLoad"), 120);
    left->setRowStretch(row, 1);
    columns->addSpacing(8);

    // The middle column: the refresh rate, the virtual desktop and the aspect figures.
    QGridLayout *middle = column(columns);
    row = 0;
    const std::pair<const char16_t *, int> middleRows[] = {{u"Refresh Rate", 4},
                                                           {u"Vr Destop Hori", 5},
                                                           {u"Vr Destop Vert", 6},
                                                           {u"Hori ASpect", 8},
                                                           {u"Vert Aspect", 9}};
    for (const auto &[caption, kind] : middleRows) {
        const QString initial = kind <= 6 ? QStringLiteral("Nt Only") : QStringLiteral("?");
        m_displayKinds.insert(kind, addRow(middle, row++, 0, QString::fromUtf16(caption),
                                           QStringLiteral("DeviceKind%1").arg(kind), 50, initial));
    }
    middle->setRowStretch(row, 1);
    columns->addSpacing(8);

    QGridLayout *right = column(columns);
    const char16_t *rightRows[] = {u"Width, in millimeters, of the physical screen.",
                                   u"Height, in millimeters, of the physical screen.",
                                   u" Width, in pixels, of the screen.",
                                   u"Height, in raster lines, of the screen",
                                   u"Pixels per logical inch along the screen width.",
                                   u"Pixels per logical inch along the screen height.",
                                   u"Number of adjacent color bits for each pixel.",
                                   u"Number of color planes",
                                   u"Number of device-specific brushes.",
                                   u"Number of device-specific pens."};
    row = 0;
    for (int kind = 11; kind <= 20; ++kind) {
        QLabel *v = addRow(right, row++, 0, QString::fromUtf16(rightRows[kind - 11]),
                           QStringLiteral("DeviceKind%1").arg(kind), 40);
        right->addWidget(v, row - 1, 1, 1, 3);
        m_displayKinds.insert(kind, v);
    }
    const char16_t *heapNames[] = {u"TotalAddrSpace", u"TotalUncommitted", u"TotalCommitted",
                                   u"TotalAllocated", u"TotalFree",        u"FreeSmall",
                                   u"FreeBig",        u"Unused",           u"Overhead",
                                   u"HeapErrorCode",  u"AllocMemCount",    u"AllocMemSize"};
    auto *heap = new QGridLayout;
    heap->setVerticalSpacing(1);
    for (int i = 0; i < 12; ++i) {
        const QString name = QString::fromUtf16(heapNames[i]);
        const int r = i < 10 ? i % 5 : 5;
        const int c = i < 10 ? (i / 5) * 2 : (i - 10) * 2;
        m_heap[i] = addRow(heap, r, c, name, name, 64);
    }
    right->addLayout(heap, row++, 0, 1, 4);
    m_ui.printButton = new QPushButton(QStringLiteral("Print memory information"));
    m_ui.printButton->setObjectName(QStringLiteral("printButton"));
    m_ui.printButton->setAutoDefault(false);
    right->addWidget(m_ui.printButton, row++, 0);
    right->setRowStretch(row++, 1);
    m_refreshed = new QLabel(QStringLiteral("?"));
    m_refreshed->setObjectName(QStringLiteral("RefreshTime"));
    m_refreshed->setAlignment(Qt::AlignRight);
    m_refreshed->setFixedSize(220, QFontMetrics(font()).height());
    right->addWidget(m_refreshed, row, 0, 1, 4, Qt::AlignRight);
    return page;
}

QString SystemInfoDialog::versionText(int kind) const {
    return sysinfo::versionText(kind, platform::System::version(), platform::System::processor());
}

int SystemInfoDialog::deviceCaps(int kind) const {
    return sysinfo::deviceCaps(kind, platform::System::display(screen()));
}

void SystemInfoDialog::refreshFigures() {
    refreshMemory();
    for (int kind : {0, 1, 2, 3})
        m_displayKinds[kind]->setText(QString::number(deviceCaps(kind)));
    const QSize size = QSize(deviceCaps(13), deviceCaps(14));
    m_displaySize->setText(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()));
    // The refresh rate and the virtual desktop are asked of the NT family only.
    if (versionText(0) == QLatin1String("Windows NT")) {
        for (int kind : {4, 5, 6})
            m_displayKinds[kind]->setText(QString::number(deviceCaps(kind)));
    }
    for (int kind : {8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        m_displayKinds[kind]->setText(QString::number(deviceCaps(kind)));
    const platform::VersionInfo version = platform::System::version();
    const platform::ProcessorInfo processor = platform::System::processor();
    for (int kind = 1; kind <= 6; ++kind)
        m_versionKinds[kind]->setText(sysinfo::versionText(kind, version, processor));
}

void SystemInfoDialog::refreshMemory() {
    const platform::HeapStatus h = platform::System::heapStatus();
    const quint64 figures[] = {h.totalAddrSpace, h.totalUncommitted, h.totalCommitted,
                               h.totalAllocated, h.totalFree,        h.freeSmall,
                               h.freeBig,        h.unused,           h.overhead,
                               h.heapErrorCode,  h.allocMemCount,    h.allocMemSize};
    const QLocale locale;
    for (int i = 0; i < 12; ++i)
        m_heap[i]->setText(sysinfo::heapText(figures[i], locale));
}

void SystemInfoDialog::refreshTick() {
    const platform::MemoryStatus m = platform::System::memoryStatus();
    m_memoryLoad->setText(sysinfo::memoryLoadText(m.memoryLoad));
    m_ui.loadBar->setValue(m.memoryLoad);
    const QLocale locale;
    const quint64 bytes[] = {m.totalPhys, m.availPhys, m.totalVirtual, m.availVirtual};
    for (int i = 0; i < 4; ++i)
        m_memory[i]->setText(sysinfo::kbText(bytes[i], locale));
    const QDateTime now = platform::Clock::now();
    m_refreshed->setText(platform::Clock::shortDateText(now.date()) + QLatin1Char(' ') +
                         platform::Clock::longTimeText(now.time()));
    refreshMemory();
}

void SystemInfoDialog::printMemoryReport() {
    QStringList memoryTexts;
    for (QLabel *label : m_memory)
        memoryTexts << label->text();
    const QDateTime now = platform::Clock::now();
    const QStringList lines =
        sysinfo::memoryReportLines(QString::fromLatin1(kApplicationTitle),
                                   platform::Clock::shortDateText(now.date()) + QLatin1Char(' ') +
                                       platform::Clock::longTimeText(now.time()),
                                   platform::System::heapStatus(), memoryTexts, QLocale());
    QPainter painter;
    if (!platform::Printers::beginJob(painter, QStringLiteral("memory.pdf")))
        return;
    PainterPrintDevice device(painter, font(), Qt::black,
                              [&painter] { platform::Printers::abortJob(painter); });
    sysinfo::printMemoryReport(device, lines);
    platform::Printers::endJob(painter);
}

void SystemInfoDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    m_ui.refreshTimer->setInterval(platform::secondMs());
    m_ui.refreshTimer->start();
}

void SystemInfoDialog::hideEvent(QHideEvent *event) {
    m_ui.refreshTimer->stop();
    QDialog::hideEvent(event);
}

void SystemInfoDialog::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshFigures();
}
