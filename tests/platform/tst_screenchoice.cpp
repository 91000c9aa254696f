// Which screen the play goes to: the screens' names, the remembered choice and its fallback,
// and the screen measures answering for the output screen.
#include "platform/Screen.h"
#include "platform/ScreenChoice.h"

#include <QTest>

using platform::ScreenInfo;

class TestScreenChoice : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void choice_data();
    void choice();
    void measuresFollowTheOutputScreen();
    void cleanup();
};

void TestScreenChoice::names_data() {
    QTest::addColumn<QStringList>("toolkit");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("distinct names stay")
        << QStringList{"eDP-1", "HDMI-1"} << QStringList{"eDP-1", "HDMI-1"};
    QTest::newRow("a repeated name is numbered")
        << QStringList{":0.0", ":0.0", ":0.0"} << QStringList{":0.0", ":0.0 (2)", ":0.0 (3)"};
    QTest::newRow("an empty name is the screen's number")
        << QStringList{"HDMI-1", " "} << QStringList{"HDMI-1", "Screen 2"};
}

void TestScreenChoice::names() {
    QFETCH(QStringList, toolkit);
    QFETCH(QStringList, shown);
    QCOMPARE(platform::uniqueScreenNames(toolkit), shown);
}

void TestScreenChoice::choice_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<int>("console");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("notFound");
    const QStringList two{"eDP-1", "HDMI-1"};
    QTest::newRow("the remembered screen") << two << "HDMI-1" << 0 << 1 << false;
    QTest::newRow("nothing remembered: the console's") << two << "" << 1 << 1 << false;
    QTest::newRow("unplugged: the console's, and said") << two << "DP-2" << 0 << 0 << true;
    QTest::newRow("names match exactly") << two << "hdmi-1" << 0 << 0 << true;
    QTest::newRow("one screen: always it") << QStringList{"eDP-1"} << "HDMI-1" << 0 << 0 << true;
    QTest::newRow("console out of range") << two << "" << 5 << 1 << false;
    QTest::newRow("no screens at all") << QStringList{} << "HDMI-1" << 0 << -1 << false;
}

void TestScreenChoice::choice() {
    QFETCH(QStringList, names);
    QFETCH(QString, remembered);
    QFETCH(int, console);
    const platform::OutputScreenChoice c = platform::chooseOutputScreen(names, remembered, console);
    QTEST(c.index, "index");
    QTEST(c.notFound, "notFound");
}

void TestScreenChoice::measuresFollowTheOutputScreen() {
    const ScreenInfo console{"eDP-1", QRect(0, 0, 1366, 768), QRect(0, 0, 1366, 740), 24, 60.0};
    const ScreenInfo prompter{"HDMI-1", QRect(1366, 0, 1920, 1080), QRect(1366, 0, 1920, 1080), 32,
                              50.0};
    platform::Screen::setOverride({console, prompter});
    platform::Screen::setOutputName(QStringLiteral("HDMI-1"));
    QCOMPARE(platform::Screen::size(), QSize(1920, 1080));
    QCOMPARE(platform::Screen::geometry().topLeft(), QPoint(1366, 0));
    QCOMPARE(platform::Screen::depth(), 32);
    QCOMPARE(platform::Screen::refreshRate(), 50.0);
    QCOMPARE(platform::Screen::outputIndex(), 1);
    // Windows are placed on the console's screen whatever the output screen.
    QCOMPARE(platform::Screen::availableGeometry(), console.available);
    // Unplugged: the console's screen answers, and the name stays for its return.
    platform::Screen::setOverride({console});
    QCOMPARE(platform::Screen::size(), QSize(1366, 768));
    QCOMPARE(platform::Screen::outputName(), QStringLiteral("HDMI-1"));
    platform::Screen::setOverride({console, prompter});
    QCOMPARE(platform::Screen::size(), QSize(1920, 1080));
}

void TestScreenChoice::cleanup() {
    platform::Screen::setOutputName(QString());
    platform::Screen::clearOverride();
}

QTEST_GUILESS_MAIN(TestScreenChoice)
#include "tst_screenchoice.moc"
