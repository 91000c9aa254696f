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
class Tdechk : public QDialog {
    Q_OBJECT
public:
    explicit Tdechk(QWidget *parent = nullptr);

    // A text about the system or processor by kind, and a display capability by kind.
    QString WinVerString(int kind) const;
    int GetDeviceInfo(int kind) const;

    void ShowUndertheHood();
    void memcheck();
    void Timer1Timer();
    void SpeedButton1Click();
    void PageControl1Change(int index);

    // Rebuild a device page's list and show the device's details (-1: the mapper).
    void WaveInfoOut(int device);
    void MidiInfoOut(int device);
    void WaveInfoIn(int device);
    void MidiInfoIn(int device);
    void ListBox1Click(int row);
    void ListBox2Click(int row);
    void ListBox3Click(int row);
    void ListBox4Click(int row);

    QTabWidget *PageControl1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QTimer *Timer1 = nullptr;
    QListWidget *ListBox1 = nullptr, *ListBox2 = nullptr, *ListBox3 = nullptr, *ListBox4 = nullptr;

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
};
