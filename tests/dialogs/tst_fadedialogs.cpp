// "Fading Options" and the output window dialog, opened from the main window's menu as the
// operator opens them: what each hands back and how the main window applies it.
#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "dialogs/TFadeSetup.h"
#include "dialogs/TForm2.h"
#include "editor/ScriptEditor.h"
#include "play/BlackScroll.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

class TestFadeDialogs : public QObject {
    Q_OBJECT
    std::unique_ptr<testsupport::Sandbox> sandbox;

private slots:
    void init() {
        sandbox = std::make_unique<testsupport::Sandbox>();
        QVERIFY(testsupport::createWindows());
        Form1->setEditorFontSize(24);
        Form1->S_Left = Form1->S_Top = 0;
        Form1->S_Right = 1024;
        Form1->S_Bottom = 768;
        Form1->RadioGroup2->setItemIndex(0);
    }
    void cleanup() { sandbox.reset(); }

    // Fading on with every option: unchecking "Use fading titles" clears and disables the
    // other three, TV titles go only with two-line titles, the bar sets the hold time; OK
    // keeps the changes, Cancel brings every value back, the close box keeps the changes.
    // The main window follows the fading switch.
    void fadeOptions_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("fading");
        QTest::addColumn<int>("hold");
        QTest::newRow("OK") << "ok" << false << 12;
        QTest::newRow("Cancel") << "cancel" << true << 5;
        QTest::newRow("close box") << "close" << false << 12;
    }
    void fadeOptions() {
        QFETCH(QString, how);
        QFETCH(bool, fading);
        QFETCH(int, hold);
        Form1->FadeTitles = Form1->FadeTwoline = Form1->FadeTVTitle = Form1->FadeAnti = true;
        Form1->FadeHoldTime = 5;
        Form1->setfadedefaults();
        TFadeSetup *d = FadeSetup;
        testsupport::runDialog(Form1->FadeTitles1, d, d->BitBtn1, d->BitBtn2, how, [&] {
            QVERIFY(d->CheckBox1->isChecked() && d->CheckBox3->isChecked());
            QCOMPARE(d->Label2->text(), QStringLiteral("5"));
            d->CheckBox1->click();
            for (QCheckBox *b : {d->CheckBox2, d->CheckBox3, d->checkbox4})
                QVERIFY(!b->isChecked() && !b->isEnabled());
            d->CheckBox1->click();
            QVERIFY(d->CheckBox2->isEnabled() && !d->CheckBox3->isEnabled());
            d->CheckBox2->click();
            d->CheckBox3->click();
            d->CheckBox2->click();
            QVERIFY(!d->CheckBox3->isChecked() && !d->CheckBox3->isEnabled());
            d->CheckBox1->click();
            d->TrackBar1->setValue(12);
        });
        for (bool flag :
             {Form1->FadeTitles, Form1->FadeTwoline, Form1->FadeTVTitle, Form1->FadeAnti})
            QCOMPARE(flag, fading);
        QCOMPARE(Form1->FadeHoldTime, hold);
        QCOMPARE(Form1->FadeTitles1->isChecked(), fading);
        QCOMPARE(Form1->RadioGroup2->isEnabled(), !fading);
        QCOMPARE(Form1->StatusBar1->panelText(3),
                 fading ? QStringLiteral("Left 0 Top 0") : QStringLiteral(" 1024 x 768"));
    }

    // Output mode on a 1024 x 768 screen: the bars give a centred window (an odd width
    // loses a pixel) no lower than the font size; OK deselects "Screen Res" and gives the
    // editor half the width, Cancel restores the rectangle and the selection, the close box
    // keeps the rectangle and the selection.
    void outputWindow_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("screenRes");
        QTest::newRow("OK") << "ok" << QRect(192, 144, 640, 480) << -1;
        QTest::newRow("Cancel") << "cancel" << QRect(0, 0, 1024, 768) << 0;
        QTest::newRow("close box") << "close" << QRect(192, 144, 640, 480) << 0;
    }
    void outputWindow() {
        QFETCH(QString, how);
        QFETCH(QRect, rect);
        QFETCH(int, screenRes);
        TForm2 *d = Form2;
        testsupport::runDialog(Form1->Adjustoutputwindowsize1, d, d->BitBtn1, d->BitBtn2, how, [&] {
            QVERIFY(!d->Panel1->isVisible() && !d->centerfade->isVisible());
            QCOMPARE(d->TrackBar2->minimum(), 24);
            QCOMPARE(d->TrackBar1->value(), 1024);
            d->TrackBar1->setValue(641);
            d->TrackBar2->setValue(480);
        });
        QCOMPARE(QRect(Form1->S_Left, Form1->S_Top, Form1->S_Right - Form1->S_Left,
                       Form1->S_Bottom - Form1->S_Top),
                 rect);
        QCOMPARE(Form1->RadioGroup2->itemIndex(), screenRes);
        if (how == QLatin1String("ok"))
            QCOMPARE(Form1->Memo1->width(), 320);
    }

    // Fade mode: the vertical bar shows the top less twice the font size, and OK takes
    // the bars; both boxes put the title in the lower third, centred; dragging the marker
    // sets the bars to six times the preview point.
    void fadePosition_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("topShown");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("vertical bar") << "bar" << 352 << QPoint(0, 400);
        QTest::newRow("both boxes") << "boxes" << 512 << QPoint(412, 512);
        QTest::newRow("dragged marker") << "drag" << 0 << QPoint(300, 240);
    }
    void fadePosition() {
        QFETCH(QString, step);
        QFETCH(int, topShown);
        QFETCH(QPoint, stored);
        Form1->FadeTitles = true;
        Form1->setfadedefaults();
        Form4->strip().setStripWidth(200); // the last title drawn
        TForm2 *d = Form2;
        testsupport::runDialog(
            Form1->Adjustoutputwindowsize1, d, d->BitBtn1, d->BitBtn2, QStringLiteral("ok"), [&] {
                if (step == QLatin1String("bar")) {
                    d->TrackBar2->setValue(400);
                } else if (step == QLatin1String("boxes")) {
                    d->centerfade->click();
                    d->lowerthird->click();
                } else {
                    const QPoint at = d->Panel1->mapFromGlobal(d->pb2->mapToGlobal(QPoint(50, 40)));
                    QTest::mousePress(d->Panel1, Qt::LeftButton, {}, at);
                    QTest::mouseMove(d->Panel1, at);
                    QTest::mouseRelease(d->Panel1, Qt::LeftButton, {}, at);
                    QCOMPARE(d->Panel1->pos(), d->pb2->pos() + QPoint(50, 40));
                }
                QCOMPARE(d->Label8->text(), QStringLiteral("Top    %1").arg(topShown));
            });
        QCOMPARE(QPoint(Form1->S_Left, Form1->S_Top), stored);
        QCOMPARE(Form1->CenterFade, step == QLatin1String("boxes"));
    }
};

QTEST_MAIN(TestFadeDialogs)
#include "tst_fadedialogs.moc"
