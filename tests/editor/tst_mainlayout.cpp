// The main window's arithmetic: Screen Res rectangles on odd screens and the layout rule.
#include "editor/MainLayout.h"

#include <QTest>

using mainlayout::OutputRect;

class TestMainLayout : public QObject {
    Q_OBJECT
private slots:
    // An empty rectangle stands for "no rectangle": no item, or one past the last.
    void screenRes_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("sw");
        QTest::addColumn<int>("sh");
        QTest::addColumn<bool>("marker");
        QTest::addColumn<QList<int>>("rect");
        QTest::newRow("odd screen halves round down")
            << 1 << 1025 << 769 << false << QList<int>{192, 144, 832, 624};
        QTest::newRow("screen smaller than the item")
            << 1 << 640 << 400 << false << QList<int>{0, -40, 640, 440};
        QTest::newRow("Sw x 180 on 1920x1080, marker")
            << 5 << 1920 << 1080 << true << QList<int>{15, 450, 1920, 630};
        QTest::newRow("full screen") << 0 << 800 << 600 << false << QList<int>{0, 0, 800, 600};
        QTest::newRow("none selected") << -1 << 1024 << 768 << true << QList<int>{};
        QTest::newRow("past the last item") << 6 << 1024 << 768 << true << QList<int>{};
    }
    void screenRes() {
        QFETCH(int, index);
        QFETCH(int, sw);
        QFETCH(int, sh);
        QFETCH(bool, marker);
        QFETCH(QList<int>, rect);
        const auto r = mainlayout::screenResRect(index, sw, sh, marker);
        QCOMPARE(r.has_value(), !rect.isEmpty());
        if (r)
            QCOMPARE((QList<int>{r->left, r->top, r->right, r->bottom}), rect);
    }

    void layout_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<bool>("toolbar");
        QTest::addColumn<int>("middle");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::newRow("all shown") << true << true << 524 << 734 << 50 << 470;
        QTest::newRow("no editor") << false << true << 10 << 220 << 50 << 470;
        QTest::newRow("no tool bar") << true << false << 524 << 734 << 0 << 520;
    }
    void layout() {
        QFETCH(bool, editor);
        QFETCH(bool, toolbar);
        QFETCH(int, middle);
        QFETCH(int, right);
        QFETCH(int, top);
        QFETCH(int, height);
        mainlayout::LayoutInput in;
        in.output = {15, 0, 1024, 768}; // editor 504 wide
        in.editorVisible = editor;
        in.toolBarVisible = toolbar;
        in.toolBarBottom = 40;
        in.autoTimerPanelWidth = 200;
        in.clientHeight = 550;
        in.statusBarHeight = 20;
        const auto r = mainlayout::computeLayout(in);
        QCOMPARE(r.editorWidth, 504);
        QCOMPARE(r.middleX, middle);
        QCOMPARE(r.rightX, right);
        QCOMPARE(r.editorTop, top);
        QCOMPARE(r.editorHeight, height);
        QCOMPARE(r.editorLeft, 10);
    }

    // An output rectangle set backwards by hand gives a negative width, which the window
    // clamps; the arithmetic itself keeps the sign.
    void invertedOutput() {
        mainlayout::LayoutInput in;
        in.output = {500, 0, 100, 10};
        QCOMPARE(mainlayout::computeLayout(in).editorWidth, -200);
    }
};

QTEST_MAIN(TestMainLayout)
#include "tst_mainlayout.moc"
