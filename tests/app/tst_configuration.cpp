// The settings read from and written to a configuration file, with no window at all.
#include "TestSupport.h"

#include "app/Configuration.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"

#include <QTemporaryDir>
#include <QTest>

using app::ConfigurationKey;
using platform::IniFile;

namespace {

const QSize kScreen(1111, 999);

QString shown(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}
QString shown(int value) {
    return QString::number(value);
}
QString shown(const QString &value) {
    return value;
}
QString shown(qint8 value) {
    return QString::number(value);
}
QString shown(double timeOfDay) {
    return platform::dayFractionToTime(timeOfDay).toString(u"HH:mm:ss");
}

// A member's value as text, found by its key as the table spells it.
QString valueOf(const Settings &c, const QString &key) {
    for (const ConfigurationKey &k : app::configurationKeys()) {
        if (k.key == key)
            return std::visit([&c](const auto &m) { return shown(c.*m.member); }, k.value);
    }
    return QStringLiteral("<no such key>");
}

// Writes the settings into a fresh file and reads them back: every key read gives what was
// written, and the second read of the count-down finds what the first one wrote.
void expectReadBack(const Settings &written) {
    IniFile ini;
    app::writeConfiguration(ini, written);
    const app::ConfigurationRead back =
        app::readConfiguration(IniFile::fromBytes(ini.toBytes()), kScreen);
    QVERIFY(!back.invalidStartTime);
    Settings expected = written;
    expected.countDownSecondRead = expected.countDown;
    for (const ConfigurationKey &k : app::configurationKeys()) {
        if (k.isRead())
            QCOMPARE(valueOf(back.values, k.key), valueOf(expected, k.key));
    }
}

} // namespace

class TestConfiguration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Each row reads a file and compares values by key; every record read also comes back
    // unchanged from a file it is written to.
    void readValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("invalidStartTime");
        QTest::newRow("missing keys")
            << QByteArray() << QStringList{"ShowClock=1",       "UseCountDown=1", "UseCounTdown=0",
                                           "Startime=12:00:00", "S_Right=1111",   "S_Bottom=999",
                                           "DelayFactor=1",     "MainColor=-1",   "MW=600"}
            << QString();
        QTest::newRow("hex and $ integers")
            << QByteArray("[Stuff]\nArrowAmt=0x1F\nPgJumpAmt=$1F\nFormColor=-$10\nDelay=0x\n")
            << QStringList{"ArrowAmt=31", "PgJumpAmt=31", "FormColor=-16", "Delay=0"} << QString();
        QTest::newRow("pixel format out of range")
            << QByteArray("[Stuff]\nProcessType=8\nDisPlaySize=-1\n")
            << QStringList{"ProcessType=0", "DisPlaySize=-1"} << QString();
        QTest::newRow("last pixel format")
            << QByteArray("[Stuff]\nProcessType=7\n") << QStringList{"ProcessType=7"} << QString();
        QTest::newRow("count-down stored once decides both reads")
            << QByteArray("[Options]\nusecountdown=1\n")
            << QStringList{"UseCountDown=1", "UseCounTdown=1"} << QString();
        QTest::newRow("face cut, blanks and quotes kept")
            << QByteArray("[Stuff]\nFontName=" + QByteArray(40, 'F') +
                          "\nLastFile=\" /x/a b \"\nAviname=\"'v.avi'\"\n")
            << QStringList{"FontName=" + QString(31, u'F'), "LastFile= /x/a b ", "Aviname='v.avi'"}
            << QString();
        QTest::newRow("invalid start time")
            << QByteArray("[Options]\nStartime=25:99\nStopAtEnd=1\n[Stuff]\nArrowAmt=4\n")
            << QStringList{"Startime=12:00:00", "StopAtEnd=1", "ArrowAmt=4"}
            << QStringLiteral("25:99");
    }
    void readValues() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QFETCH(QString, invalidStartTime);
        const app::ConfigurationRead read =
            app::readConfiguration(IniFile::fromBytes(file), kScreen);
        QCOMPARE(read.invalidStartTime.value_or(QString()), invalidStartTime);
        for (const QString &e : expected) {
            const QString key = e.section(u'=', 0, 0);
            QCOMPARE(key + u'=' + valueOf(read.values, key), e);
        }
        expectReadBack(read.values);
    }

    // A missing output rectangle covers the screen the file names, not the console's.
    void outputRectangleOfTheNamedScreen() {
        const auto sizeOf = [](const QString &name) {
            return name == QLatin1String("HDMI-1") ? QSize(1920, 1080) : kScreen;
        };
        const app::ConfigurationRead named = app::readConfiguration(
            IniFile::fromBytes("[Options]\nOutputScreen=HDMI-1\n[Stuff]\nS_Left=5\n"), sizeOf);
        QCOMPARE(named.values.outputScreen, QStringLiteral("HDMI-1"));
        QCOMPARE(QRect(QPoint(named.values.outputLeft, named.values.outputTop),
                       QPoint(named.values.outputRight, named.values.outputBottom)),
                 QRect(QPoint(5, 0), QPoint(1920, 1080)));
        const app::ConfigurationRead none = app::readConfiguration(IniFile::fromBytes({}), sizeOf);
        QCOMPARE(none.values.outputScreen, QString());
        QCOMPARE(none.values.outputRight, kScreen.width());
    }

    // Settings with every key away from its default survive writing and reading back, so
    // each key is written and read under the same name into the same member.
    void everyKeyReadsBack() {
        Settings c;
        int n = 0;
        for (const ConfigurationKey &k : app::configurationKeys()) {
            ++n;
            if (!k.isWritten())
                continue;
            const QString name = k.key;
            std::visit(
                [&](const auto &m) {
                    using T = std::decay_t<decltype(c.*m.member)>;
                    if constexpr (std::is_same_v<T, bool>)
                        c.*m.member = !m.fallback;
                    else if constexpr (std::is_same_v<T, int>)
                        c.*m.member = k.highest < 1000 ? k.highest : 1000 + n;
                    else if constexpr (std::is_same_v<T, qint8>)
                        c.*m.member = qint8(2 + n % 100);
                    else if constexpr (std::is_same_v<T, QString>)
                        c.*m.member = u' ' + name.left(8) + u' ';
                    else
                        c.*m.member = platform::timeToDayFraction(QTime(23, 59, n % 60));
                },
                k.value);
        }
        expectReadBack(c);
    }

    // Only the last script's key changes, and a file that already names the script is not
    // written at all.
    void rememberLastFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZALSCROL.INI"));
        const QByteArray named = "[stuff]\r\nDelay=7\r\n lastfile = /s/one.txt \r\n";
        QVERIFY(testsupport::writeBytes(path, named));
        QVERIFY(app::rememberLastFile(path, QStringLiteral("/s/one.txt")));
        QCOMPARE(testsupport::readFile(path), named);
        QVERIFY(app::rememberLastFile(path, QStringLiteral("/s/two.txt")));
        QCOMPARE(testsupport::readFile(path),
                 QByteArray("[stuff]\r\nDelay=7\r\nlastfile=/s/two.txt\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
