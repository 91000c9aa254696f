// Remote control on the console: nothing is made until the switch is on, turning it off
// stops the servers, and a command from the servers' thread acts where its key would: a
// pause sent while a line scrolls in takes hold when the line is in.
#include "../play/PlayTestSupport.h"

#include "app/PlayCommands.h"
#include "app/RemoteControlCommands.h"
#include "editor/ScriptFileCommands.h"

#include "platform/IniFile.h"
#include "remote/RemoteControlDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>
#include <QTimer>

using namespace playtest;

namespace {

// The servers as the console sees them: it keeps the sink and the last state published.
class FakeService : public RemoteService {
public:
    bool start(const RemoteServiceConfig &config, CommandSink sink, QString *) override {
        this->config = config;
        this->sink = std::move(sink);
        running = true;
        return true;
    }
    void stop() override { running = false; }
    bool isRunning() const override { return running; }
    quint16 httpPort() const override { return config.httpPort; }
    quint16 oscPort() const override { return config.oscPort; }
    void publish(const RemoteState &state) override { published = state; }
    RemoteCounters counters() const override { return {}; }
    QStringList machineAddresses() const override { return {}; }
    QImage qrCode(const QString &text, int scale) const override {
        qrText = text;
        return QImage(21 * scale, 21 * scale, QImage::Format_Mono);
    }

    RemoteServiceConfig config;
    CommandSink sink;
    bool running = false;
    RemoteState published;
    mutable QString qrText; // the text of the last QR code drawn
};

} // namespace

class TestRemoteControl : public QObject {
    Q_OBJECT
    std::unique_ptr<PlayFixture> fx;
    FakeService *service = nullptr;
    int made = 0;

    RemoteControlCommands &remote() { return mainWindow->remoteControl(); }

    // A command as the servers' thread hands it on.
    bool send(RemoteCommand command, int value = 0) {
        bool taken = false;
        QThread *thread = QThread::create([&] { taken = service->sink({command, value}); });
        thread->start();
        thread->wait();
        delete thread;
        return taken;
    }

private slots:
    void init() {
        fx = std::make_unique<PlayFixture>();
        made = 0;
        remote().setServiceFactory([this] {
            ++made;
            auto s = std::make_unique<FakeService>();
            service = s.get();
            return s;
        });
    }
    void cleanup() { fx.reset(); }

    void onlyWhenAllowed() {
        Settings &s = mainWindow->settings();
        s.remoteAccessCode = QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123");
        remote().apply();
        QCOMPARE(made, 0);
        s.remoteControl = true;
        s.remotePort = 9100;
        remote().apply();
        QCOMPARE(made, 1);
        QVERIFY(service->running && remote().isRunning());
        QCOMPARE(service->config.httpPort, 9100);
        QCOMPARE(service->config.accessCode, s.remoteAccessCode);
        QVERIFY(!service->config.otherMachines);
        // The speed, outside a play, is the one setting a remote reaches.
        QVERIFY(send(RemoteCommand::SetDelay, 777));
        QTRY_COMPARE(s.delay, 777);
        QCOMPARE(service->published.delay, 777);
        QCOMPARE(service->published.phase, RemoteState::Phase::Stopped);
        s.remoteControl = false;
        remote().apply();
        QVERIFY(!service->running);
    }

    // "Remote Control...": OK takes the switch, the port, other machines and a new code, writes
    // them to the configuration file (owner-only, it holds the code) and starts the servers
    // on them; Cancel takes only the code made on first use, which may already have been read
    // off the screen.
    void dialog_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void dialog() {
        QFETCH(bool, ok);
        Settings &s = mainWindow->settings();
        QString firstCode, shownAddress;
        bool hadQrCode = false;
        QTimer driver;
        driver.setInterval(1);
        connect(&driver, &QTimer::timeout, this, [&] {
            auto *d = qobject_cast<RemoteControlDialog *>(QApplication::activeModalWidget());
            if (!d)
                return;
            driver.stop();
            const RemoteControlDialog::Ui &ui = d->ui();
            firstCode = ui.codeEdit->text();
            QVERIFY(!ui.allowBox->isChecked() && !ui.otherMachinesBox->isChecked());
            QCOMPARE(ui.portBox->value(), 8035);
            ui.allowBox->setChecked(true);
            ui.portBox->setValue(9200);
            ui.otherMachinesBox->setChecked(true);
            if (ok)
                ui.newCodeButton->click();
            shownAddress = ui.addressLabel->text();
            hadQrCode = !ui.qrLabel->pixmap().isNull() && service->qrText == d->phoneAddress();
            if (ok)
                ui.buttons->button(QDialogButtonBox::Ok)->click();
            else
                ui.buttons->button(QDialogButtonBox::Cancel)->click();
        });
        driver.start();
        mainWindow->ui().remoteControlAction->trigger();
        QCOMPARE(made, 1); // loaded by the dialog's first opening
        const QString code = s.remoteAccessCode;
        QCOMPARE(code.size(), 26);
        QCOMPARE(code == firstCode, !ok);
        QVERIFY(shownAddress.contains(QStringLiteral(":9200/?code=") + code));
        QVERIFY(hadQrCode);
        QCOMPARE(s.remoteControl, ok);
        QCOMPARE(remote().isRunning(), ok);
        const QString path = fx->sandbox.configDir() + QStringLiteral("/ZALSCROL.INI");
        const platform::IniFile ini = platform::IniFile::load(path);
        const QLatin1String section("Remote");
        QCOMPARE(ini.readString(section, QStringLiteral("AccessCode"), QString()), code);
        QCOMPARE(ini.readString(section, QStringLiteral("Enabled"), QString()),
                 ok ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(ini.readString(section, QStringLiteral("Port"), QString()),
                 ok ? QStringLiteral("9200") : QStringLiteral("8035"));
        QVERIFY(!(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther)));
        if (ok) {
            QCOMPARE(service->config.httpPort, 9200);
            QVERIFY(service->config.otherMachines);
            QCOMPARE(service->config.accessCode, code);
        }
    }

    void pauseActsBetweenLines() {
        Settings &s = mainWindow->settings();
        s.remoteControl = true;
        s.remoteAccessCode = QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123");
        remote().apply();
        fx->setScript(QStringLiteral("one\r\ntwo\r\nthree"));
        // Pause arrives while the first row of the first line scrolls in.
        fx->retrace.onWait = [this](int n) {
            if (n == 1)
                QVERIFY(send(RemoteCommand::Pause));
        };
        int rowsAtPause = -1;
        RemoteState whilePaused;
        QTimer robot;
        robot.setInterval(1);
        connect(&robot, &QTimer::timeout, this, [&] {
            if (playWindow->state().paused && rowsAtPause < 0) {
                rowsAtPause = fx->retrace.waits;
                remote().publishState();
                whilePaused = service->published;
                send(RemoteCommand::Resume);
            }
        });
        robot.start();
        mainWindow->playCommands().play();
        QCOMPARE(rowsAtPause, playWindow->stripHeight());
        QCOMPARE(whilePaused.phase, RemoteState::Phase::Paused);
        QCOMPARE(whilePaused.line, 2);
        QCOMPARE(whilePaused.lineCount, 3);
        QCOMPARE(fx->retrace.waits, 3 * playWindow->stripHeight());
        QVERIFY(!playWindow->state().paused);
    }

    // Back held by a remote is let go when the remote releases it, when it stops repeating
    // it, or when remote control is turned off (its connection closed): the reverse scroll
    // pauses where it is, as on the right button's release, and never runs on unattended.
    void backLetGo_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("released by the remote") << 0;
        QTest::newRow("no repeat within the hold time") << 1;
        QTest::newRow("remote control turned off") << 2;
    }
    void backLetGo() {
        QFETCH(int, how);
        Settings &s = mainWindow->settings();
        s.remoteControl = true;
        s.remoteAccessCode = QStringLiteral("ABCDEFGHJKMNPQRSTVWXYZ0123");
        remote().apply();
        QStringList lines;
        for (int i = 0; i < 40; ++i)
            lines << QStringLiteral("line %1").arg(i);
        fx->setScript(lines.join(QStringLiteral("\r\n")));
        mainWindow->scriptFiles().setCaretLine(0);
        fx->retrace.onWait = [this](int n) {
            if (n == 30 * playWindow->stripHeight() + 1) // line 30 is scrolling
                QVERIFY(send(RemoteCommand::Back));
        };
        bool acted = false;
        int backLineAtPause = -2;
        QTimer robot;
        robot.setInterval(1);
        connect(&robot, &QTimer::timeout, this, [&] {
            const PlayWindow::State &w = playWindow->state();
            if (w.reversed && !acted) {
                acted = true;
                QVERIFY(remote().backHeld());
                if (how == 0) {
                    send(RemoteCommand::BackRelease);
                } else if (how == 1) {
                    remote().setBackHoldMs(1);
                    send(RemoteCommand::Back); // a repeat: held on for the new hold time
                } else {
                    QMetaObject::invokeMethod(
                        this,
                        [] {
                            mainWindow->settings().remoteControl = false;
                            mainWindow->remoteControl().apply();
                        },
                        Qt::QueuedConnection);
                }
            } else if (acted && w.paused && backLineAtPause == -2) {
                backLineAtPause = w.backLine;
                postKey(Qt::Key_Escape);
            }
        });
        robot.start();
        mainWindow->playCommands().play();
        QVERIFY(acted);
        QVERIFY(!remote().backHeld());
        // Paused on the way back, short of the caret line the reverse scroll ends at.
        QVERIFY2(backLineAtPause > 0, qPrintable(QString::number(backLineAtPause)));
        QVERIFY(!playWindow->isVisible());
    }
};

QTEST_MAIN(TestRemoteControl)
#include "tst_remotecontrol.moc"
