// "Fading Options" and the output window dialog, opened from the main window's menu as the
// operator opens them: what each hands back and how the main window applies it.
#include "TestSupport.h"

#include "app/Forms.h"
#include "app/Mainform.h"
#include "app/RadioGroup.h"
#include "app/StatusBar.h"
#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/OutputAreaDialog.h"
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
        FadingOptionsDialog *d = fadingOptionsDialog;
        testsupport::runDialog(
            Form1->FadeTitles1, d, d->ui().okButton, d->ui().cancelButton, how, [&] {
                QVERIFY(d->ui().fadeTitlesBox->isChecked() && d->ui().tvTitlesBox->isChecked());
                QCOMPARE(d->ui().holdValue->text(), QStringLiteral("5"));
                d->ui().fadeTitlesBox->click();
                for (QCheckBox *b :
                     {d->ui().twoLinesBox, d->ui().tvTitlesBox, d->ui().antialiasBox})
                    QVERIFY(!b->isChecked() && !b->isEnabled());
                d->ui().fadeTitlesBox->click();
                QVERIFY(d->ui().twoLinesBox->isEnabled() && !d->ui().tvTitlesBox->isEnabled());
                d->ui().twoLinesBox->click();
                d->ui().tvTitlesBox->click();
                d->ui().twoLinesBox->click();
                QVERIFY(!d->ui().tvTitlesBox->isChecked() && !d->ui().tvTitlesBox->isEnabled());
                d->ui().fadeTitlesBox->click();
                d->ui().holdBar->setValue(12);
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
        OutputAreaDialog *d = outputAreaDialog;
        testsupport::runDialog(
            Form1->Adjustoutputwindowsize1, d, d->ui().okButton, d->ui().cancelButton, how, [&] {
                QVERIFY(!d->ui().titleMarker->isVisible() && !d->ui().autoCenterBox->isVisible());
                QCOMPARE(d->ui().verticalBar->minimum(), 24);
                QCOMPARE(d->ui().horizontalBar->value(), 1024);
                d->ui().horizontalBar->setValue(641);
                d->ui().verticalBar->setValue(480);
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
        OutputAreaDialog *d = outputAreaDialog;
        testsupport::runDialog(
            Form1->Adjustoutputwindowsize1, d, d->ui().okButton, d->ui().cancelButton,
            QStringLiteral("ok"), [&] {
                if (step == QLatin1String("bar")) {
                    d->ui().verticalBar->setValue(400);
                } else if (step == QLatin1String("boxes")) {
                    d->ui().autoCenterBox->click();
                    d->ui().lowerThirdBox->click();
                } else {
                    const QPoint at = d->ui().titleMarker->mapFromGlobal(
                        d->ui().preview->mapToGlobal(QPoint(50, 40)));
                    QTest::mousePress(d->ui().titleMarker, Qt::LeftButton, {}, at);
                    QTest::mouseMove(d->ui().titleMarker, at);
                    QTest::mouseRelease(d->ui().titleMarker, Qt::LeftButton, {}, at);
                    QCOMPARE(d->ui().titleMarker->pos(), d->ui().preview->pos() + QPoint(50, 40));
                }
                QCOMPARE(d->ui().topLabel->text(), QStringLiteral("Top    %1").arg(topShown));
            });
        QCOMPARE(QPoint(Form1->S_Left, Form1->S_Top), stored);
        QCOMPARE(Form1->CenterFade, step == QLatin1String("boxes"));
    }
};

QTEST_MAIN(TestFadeDialogs)
#include "tst_fadedialogs.moc"
