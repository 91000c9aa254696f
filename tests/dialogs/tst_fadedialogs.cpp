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
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs the operator's steps inside the modal dialog the action opens.
void inDialog(QAction *opens, QDialog *dialog, const std::function<void()> &steps) {
    QTimer::singleShot(0, dialog, [dialog, steps] {
        QVERIFY(dialog->isVisible());
        steps();
        if (dialog->isVisible())
            dialog->done(QDialog::Rejected);
    });
    opens->trigger();
    QVERIFY(!dialog->isVisible());
}

// Leaves the dialog by its OK or Cancel button or by the close box.
void leave(QDialog *dialog, QPushButton *ok, QPushButton *cancel, DialogClose how) {
    if (how == DialogClose::CloseBox)
        dialog->close();
    else
        (how == DialogClose::Ok ? ok : cancel)->click();
}

} // namespace

Q_DECLARE_METATYPE(DialogClose)

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
    // other three, TV titles go only with two-line titles, the bar (0 to 30) sets the hold
    // time; OK keeps the changes, Cancel brings every value back, the close box keeps the
    // changes. The main window follows the fading switch.
    void fadeOptions_data() {
        QTest::addColumn<DialogClose>("how");
        QTest::addColumn<bool>("fading");
        QTest::addColumn<int>("hold");
        QTest::newRow("OK") << DialogClose::Ok << false << 12;
        QTest::newRow("Cancel") << DialogClose::Cancel << true << 5;
        QTest::newRow("close box") << DialogClose::CloseBox << false << 12;
    }
    void fadeOptions() {
        QFETCH(DialogClose, how);
        QFETCH(bool, fading);
        QFETCH(int, hold);
        Form1->FadeTitles = Form1->FadeTwoline = Form1->FadeTVTitle = Form1->FadeAnti = true;
        Form1->FadeHoldTime = 5;
        Form1->setfadedefaults();
        TFadeSetup *d = FadeSetup;
        inDialog(Form1->FadeTitles1, d, [&] {
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
            QCOMPARE(d->TrackBar1->maximum(), 30);
            d->TrackBar1->setValue(12);
            QCOMPARE(d->Label2->text(), QStringLiteral("12"));
            leave(d, d->BitBtn1, d->BitBtn2, how);
        });
        for (bool flag :
             {Form1->FadeTitles, Form1->FadeTwoline, Form1->FadeTVTitle, Form1->FadeAnti})
            QCOMPARE(flag, fading);
        QCOMPARE(Form1->FadeHoldTime, hold);
        QCOMPARE(Form1->FadeTitles1->isChecked(), fading);
        QCOMPARE(Form1->RadioGroup2->isEnabled(), !fading);
        QCOMPARE(Form1->Adjustoutputwindowsize1->text(),
                 fading ? QStringLiteral("Ad&just Fading text position...")
                        : QStringLiteral("Ad&just output window size..."));
        QCOMPARE(Form1->StaticText5->text(), fading ? QStringLiteral("Fading On") : QString());
        QCOMPARE(Form1->StatusBar1->panelText(3),
                 fading ? QStringLiteral("Left 0 Top 0") : QStringLiteral(" 1024 x 768"));
    }

    // Output mode on a 1024 x 768 screen: the bars give a centred window (an odd width
    // loses a pixel) and cannot go below 10 wide or the font size high; OK deselects
    // "Screen Res" and gives the editor half the width, Cancel restores the rectangle and
    // the selection, the close box keeps the rectangle and the selection.
    void outputWindow_data() {
        QTest::addColumn<DialogClose>("how");
        QTest::addColumn<QRect>("rect"); // left, top, right, bottom as x, y, x2, y2
        QTest::addColumn<int>("screenRes");
        QTest::newRow("OK") << DialogClose::Ok << QRect(QPoint(192, 144), QPoint(832, 624)) << -1;
        QTest::newRow("Cancel") << DialogClose::Cancel << QRect(QPoint(0, 0), QPoint(1024, 768))
                                << 0;
        QTest::newRow("close box")
            << DialogClose::CloseBox << QRect(QPoint(192, 144), QPoint(832, 624)) << 0;
    }
    void outputWindow() {
        QFETCH(DialogClose, how);
        QFETCH(QRect, rect);
        QFETCH(int, screenRes);
        TForm2 *d = Form2;
        inDialog(Form1->Adjustoutputwindowsize1, d, [&] {
            QVERIFY(!d->Panel1->isVisible() && !d->centerfade->isVisible());
            QCOMPARE(d->TrackBar1->minimum(), 10);
            QCOMPARE(d->TrackBar2->minimum(), 24);
            QCOMPARE(d->TrackBar1->value(), 1024);
            QCOMPARE(d->pb2->size(), QSize(170, 128));
            d->TrackBar1->setValue(641);
            d->TrackBar2->setValue(480);
            QCOMPARE(d->Label7->text(), QStringLiteral("Left   192"));
            QCOMPARE(d->Label10->text(), QStringLiteral("Bottom 624"));
            leave(d, d->BitBtn1, d->BitBtn2, how);
        });
        QCOMPARE(
            QRect(QPoint(Form1->S_Left, Form1->S_Top), QPoint(Form1->S_Right, Form1->S_Bottom)),
            rect);
        QCOMPARE(Form1->RadioGroup2->itemIndex(), screenRes);
        if (how == DialogClose::Ok)
            QCOMPARE(Form1->Memo1->width(), 320);
        QCOMPARE(Form1->StaticText6->text(), QStringLiteral("Window %1 x %2")
                                                 .arg(rect.right() - rect.left())
                                                 .arg(rect.bottom() - rect.top()));
    }

    // Fade mode: the vertical bar shows the top less twice the font size, and OK takes
    // the bars; both boxes put the title in the lower third, centred; dragging the marker
    // sets the bars to six times the preview point.
    void fadePosition_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("topShown");
        QTest::addColumn<QPoint>("stored");
        QTest::newRow("vertical bar") << "bar"
                                      << "Top    352" << QPoint(0, 400);
        QTest::newRow("both boxes") << "boxes"
                                    << "Top    512" << QPoint(412, 512);
        QTest::newRow("dragged marker") << "drag"
                                        << "Top    0" << QPoint(300, 240);
    }
    void fadePosition() {
        QFETCH(QString, step);
        QFETCH(QString, topShown);
        QFETCH(QPoint, stored);
        Form1->FadeTitles = true;
        Form1->setfadedefaults();
        Form4->strip().setStripWidth(200); // the last title drawn
        TForm2 *d = Form2;
        inDialog(Form1->Adjustoutputwindowsize1, d, [&] {
            if (step == QLatin1String("bar")) {
                d->TrackBar2->setValue(400);
            } else if (step == QLatin1String("boxes")) {
                d->centerfade->click();
                d->lowerthird->click();
            } else {
                const QPoint global = d->pb2->mapToGlobal(QPoint(50, 40));
                const QPointF local = d->Panel1->mapFromGlobal(global);
                for (QEvent::Type t :
                     {QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease}) {
                    QMouseEvent e(t, local, QPointF(global), Qt::LeftButton,
                                  t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                                  Qt::NoModifier);
                    QCoreApplication::sendEvent(d->Panel1, &e);
                }
                QCOMPARE(d->Panel1->pos(), d->pb2->pos() + QPoint(50, 40));
                QCOMPARE(d->Label2->text(), QStringLiteral("300"));
            }
            QCOMPARE(d->Label8->text(), topShown);
            d->BitBtn1->click();
        });
        QCOMPARE(QPoint(Form1->S_Left, Form1->S_Top), stored);
        QCOMPARE(Form1->CenterFade, step == QLatin1String("boxes"));
        QCOMPARE(Form1->StatusBar1->panelText(3),
                 QStringLiteral("Left %1 Top %2").arg(stored.x()).arg(stored.y()));
    }
};

QTEST_MAIN(TestFadeDialogs)
#include "tst_fadedialogs.moc"
