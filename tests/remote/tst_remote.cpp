// Remote control without a network: what each command does on the console, the JSON, OSC and
// HTTP readers, the access code, the refusal count, the state a remote is sent, and the
// [Remote] section of the configuration file with its owner-only permissions.
#include "app/Configuration.h"
#include "platform/IniFile.h"
#include "play/RowSchedule.h"
#include "remote/AccessCode.h"
#include "remote/HttpRequest.h"
#include "remote/RefusalGuard.h"
#include "remote/RemoteCommand.h"
#include "remote/RemoteState.h"
#include "settings/Settings.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(OperatorAction)
Q_DECLARE_METATYPE(HttpParse::Status)

namespace {
using C = RemoteCommand;
using K = OperatorAction::Kind;
const QString kCode = QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123");
} // namespace

class TestRemote : public QObject {
    Q_OBJECT
private slots:
    void commandActs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<OperatorAction>("action");
        const auto row = [](const char *tag, const char *name, bool playing, bool paused,
                            OperatorAction action) {
            QTest::newRow(tag) << QString::fromLatin1(name) << playing << paused << action;
        };
        row("play from the console", "play", false, false, {K::ConsolePlay, 0});
        row("play while playing", "play", true, false, {});
        row("play while paused resumes", "play", true, true, {K::Key, 32});
        row("pause", "pause", true, false, {K::Key, 32});
        row("pause while paused", "pause", true, true, {});
        row("resume", "resume", true, true, {K::Key, 32});
        row("resume while playing", "resume", true, false, {});
        row("pause-resume", "pause-resume", true, false, {K::Key, 32});
        row("faster is Up", "faster", true, false, {K::Key, 38});
        row("slower is Down", "slower", true, false, {K::Key, 40});
        row("much faster is Page Up", "much-faster", true, false, {K::Key, 33});
        row("much slower is Page Down", "much-slower", true, false, {K::Key, 34});
        row("faster without a play", "faster", false, false, {});
        row("back is the right button", "back", true, false, {K::RightButtonDown, 0});
        row("back released", "back-release", true, false, {K::RightButtonUp, 0});
        row("restart", "restart", true, false, {K::RestartButton, 0});
        row("restart while paused", "restart", true, true, {});
        row("stop is Esc", "stop", true, true, {K::Key, 27});
        row("stop without a play", "stop", false, false, {});
        row("delay without a play", "delay", false, false, {K::SetDelay, 700});
    }
    void commandActs() {
        QFETCH(QString, name);
        QFETCH(bool, playing);
        QFETCH(bool, paused);
        QFETCH(OperatorAction, action);
        const std::optional<RemoteCommand> command = remoteCommandNamed(name);
        QVERIFY(command);
        const OperatorAction got = operatorActionFor({*command, 700}, playing, paused);
        QCOMPARE(int(got.kind), int(action.kind));
        QCOMPARE(got.value, action.value);
    }

    void jsonCommands_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("code");
        QTest::newRow("faster") << QByteArray(R"({"code":"abc","command":"faster"})") << true
                                << int(C::Faster) << 0 << "abc";
        QTest::newRow("delay") << QByteArray(R"({"command":"delay","value":800})") << true
                               << int(C::SetDelay) << 800 << "";
        QTest::newRow("delay with a fraction")
            << QByteArray(R"({"command":"delay","value":8.5})") << false << 0 << 0 << "";
        QTest::newRow("delay too large")
            << QByteArray(R"({"command":"delay","value":15001})") << false << 0 << 0 << "";
        QTest::newRow("delay negative")
            << QByteArray(R"({"command":"delay","value":-1})") << false << 0 << 0 << "";
        QTest::newRow("delay as text")
            << QByteArray(R"({"command":"delay","value":"800"})") << false << 0 << 0 << "";
        QTest::newRow("unknown command")
            << QByteArray(R"({"code":"x","command":"open"})") << false << 0 << 0 << "x";
        QTest::newRow("an array") << QByteArray(R"(["faster"])") << false << 0 << 0 << "";
        QTest::newRow("not JSON") << QByteArray("faster") << false << 0 << 0 << "";
        QTest::newRow("code not text")
            << QByteArray(R"({"code":5,"command":"stop"})") << true << int(C::Stop) << 0 << "";
    }
    void jsonCommands() {
        QFETCH(QByteArray, json);
        QFETCH(bool, accepted);
        const RemoteMessage m = parseJsonCommand(json);
        QFETCH(QString, code);
        QCOMPARE(m.code, code);
        QCOMPARE(m.request.has_value(), accepted);
        QCOMPARE(m.error.isEmpty(), accepted);
        if (accepted) {
            QFETCH(int, command);
            QCOMPARE(int(m.request->command), command);
            QFETCH(int, value);
            QCOMPARE(m.request->value, value);
        }
    }

    void oscCommands_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<std::vector<OscArgument>>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("value");
        const QString code = QStringLiteral("code");
        QTest::newRow("pause") << "/lectoscope/pause" << std::vector<OscArgument>{code} << true
                               << 0;
        QTest::newRow("delay as an integer")
            << "/lectoscope/delay" << std::vector<OscArgument>{code, qint64(900)} << true << 900;
        QTest::newRow("delay as a whole real")
            << "/lectoscope/delay" << std::vector<OscArgument>{code, 900.0} << true << 900;
        QTest::newRow("delay without a value")
            << "/lectoscope/delay" << std::vector<OscArgument>{code} << false << 0;
        QTest::newRow("another prefix")
            << "/other/pause" << std::vector<OscArgument>{code} << false << 0;
        QTest::newRow("no arguments")
            << "/lectoscope/stop" << std::vector<OscArgument>{} << true << 0;
    }
    void oscCommands() {
        QFETCH(QString, address);
        QFETCH(std::vector<OscArgument>, arguments);
        const RemoteMessage m = parseOscCommand(address, arguments);
        QFETCH(bool, accepted);
        QCOMPARE(m.request.has_value(), accepted);
        QFETCH(int, value);
        if (m.request)
            QCOMPARE(m.request->value, value);
        // The code is the first argument when it is text.
        QCOMPARE(m.code, arguments.empty() ? QString() : QStringLiteral("code"));
    }

    void httpRequests_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<HttpParse::Status>("status");
        using S = HttpParse::Status;
        const QByteArray big(HttpRequest::kMaxRequestBytes, 'a');
        QTest::newRow("GET") << QByteArray("GET /api/state?code=X HTTP/1.1\r\nHost: a\r\n\r\n")
                             << S::Complete;
        QTest::newRow("POST with its body")
            << QByteArray("POST /api/command HTTP/1.1\r\nContent-Length: 4\r\n\r\nabcd")
            << S::Complete;
        QTest::newRow("body still coming")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 10\r\n\r\nabcd") << S::NeedMore;
        QTest::newRow("head still coming") << QByteArray("GET / HTTP/1.1\r\nHo") << S::NeedMore;
        QTest::newRow("head too long") << "GET /" + big << S::TooLarge;
        QTest::newRow("body too long")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 16384\r\n\r\n") << S::TooLarge;
        QTest::newRow("bare line feed")
            << QByteArray("GET / HTTP/1.1\nHost: a\r\n\r\n") << S::Malformed;
        QTest::newRow("two lengths")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab")
            << S::Malformed;
        QTest::newRow("negative length")
            << QByteArray("POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n") << S::Malformed;
        QTest::newRow("chunked") << QByteArray(
                                        "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n")
                                 << S::Unsupported;
        QTest::newRow("HTTP/2") << QByteArray("GET / HTTP/2\r\n\r\n") << S::Malformed;
    }
    void httpRequests() {
        QFETCH(QByteArray, data);
        QFETCH(HttpParse::Status, status);
        const HttpParse p = parseHttpRequest(data);
        QCOMPARE(p.status, status);
        if (status == HttpParse::Status::Complete) {
            QCOMPARE(p.consumed, data.size());
            QVERIFY(p.request.path.startsWith('/'));
        }
    }

    void requestParts() {
        const HttpParse p =
            parseHttpRequest("GET /ws?a=1&code=AB%43+D HTTP/1.1\r\nUpgrade: "
                             "WebSocket\r\nConnection: keep-alive, Upgrade\r\n\r\n");
        QCOMPARE(p.status, HttpParse::Status::Complete);
        QCOMPARE(p.request.path, QByteArray("/ws"));
        QCOMPARE(p.request.queryItem("code"), QByteArray("ABC D"));
        QVERIFY(p.request.wantsWebSocket());
        QVERIFY(p.request.keepAlive());
    }

    void accessCodes_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("matches");
        QTest::newRow("the code") << kCode << true;
        QTest::newRow("small letters") << kCode.toLower() << true;
        QTest::newRow("last character off") << kCode.left(25) + u'4' << false;
        QTest::newRow("first character off") << u'B' + kCode.mid(1) << false;
        QTest::newRow("shorter") << kCode.left(25) << false;
        QTest::newRow("longer") << kCode + u'A' << false;
        QTest::newRow("empty") << QString() << false;
    }
    void accessCodes() {
        QFETCH(QString, given);
        QFETCH(bool, matches);
        QCOMPARE(remote::accessCodeMatches(given, kCode), matches);
        // An empty code matches nothing, not even itself.
        QVERIFY(!remote::accessCodeMatches(QString(), QString()));
    }

    void newCodes() {
        // 128 bits: all ones is 26 characters, the first holding the two spare zero bits.
        const QString ones = remote::accessCodeFromBits({~0u, ~0u, ~0u, ~0u});
        QCOMPARE(ones, QStringLiteral("7") + QString(25, u'Z'));
        QCOMPARE(remote::accessCodeFromBits({0, 0, 0, 1}), QString(25, u'0') + u'1');
        const QString a = remote::makeAccessCode(), b = remote::makeAccessCode();
        QVERIFY(remote::isAccessCode(a));
        QVERIFY(a != b);
    }

    void refusals() {
        RefusalGuard guard;
        const QString a = QStringLiteral("10.0.0.1"), b = QStringLiteral("10.0.0.2");
        qint64 t = 1'000'000;
        // Refusals older than a minute are forgotten.
        for (int i = 0; i < 19; ++i)
            QVERIFY(!guard.refuse(a, t));
        QVERIFY(!guard.refuse(a, t + RefusalGuard::kWindowMs));
        QVERIFY(!guard.isBlocked(a, t + RefusalGuard::kWindowMs));
        t += 2 * RefusalGuard::kWindowMs;
        for (int i = 0; i < 19; ++i)
            QVERIFY(!guard.refuse(a, t + i));
        QVERIFY(guard.refuse(a, t + 19));
        QVERIFY(guard.isBlocked(a, t + 20));
        QVERIFY(!guard.isBlocked(b, t + 20));
        QVERIFY(guard.isBlocked(a, t + 19 + RefusalGuard::kBlockMs - 1));
        QVERIFY(!guard.isBlocked(a, t + 19 + RefusalGuard::kBlockMs));
        QCOMPARE(guard.refusals(), 40);
        QCOMPARE(guard.blocks(), 1);
    }

    void stateMovesOn() {
        RemoteState s;
        s.phase = RemoteState::Phase::Playing;
        s.line = 3;
        s.lineCount = 10;
        s.delay = 1000;
        s.pixelsPerSecond = rowsPerSecondAt(1000);
        s.elapsedMs = 5000;
        s.remainingMs = remainingMsAt(8, 40, 1000);
        s.takenAtMs = 100;
        // Delay 1000: (1000² + 1000) × 25 ns = 25.025 ms a row; 8 lines of 40 rows, 8.008 s.
        QCOMPARE(*s.remainingMs, 8000);
        const QJsonObject o = QJsonDocument::fromJson(remoteStateJson(s, 1100)).object();
        QCOMPARE(o.value(QLatin1String("state")).toString(), QStringLiteral("playing"));
        QCOMPARE(o.value(QLatin1String("pixelsPerSecond")).toDouble(), 40.0);
        QCOMPARE(o.value(QLatin1String("elapsedMs")).toInt(), 6000);
        QCOMPARE(o.value(QLatin1String("remainingMs")).toInt(), 7000);
        s.phase = RemoteState::Phase::Paused; // a paused play's times stand still
        const QJsonObject p = QJsonDocument::fromJson(remoteStateJson(s, 1100)).object();
        QCOMPARE(p.value(QLatin1String("elapsedMs")).toInt(), 5000);
        QVERIFY(!rowsPerSecondAt(0));
    }

    void configurationSection() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ZALSCROL.INI"));
        platform::IniFile plain;
        plain.writeString(QStringLiteral("Stuff"), QStringLiteral("Delay"), QStringLiteral("5"));
        QVERIFY(app::saveConfigurationFile(plain, path));
        // A file without [Remote] reads as remote control off, on the default ports.
        const Settings read =
            app::readConfiguration(platform::IniFile::load(path), QSize(800, 600)).values;
        QVERIFY(!read.remoteControl);
        QCOMPARE(read.remotePort, 8035);
        QCOMPARE(read.remoteOscPort, 8036);
        QVERIFY(QFile::permissions(path) & QFile::ReadOther);

        Settings s = read;
        s.remoteControl = true;
        s.remotePort = 9000;
        s.remoteOtherMachines = true;
        s.remoteAccessCode = kCode;
        QVERIFY(app::rememberRemoteSettings(path, s));
        QCOMPARE(QFile::permissions(path) &
                     (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        const platform::IniFile ini = platform::IniFile::load(path);
        QCOMPARE(ini.readString(QStringLiteral("Stuff"), QStringLiteral("Delay"), QString()),
                 QStringLiteral("5"));
        const Settings back = app::readConfiguration(ini, QSize(800, 600)).values;
        QVERIFY(back.remoteControl && back.remoteOtherMachines);
        QCOMPARE(back.remotePort, 9000);
        QCOMPARE(back.remoteAccessCode, kCode);
    }
};

QTEST_GUILESS_MAIN(TestRemote)
#include "tst_remote.moc"
