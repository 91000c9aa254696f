#include "editor/ScriptEditor.h"

#include <QDragEnterEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

namespace {

// Exposes the paste entry point and the top paragraph, which the editor keeps protected.
class ExposedEditor : public ScriptEditor {
public:
    using ScriptEditor::firstVisibleBlock;
    using ScriptEditor::insertFromMimeData;
};

QStringList allLines(const ScriptEditor &e) {
    QStringList lines;
    for (int k = 0; k < e.lineCount(); ++k)
        lines << e.line(k);
    return lines;
}

// Lines as the view itself lays them out, less the empty line after a final break (the
// editor must have been shown, so that the view's layout uses the viewport's width).
int viewLines(ScriptEditor &e) {
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(e.document()->documentLayout());
    int total = e.document()->lastBlock().length() <= 1 ? -1 : 0;
    for (QTextBlock b = e.document()->firstBlock(); b.isValid(); b = b.next()) {
        layout->ensureBlockLayout(b);
        total += b.layout()->lineCount();
    }
    return total;
}

// Words of a paragraph broken greedily at spaces, each line keeping its trailing space:
// what a word-wrapping editor shows at the given line width.
QStringList greedyWrap(const QString &paragraph, const QFontMetricsF &fm, qreal width) {
    const QStringList words = paragraph.split(u' ');
    QStringList lines;
    QString current;
    for (int i = 0; i < words.size(); ++i) {
        const QString piece = i + 1 < words.size() ? words[i] + u' ' : words[i];
        if (current.isEmpty() || fm.horizontalAdvance(current + words[i]) <= width) {
            current += piece;
        } else {
            lines << current;
            current = piece;
        }
    }
    lines << current;
    return lines;
}

// A paragraph of exactly the given length made of words of different lengths.
QString paragraph(int length, int seed = 0) {
    static const char *words[] = {"alpha", "beta",  "gamma", "delta", "epsilon", "zeta",
                                  "eta",   "theta", "iota",  "kappa", "lambda"};
    QString text;
    for (int i = seed; text.size() < length; ++i)
        text += QLatin1String(words[i % 11]) + u' ';
    text.truncate(length);
    if (text.endsWith(u' '))
        text[length - 1] = u'x';
    return text;
}

// Line count of a text in a fresh editor of the given size.
int linesAt(QSize size, const QString &text, bool wrap = true) {
    ScriptEditor fresh;
    fresh.resize(size);
    fresh.setWordWrap(wrap);
    fresh.setText(text);
    return fresh.lineCount();
}

// Narrows the editor so that a 200-character paragraph shows on three lines; returns the
// paragraph, or nothing when the width found does not give three lines.
QString threeLineParagraph(ScriptEditor &e, QStringList *lines = nullptr) {
    const QString text = paragraph(200);
    const QFontMetricsF fm(e.font(), e.viewport());
    const int frame = e.width() - e.maximumViewportSize().width();
    const qreal margins = 2 * e.document()->documentMargin();
    e.resize(int(std::ceil(fm.horizontalAdvance(text) * 0.38 + margins)) + frame, 300);
    const QStringList wrapped = greedyWrap(text, fm, e.maximumViewportSize().width() - margins);
    if (lines)
        *lines = wrapped;
    return wrapped.size() == 3 ? text : QString();
}

} // namespace

class TestScriptEditor : public QObject {
    Q_OBJECT
private slots:
    void lineCountAndLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("one line") << "a" << QStringList{"a"};
        QTest::newRow("final break left out") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("empty line inside") << "a\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("only a break") << "\n" << QStringList{""};
        QTest::newRow("two breaks") << "\r\n\r\n" << QStringList{"", ""};
        QTest::newRow("crlf") << "one\r\ntwo\r\n" << QStringList{"one", "two"};
        QTest::newRow("cr alone") << "one\rtwo" << QStringList{"one", "two"};
        QTest::newRow("cr cr lf") << "a\r\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("lf cr") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("mixed") << "a\r\nb\rc\nd\r\n" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("spaces kept") << "  x  \r\n\t y" << QStringList{"  x  ", "\t y"};
    }

    // Lines, their CR LF indexes and the caret's line, word-wrapped or not.
    void lineCountAndLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        for (bool wrap : {true, false}) {
            ScriptEditor e;
            e.resize(400, 300);
            e.setWordWrap(wrap);
            e.setText(text);
            QCOMPARE(e.lineCount(), lines.size());
            QCOMPARE(allLines(e), lines);
            for (int k : {-1, int(lines.size()), int(lines.size()) + 5})
                QCOMPARE(e.line(k), QString());
            int index = 0, position = 0;
            for (int k = 0; k < lines.size(); ++k) {
                QCOMPARE(e.lineIndex(k), index);
                QTextCursor c = e.textCursor();
                c.setPosition(position + lines[k].size()); // the end of line k
                e.setTextCursor(c);
                QCOMPARE(e.caretLine(), k);
                index += lines[k].size() + 2;
                position += lines[k].size() + 1;
            }
            QCOMPARE(e.lineIndex(-1), -1);
            QCOMPARE(e.lineIndex(lines.size() + 1), -1);
            e.moveCursor(QTextCursor::End); // after a final break: the line after the last
            QCOMPARE(e.caretLine(), e.document()->lastBlock().length() <= 1 && !lines.isEmpty()
                                        ? lines.size()
                                        : qMax(0, int(lines.size()) - 1));
        }
    }

    // Lines end in CR LF whatever the load used; a load leaves the modified flag as it was
    // and cannot be undone.
    void textUsesCrLf() {
        ScriptEditor e;
        QSignalSpy changed(&e, &QPlainTextEdit::textChanged);
        e.setText("a\nb\rc\r\n\r\nd\n");
        QCOMPARE(e.text(), QStringLiteral("a\r\nb\r\nc\r\n\r\nd\r\n"));
        QVERIFY(changed.count() > 0);
        QVERIFY(!e.isModified());
        // Characters that look like spaces or breaks inside a line are kept as they are.
        const QString nbsp = QStringLiteral("x\u00A0y");
        e.setModified(true);
        e.setText(nbsp);
        QCOMPARE(e.text(), nbsp);
        QVERIFY(e.isModified());
        e.setModified(false);
        e.undo();
        QCOMPARE(e.text(), nbsp);
        e.insertPlainText("x");
        QVERIFY(e.isModified());
        e.clear();
        QCOMPARE(e.text(), QString());
        QCOMPARE(e.lineCount(), 0);
    }

    // A paragraph shown on three lines is three lines, each with its start and caret line,
    // after two short lines; without word wrap it is one line.
    void wrappedParagraph() {
        ScriptEditor e;
        QStringList expected;
        const QString text = threeLineParagraph(e, &expected);
        QVERIFY(!text.isEmpty());
        e.setText("x\r\ny\r\n" + text);
        QCOMPARE(e.lineCount(), 5);
        QCOMPARE(allLines(e).mid(2), expected);
        for (int k = 0; k < 3; ++k) {
            const int lineStart = 4 + expected.mid(0, k).join(QString()).size();
            QTextCursor c = e.textCursor();
            c.setPosition(lineStart + 1);
            e.setTextCursor(c);
            QCOMPARE(e.caretLine(), 2 + k);
            QCOMPARE(e.lineIndex(2 + k), lineStart + 2); // two CR LF before the paragraph
            QCOMPARE(e.text().mid(e.lineIndex(2 + k), expected[k].size()), expected[k]);
        }
        e.setWordWrap(false);
        QCOMPARE(e.lineCount(), 3);
        QCOMPARE(e.line(2), text);
        e.setWordWrap(true);
        QCOMPARE(e.lineCount(), 5);
    }

    // A line is read up to 4096 characters; a word longer than the editor is broken
    // anywhere, and the pieces make up the word.
    void lineReadIsCapped_data() {
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("length");
        QTest::newRow("short line") << false << 4096;
        QTest::newRow("long line") << false << 5000;
        QTest::newRow("wrapped long word") << true << 5000;
    }
    void lineReadIsCapped() {
        QFETCH(bool, wrap);
        QFETCH(int, length);
        ScriptEditor e;
        e.resize(400, 300);
        e.setWordWrap(wrap);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(u'a' + i % 26);
        e.setText(text + "\r\nnext");
        QStringList lines = allLines(e);
        QCOMPARE(lines.takeLast(), QStringLiteral("next"));
        QVERIFY(wrap ? lines.size() > 10 : lines.size() == 1);
        QCOMPARE(lines.join(QString()), wrap ? text : text.left(4096));
    }

    void selectRange() {
        ScriptEditor e;
        e.setText("alpha\r\nbeta\r\nalphabet");
        e.selectRange(e.lineIndex(2), e.line(2).size());
        QCOMPARE(e.textCursor().selectedText(), QStringLiteral("alphabet"));
        QCOMPARE(e.caretLine(), 2);
        e.selectRange(7, 4);
        QCOMPARE(e.textCursor().selectedText(), QStringLiteral("beta"));
        // A range across a line break counts CR LF as two characters.
        e.selectRange(3, 6);
        QCOMPARE(e.textCursor().selectedText(), QStringLiteral("ha\u2029be"));
        e.selectRange(0, 1000);
        QCOMPARE(e.textCursor().selectionEnd(), e.document()->characterCount() - 1);
    }

    void randomEditsAgreeWithView() {
        ScriptEditor e;
        e.resize(300, 400);
        QString text;
        for (int i = 0; i < 40; ++i)
            text += paragraph(10 + (i * 37) % 180, i) + "\r\n";
        e.setText(text);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QRandomGenerator random(12345);
        for (int step = 0; step < 150; ++step) {
            const int length = e.document()->characterCount() - 1;
            QTextCursor c(e.document());
            const int at = random.bounded(length + 1);
            c.setPosition(at);
            switch (random.bounded(5)) {
            case 0:
                c.insertText(paragraph(random.bounded(1, 120), step));
                break;
            case 1:
                c.insertText("\n" + paragraph(random.bounded(1, 60), step) + "\n");
                break;
            case 2:
                c.setPosition(std::min(length, at + random.bounded(1, 300)),
                              QTextCursor::KeepAnchor);
                c.removeSelectedText();
                break;
            case 3:
                e.undo();
                break;
            default:
                e.redo();
                break;
            }
            if (step % 3 == 0) {
                QCOMPARE(e.lineCount(), viewLines(e));
                QCOMPARE(allLines(e).join(QString()),
                         e.document()->toRawText().remove(QChar::ParagraphSeparator));
            }
        }
        QCOMPARE(e.lineCount(), linesAt(e.size(), e.text()));
    }

    // Counted while hidden, then shown; narrower, a bigger font, wider again: the lines
    // follow the view each time.
    void countsFollowTheView() {
        ScriptEditor e;
        e.resize(500, 300);
        QString text;
        for (int i = 0; i < 30; ++i)
            text += paragraph(60 + 17 * i, i) + "\r\n";
        e.setText(text);
        const QStringList hidden = allLines(e);
        QVERIFY(hidden.size() > 30);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QCOMPARE(allLines(e), hidden);
        QFont bigger = e.font();
        bigger.setPointSize(24);
        int previous = 0;
        for (int change = 0; change < 4; ++change) {
            if (change == 1)
                e.resize(250, 300);
            else if (change == 2)
                e.setFont(bigger);
            else if (change == 3)
                e.resize(500, 300);
            QCOMPARE(e.lineCount(), viewLines(e));
            if (change == 1 || change == 2)
                QVERIFY(e.lineCount() > previous);
            previous = e.lineCount();
        }
    }

    // Typing: the counts are current when textChanged is seen; Enter and Shift+Enter break
    // the line (no soft breaks) unless returns are not wanted.
    void typing() {
        ScriptEditor e;
        e.setText("one two\r\nthree");
        int lines = -1;
        int caret = -1;
        connect(&e, &QPlainTextEdit::textChanged, &e, [&] {
            lines = e.lineCount();
            caret = e.caretLine();
        });
        QTextCursor c = e.textCursor();
        c.setPosition(4);
        e.setTextCursor(c);
        QTest::keyClick(&e, Qt::Key_Return);
        QCOMPARE(lines, 3);
        QCOMPARE(caret, 1);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(lines, 2);
        QCOMPARE(caret, 0);
        e.moveCursor(QTextCursor::End);
        QTest::keyClick(&e, Qt::Key_Return);
        QCOMPARE(lines, 2); // the final empty line is not counted
        QCOMPARE(caret, 2);
        e.setWantReturns(false);
        QTest::keyClick(&e, Qt::Key_Return);
        QTest::keyClick(&e, Qt::Key_Enter);
        QTest::keyClick(&e, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(&e, Qt::Key_C);
        QCOMPARE(e.text(), QStringLiteral("one two\r\nthree\r\nc"));
        e.setWantReturns(true);
        QTest::keyClick(&e, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(&e, Qt::Key_D);
        QCOMPARE(e.text(), QStringLiteral("one two\r\nthree\r\nc\r\nd"));
        QCOMPARE(lines, 4);
        e.clear();
        QCOMPARE(lines, 0);
        QCOMPARE(caret, 0);
    }

    void pasteEndsLinesLikeALoad() {
        ExposedEditor e;
        e.setText("[]");
        QTextCursor c = e.textCursor();
        c.setPosition(1);
        e.setTextCursor(c);
        QMimeData data;
        data.setText(QStringLiteral("a\rb\r\nc\u2028d\u2029e"));
        e.insertFromMimeData(&data);
        QCOMPARE(e.text(), QStringLiteral("[a\r\nb\r\nc\r\nd\r\ne]"));
        QCOMPARE(e.lineCount(), 5);
    }

    void centering() {
        ScriptEditor e;
        e.resize(400, 200);
        e.setText("i");
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.setFocus();
        e.moveCursor(QTextCursor::End);
        auto inkLeft = [&] {
            const QImage image = e.viewport()->grab().toImage();
            for (int x = 0; x < image.width(); ++x)
                for (int y = 0; y < image.height() / 2; ++y)
                    if (qGray(image.pixel(x, y)) < 100)
                        return x;
            return -1;
        };
        const int left = inkLeft();
        QVERIFY(left >= 0 && left < 20);
        e.setCentered(true);
        const int centred = inkLeft();
        QVERIFY2(std::abs(centred - e.viewport()->width() / 2) < 20,
                 qPrintable(QString::number(centred)));
        // Centring leaves the line breaks alone and survives a change of word wrap.
        e.setWordWrap(false);
        QCOMPARE(e.document()->defaultTextOption().alignment(), Qt::AlignHCenter);
        e.setCentered(false);
        QVERIFY(!e.isCentered());
        QVERIFY(inkLeft() < 20);
    }

    void scrollLines() {
        ExposedEditor e;
        const QString para = threeLineParagraph(e);
        QVERIFY(!para.isEmpty());
        QStringList paras;
        for (int i = 0; i < 200; ++i)
            paras << QString::number(i) + ' ' + para.mid(4);
        e.setText(paras.join("\r\n"));
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QCOMPARE(e.lineCount(), 600);
        // Display lines, not paragraphs: seven lines down is the second line of paragraph 2.
        e.scrollLines(7);
        QCOMPARE(e.firstVisibleBlock().blockNumber(), 2);
        QCOMPARE(e.verticalScrollBar()->value() - e.firstVisibleBlock().firstLineNumber(), 1);
        // Far down, over paragraphs the view has not laid out yet.
        e.scrollLines(300);
        QCOMPARE(e.firstVisibleBlock().blockNumber(), 102);
        QCOMPARE(e.verticalScrollBar()->value() - e.firstVisibleBlock().firstLineNumber(), 1);
        e.scrollLines(-304);
        QCOMPARE(e.firstVisibleBlock().blockNumber(), 1);
        QCOMPARE(e.verticalScrollBar()->value() - e.firstVisibleBlock().firstLineNumber(), 0);
        e.scrollLines(-50);
        QCOMPARE(e.verticalScrollBar()->value(), 0);
        // The caret scrolled into view.
        QTextCursor c(e.document()->findBlockByNumber(150));
        e.setTextCursor(c);
        e.scrollLines(-1000);
        QCOMPARE(e.verticalScrollBar()->value(), 0);
        e.scrollCaret();
        const QRect caret = e.cursorRect();
        QVERIFY(e.viewport()->rect().contains(caret.center()));
    }

    void focusClickAndDragSignals() {
        QWidget window;
        ScriptEditor *e = new ScriptEditor(&window);
        e->setGeometry(0, 0, 300, 200);
        QLineEdit *other = new QLineEdit(&window);
        other->setGeometry(0, 210, 100, 20);
        e->setText("first\r\nsecond\r\nthird");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QSignalSpy focus(e, &ScriptEditor::focusChanged);
        e->setFocus();
        QTRY_COMPARE(focus.count(), 1);
        QCOMPARE(focus.at(0).at(0).toBool(), true);
        other->setFocus();
        QTRY_COMPARE(focus.count(), 2);
        QCOMPARE(focus.at(1).at(0).toBool(), false);

        // The caret is placed before the click is reported.
        int lineAtClick = -1;
        connect(e, &ScriptEditor::clicked, e, [&] { lineAtClick = e->caretLine(); });
        const QRect second = e->cursorRect(QTextCursor(e->document()->findBlockByNumber(1)));
        QTest::mouseClick(e->viewport(), Qt::LeftButton, {}, second.center() + QPoint(5, 0));
        QCOMPARE(lineAtClick, 1);

        QSignalSpy drag(e, &ScriptEditor::dragOrDrop);
        QMimeData data;
        data.setText("dropped ");
        const QPoint at = e->cursorRect(QTextCursor(e->document()->findBlockByNumber(2))).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(e->viewport(), &enter);
        QCOMPARE(drag.count(), 1);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(e->viewport(), &drop);
        QCOMPARE(drag.count(), 2);
        QCOMPARE(e->line(2), QStringLiteral("dropped third"));
    }

    void bigScript_data() {
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<int>("length");
        QTest::newRow("short lines, no wrap") << false << 100000 << 50;
        QTest::newRow("short lines, wrap") << true << 100000 << 50;
        QTest::newRow("long paragraphs, wrap") << true << 10000 << 500;
    }

    void bigScript() {
        QFETCH(bool, wrap);
        QFETCH(int, paragraphs);
        QFETCH(int, length);
        const QString para = paragraph(length);
        QString text;
        text.reserve(paragraphs * (length + 2));
        for (int i = 0; i < paragraphs; ++i)
            text += para + "\r\n";
        QVERIFY(text.size() >= 5000000);

        ScriptEditor e;
        e.resize(500, 400);
        e.setWordWrap(wrap);
        const int perParagraph = linesAt(e.size(), para, wrap);
        QVERIFY(wrap ? perParagraph >= 1 : perParagraph == 1);
        if (length == 500)
            QVERIFY(perParagraph > 5);

        e.setText(text);
        QCOMPARE(e.lineCount(), paragraphs * perParagraph);
        const int k = 50000;
        const QString read = e.line(k);
        ScriptEditor one;
        one.resize(e.size());
        one.setWordWrap(wrap);
        one.setText(para);
        QCOMPARE(read, one.line(k % perParagraph));

        // One character typed in the middle: only that paragraph is counted again.
        QTextCursor c(e.document()->findBlockByNumber(paragraphs / 2));
        c.insertText(QStringLiteral("W"));
        const int changed = linesAt(e.size(), "W" + para, wrap);
        const long long before = e.paragraphsMeasured();
        QCOMPARE(e.lineCount(), (paragraphs - 1) * perParagraph + changed);
        QCOMPARE(e.paragraphsMeasured() - before, 1);
        // A line break typed in the middle shifts every later paragraph, yet only the two
        // halves of the broken paragraph are counted again.
        QTextCursor(e.document()->findBlockByNumber(paragraphs / 3))
            .insertText(QStringLiteral("\n"));
        QCOMPARE(e.lineCount(), (paragraphs - 1) * perParagraph + changed + 1);
        QCOMPARE(e.paragraphsMeasured() - before, 3);
        for (int i = 0; i < 1000; ++i)
            QVERIFY(!e.line(i * 97).isNull());
    }
};

QTEST_MAIN(TestScriptEditor)
#include "tst_scripteditor.moc"
