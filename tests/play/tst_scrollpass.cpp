// The scrolling pass on its own: a play window with a stand-in console and no main window.
#include "FakeHost.h"
#include "platform/Platform.h"
#include "play/PlayHost.h"
#include "play/PlayWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>

namespace {
// A 400 x 300 output, no pauses, a small font.
PlayOptions smallPlay() {
    PlayOptions o;
    o.right = 400;
    o.bottom = 300;
    o.noPause = true;
    o.editorFont.setPointSize(10);
    return o;
}
} // namespace

class TestScrollPass : public QObject {
    Q_OBJECT
private slots:
    // How many lines scroll in and how the pass ends: a one-line script stops with its line
    // at the bottom, a start line past the end plays nothing, and Esc in the middle of a
    // line lets that line finish and closes the window.
    void pass_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("caretLine");
        QTest::addColumn<int>("escAtRow");
        QTest::addColumn<int>("linesScrolled");
        QTest::addColumn<int>("currentLine");
        QTest::addColumn<bool>("closed");
        QTest::newRow("one line") << QStringList{"only"} << -1 << -1 << 1 << 1 << false;
        QTest::newRow("start from cursor past the end")
            << QStringList{"a", "b"} << 5 << -1 << 0 << 5 << false;
        QTest::newRow("Esc mid-line") << QStringList{"a", "b", "c"} << -1 << 3 << 1 << 1 << true;
    }
    void pass() {
        QFETCH(QStringList, lines);
        QFETCH(int, caretLine);
        QFETCH(int, escAtRow);
        QFETCH(int, linesScrolled);
        QFETCH(int, currentLine);
        QFETCH(bool, closed);
        FakeHost host;
        PlayWindow window(&host);
        host.window = &window;
        host.lines = lines;
        host.escAtRow = escAtRow;
        window.create();
        PlayOptions o = smallPlay();
        o.startFromCursor = caretLine >= 0;
        o.caretLine = caretLine;
        window.setOptions(o);
        window.startPlay();
        window.runPass();
        QCOMPARE(host.rows, linesScrolled * window.stripHeight());
        QCOMPARE(window.state().currentLine, currentLine);
        QCOMPARE(host.closed, closed ? 1 : 0);
        QCOMPARE(window.isEnabled(), !closed);
        // The last line scrolled in stands at the bottom of the output rectangle.
        const int h = window.stripHeight();
        const QImage bottom = window.surface().image().copy(0, 300 - 1 - h, 400, h + 1);
        bool ink = false;
        for (int y = 0; y < bottom.height(); ++y)
            for (int x = 0; x < bottom.width(); ++x)
                ink = ink || (bottom.pixel(x, y) & 0xFFFFFF) != 0;
        QCOMPARE(ink, linesScrolled > 0);
    }

    // Following the voice: the pass says where its text starts, reports every row, and
    // holds the text still while the host says so, with messages running (an Esc during the
    // hold leaves the play after the line, as at any other time).
    void holdsTheTextForTheVoice_data() {
        QTest::addColumn<bool>("escWhileHeld");
        QTest::addColumn<int>("linesScrolled");
        QTest::newRow("the reader pauses, then reads on") << false << 2;
        QTest::newRow("Esc while the text stands") << true << 1;
    }
    void holdsTheTextForTheVoice() {
        QFETCH(bool, escWhileHeld);
        QFETCH(int, linesScrolled);
        FakeHost host;
        PlayWindow window(&host);
        host.window = &window;
        host.lines = {"a", "b"};
        host.holdAtRow = 5;
        host.heldLooks = 20;
        host.escWhileHeld = escWhileHeld;
        window.create();
        window.setOptions(smallPlay());
        window.startPlay();
        window.runPass();
        // The reading line a third down the output rectangle, the entry row its last.
        QCOMPARE(host.textStart, (QList<int>{0, window.stripHeight(), 299 - 100}));
        QCOMPARE(host.rowsScrolled, linesScrolled * window.stripHeight());
        QCOMPARE(host.rows, host.rowsScrolled); // one speed read a row, none while held
        QCOMPARE(host.looksHeld, escWhileHeld ? 2 : 20);
        QCOMPARE(host.closed, escWhileHeld ? 1 : 0);
        QCOMPARE(host.textEnds, 1);
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestScrollPass t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_scrollpass.moc"
