// The configuration file: value forms, reading order and apply steps, the written file's
// keys and sections, the three File-menu commands, the first start, and files that are bad
// or cannot be written.
#include "TestSupport.h"

#include "app/DefaultConfiguration.h"
#include "app/Errors.h"
#include "app/LectoApplication.h"
#include "app/Mainform.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "editor/ScriptEditor.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The written file with its changing values (date and tick count) masked and its CR LF
// line ends as LF.
QByteArray masked(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    QString text = QString::fromUtf8(bytes);
    text.replace(QRegularExpression(QStringLiteral("(?m)^(ConfigDate|ccID)=.*$")),
                 QStringLiteral("\\1=*"));
    return text.toUtf8();
}

// Makes every write that would grow a file past `bytes` fail with EFBIG, as a full disk
// would. Root is not exempt, unlike permission bits.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

QStringList shownTexts() {
    QStringList texts;
    for (const auto &m : platform::MessageBoxes::shown())
        texts << m.text;
    return texts;
}

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::Sandbox> sandbox;
    TForm1 *f = nullptr;

    QString defaultIni() const { return sandbox->configDir() + QStringLiteral("/ZALSCROL.INI"); }

    // Reads a configuration file holding these bytes.
    void load(const QByteArray &bytes) {
        f->ReadTheIniFile(sandbox->writeFile(QStringLiteral("load.ini"), bytes));
    }

    // A menu check mark, check box or tool button by its name.
    bool state(const QString &name) const {
        if (auto *a = f->findChild<QAction *>(name))
            return a->isChecked();
        if (auto *c = f->findChild<QCheckBox *>(name))
            return c->isChecked();
        if (auto *b = f->findChild<QToolButton *>(name))
            return b->isChecked();
        qFatal("no control %s", qPrintable(name));
    }

    // Settings away from every default, as an operator could leave them.
    void changeEverything() {
        f->FadeTitles = true;
        f->FadeTwoline = true;
        f->FadeTVTitle = true;
        f->FadeAnti = true;
        f->CenterFade = true;
        f->LowerThird = true;
        f->FadeHoldTime = 7;
        f->ArrowAmt = 11;
        f->PgJumpAmt = 222;
        f->WordPerMinute = 140;
        f->FormColor = 0x123456;
        f->DisPlaColor = 0x00FF80;
        f->CbarTime = 21;
        f->Startime = platform::timeToDayFraction(QTime(17, 45, 30));
        f->AviPlayerFileName = QStringLiteral("/media/clip one.avi");
        f->waveplayerFileName = QStringLiteral("/media/sound.wav");
        f->LastFile = sandbox->writeFile(QStringLiteral("last.txt"), "the last script");
        f->setEditorFontSize(31);
        QFont font = f->Memo1->font();
        font.setFamily(QStringLiteral("Courier"));
        f->Memo1->setFont(font);
        f->ToolButton7->click();              // centring
        f->Use10secondbackground1->trigger(); // on
        f->TVTitle1->trigger();               // on
        f->StartfromCursor1->trigger();       // on
        f->WordWrap1->setChecked(false);      // designed state is off; a file's default on
        f->Wantreturn->setChecked(true);
        f->Bold2->setChecked(true);
        f->UseCountDown->trigger(); // on
        f->usecolorbars->trigger(); // on
        f->ReverseButton->click();  // down
        f->CtrMarkerCheckbox->setChecked(true);
        f->Nopausecheckbox->setChecked(true);
        f->LoopCheckBox->setChecked(true);
        f->CheckBox1->setChecked(true);  // Slower x10
        f->TrackBar2->setValue(37);      // Delay 370
        f->StartbyAutoTimer1->trigger(); // armed, clock on
        f->VideoMode1->trigger();        // off
        f->RadioGroup1->setItemIndex(6);
        f->RadioGroup2->setItemIndex(4);
        f->PixelControl1->setChecked(true);
        f->ScreenOutputResolution1->setChecked(true);
        f->Calibrate1->setChecked(false);
        f->TextEditPanel1->setChecked(false);
        f->AutoTimer1->setChecked(true);
        f->DelayControl1->setChecked(false);
        f->SpeedBar1->setChecked(false);
        f->setGeometry(33, 44, 801, 555);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        f = new TForm1;
        f->initialiseSettings();
    }
    void cleanup() {
        delete f;
        f = nullptr;
        sandbox.reset();
        QLocale::setDefault(QLocale::c());
    }

    void integerForms_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("12") << 12;
        QTest::newRow("negative") << QByteArray("-7") << -7;
        QTest::newRow("blanks around") << QByteArray("  13  ") << 13;
        QTest::newRow("0x hex") << QByteArray("0x1F") << 31;
        QTest::newRow("0X hex") << QByteArray("0X1f") << 31;
        QTest::newRow("$ hex") << QByteArray("$1F") << 31;
        QTest::newRow("32-bit hex") << QByteArray("0xFFFFFFFF") << -1;
        QTest::newRow("0x alone") << QByteArray("0x") << 50;
        QTest::newRow("$ alone") << QByteArray("$") << 50;
        QTest::newRow("trailing junk") << QByteArray("12abc") << 50;
        QTest::newRow("too large") << QByteArray("2147483648") << 50;
        QTest::newRow("empty") << QByteArray("") << 50;
        QTest::newRow("missing") << QByteArray() << 50;
    }
    void integerForms() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        f->ArrowAmt = 9999;
        load(value.isNull() ? QByteArray("[Stuff]\r\n") : "[Stuff]\r\nArrowAmt=" + value + "\r\n");
        QCOMPARE(f->ArrowAmt, expected);
    }

    void booleanForms_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << "Nopausecheckbox" << QByteArray("NoPause=1") << true;
        QTest::newRow("any non-zero") << "Nopausecheckbox" << QByteArray("NoPause=-2") << true;
        QTest::newRow("hex non-zero") << "Nopausecheckbox" << QByteArray("NoPause=0x10") << true;
        QTest::newRow("0") << "Nopausecheckbox" << QByteArray("NoPause=0") << false;
        QTest::newRow("word, default off")
            << "Nopausecheckbox" << QByteArray("NoPause=yes") << false;
        QTest::newRow("missing, default off") << "Nopausecheckbox" << QByteArray() << false;
        QTest::newRow("word, default on")
            << "ClockOn" << QByteArray("ShowClock=on\r\nTimerMode=0") << true;
        QTest::newRow("0, default on")
            << "ClockOn" << QByteArray("ShowClock=0\r\nTimerMode=0") << false;
        QTest::newRow("TV title") << "TVTitle1" << QByteArray("TVTitleMode=1") << true;
        QTest::newRow("word wrap missing") << "WordWrap1" << QByteArray() << true;
        QTest::newRow("no returns") << "Wantreturn" << QByteArray("WantReturns=1") << true;
        QTest::newRow("centre marker")
            << "CtrMarkerCheckbox" << QByteArray("CenterMarker=1") << true;
    }
    void booleanForms() {
        QFETCH(QString, control);
        QFETCH(QByteArray, line);
        QFETCH(bool, expected);
        load("[Options]\r\n" + line + "\r\n");
        QCOMPARE(state(control), expected);
    }

    void textForms() {
        const QByteArray longName(2000, 'a');
        load("[Stuff]\r\nAviname=" + longName +
             "\r\nWavname=\"quoted name.wav\"\r\n"
             "FontName=" +
             QByteArray(40, 'F') +
             "\r\nMainColor=-2147483644\r\n"
             "FormColor=0xFF\r\nDisPlaColor=-16\r\n");
        QCOMPARE(f->AviPlayerFileName, QString(1023, QLatin1Char('a')));
        QCOMPARE(f->waveplayerFileName, QStringLiteral("quoted name.wav"));
        QCOMPARE(f->Memo1->font().family(), QString(31, QLatin1Char('F')));
        QCOMPARE(f->MainColor, -2147483644);
        QCOMPARE(f->FormColor, 255);
        QCOMPARE(f->DisPlaColor, -16);
    }

    void defaultsOfMissingKeys() {
        const QString face = f->Memo1->font().family();
        f->MainColor = 5;
        load("[Stuff]\r\nFontName=\r\n");
        QCOMPARE(f->Memo1->font().family(), face); // an empty face changes nothing
        QCOMPARE(f->MainColor, -1);
        QCOMPARE(f->FadeHoldTime, 0);
        QCOMPARE(f->CbarTime, 3);
        QCOMPARE(f->WordPerMinute, 65);
        QCOMPARE(f->DisPlaColor, 0);
        QCOMPARE(f->S_Right, 1024);
        QCOMPARE(f->S_Bottom, 768);
        QCOMPARE(f->editorFontSize(), 24);
        QCOMPARE(f->TrackBar1->value(), 24);
        QCOMPARE(platform::dayFractionToTime(f->Startime), QTime(12, 0, 0));
    }

    void startime_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QTime>("expected");
        QTest::newRow("missing") << QByteArray() << QTime(12, 0, 0);
        QTest::newRow("empty") << QByteArray("Startime=") << QTime(12, 0, 0);
        QTest::newRow("seconds") << QByteArray("Startime=09:30:15") << QTime(9, 30, 15);
        QTest::newRow("no seconds") << QByteArray("Startime=9:30") << QTime(9, 30, 0);
        QTest::newRow("PM marker") << QByteArray("Startime=1:05:00 PM") << QTime(13, 5, 0);
        QTest::newRow("midnight") << QByteArray("Startime=00:00:00") << QTime(0, 0, 0);
    }
    void startime() {
        QFETCH(QByteArray, line);
        QFETCH(QTime, expected);
        load("[Options]\r\n" + line + "\r\n");
        QCOMPARE(platform::dayFractionToTime(f->Startime), expected);
    }

    // The time is written in the locale's long form and read back in the same locale.
    void startimeLocales_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fi_FI") << QLocale(QLocale::Finnish, QLocale::Finland);
    }
    void startimeLocales() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        f->Startime = platform::timeToDayFraction(QTime(21, 7, 9));
        const QString path = sandbox->path(QStringLiteral("time.ini"));
        QVERIFY(f->WriteTheIniFile(path));
        f->Startime = 0;
        f->ReadTheIniFile(path);
        QCOMPARE(platform::dayFractionToTime(f->Startime), QTime(21, 7, 9));
    }

    void stopAtEndAndLoop_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("stop");
        QTest::newRow("both 1: loop wins")
            << QByteArray("StopAtEnd=1\r\nLoopMode=1") << true << false;
        QTest::newRow("stop only") << QByteArray("StopAtEnd=1\r\nLoopMode=0") << false << true;
        QTest::newRow("loop only") << QByteArray("LoopMode=1") << true << false;
        QTest::newRow("neither") << QByteArray() << false << false;
    }
    void stopAtEndAndLoop() {
        QFETCH(QByteArray, lines);
        QFETCH(bool, loop);
        QFETCH(bool, stop);
        load("[Options]\r\n" + lines + "\r\n");
        QCOMPARE(f->LoopCheckBox->isChecked(), loop);
        QCOMPARE(f->LoopMode1->isChecked(), loop);
        QCOMPARE(f->stopatend->isChecked(), stop);
    }

    void delayAndFactor_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("bar");
        QTest::newRow("125 at x10")
            << QByteArray("[Options]\r\nDelayx10=1\r\n[Stuff]\r\nDelay=125\r\nDelayFactor=10\r\n")
            << 125 << 10 << 12;
        QTest::newRow("60 at x1") << QByteArray("[Stuff]\r\nDelay=60\r\nDelayFactor=1\r\n") << 60
                                  << 1 << 60;
        QTest::newRow("zero delay leaves the bar")
            << QByteArray("[Stuff]\r\nDelay=0\r\nDelayFactor=10\r\n") << 0 << 10 << 1;
        QTest::newRow("factor kept in 8 bits")
            << QByteArray("[Stuff]\r\nDelay=600\r\nDelayFactor=300\r\n") << 600 << 44 << 13;
        QTest::newRow("negative factor leaves the bar")
            << QByteArray("[Stuff]\r\nDelay=600\r\nDelayFactor=-3\r\n") << 600 << -3 << 1;
    }
    void delayAndFactor() {
        QFETCH(QByteArray, file);
        QFETCH(int, delay);
        QFETCH(int, factor);
        QFETCH(int, bar);
        load(file);
        QCOMPARE(f->Delay, delay);
        QCOMPARE(int(f->DelayFactor), factor);
        QCOMPARE(f->TrackBar2->value(), bar);
        QCOMPARE(f->delayLabel->text(), QString::number(delay));
    }

    // Read twice, the second time with default 0: a missing key is unchecked.
    void useCountDown_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("checked");
        QTest::newRow("1") << QByteArray("UseCountDown=1") << true;
        QTest::newRow("0") << QByteArray("UseCountDown=0") << false;
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("other case") << QByteArray("usecountdown=1") << true;
    }
    void useCountDown() {
        QFETCH(QByteArray, line);
        QFETCH(bool, checked);
        load("[Options]\r\n" + line + "\r\n");
        QCOMPARE(f->UseCountDown->isChecked(), checked);
        QCOMPARE(f->CountDownButton->isChecked(), checked);
    }

    void namesIgnoreCase() {
        load("[OPTIONS]\r\nSTOPATEND=1\r\nCenterFade=1\r\n[stuff]\r\ndisplaysize=3\r\n"
             "[optionwindows]\r\nspeedbar=0\r\n");
        QVERIFY(f->stopatend->isChecked());
        QVERIFY(f->CenterFade);
        QCOMPARE(f->RadioGroup2->itemIndex(), 3);
        QCOMPARE(f->DisPlaysize, 3);
        QCOMPARE(f->S_Left, 512 - 200); // "400 x 320" from the group's rule
        QVERIFY(f->ToolBar1->isHidden());
    }

    void applySteps() {
        load("[Options]\r\nTimerMode=1\r\nShowClock=0\r\nVideoMode=0\r\nUseColorBars=1\r\n"
             "Centering=1\r\nFadeTitles=1\r\n[Stuff]\r\nFontSize=30\r\nProcessType=5\r\n"
             "[OptionWindows]\r\nPixelControl=0\r\nAutoTimer=1\r\nTextEditPanel=0\r\n"
             "ML=20\r\nMT=30\r\nMW=640\r\nMH=480\r\n");
        // Auto start armed with a running clock.
        QVERIFY(f->StartbyAutoTimer1->isChecked());
        QVERIFY(f->ClockOn->isChecked());
        QVERIFY(f->Timer1->isActive());
        QVERIFY(!f->VideoMode1->isChecked());
        QVERIFY(f->usecolorbars->isChecked());
        QVERIFY(f->ColorBarsButton->isChecked());
        QVERIFY(f->ToolButton7->isChecked());
        QVERIFY(f->CenterText1->isChecked());
        QVERIFY(f->Memo1->isCentered());
        QVERIFY(f->FadeTitles1->isChecked()); // fade defaults applied
        QVERIFY(!f->RadioGroup1->isEnabled());
        QCOMPARE(f->TrackBar1->value(), 30);
        QCOMPARE(f->RadioGroup1->itemIndex(), 5);
        QCOMPARE(f->ProcessType, 5);
        QVERIFY(f->RadioGroup1->isHidden());
        QVERIFY(!f->Panel1->isHidden());
        QVERIFY(f->Memo1->isHidden());
        QCOMPARE(f->geometry().topLeft(), QPoint(20, 30));
        QCOMPARE(f->size(), QSize(640, 480));
    }

    // With the clock shown but no auto start, the check mark is set and the clock waits.
    void clockCheckedButIdle() {
        load("[Options]\r\nShowClock=1\r\nTimerMode=0\r\n");
        QVERIFY(f->ClockOn->isChecked());
        QVERIFY(!f->Timer1->isActive());
    }

    void outOfRangeValues() {
        load("[Stuff]\r\nProcessType=99\r\nDisPlaySize=-1\r\nFontSize=100000\r\n"
             "[OptionWindows]\r\nML=-2147483647\r\nMW=2147483647\r\nMH=-5\r\n");
        QCOMPARE(f->ProcessType, 0);
        QCOMPARE(f->RadioGroup2->itemIndex(), -1);
        QVERIFY(f->editorFontSize() <= 1000);
        QVERIFY(f->width() <= 4 * 1024);
        QVERIFY(f->x() >= -4 * 1024);
    }

    // The last script is opened, and opening it does not take back the loop mode the same
    // file set.
    void lastFileOpened() {
        const QString script = sandbox->writeFile(QStringLiteral("last.txt"), "one two three");
        load("[Options]\r\nLoopMode=1\r\n[Stuff]\r\nLastFile=" + QFile::encodeName(script) +
             "\r\n");
        QCOMPARE(f->Memo1->text(), QStringLiteral("one two three"));
        QCOMPARE(f->StatusBar1->panelText(4), QStringLiteral("last.txt"));
        QCOMPARE(f->ScriptWordCount, 3);
        QVERIFY(!f->Memo1->isModified());
        QVERIFY(f->LoopCheckBox->isChecked());
        QVERIFY(f->LoopMode1->isChecked());
    }

    void lastFileMissing() {
        f->Memo1->setText(QStringLiteral("kept"));
        load("[Stuff]\r\nLastFile=/no/such/script.txt\r\n");
        QCOMPARE(f->LastFile, QStringLiteral("/no/such/script.txt"));
        QCOMPARE(f->Memo1->text(), QStringLiteral("kept"));
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
    }

    // An invalid start time ends the load at that key: earlier keys are stored, later keys
    // keep their values and the apply steps do not run. The application's error box shows
    // the message, and the borrowed open dialog keeps the configuration's settings.
    void invalidStartime() {
        const QString path =
            sandbox->writeFile(QStringLiteral("bad.ini"),
                               "[Options]\r\nFadeTitles=1\r\nStartime=25:99\r\nStopAtEnd=1\r\n"
                               "[Stuff]\r\nFontSize=30\r\nFormColor=255\r\nDelay=300\r\n");
        platform::FileDialogs::queueAnswer(path);
        // Run as a queued call, so that the exception reaches the application's notify().
        QMetaObject::invokeMethod(
            f, [this] { f->LoadConfiguration1Click(); }, Qt::QueuedConnection);
        QTRY_COMPARE(platform::MessageBoxes::shown().size(), 1);
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QCOMPARE(shownTexts(), QStringList{"'25:99' is not a valid time"});
        QVERIFY(f->FadeTitles);                // before the time
        QCOMPARE(f->editorFontSize(), 30);     // before the time
        QCOMPARE(f->FormColor, 0);             // after it
        QCOMPARE(f->Delay, 0);                 // after it
        QVERIFY(!f->stopatend->isChecked());   // after it
        QVERIFY(!f->FadeTitles1->isChecked()); // no fade defaults
        QCOMPARE(f->TrackBar1->value(), 8);    // no track bar step
        QCOMPARE(f->LastConfigFile, path);
        QCOMPARE(f->OpenDialog1.title, QStringLiteral("Open A ZAL Configuration File"));
        QCOMPARE(f->OpenDialog1.filter, QStringLiteral("ZAL Config Ini|*.INI"));
        QCOMPARE(f->OpenDialog1.defaultExt, QStringLiteral("INI"));
        QCOMPARE(f->OpenDialog1.fileName, path);
    }

    // At start-up the error box shows and the remaining creation steps are skipped.
    void invalidStartimeAtStartup() {
        QVERIFY(writeAll(defaultIni(), "[Options]\r\nStartime=99:00\r\n"));
        f->StatusBar1->setPanelText(4, QStringLiteral("untouched"));
        QVERIFY(f->FormCreate());
        QCOMPARE(shownTexts(), QStringList{"'99:00' is not a valid time"});
        QCOMPARE(f->StatusBar1->panelText(4), QStringLiteral("untouched"));
    }

    // Keys in the table's order, sections after the file's others, the erased sections gone.
    void writtenFile() {
        QVERIFY(writeAll(defaultIni(), "; kept comment\r\n[Custom]\r\nKeep=yes\r\n"
                                       "[Stuff]\r\nStale=1\r\n[Configuration]\r\nOld=2\r\n"
                                       "[OPTIONS]\r\nStale=3\r\n[Tail]\r\nX=1\r\n"));
        f->setGeometry(130, 319, 900, 600);
        platform::Clock::setNow(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
        f->SaveDefaultConfiguration1->trigger();
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        const QByteArray written = readAll(defaultIni());
        QCOMPARE(written.count("\r\n"), written.count('\n'));
        QCOMPARE(masked(written), readAll(QStringLiteral(TEST_DATA_DIR "/config/written.ini")));
        const platform::IniFile ini = platform::IniFile::load(defaultIni());
        QCOMPARE(ini.readString("Stuff", "ConfigDate", {}),
                 platform::Clock::shortDateText(QDate(2026, 3, 4)) + QStringLiteral("-05:06:07"));
        QCOMPARE(ini.readString("Stuff", "ccID", {}), QString::number(platform::Clock::tickMs()));
    }

    void saveButtonWritesDefault() {
        f->ToolButton11->click();
        QCOMPARE(platform::IniFile::load(defaultIni()).sectionNames(),
                 (QStringList{"Options", "Stuff", "OptionWindows"}));
    }

    // Save Configuration As, then Load Configuration into a fresh window: every written
    // setting comes back, so the fresh window writes the same file.
    void roundTrip() {
        changeEverything();
        const QString first = sandbox->path(QStringLiteral("saved.ini"));
        f->LastConfigFile = QStringLiteral("/previous/config.ini");
        f->SaveDialog1.fileName = QStringLiteral("/some/script.txt");
        platform::FileDialogs::queueAnswer(first);
        f->SaveConfigurationAs1->trigger();
        const platform::FileDialogRequest asked = platform::FileDialogs::requests().last();
        QVERIFY(asked.save);
        QCOMPARE(asked.title, QStringLiteral("Save Configuration AS"));
        QCOMPARE(asked.filter, QStringLiteral("ZAL Config Ini|*.INI"));
        QCOMPARE(asked.defaultExt, QStringLiteral("INI"));
        QCOMPARE(asked.fileName, QStringLiteral("/previous/config.ini"));
        QCOMPARE(f->SaveDialog1.title, QStringLiteral("Save File"));
        QCOMPARE(f->SaveDialog1.filter, QStringLiteral("Text Only|*.txt"));
        QCOMPARE(f->SaveDialog1.defaultExt, QStringLiteral("TXT"));
        QVERIFY(f->SaveDialog1.fileName.isEmpty());
        QVERIFY(QFile::exists(first));

        delete f;
        f = new TForm1;
        f->initialiseSettings();
        platform::FileDialogs::queueAnswer(first);
        f->LoadConfiguration1->trigger();
        const platform::FileDialogRequest opened = platform::FileDialogs::requests().last();
        QVERIFY(!opened.save);
        QCOMPARE(opened.title, QStringLiteral("Open A ZAL Configuration File"));
        QCOMPARE(opened.filter, QStringLiteral("ZAL Config Ini|*.INI"));
        QCOMPARE(opened.defaultExt, QStringLiteral("INI"));
        QCOMPARE(f->OpenDialog1.title, QStringLiteral("Open a Text file"));
        QCOMPARE(f->OpenDialog1.filter, QStringLiteral("Text Type Files Only|*.txt"));
        QCOMPARE(f->OpenDialog1.defaultExt, QStringLiteral("TXT"));
        QCOMPARE(f->OpenDialog1.fileName, first);
        QCOMPARE(f->LastConfigFile, first);
        QVERIFY(platform::MessageBoxes::shown().isEmpty());

        QVERIFY(!f->WordWrap1->isChecked());
        QVERIFY(f->LoopCheckBox->isChecked());
        QCOMPARE(f->Memo1->text(), QStringLiteral("the last script"));
        const QString second = sandbox->path(QStringLiteral("again.ini"));
        QVERIFY(f->WriteTheIniFile(second));
        QCOMPARE(masked(readAll(second)), masked(readAll(first)));
    }

    void commandsCancelled() {
        const QByteArray before = "[Stuff]\r\nDelay=5\r\n";
        QVERIFY(writeAll(defaultIni(), before));
        f->SaveDialog1.fileName = QStringLiteral("/a/script.txt");
        f->SaveConfigurationAs1Click();
        QVERIFY(f->SaveDialog1.fileName.isEmpty()); // the save name is gone even so
        f->LoadConfiguration1Click();
        QVERIFY(f->LastConfigFile.isEmpty());
        QCOMPARE(f->OpenDialog1.title, QStringLiteral("Open a Text file"));
        QCOMPARE(readAll(defaultIni()), before);
        QCOMPARE(platform::FileDialogs::requests().size(), 2);
    }

    // A bare name refers to the file of that name in the configuration folder.
    void bareNames() {
        QVERIFY(f->WriteTheIniFile(QStringLiteral("named.ini")));
        QVERIFY(QFile::exists(sandbox->configDir() + QStringLiteral("/named.ini")));
        QVERIFY(writeAll(sandbox->configDir() + QStringLiteral("/other.ini"),
                         "[Stuff]\r\nArrowAmt=77\r\n"));
        f->ReadTheIniFile(QStringLiteral("other.ini"));
        QCOMPARE(f->ArrowAmt, 77);
    }

    // A refused write shows the message and leaves any file there as it was.
    void unwritable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("parent is a file") << QStringLiteral("parent");
        QTest::newRow("path is a folder") << QStringLiteral("folder");
        QTest::newRow("disk full over an old file") << QStringLiteral("full");
    }
    void unwritable() {
        QFETCH(QString, kind);
        QString path;
        const QByteArray old = "[Options]\r\nLoopMode=1\r\n[Stuff]\r\nDelay=5\r\n";
        bool ok = true;
        if (kind == QLatin1String("parent")) {
            path = sandbox->writeFile(QStringLiteral("plain"), "x") + QStringLiteral("/c.ini");
            ok = f->WriteTheIniFile(path);
        } else if (kind == QLatin1String("folder")) {
            path = sandbox->path(QStringLiteral("dir.ini"));
            QVERIFY(QDir().mkpath(path));
            ok = f->WriteTheIniFile(path);
        } else {
            path = sandbox->writeFile(QStringLiteral("old.ini"), old);
            const FileSizeLimit limit(256);
            ok = f->WriteTheIniFile(path);
        }
        QVERIFY(!ok);
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Unable to write to ") + path});
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        if (kind == QLatin1String("full"))
            QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(sandbox->path(QString())).entryList(QDir::Files | QDir::Hidden).size(),
                 kind == QLatin1String("parent") ? 1 : (kind == QLatin1String("full") ? 1 : 0));
    }

    // Bad files load without a crash; what can be read is read.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("arrowAmt");
        QByteArray binary(4096, '\0');
        QRandomGenerator rng(1234);
        for (char &c : binary)
            c = char(rng.bounded(256));
        QTest::newRow("empty") << QByteArray() << 50;
        QTest::newRow("binary") << binary << 50;
        QTest::newRow("binary around a key") << binary + "\n[Stuff]\nArrowAmt=4\n" + binary << 4;
        QTest::newRow("huge") << QByteArray(17 * 1024 * 1024, 'x') << 50;
        QTest::newRow("duplicates: first wins")
            << QByteArray("[Stuff]\nArrowAmt=1\nArrowAmt=2\n[stuff]\nArrowAmt=3\n") << 1;
        QTest::newRow("overlong line")
            << QByteArray("[Stuff]\nLastFile=" + QByteArray(200000, 'y') + "\nArrowAmt=6\n") << 6;
        QTest::newRow("no sections") << QByteArray("ArrowAmt=7\n") << 50;
        QTest::newRow("header only") << QByteArray("[Stuff") << 50;
        QTest::newRow("no equals sign") << QByteArray("[Stuff]\nArrowAmt 8\n") << 50;
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, arrowAmt);
        load(bytes);
        QCOMPARE(f->ArrowAmt, arrowAmt);
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
    }

    // A first start puts the shipped configuration in place and plays from it at once.
    void firstStart() {
        QVERIFY(!QFile::exists(defaultIni()));
        QVERIFY(f->FormCreate());
        QFile shipped(QString::fromLatin1(app::kShippedConfiguration));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(readAll(defaultIni()), shipped.readAll());
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        QCOMPARE(f->DisPlaColor, 0xFFFFFF);
        QCOMPARE(f->FormColor, 0);
        QCOMPARE(f->editorFontSize(), 24);
        QCOMPARE(f->Delay, 60);
        QCOMPARE(f->TrackBar2->value(), 60);
        QVERIFY(f->ClockOn->isChecked());
        QVERIFY(!f->StartbyAutoTimer1->isChecked());
        QVERIFY(f->WordWrap1->isChecked());
        QVERIFY(f->VideoMode1->isChecked());
        QVERIFY(f->videomodebutton->isChecked());
        QCOMPARE(f->S_Right, 1024);
        QCOMPARE(f->S_Bottom, 768);
        for (QWidget *w :
             {static_cast<QWidget *>(f->ToolBar1), static_cast<QWidget *>(f->Memo1),
              static_cast<QWidget *>(f->delaypanel), static_cast<QWidget *>(f->calibratPanel),
              static_cast<QWidget *>(f->RadioGroup1), static_cast<QWidget *>(f->RadioGroup2),
              static_cast<QWidget *>(f->Panel1), static_cast<QWidget *>(f->GroupBox1)})
            QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
        // The window fits a 1024 x 768 screen and shows every panel whole.
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        QVERIFY(QRect(0, 0, 1024, 768).contains(f->frameGeometry()));
        const QRect client(f->centralWidget()->mapTo(f, QPoint()), f->centralWidget()->size());
        for (QWidget *w :
             {static_cast<QWidget *>(f->RadioGroup2), static_cast<QWidget *>(f->calibratPanel),
              static_cast<QWidget *>(f->GroupBox1), static_cast<QWidget *>(f->Memo1)})
            QVERIFY2(client.contains(QRect(w->mapTo(f, QPoint()), w->size())),
                     qPrintable(w->objectName()));
    }

    void existingDefaultKept() {
        const QByteArray mine = "[Stuff]\r\nDelay=77\r\n";
        QVERIFY(writeAll(defaultIni(), mine));
        QVERIFY(f->FormCreate());
        QCOMPARE(readAll(defaultIni()), mine);
        QCOMPARE(f->Delay, 77);
    }

    // Where the shipped file cannot be written, every key takes its own default.
    void firstStartUnwritable() {
        delete f;
        const QString folder = sandbox->configDir();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(writeAll(folder, "not a folder"));
        f = new TForm1;
        f->initialiseSettings();
        QVERIFY(!app::installDefaultConfiguration(f->WindowsDir));
        QVERIFY(f->FormCreate());
        QVERIFY(f->StartbyAutoTimer1->isChecked());
        QVERIFY(f->Timer1->isActive());
        QVERIFY(f->Panel1->isHidden());
        QCOMPARE(platform::dayFractionToTime(f->Startime), QTime(12, 0, 0));
        QVERIFY(f->VideoMode1->isChecked());
        QVERIFY(f->WordWrap1->isChecked());
        QVERIFY(!f->UseCountDown->isChecked());
        QVERIFY(!f->usecolorbars->isChecked());
        QCOMPARE(f->geometry().topLeft(), QPoint(10, 10));
        QCOMPARE(f->size(), QSize(600, 440));
        QCOMPARE(f->editorFontSize(), 24);
        QCOMPARE(f->FormColor, 0);
        QCOMPARE(f->DisPlaColor, 0);
        QCOMPARE(readAll(folder), QByteArray("not a folder"));
    }
};

int main(int argc, char **argv) {
    LectoApplication app(argc, argv);
    TestConfigFile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configfile.moc"
