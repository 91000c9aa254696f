#pragma once

#include "platform/AudioCaps.h"

#include <QDialog>
#include <QMap>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTimer;

// The "Under Your Hood" dialog: the audio devices on four pages, and on "System Info" the
// display, the system and processor, memory figures refreshed every second while it is
// shown, and the program's heap figures, which can be printed. Created once at start and
// shown modally; the active page and every value shown stay from one opening to the next.
class SystemInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit SystemInfoDialog(QWidget *parent = nullptr);

    // A text about the system or processor by kind, and a display capability by kind.
    QString versionText(int kind) const;
    int deviceCaps(int kind) const;

    void refreshFigures();
    void refreshMemory();
    void refreshTick();
    void printMemoryReport();
    void pageChanged(int index);

    // Rebuild a device page's list and show the device's details (-1: the mapper).
    void showWaveOutDevice(int device);
    void showMidiOutDevice(int device);
    void showWaveInDevice(int device);
    void showMidiInDevice(int device);
    void waveOutDeviceClicked(int row);
    void midiOutDeviceClicked(int row);
    void waveInDeviceClicked(int row);
    void midiInDeviceClicked(int row);

    // The controls, each named as its objectName.
    struct Ui {
        QTabWidget *pages = nullptr;
        QPushButton *closeButton = nullptr;
        QPushButton *printButton = nullptr;
        QProgressBar *loadBar = nullptr;
        QTimer *refreshTimer = nullptr;
        QListWidget *waveOutList = nullptr, *midiOutList = nullptr, *waveInList = nullptr,
                    *midiInList = nullptr;
    };
    const Ui &ui() const { return m_ui; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // One device page: its class, list, fields and the capability record it last read.
    struct AudioPage {
        platform::AudioClass kind = platform::AudioClass::WaveOut;
        QString name;
        QString noDevice;
        QListWidget *list = nullptr;
        QMap<QString, QLabel *> fields;
        platform::AudioCaps record;
    };

    QWidget *buildSystemPage();
    void buildAudioPage(AudioPage &page, const QStringList &fields, const QStringList &texts);
    void fillAudioPage(AudioPage &page, int device);
    AudioPage &audioPage(platform::AudioClass kind);

    AudioPage m_pages[4];
    QMap<int, QLabel *> m_displayKinds;
    QMap<int, QLabel *> m_versionKinds;
    QLabel *m_displaySize = nullptr;
    QLabel *m_memoryLoad = nullptr;
    QLabel *m_memory[4] = {}; // total phys, avail phys, total virt, avail virt
    QLabel *m_heap[12] = {};
    QLabel *m_refreshed = nullptr;
    Ui m_ui;
};
