// The configuration file: value forms, reading order and apply steps, the written file's
// keys and sections, the three File-menu commands, the first start, and files that are bad
// or cannot be written.
#include "TestSupport.h"

#include "app/ConfigurationCommands.h"
#include "app/DefaultConfiguration.h"
#include "app/Errors.h"
#include "app/LectoApplication.h"
#include "app/MainWindow.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptFileCommands.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"
#include "platform/StatusBar.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using testsupport::dialogText;
using testsupport::readFile;
using testsupport::Refusal;
using testsupport::shownTexts;
using testsupport::writeBytes;

namespace {

// The written file with its changing values (date and tick count) masked and its CR LF
// line ends as LF.
QByteArray masked(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    QString text = QString::fromUtf8(bytes);
    text.replace(QRegularExpression(QStringLiteral("(?m)^(ConfigDate|ccID)=.*$")),
                 QStringLiteral("\\1=*"));
    return text.toUtf8();
}

} // namespace

class TestConfigFile : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    static constexpr const char *kConfigOpen =
        "Open: Open A ZAL Configuration File | ZAL Config Ini|*.INI | INI";
    static constexpr const char *kScriptOpen =
        "Open: Open a Text file | Text Type Files Only|*.txt | TXT";

    QString defaultIni() const { return sandbox->configDir() + QStringLiteral("/ZALSCROL.INI"); }

    // Reads a configuration file holding these bytes.
    void load(const QByteArray &bytes) {
        f->configuration().readConfigurationFile(
            sandbox->writeFile(QStringLiteral("load.ini"), bytes));
    }

    // Settings away from every default, as an operator could leave them.
    void changeEverything() {
        f->settings().fadeTitles = true;
        f->settings().fadeTwoLines = true;
        f->settings().fadeTvTitle = true;
        f->settings().fadeAntialias = true;
        f->settings().centerFade = true;
        f->settings().lowerThird = true;
        f->settings().fadeHoldSeconds = 7;
        f->settings().arrowStep = 11;
        f->settings().pageStep = 222;
        f->settings().wordsPerMinute = 140;
        f->settings().backgroundColor = 0x123456;
        f->settings().textColor = 0x00FF80;
        f->settings().colorBarSeconds = 21;
        f->settings().startTime = platform::timeToDayFraction(QTime(17, 45, 30));
        f->settings().videoFile = QStringLiteral("/media/clip one.avi");
        f->settings().soundFile = QStringLiteral("/media/sound.wav");
        f->settings().scriptPath =
            sandbox->writeFile(QStringLiteral("last.txt"), "the last script");
        f->setEditorFontSize(31);
        QFont font = f->ui().editor->font();
        font.setFamily(QStringLiteral("Courier"));
        f->ui().editor->setFont(font);
        f->ui().centerButton->click();                // centring
        f->ui().tenSecondBackgroundAction->trigger(); // on
        f->ui().tvTitleAction->trigger();             // on
        f->ui().startFromCursorAction->trigger();     // on
        f->ui().wordWrapAction->setChecked(false);    // designed state is off; a file's default on
        f->ui().noReturnsAction->setChecked(true);
        f->ui().boldAction->setChecked(true);
        f->ui().countDownAction->trigger(); // on
        f->ui().colorBarsAction->trigger(); // on
        f->ui().mirrorButton->click();      // down
        f->ui().centerMarkerBox->setChecked(true);
        f->ui().noPauseBox->setChecked(true);
        f->ui().loopBox->setChecked(true);
        f->ui().slowerBox->setChecked(true); // Slower x10
        f->ui().delayBar->setValue(37);      // Delay 370
        f->ui().autoStartAction->trigger();  // armed, clock on
        f->ui().videoModeAction->trigger();  // off
        f->ui().pixelProcessingGroup->setItemIndex(6);
        f->ui().screenResGroup->setItemIndex(4);
        f->ui().pixelProcessingAction->setChecked(true);
        f->ui().screenResAction->setChecked(true);
        f->ui().readingTimeAction->setChecked(false);
        f->ui().editorAction->setChecked(false);
        f->ui().autoTimerAction->setChecked(true);
        f->ui().delayPanelAction->setChecked(false);
        f->ui().toolBarAction->setChecked(false);
        f->setGeometry(33, 44, 801, 555);
    }

    // Shows the window and names what is not wholly visible: a shown control of the client
    // area reaching outside it, or the window reaching outside the screen's available area.
    QStringList cutOff() const {
        f->show();
        if (!QTest::qWaitForWindowExposed(f))
            return {QStringLiteral("not exposed")};
        QStringList names;
        if (!platform::Screen::availableGeometry().contains(f->frameGeometry()))
            names << QStringLiteral("window");
        const QRect client(f->centralWidget()->mapTo(f, QPoint()), f->centralWidget()->size());
        for (QWidget *w : f->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && !client.contains(QRect(w->mapTo(f, QPoint()), w->size())))
                names << w->objectName();
        return names;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init() { openForm(); }
    void cleanup() {
        closeForm();
        QLocale::setDefault(QLocale::c());
        platform::Screen::clearOverride();
    }

    // Each row loads a file and compares settings by name: a value, or a check mark as 1 or 0.
    // Every file here loads without a message; bad files load what can be read.
    void loadedValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const QByteArray &file, const QStringList &e) {
            QTest::newRow(name) << file << e;
        };
        // Integers (every form is in the ini file tests); a bad value reads as the default.
        row("$ hex", "[Stuff]\r\nArrowAmt=$1F", {"ArrowAmt=31"});
        row("32-bit hex", "[Stuff]\r\nArrowAmt=0xFFFFFFFF", {"ArrowAmt=-1"});
        row("0x alone", "[Stuff]\r\nArrowAmt=0x", {"ArrowAmt=50"});
        row("trailing junk", "[Stuff]\r\nArrowAmt=12abc", {"ArrowAmt=50"});
        row("colours", "[Stuff]\r\nMainColor=-2147483644\r\nFormColor=0xFF\r\nDisPlaColor=-16",
            {"MainColor=-2147483644", "FormColor=255", "DisPlaColor=-16"});
        // Booleans: any number but 0 is on; a word reads as the default.
        row("bool 1", "[Options]\r\nNoPause=1", {"noPauseBox=1"});
        row("bool any non-zero", "[Options]\r\nNoPause=-2", {"noPauseBox=1"});
        row("bool hex non-zero", "[Options]\r\nNoPause=0x10", {"noPauseBox=1"});
        row("bool word, default off", "[Options]\r\nNoPause=yes", {"noPauseBox=0"});
        row("bool word, default on", "[Options]\r\nShowClock=on\r\nTimerMode=0",
            {"clockAction=1", "clockTimer=0"});
        row("bool 0, default on", "[Options]\r\nShowClock=0\r\nTimerMode=0", {"clockAction=0"});
        row("TV title, returns, centre marker",
            "[Options]\r\nTVTitleMode=1\r\nWantReturns=1\r\nCenterMarker=1",
            {"tvTitleAction=1", "noReturnsAction=1", "centerMarkerBox=1"});
        // The editor takes the stored marks at once, so that each shows the editor's state.
        row("editor marks", "[Options]\r\nWordWrap=0\r\nWantReturns=1\r\n[Stuff]\r\nUseBold=1",
            {"wordWrapAction=0", "editor.wordWrap=0", "noReturnsAction=1", "editor.wantReturns=0",
             "boldAction=1", "editor.bold=1"});
        row("editor marks, defaults", "[Stuff]\r\nUseBold=0",
            {"wordWrapAction=1", "editor.wordWrap=1", "editor.wantReturns=1", "editor.bold=0"});
        // Read twice, the second time with default 0: a missing key is unchecked.
        row("count down", "[Options]\r\nusecountdown=1",
            {"countDownButton=1", "countDownAction=1"});
        // Texts: quotes dropped, cut to 1023 characters, a font face to 31.
        row("texts",
            "[Stuff]\r\nAviname=" + QByteArray(2000, 'a') + "\r\nWavname=\"quoted name.wav\"" +
                "\r\nFontName=" + QByteArray(40, 'F'),
            {"Aviname=" + QString(1023, u'a'), "Wavname=quoted name.wav",
             "FontName=" + QString(31, u'F')});
        row("missing keys", "[Stuff]\r\nFontName=",
            {"FontName=Arial", "ArrowAmt=50", "MainColor=-1", "FadeHoldTime=0", "CbarTime=3",
             "WordPerMinute=65", "DisPlaColor=0", "S_Right=1024", "S_Bottom=768", "FontSize=24",
             "fontSizeBar=24", "Startime=12:00:00", "noPauseBox=0", "wordWrapAction=1",
             "countDownAction=0", "colorBarsAction=0", "videoModeAction=1", "autoStartAction=1",
             "clockTimer=1"});
        // The start time in the C locale's forms; missing or empty is noon.
        row("time empty", "[Options]\r\nStartime=", {"Startime=12:00:00"});
        row("time with seconds", "[Options]\r\nStartime=09:30:15", {"Startime=09:30:15"});
        row("time without seconds", "[Options]\r\nStartime=9:30", {"Startime=09:30:00"});
        row("time PM marker", "[Options]\r\nStartime=1:05:00 PM", {"Startime=13:05:00"});
        row("time midnight", "[Options]\r\nStartime=00:00:00", {"Startime=00:00:00"});
        // Stop @ End and Loop Mode exclude each other; with both set, loop wins.
        row("stop and loop both 1", "[Options]\r\nStopAtEnd=1\r\nLoopMode=1",
            {"loopBox=1", "loopAction=1", "stopAtEndBox=0"});
        row("stop only", "[Options]\r\nStopAtEnd=1\r\nLoopMode=0",
            {"loopBox=0", "loopAction=0", "stopAtEndBox=1"});
        // The delay bar shows Delay / DelayFactor; zero or a negative factor leaves it.
        row("delay 125 at x10", "[Options]\r\nDelayx10=1\r\n[Stuff]\r\nDelay=125\r\nDelayFactor=10",
            {"Delay=125", "DelayFactor=10", "delayBar=12", "delayLabel=125"});
        row("delay 60 at x1", "[Stuff]\r\nDelay=60\r\nDelayFactor=1",
            {"Delay=60", "DelayFactor=1", "delayBar=60", "delayLabel=60"});
        row("zero delay", "[Stuff]\r\nDelay=0\r\nDelayFactor=10",
            {"Delay=0", "DelayFactor=10", "delayBar=1"});
        row("factor kept in 8 bits", "[Stuff]\r\nDelay=600\r\nDelayFactor=300",
            {"Delay=600", "DelayFactor=44", "delayBar=13"});
        row("negative factor", "[Stuff]\r\nDelay=600\r\nDelayFactor=-3",
            {"DelayFactor=-3", "delayBar=1", "delayLabel=600"});
        row("names ignore case",
            "[OPTIONS]\r\nSTOPATEND=1\r\nCenterFade=1\r\n[stuff]\r\ndisplaysize=3\r\n"
            "[optionwindows]\r\nspeedbar=0",
            {"stopAtEndBox=1", "CenterFade=1", "screenResGroup=3", "DisPlaysize=3", "S_Left=312",
             "toolBar=hidden"});
        // Loaded over a "Center" button that is down: the button, "Center Text", the editor
        // and the setting follow the stored value.
        row("centring 0", "[Options]\r\nCentering=0",
            {"Centering=0", "centerButton=0", "centerTextAction=0", "editor.centered=0"});
        row("centring 1", "[Options]\r\nCentering=1",
            {"Centering=1", "centerButton=1", "centerTextAction=1", "editor.centered=1"});
        row("out of range", "[Stuff]\r\nProcessType=99\r\nDisPlaySize=-1",
            {"ProcessType=0", "screenResGroup=-1"});
        QByteArray binary(4096, '\0');
        QRandomGenerator rng(1234);
        for (char &c : binary)
            c = char(rng.bounded(256));
        row("empty file", QByteArray(), {"ArrowAmt=50"});
        row("binary around a key", binary + "\n[Stuff]\nArrowAmt=4\n" + binary, {"ArrowAmt=4"});
        row("huge", QByteArray(17 * 1024 * 1024, 'x'), {"ArrowAmt=50"});
        row("duplicates: first wins", "[Stuff]\nArrowAmt=1\nArrowAmt=2\n[stuff]\nArrowAmt=3",
            {"ArrowAmt=1"});
        row("overlong line", "[Stuff]\nLastFile=" + QByteArray(200000, 'y') + "\nArrowAmt=6",
            {"ArrowAmt=6"});
    }
    void loadedValues() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        f->settings().arrowStep = 9999;
        f->settings().mainWindowColor = 5;
        f->ui().centerButton->click();
        load(file + "\r\n");
        expectSettings(expected);
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
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
        f->settings().startTime = platform::timeToDayFraction(QTime(21, 7, 9));
        const QString path = sandbox->path(QStringLiteral("time.ini"));
        QVERIFY(f->configuration().writeConfigurationFile(path));
        f->settings().startTime = 0;
        f->configuration().readConfigurationFile(path);
        QCOMPARE(platform::dayFractionToTime(f->settings().startTime), QTime(21, 7, 9));
    }

    void applySteps() {
        load("[Options]\r\nTimerMode=1\r\nShowClock=0\r\nVideoMode=0\r\nUseColorBars=1\r\n"
             "Centering=1\r\nFadeTitles=1\r\n[Stuff]\r\nFontSize=30\r\nProcessType=5\r\n"
             "[OptionWindows]\r\nPixelControl=0\r\nAutoTimer=1\r\nTextEditPanel=0\r\nML=20\r\n"
             "MT=30\r\nMW=640\r\nMH=480\r\n");
        // Auto start armed with a running clock, the fade defaults and track bar step applied.
        expectSettings({"autoStartAction=1", "clockAction=1", "clockTimer=1", "videoModeAction=0",
                        "colorBarsButton=1", "fadeTitlesAction=1", "fontSizeBar=30",
                        "ProcessType=5"});
        QVERIFY(f->ui().editor->isCentered());
        QVERIFY(!f->ui().pixelProcessingGroup->isEnabled());
        QCOMPARE(f->ui().pixelProcessingGroup->itemIndex(), 5);
        QVERIFY(f->ui().pixelProcessingGroup->isHidden());
        QVERIFY(!f->ui().autoTimerPanel->isHidden());
        QVERIFY(f->ui().editor->isHidden());
        QCOMPARE(f->geometry().topLeft(), QPoint(20, 30));
        QCOMPARE(f->size(), QSize(640, 480));
    }

    void outOfRangeSizes() {
        load("[Stuff]\r\nFontSize=100000\r\n[OptionWindows]\r\nML=-2147483647\r\n"
             "MW=2147483647\r\nMH=-5\r\n");
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
        QCOMPARE(f->ui().editor->text(), QStringLiteral("one two three"));
        QCOMPARE(f->ui().statusBar->panelText(4), QStringLiteral("last.txt"));
        QCOMPARE(f->scriptFiles().wordCount(), 3);
        QVERIFY(!f->ui().editor->isModified());
        QVERIFY(f->ui().loopBox->isChecked());
        QVERIFY(f->ui().loopAction->isChecked());
    }

    void lastFileMissing() {
        f->ui().editor->setText(QStringLiteral("kept"));
        load("[Stuff]\r\nLastFile=/no/such/script.txt\r\n");
        QCOMPARE(f->settings().scriptPath, QStringLiteral("/no/such/script.txt"));
        QCOMPARE(f->ui().editor->text(), QStringLiteral("kept"));
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
    }

    // An invalid start time ends the load at that key: earlier keys are stored, later keys
    // keep their values and the apply steps do not run. The application's error box shows
    // the message, and the borrowed open dialog keeps the configuration's settings.
    void invalidStartTime() {
        const QString path =
            sandbox->writeFile(QStringLiteral("bad.ini"),
                               "[Options]\r\nFadeTitles=1\r\nStartime=25:99\r\nStopAtEnd=1\r\n"
                               "[Stuff]\r\nFontSize=30\r\nFormColor=255\r\nDelay=300\r\n");
        platform::FileDialogs::queueAnswer(path);
        // Run as a queued call, so that the exception reaches the application's notify().
        QMetaObject::invokeMethod(
            f, [this] { f->configuration().loadConfiguration(); }, Qt::QueuedConnection);
        QTRY_COMPARE(platform::MessageBoxes::shown().size(), 1);
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QCOMPARE(shownTexts(), QStringList{"'25:99' is not a valid time"});
        QVERIFY(
            f->settings().fadeTitles); // before the time, like the font size; then no apply steps
        expectSettings({"FontSize=30", "FormColor=0", "Delay=0", "stopAtEndBox=0",
                        "fadeTitlesAction=0", "fontSizeBar=8"});
        QCOMPARE(f->settings().lastConfigurationFile, path);
        QCOMPARE(dialogText(f->scriptFiles().openRequest()), kConfigOpen);
        QCOMPARE(f->scriptFiles().openRequest().fileName, path);
    }

    // At start-up the error box shows and the remaining creation steps are skipped.
    void invalidStartTimeAtStartup() {
        QVERIFY(writeBytes(defaultIni(), "[Options]\r\nStartime=99:00\r\n"));
        f->ui().statusBar->setPanelText(4, QStringLiteral("untouched"));
        QVERIFY(f->runCreationSteps());
        QCOMPARE(shownTexts(), QStringList{"'99:00' is not a valid time"});
        QCOMPARE(f->ui().statusBar->panelText(4), QStringLiteral("untouched"));
    }

    // Keys in the table's order, sections after the file's others, the erased sections gone.
    void writtenFile() {
        QVERIFY(writeBytes(defaultIni(), "; kept comment\r\n[Custom]\r\nKeep=yes\r\n[Stuff]\r\n"
                                         "Stale=1\r\n[Configuration]\r\nOld=2\r\n[OPTIONS]\r\n"
                                         "Stale=3\r\n[Tail]\r\nX=1\r\n"));
        f->setGeometry(130, 319, 900, 600);
        platform::Clock::setNow(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)));
        f->ui().saveDefaultConfigurationAction->trigger();
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        const QByteArray written = readFile(defaultIni());
        QCOMPARE(written.count("\r\n"), written.count('\n'));
        QCOMPARE(masked(written), readFile(QStringLiteral(TEST_DATA_DIR "/config/written.ini")));
        const platform::IniFile ini = platform::IniFile::load(defaultIni());
        QCOMPARE(ini.readString("Stuff", "ConfigDate", {}),
                 platform::Clock::shortDateText(QDate(2026, 3, 4)) + QStringLiteral("-05:06:07"));
        QCOMPARE(ini.readString("Stuff", "ccID", {}), QString::number(platform::Clock::tickMs()));
    }

    void saveButtonWritesDefault() {
        f->ui().saveSettingsButton->click();
        QCOMPARE(platform::IniFile::load(defaultIni()).sectionNames(),
                 (QStringList{"Options", "Stuff", "OptionWindows"}));
    }

    // Save Configuration As, then Load Configuration into a fresh window: every written
    // setting comes back, so the fresh window writes the same file.
    void roundTrip() {
        changeEverything();
        const QString first = sandbox->path(QStringLiteral("saved.ini"));
        f->settings().lastConfigurationFile = QStringLiteral("/previous/config.ini");
        f->scriptFiles().saveRequest().fileName = QStringLiteral("/some/script.txt");
        platform::FileDialogs::queueAnswer(first);
        f->ui().saveConfigurationAsAction->trigger();
        const platform::FileDialogRequest asked = platform::FileDialogs::requests().last();
        QCOMPARE(dialogText(asked), "Save: Save Configuration AS | ZAL Config Ini|*.INI | INI");
        QCOMPARE(asked.fileName, QStringLiteral("/previous/config.ini"));
        // The borrowed script dialogs get their own settings back, the save name emptied.
        QCOMPARE(dialogText(f->scriptFiles().saveRequest()),
                 "Save: Save File | Text Only|*.txt | TXT");
        QVERIFY(f->scriptFiles().saveRequest().fileName.isEmpty());
        QVERIFY(QFile::exists(first));

        renewForm();
        platform::FileDialogs::queueAnswer(first);
        f->ui().loadConfigurationAction->trigger();
        QCOMPARE(dialogText(platform::FileDialogs::requests().last()), kConfigOpen);
        QCOMPARE(dialogText(f->scriptFiles().openRequest()), kScriptOpen);
        QCOMPARE(f->scriptFiles().openRequest().fileName, first);
        QCOMPARE(f->settings().lastConfigurationFile, first);
        QVERIFY(platform::MessageBoxes::shown().isEmpty());

        QVERIFY(!f->ui().wordWrapAction->isChecked());
        QVERIFY(f->ui().loopBox->isChecked());
        QCOMPARE(f->ui().editor->text(), QStringLiteral("the last script"));
        const QString second = sandbox->path(QStringLiteral("again.ini"));
        QVERIFY(f->configuration().writeConfigurationFile(second));
        QCOMPARE(masked(readFile(second)), masked(readFile(first)));
    }

    void commandsCancelled() {
        const QByteArray before = "[Stuff]\r\nDelay=5\r\n";
        QVERIFY(writeBytes(defaultIni(), before));
        f->scriptFiles().saveRequest().fileName = QStringLiteral("/a/script.txt");
        f->configuration().saveConfigurationAs();
        QVERIFY(f->scriptFiles().saveRequest().fileName.isEmpty()); // the save name is gone even so
        f->configuration().loadConfiguration();
        QVERIFY(f->settings().lastConfigurationFile.isEmpty());
        QCOMPARE(dialogText(f->scriptFiles().openRequest()), kScriptOpen);
        QCOMPARE(readFile(defaultIni()), before);
        QCOMPARE(platform::FileDialogs::requests().size(), 2);
    }

    // A bare name refers to the file of that name in the configuration folder.
    void bareNames() {
        QVERIFY(f->configuration().writeConfigurationFile(QStringLiteral("named.ini")));
        QVERIFY(QFile::exists(sandbox->configDir() + QStringLiteral("/named.ini")));
        QVERIFY(writeBytes(sandbox->configDir() + QStringLiteral("/other.ini"),
                           "[Stuff]\r\nArrowAmt=77\r\n"));
        f->configuration().readConfigurationFile(QStringLiteral("other.ini"));
        QCOMPARE(f->settings().arrowStep, 77);
    }

    // A refused write shows the message and leaves the folder as it was, an old file whole.
    void unwritable_data() {
        QTest::addColumn<Refusal>("how");
        QTest::newRow("parent is a file") << Refusal::ParentIsFile;
        QTest::newRow("path is a folder") << Refusal::PathIsFolder;
        QTest::newRow("disk full over an old file") << Refusal::DiskFull;
    }
    void unwritable() {
        QFETCH(Refusal, how);
        const QString scratch = sandbox->path(QString());
        const QString path = testsupport::refusedPath(scratch, how, QStringLiteral("c.ini"));
        const QStringList before = testsupport::entriesIn(scratch);
        QVERIFY(!testsupport::attemptSave(
            how, [&] { return f->configuration().writeConfigurationFile(path); }));
        QCOMPARE(shownTexts(), QStringList{QStringLiteral("Unable to write to ") + path});
        QCOMPARE(platform::MessageBoxes::shown().first().kind, platform::MessageKind::Error);
        QCOMPARE(testsupport::entriesIn(scratch), before);
        if (how == Refusal::DiskFull)
            QCOMPARE(readFile(path), testsupport::oldContent());
    }

    // A first start puts the shipped configuration in place as it is, at Delay 1000 (about 40
    // rows a second) with "Slower x10" off, and plays from it at once.
    void firstStart() {
        QVERIFY(!QFile::exists(defaultIni()));
        QVERIFY(f->runCreationSteps());
        QCOMPARE(readFile(defaultIni()), readFile(QString::fromLatin1(app::kShippedConfiguration)));
        QVERIFY(platform::MessageBoxes::shown().isEmpty());
        expectSettings({"DisPlaColor=16777215", "FormColor=0", "FontSize=24", "Delay=1000",
                        "DelayFactor=1", "slowerBox=0", "delayBar=1000", "clockAction=1",
                        "autoStartAction=0", "wordWrapAction=1", "videoModeButton=1",
                        "S_Right=1024", "S_Bottom=768"});
        for (const char *name : {"toolBar", "editor", "delayPanel", "readingTimePanel",
                                 "pixelProcessingGroup", "screenResGroup", "playOptionsGroup"})
            QVERIFY2(!f->findChild<QWidget *>(QLatin1String(name))->isHidden(), name);
        QVERIFY(f->ui().autoTimerPanel->isHidden()); // the auto-timer panel comes with auto start
        // The window fits a 1024 x 768 screen and shows every panel whole.
        QCOMPARE(cutOff(), QStringList());
    }

    // A configuration without window bounds has the window sized to show every panel on the
    // screen at hand, maximised where the screen is too small; bounds it holds are used as
    // they are (a missing one takes its default).
    void windowBounds_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QByteArray>("file"); // empty: the shipped one
        QTest::addColumn<QRect>("bounds");    // null: fitted to the screen
        QTest::addColumn<bool>("maximised");
        const QRect fitted;
        QTest::newRow("shipped, 1366 x 768") << QSize(1366, 768) << QByteArray() << fitted << false;
        QTest::newRow("shipped, 1920 x 1080")
            << QSize(1920, 1080) << QByteArray() << fitted << false;
        QTest::newRow("no bounds, 1024 x 768")
            << QSize(1024, 768) << QByteArray("[Stuff]\r\nDelay=5\r\n") << fitted << false;
        QTest::newRow("shipped, 640 x 480: maximised")
            << QSize(640, 480) << QByteArray() << fitted << true;
        QTest::newRow("all four held")
            << QSize(1366, 768)
            << QByteArray("[OptionWindows]\r\nML=20\r\nMT=30\r\nMW=640\r\nMH=480\r\n")
            << QRect(20, 30, 640, 480) << false;
        QTest::newRow("a width alone held")
            << QSize(1366, 768) << QByteArray("[OptionWindows]\r\nmw=700\r\n")
            << QRect(10, 10, 700, 440) << false;
    }
    void windowBounds() {
        QFETCH(QSize, screen);
        QFETCH(QByteArray, file);
        QFETCH(QRect, bounds);
        QFETCH(bool, maximised);
        // A desktop panel takes the screen's top 28 rows.
        const QRect available(0, 28, screen.width(), screen.height() - 28);
        platform::Screen::setOverride(screen, 32, available);
        if (!file.isEmpty())
            QVERIFY(writeBytes(defaultIni(), file));
        QVERIFY(f->runCreationSteps());
        QCOMPARE(f->isMaximized(), maximised);
        if (maximised)
            QCOMPARE(f->geometry(), available);
        else if (!bounds.isNull())
            QCOMPARE(f->geometry(), bounds);
        else
            QCOMPARE(cutOff(), QStringList());
    }

    void existingDefaultKept() {
        const QByteArray mine = "[Stuff]\r\nDelay=77\r\n";
        QVERIFY(writeBytes(defaultIni(), mine));
        QVERIFY(f->runCreationSteps());
        QCOMPARE(readFile(defaultIni()), mine);
        QCOMPARE(f->settings().delay, 77);
    }

    // Where the shipped file cannot be written, every key takes its own default (the
    // "missing keys" row of loadedValues lists them) and the start-up goes on.
    void firstStartUnwritable() {
        delete f;
        f = nullptr;
        const QString folder = sandbox->configDir();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(writeBytes(folder, "not a folder"));
        renewForm();
        QVERIFY(!app::installDefaultConfiguration(f->settings().configFolder));
        QVERIFY(f->runCreationSteps());
        QVERIFY(f->ui().clockTimer->isActive());
        QVERIFY(f->ui().autoTimerPanel->isHidden());
        QCOMPARE(cutOff(), QStringList()); // no window bounds either: sized to the screen
        QCOMPARE(readFile(folder), QByteArray("not a folder"));
    }
};

int main(int argc, char **argv) {
    LectoApplication app(argc, argv);
    TestConfigFile test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configfile.moc"
