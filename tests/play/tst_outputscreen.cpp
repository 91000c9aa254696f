// A play on the output screen of two: the play window covers that screen, the console shows
// a live preview while it runs, and a screen unplugged during the play moves the play to the
// remaining one without ending it.
#include "PlayTestSupport.h"

#include "app/OutputScreenCommands.h"
#include "app/PlayCommands.h"
#include "platform/StatusBar.h"

#include <QMenu>

using namespace playtest;
using platform::ScreenInfo;

namespace {
const ScreenInfo kConsole{"eDP-1", QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 740), 32, 60.0};
const ScreenInfo kPrompter{"HDMI-1", QRect(1024, 0, 1280, 720), QRect(1024, 0, 1280, 720), 32,
                           60.0};
} // namespace

class TestOutputScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<PlayFixture> fx;

private slots:
    void init() {
        fx = std::make_unique<PlayFixture>();
        platform::Screen::setOverride({kConsole, kPrompter});
    }
    void cleanup() {
        fx.reset();
        platform::Screen::setOutputName(QString());
        platform::Screen::clearOverride();
    }

    // The submenu lists both screens; choosing the second makes the whole rectangle its
    // size, and the play covers it, previewed on the console, until the screen goes: the
    // play goes on on the console's screen to its end. Plugged back in, it is used again.
    void unpluggedDuringAPlay() {
        OutputScreenCommands &screens = mainWindow->outputScreenCommands();
        QMenu *menu = mainWindow->ui().outputScreenMenu;
        emit menu->aboutToShow();
        QAction *second = nullptr;
        for (QAction *item : menu->actions())
            if (item->text() == QLatin1String("HDMI-1 1280 x 720"))
                second = item;
        QVERIFY(second);
        second->trigger();
        QCOMPARE(mainWindow->settings().outputScreen, QStringLiteral("HDMI-1"));
        QCOMPARE(mainWindow->settings().outputRight, 1280);
        QCOMPARE(mainWindow->settings().outputBottom, 720);

        mainWindow->show();
        fx->setScript(QStringLiteral("One\r\nTwo\r\nThree\r\nFour"));
        QRect during;
        bool previewed = false;
        fx->retrace.onWait = [&](int waits) {
            if (waits == 3) {
                during = playWindow->geometry();
                previewed = screens.previewRunning();
                platform::Screen::setOverride({kConsole});
            }
        };
        mainWindow->playCommands().play();
        QCOMPARE(during, kPrompter.geometry);
        QVERIFY(previewed);
        // Every line scrolled in, on the console's screen, and the preview went.
        QCOMPARE(fx->retrace.waits, 4 * playWindow->stripHeight());
        QCOMPARE(playWindow->geometry(), kConsole.geometry);
        QVERIFY(!screens.previewRunning());
        playWindow->hide();

        fx->retrace.onWait = nullptr;
        platform::Screen::setOverride({kConsole, kPrompter});
        mainWindow->playCommands().play();
        QCOMPARE(playWindow->geometry(), kPrompter.geometry);
    }

    // A remembered screen that is not connected: the console's screen is used, the status
    // bar says so, and the name is kept for the file.
    void rememberedScreenMissing() {
        mainWindow->outputScreenCommands().remember(QStringLiteral("DP-3"));
        QCOMPARE(platform::Screen::output().name, kConsole.name);
        QVERIFY(mainWindow->ui().statusBar->currentMessage().contains(QLatin1String("DP-3")));
        QCOMPARE(mainWindow->settings().outputScreen, QStringLiteral("DP-3"));
    }
};

QTEST_MAIN(TestOutputScreen)
#include "tst_outputscreen.moc"
