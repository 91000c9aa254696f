// System information: the readers on fixture files, the texts of the figures and of the
// device records, the "Under Your Hood" dialog, the memory print-out, the About box and the
// help window.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "editor/ScriptEditor.h"
#include "platform/AudioDevices.h"
#include "platform/FindDialog.h"
#include "platform/Printers.h"
#include "platform/Screen.h"
#include "platform/System.h"
#include "sysinfo/AboutBox.h"
#include "sysinfo/AudioTexts.h"
#include "sysinfo/HelpWindow.h"
#include "sysinfo/SystemInfoDialog.h"
#include "sysinfo/SystemTexts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using platform::AudioCaps;
using platform::AudioClass;

namespace {
const QString kProc = QStringLiteral(TEST_DATA_DIR "/proc");

QString fixture(const QString &name) {
    return platform::System::readProcFile(name);
}

QStringList rows(const QListWidget *list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

AudioCaps device(const QString &name, int formats = 0) {
    AudioCaps c;
    c.productName = name;
    c.formats = quint32(formats);
    return c;
}

// Runs check on the modal dialog that trigger opens, then closes it.
void onModal(QAction *trigger, const std::function<void(QWidget *)> &check) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        check(modal);
        seen = true;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    trigger->trigger();
    QVERIFY(seen);
}
} // namespace

class TestSysinfo : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Sandbox> sandbox;
    SystemInfoDialog *hood = nullptr;

    QString shown(const QString &objectName) const {
        const auto *label = hood->findChild<QLabel *>(objectName);
        return label ? label->text() : QStringLiteral("<no %1>").arg(objectName);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        platform::System::setProcRoot(kProc);
    }
    void cleanupTestCase() { platform::System::setProcRoot(QString()); }
    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        hood = new SystemInfoDialog;
    }
    void cleanup() {
        delete hood;
        platform::AudioDevices::clearOverrides();
        sandbox.reset();
    }

    void systemInfoPage_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("total physical") << "TotalPhysMemory"
                                        << "8,062,384 KB";
        QTest::newRow("available physical") << "AvailPhysMemory"
                                            << "4,431,212 KB";
        QTest::newRow("memory load") << "MemoryLoad"
                                     << "45%";
        QTest::newRow("processors") << "NumberOfProcessors"
                                    << "4";
        QTest::newRow("level") << "ProcessorLevel"
                               << "6";
        QTest::newRow("revision: model and stepping") << "ProcessorRevision"
                                                      << "21767";
        QTest::newRow("version") << "SystemVersion"
                                 << "4.10";
        QTest::newRow("operating system") << "OperatingSystem"
                                          << "Linux";
        QTest::newRow("refresh rate NT only") << "DeviceKind4"
                                              << "Nt Only";
        QTest::newRow("desktop width NT only") << "DeviceKind5"
                                               << "Nt Only";
        QTest::newRow("desktop height NT only") << "DeviceKind6"
                                                << "Nt Only";
        QTest::newRow("display size") << "DisplaySize"
                                      << "1024 x 768";
        QTest::newRow("adjacent colour bits as bits per pixel")
            << "DeviceKind17" << QString::number(platform::Screen::depth());
        QTest::newRow("heap figure 0 empty") << "HeapErrorCode"
                                             << "";
    }
    void systemInfoPage() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        // Nothing is read before the first fill.
        QCOMPARE(shown(field), text == u"Nt Only" ? text : QStringLiteral("?"));
        hood->refreshFigures();
        hood->refreshTick();
        QCOMPARE(shown(field), text);
        QCOMPARE(hood->ui().loadBar->value(), 45);
        QCOMPARE(shown("BitsPerPixel"), shown("DeviceKind17"));
    }

    void timerRunsWhileShown() {
        QCOMPARE(hood->ui().pages->currentWidget()->objectName(), QStringLiteral("SystemInfo"));
        hood->show();
        QVERIFY(hood->ui().refreshTimer->isActive());
        QTRY_COMPARE(shown("MemoryLoad"), QStringLiteral("45%"));
        hood->ui().closeButton->click();
        QVERIFY(!hood->ui().refreshTimer->isActive() && !hood->isVisible());
    }

    void versionTexts_data() {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("release");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("80386") << "i386"
                               << "2.0.36" << 3 << "80386";
        QTest::newRow("80486") << "i486"
                               << "2.0.36" << 3 << "80486";
        QTest::newRow("Pentium for the x86 successors") << "i686"
                                                        << "2.6.1" << 3 << "Pentium";
        QTest::newRow("unknown type with its number") << "x86_64"
                                                      << "6.1" << 3 << "Unknown (8664)";
        QTest::newRow("unknown machine") << "riscv64"
                                         << "6.1" << 3 << "Unknown (0)";
        QTest::newRow("minor version two digits") << "x86_64"
                                                  << "4.0.9" << 1 << "4.00";
        QTest::newRow("platform for kind 0") << "x86_64"
                                             << "6.1" << 0 << "Linux";
        QTest::newRow("platform for other kinds") << "x86_64"
                                                  << "6.1" << 9 << "Linux";
    }
    void versionTexts() {
        QFETCH(QString, machine);
        QFETCH(QString, release);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const auto version = platform::versionFromUname(u"Linux", release);
        const auto processor = platform::parseCpuinfo(fixture("cpuinfo"), machine);
        QCOMPARE(sysinfo::versionText(kind, version, processor), text);
    }

    void numberTexts_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("text");
        const QLocale en(QLocale::English);
        QTest::newRow("KB") << sysinfo::kbText(66572288, en) << "65,012 KB";
        QTest::newRow("KB rounds down") << sysinfo::kbText(1535, en) << "1 KB";
        QTest::newRow("KB grouped in the C locale too")
            << sysinfo::kbText(66572288, QLocale::c()) << "65,012 KB";
        QTest::newRow("KB, German separator")
            << sysinfo::kbText(66572288, QLocale(QLocale::German)) << "65.012 KB";
        QTest::newRow("heap") << sysinfo::heapText(1234567, en) << "1,234,567";
        QTest::newRow("heap 0 empty") << sysinfo::heapText(0, en) << "";
        QTest::newRow("About memory")
            << sysinfo::aboutPhysicalMemoryText(66572288, en) << "Physical Memory 65,012 KB";
        QTest::newRow("About memory rounds")
            << sysinfo::aboutPhysicalMemoryText(1536, en) << "Physical Memory 2 KB";
        QTest::newRow("About load") << sysinfo::aboutMemoryLoadText(45) << "Memory Load     45 %";
        const auto space = platform::withAddressSpace({}, quint64(2) << 30, fixture("self/status"));
        QTest::newRow("virtual: address space less VmSize")
            << sysinfo::kbText(space.availVirtual, en) << "1,197,152 KB";
    }
    void numberTexts() {
        QFETCH(QString, got);
        QFETCH(QString, text);
        QCOMPARE(got, text);
    }

    void audioTexts_data() {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("text");
        QTest::newRow("maker 1") << sysinfo::manufacturerText(1) << "Microsoft";
        QTest::newRow("maker 126") << sysinfo::manufacturerText(126) << "Fast(AvMaster)";
        QTest::newRow("maker 136") << sysinfo::manufacturerText(136) << "D A L";
        QTest::newRow("unknown maker") << sysinfo::manufacturerText(77) << "Unknow 77";
        QTest::newRow("product 9") << sysinfo::productText(9) << " Ad Lib-compatible synthesizer";
        QTest::newRow("product 12") << sysinfo::productText(12) << "Joystick adapter";
        for (int id : {0, 8, 13})
            QTest::addRow("product %d", id)
                << sysinfo::productText(id) << "Unknow or Unlisted Manufacturer";
        QTest::newRow("version 4.0") << sysinfo::driverVersionText(0x10400) << "4.0";
        QTest::newRow("version 1.12") << sysinfo::driverVersionText(0x010C) << "1.12";
        QTest::newRow("all twelve formats, highest first")
            << sysinfo::waveFormatsText(0xFFF)
            << " 44.1   kHz, Stereo, 16-bit\n 44.1   kHz, Mono,   16-bit\n"
               " 44.1   kHz, Stereo,  8-bit\n 44.1   kHz, Mono,   8-bit \n"
               " 22.05  kHz, Stereo, 16-bit\n 22.05  kHz, Mono,   16-bit\n"
               " 22.05  kHz, Stereo, 8-bit \n 22.05  kHz, Mono,   8-bit \n"
               " 11.025 kHz, Stereo, 16-bit\n 11.025 kHz, Mono,   16-bit\n"
               " 11.025 kHz, Stereo, 8-bit \n 11.025 kHz, Mono,   8-bit \n";
        QTest::newRow("wave support")
            << sysinfo::waveOutSupportText(0x7C)
            << "Direct SoundReturns sample-accurate\nposition information.\nThe driver is "
               "synchronous\nand will block while \nplaying a buffer.\nSupports separate left "
               "and\nright volume control.\nSupports volume control\n";
        QTest::newRow("MIDI support") << sysinfo::midiSupportText(0xF)
                                      << "Driver supports Midi\nStream Out directly.\nCan "
                                         "CACHE\nSeparate left-right\nvolume control.\nSupports "
                                         "volume control\n";
        QTest::newRow("technology 5") << sysinfo::midiTechnologyText(5) << "MIDI mapper\n";
        QTest::newRow("technology 6") << sysinfo::midiTechnologyText(6) << "";
        QTest::newRow("technology 7") << sysinfo::midiTechnologyText(7) << "";
    }
    void audioTexts() {
        QFETCH(QString, got);
        QFETCH(QString, text);
        QCOMPARE(got, text);
    }

    void waveFormatsFromRanges_data() {
        QTest::addColumn<int>("minRate");
        QTest::addColumn<int>("maxRate");
        QTest::addColumn<int>("maxChannels");
        QTest::addColumn<bool>("eightBit");
        QTest::addColumn<int>("formats");
        QTest::addColumn<int>("channels");
        QTest::newRow("everything") << 8000 << 384000 << 32 << true << 0xFFF << 2;
        QTest::newRow("44.1 kHz, 16 bits only") << 44100 << 48000 << 2 << false << 0xC00 << 2;
        QTest::newRow("mono") << 11025 << 22050 << 1 << true << 0x055 << 1;
    }
    void waveFormatsFromRanges() {
        QFETCH(int, minRate);
        QFETCH(int, maxRate);
        QFETCH(int, maxChannels);
        QFETCH(bool, eightBit);
        QFETCH(int, formats);
        QFETCH(int, channels);
        const AudioCaps c =
            platform::waveCapsOf({"d", minRate, maxRate, 1, maxChannels, eightBit, true}, true, 0);
        QCOMPARE(int(c.formats), formats);
        QCOMPARE(c.channels, channels);
    }

    void wavePages() {
        platform::AudioDevices::setOverride(AudioClass::WaveOut, {device("Speakers", 0x800)});
        hood->ui().pages->setCurrentIndex(0);
        QCOMPARE(hood->ui().pages->tabText(0), QStringLiteral("Wave Out 1"));
        QCOMPARE(rows(hood->ui().waveOutList), (QStringList{"Wave Mapper", "Speakers"}));
        QCOMPARE(shown("WaveOutDriverID"), QStringLiteral("-1"));
        QCOMPARE(shown("WaveOutProductIdentifier"), QStringLiteral("Wave Mapper"));
        QCOMPARE(shown("WaveOutFormats"), QStringLiteral(" 44.1   kHz, Stereo, 16-bit\n"));
        // The arrow keys choose a row as a click does; the list is rebuilt with it current.
        hood->show();
        QVERIFY(QTest::qWaitForWindowExposed(hood));
        hood->ui().waveOutList->setFocus();
        QTest::keyClick(hood->ui().waveOutList, Qt::Key_Down);
        QTRY_COMPARE(shown("WaveOutDriverID"), QStringLiteral("0"));
        QCOMPARE(shown("WaveOutProductName"), QStringLiteral("Speakers"));
        QCOMPARE(hood->ui().waveOutList->currentRow(), 1);
        QTest::keyClick(hood->ui().waveOutList, Qt::Key_Up);
        QTRY_COMPARE(shown("WaveOutDriverID"), QStringLiteral("-1"));
        hood->waveOutDeviceClicked(1);
        QCOMPARE(shown("WaveOutProductName"), QStringLiteral("Speakers"));

        // A class without devices: its text, and the rest as it was.
        platform::AudioDevices::setOverride(AudioClass::WaveIn, {});
        hood->ui().pages->setCurrentIndex(2);
        QCOMPARE(hood->ui().pages->tabText(2), QStringLiteral("Wave In 0"));
        QCOMPARE(shown("WaveInProductName"),
                 QStringLiteral("No Wave Input device drivers in system"));
        QCOMPARE(shown("WaveInOutputDeviceID"), QString());
        hood->ui().pages->setCurrentIndex(4);
        QCOMPARE(hood->ui().pages->tabText(0), QStringLiteral("Wave Out 1")); // stays
    }

    void midiPagesFromTheSequencer() {
        platform::AudioDevices::setOverride(AudioClass::MidiOut, {});
        hood->ui().pages->setCurrentIndex(1);
        QCOMPARE(shown("MidiOutProductName"),
                 QStringLiteral("No Midi Output devices drivers in system"));
        platform::AudioDevices::clearOverrides();
        hood->ui().pages->setCurrentIndex(3);
        QCOMPARE(hood->ui().pages->tabText(3), QStringLiteral("Midi In 3"));
        QCOMPARE(rows(hood->ui().midiInList),
                 (QStringList{"Midi Through Port-0", "USB Keys MIDI 1", "USB Keys Control"}));
        QCOMPARE(shown("MidiInOutputDeviceID"), QStringLiteral("0"));
        QCOMPARE(shown("MidiInDriverVersion"), QStringLiteral("4.10"));
        // "Midi In" has no mapper: row r is device r.
        hood->midiInDeviceClicked(2);
        QCOMPARE(shown("MidiInOutputDeviceID"), QStringLiteral("2"));
        QCOMPARE(shown("MidiInProductName"), QStringLiteral("USB Keys Control"));
        hood->ui().pages->setCurrentIndex(1);
        const QStringList out = rows(hood->ui().midiOutList);
        QCOMPARE(out.first(), QStringLiteral("MIDI Mapper"));
        QCOMPARE(out.mid(out.size() - 3),
                 (QStringList{"Midi Through Port-0", "USB Keys MIDI 1", "Synth input port"}));
        hood->midiOutDeviceClicked(out.size() - 1);
        QCOMPARE(shown("MidiOutTechnology"), QStringLiteral("Output port\n"));
        QCOMPARE(shown("MidiOutChannelMasks"), QStringLiteral("65535"));
    }

    void memoryPrintout() {
        const QString pdf = sandbox->path(QStringLiteral("memory.pdf"));
        platform::Printers::scripted({pdf});
        platform::Printers::setup(nullptr);
        hood->refreshTick();
        hood->ui().printButton->click();
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000));
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("Program: ZAL LectoScope-32 Information"));
        QVERIFY(lines.contains(QString(27, u'_')));
        QVERIFY(lines.contains(QStringLiteral("HeapErrorCode"))); // 0: the bare label
        QVERIFY(lines.contains(QStringLiteral("TotalPhysMem     8,062,384 KB")));
        QVERIFY(
            lines.filter(QRegularExpression(QStringLiteral("^AllocMemSize     \\d+$"))).size() ==
            1);
    }

    void dialogsFromTheMenus() {
        QVERIFY(testsupport::createWindows());
        // Both open centred on the screen, not over the main window.
        const auto centred = [](QWidget *modal) {
            const QSize screen = platform::Screen::size();
            const QRect r = modal->frameGeometry();
            if (r.topLeft() ==
                QPoint((screen.width() - r.width()) / 2, (screen.height() - r.height()) / 2))
                return true;
            qWarning() << "not centred:" << r << "on" << screen;
            return false;
        };
        onModal(mainWindow->ui().systemInfoAction, [&](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(systemInfoDialog));
            QVERIFY(systemInfoDialog->ui().refreshTimer->isActive());
            QVERIFY(centred(modal));
            // Three columns: the refresh rate stands at the top, right of the left column.
            const auto at = [modal](const char *name) {
                const auto *label = modal->findChild<QLabel *>(QString::fromLatin1(name));
                return QRect(label->mapTo(modal, QPoint(0, 0)), label->size());
            };
            QVERIFY(at("DeviceKind4").left() > at("BitsPerPixel").right());
            QCOMPARE(at("DeviceKind4").top(), at("BitsPerPixel").top());
            QVERIFY(at("DeviceKind4").right() < at("DeviceKind11").left());
        });
        QVERIFY(!systemInfoDialog->ui().refreshTimer->isActive());

        QPointer<QWidget> first;
        for (int opening = 0; opening < 2; ++opening) {
            onModal(mainWindow->ui().aboutAction, [&](QWidget *modal) {
                QVERIFY(modal != first); // a new box each time
                first = modal;
                QVERIFY(centred(modal));
                QCOMPARE(modal->palette().color(QPalette::Window), QColor(0, 0, 255));
                QCOMPARE(modal->findChild<QLabel *>("version")->text(), QStringLiteral("01.24A"));
                QCOMPARE(modal->findChild<QLabel *>("physicalMemory")->text(),
                         QStringLiteral("Physical Memory 8,062,384 KB"));
                QCOMPARE(modal->findChild<QLabel *>("memoryLoad")->text(),
                         QStringLiteral("Memory Load     45 %"));
            });
            QTRY_VERIFY(first.isNull()); // gone once closed
        }
        // Ctrl+A opens it from the script editor too.
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowActive(mainWindow));
        mainWindow->ui().editor->setFocus();
        bool opened = false;
        QTimer::singleShot(0, [&] {
            opened = qobject_cast<AboutBox *>(QApplication::activeModalWidget());
            if (opened)
                QApplication::activeModalWidget()->close();
        });
        QTest::keyClick(mainWindow->ui().editor, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(opened);

        // Elsewhere Ctrl+A does what the focused control does: the Find dialog's field
        // selects its text, its button does nothing.
        mainWindow->ui().findAction->trigger();
        platform::FindDialog *find = mainWindow->ui().findDialog;
        QVERIFY(QTest::qWaitForWindowActive(find));
        find->FindEdit->setText(QStringLiteral("alpha"));
        find->FindEdit->deselect();
        for (QWidget *focused : {static_cast<QWidget *>(find->FindEdit),
                                 static_cast<QWidget *>(find->FindNextButton)}) {
            focused->setFocus();
            opened = false;
            QTimer::singleShot(0, [&] {
                opened = QApplication::activeModalWidget() != nullptr;
                if (opened)
                    QApplication::activeModalWidget()->close();
            });
            QTest::keyClick(focused, Qt::Key_A, Qt::ControlModifier);
            QTest::qWait(20);
            QVERIFY2(!opened, qPrintable(focused->objectName()));
            if (focused == find->FindEdit)
                QCOMPARE(find->FindEdit->selectedText(), QStringLiteral("alpha"));
        }
        find->close();
    }

    void help() {
        QVERIFY(testsupport::createWindows());
        mainWindow->ui().helpAction->trigger();
        auto *help = mainWindow->findChild<HelpWindow *>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->shownSource(), QString::fromLatin1(HelpWindow::kBuiltInHelp));
        QVERIFY(help->ui().contents->toPlainText().contains(
            QStringLiteral("Keys and mouse during play")));
        help->ui().searchEdit->setText(QStringLiteral("configure keys"));
        QTest::keyClick(help->ui().searchEdit, Qt::Key_Return);
        QCOMPARE(help->ui().contents->textCursor().selectedText().toLower(),
                 QStringLiteral("configure keys"));
        help->ui().searchEdit->setText(QStringLiteral("no such phrase"));
        QVERIFY(!help->findNext());
        QCOMPARE(help->ui().searchStatus->text(), QStringLiteral("Not found"));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        // A help file of the name start-up gives, installed in the configuration folder.
        const QString installed = sandbox->configDir() + QStringLiteral("/Lectosco.hlp");
        QVERIFY(
            testsupport::writeBytes(installed, "<html><body><p>Studio guide</p></body></html>"));
        QVERIFY(testsupport::createWindows());
        mainWindow->ui().helpAction->trigger();
        help = mainWindow->findChild<HelpWindow *>();
        QCOMPARE(help->shownSource(), installed);
        QCOMPARE(help->ui().contents->toPlainText(), QStringLiteral("Studio guide"));
        // A binary help file cannot be shown: the built-in help instead.
        QVERIFY(testsupport::writeBytes(installed, QByteArray("?_\x03\x00", 4) + "binary"));
        QCOMPARE(help->showFirstOf({installed}), QString::fromLatin1(HelpWindow::kBuiltInHelp));
    }
};

QTEST_MAIN(TestSysinfo)
#include "tst_sysinfo.moc"
