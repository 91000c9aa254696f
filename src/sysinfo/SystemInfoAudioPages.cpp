// The device pages of the "Under Your Hood" dialog: wave output, MIDI output, wave input
// and MIDI input, each a list of product names and the details of one device.
#include "sysinfo/SystemInfoDialog.h"

#include "platform/AudioDevices.h"
#include "sysinfo/AudioTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>

namespace {
QString compact(QString name) {
    return name.remove(QLatin1Char(' '));
}
} // namespace

void SystemInfoDialog::buildAudioPage(AudioPage &page, const QStringList &fields,
                                      const QStringList &texts) {
    auto *widget = new QWidget;
    const QString prefix = compact(page.name);
    widget->setObjectName(prefix);
    auto *row = new QHBoxLayout(widget);
    row->setContentsMargins(4, 4, 4, 4);
    page.list = new QListWidget;
    // The list's objectName is its name among the controls: "waveOutList" and so on.
    page.list->setObjectName(prefix.front().toLower() + prefix.mid(1) + QStringLiteral("List"));
    page.list->setFixedWidth(220);
    row->addWidget(page.list);
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    row->addLayout(grid, 1);
    int line = 0;
    for (const QString &field : fields) {
        grid->addWidget(new QLabel(field), line, 0);
        auto *value = new QLabel;
        value->setObjectName(prefix + compact(field));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(value, line++, 1, 1, 3);
        page.fields.insert(field, value);
    }
    for (int i = 0; i < texts.size(); ++i) {
        grid->addWidget(new QLabel(texts[i]), line, i * 2, 1, 2);
        auto *value = new QLabel;
        value->setObjectName(prefix + compact(texts[i]));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setFrameShape(QFrame::StyledPanel);
        value->setFont(QFont(QStringLiteral("Courier"), 8));
        grid->addWidget(value, line + 1, i * 2, 1, 2);
        page.fields.insert(texts[i], value);
    }
    grid->setRowStretch(line + 1, 1);
    m_ui.pages->addTab(widget, page.name);
    // A row chosen by a click or by the arrow keys fills the details.
    connect(
        page.list, &QListWidget::currentRowChanged, this,
        [this, kind = page.kind](int r) {
            if (r < 0)
                return;
            switch (kind) {
            case platform::AudioClass::WaveOut:
                waveOutDeviceClicked(r);
                break;
            case platform::AudioClass::MidiOut:
                midiOutDeviceClicked(r);
                break;
            case platform::AudioClass::WaveIn:
                waveInDeviceClicked(r);
                break;
            case platform::AudioClass::MidiIn:
                midiInDeviceClicked(r);
                break;
            }
        },
        Qt::QueuedConnection); // the list is rebuilt: not while its change is still handled
}

SystemInfoDialog::AudioPage &SystemInfoDialog::audioPage(platform::AudioClass kind) {
    return m_pages[int(kind)];
}

void SystemInfoDialog::fillAudioPage(AudioPage &page, int device) {
    using namespace platform;
    const QList<AudioCaps> devices = AudioDevices::devices(page.kind);
    if (devices.isEmpty()) {
        page.fields.value(QStringLiteral("Product Name"))->setText(page.noDevice);
        return;
    }
    const bool mapper = hasMapper(page.kind);
    // The list is rebuilt with the shown device's row current, so that the arrow keys go on
    // from it; the program's changes of the row fill nothing.
    const QSignalBlocker block(page.list);
    page.list->clear();
    if (mapper)
        page.list->addItem(mapperCaps(page.kind, devices.first()).productName);
    for (const AudioCaps &caps : devices)
        page.list->addItem(caps.productName);
    page.list->setCurrentRow(device + (mapper ? 1 : 0));
    // A device that is not there leaves the record as it was.
    if (device == -1 && mapper)
        page.record = mapperCaps(page.kind, devices.first());
    else if (device >= 0 && device < devices.size())
        page.record = devices[device];

    const AudioCaps &r = page.record;
    const auto set = [&page](const char16_t *field, const QString &text) {
        if (QLabel *label = page.fields.value(QString::fromUtf16(field)))
            label->setText(text);
    };
    set(u"Driver ID", QString::number(device));
    set(u"Output Device ID", QString::number(device));
    set(u"Manufacturer Code", sysinfo::manufacturerText(r.manufacturerId));
    set(u"Product Identifier", sysinfo::productText(r.productId));
    set(u"Driver Version", sysinfo::driverVersionText(r.driverVersion));
    set(u"Product Name", r.productName);
    set(u"Channels", QString::number(r.channels));
    set(u"Voices", QString::number(r.voices));
    set(u"Synth Max Notes", QString::number(r.notes));
    set(u"Channel Masks", QString::number(r.channelMask));
    set(u"Formats", sysinfo::waveFormatsText(r.formats));
    if (page.kind == AudioClass::WaveOut)
        set(u"Support", sysinfo::waveOutSupportText(r.support));
    set(u"Supports", sysinfo::midiSupportText(r.support));
    set(u"Technology", sysinfo::midiTechnologyText(r.technology));
}

void SystemInfoDialog::showWaveOutDevice(int device) {
    fillAudioPage(audioPage(platform::AudioClass::WaveOut), device);
}
void SystemInfoDialog::showMidiOutDevice(int device) {
    fillAudioPage(audioPage(platform::AudioClass::MidiOut), device);
}
void SystemInfoDialog::showWaveInDevice(int device) {
    fillAudioPage(audioPage(platform::AudioClass::WaveIn), device);
}
void SystemInfoDialog::showMidiInDevice(int device) {
    fillAudioPage(audioPage(platform::AudioClass::MidiIn), device);
}

void SystemInfoDialog::waveOutDeviceClicked(int row) {
    showWaveOutDevice(row - 1);
}
void SystemInfoDialog::midiOutDeviceClicked(int row) {
    showMidiOutDevice(row - 1);
}
void SystemInfoDialog::waveInDeviceClicked(int row) {
    showWaveInDevice(row - 1);
}
void SystemInfoDialog::midiInDeviceClicked(int row) {
    showMidiInDevice(row);
}

void SystemInfoDialog::pageChanged(int index) {
    if (index < 0 || index >= 4) {
        refreshFigures();
        return;
    }
    AudioPage &page = m_pages[index];
    const int count = int(platform::AudioDevices::devices(page.kind).size());
    m_ui.pages->setTabText(index, page.name + QLatin1Char(' ') + QString::number(count));
    fillAudioPage(page, platform::hasMapper(page.kind) ? -1 : 0);
}
