#include "editor/WrappedLineIndex.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTest>
#include <QTextCursor>

#include <algorithm>

// The index on a bare document, with no editor: display lines, their starts in the
// document and in the CR LF text, the line of a position, and an edit that counts only
// the paragraphs it touched again.
class TestWrappedLineIndex : public QObject {
    Q_OBJECT
private slots:
    void linesAndEdits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns"); // line width in characters; 0: no wrap
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("editAt"); // -1: no edit
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("recounted");
        const QStringList none;
        const QString threeParagraphs = QStringLiteral("aaa bbb\nccc ddd\neee fff");
        const QStringList threeWrapped{"aaa ", "bbb", "ccc ", "ddd", "eee ", "fff"};
        QTest::newRow("empty") << "" << 10 << none << -1 << 0 << "" << none << 0;
        QTest::newRow("final break left out")
            << "ab\n\ncd\n"
            << 0 << QStringList{"ab", "", "cd"} << -1 << 0 << "" << none << 0;
        QTest::newRow("no wrap keeps a long line")
            << "abcdefghijklmnop" << 0 << QStringList{"abcdefghijklmnop"} << -1 << 0 << "" << none
            << 0;
        QTest::newRow("wrapped at spaces")
            << "alpha beta gamma\nx" << 10 << QStringList{"alpha beta ", "gamma", "x"} << -1 << 0
            << "" << none << 0;
        QTest::newRow("long word broken anywhere")
            << "abcdefghijklmnop" << 6 << QStringList{"abcdef", "ghijkl", "mnop"} << -1 << 0 << ""
            << none << 0;
        QTest::newRow("typing in the middle paragraph")
            << threeParagraphs << 4 << threeWrapped << 8 << 0 << "x"
            << QStringList{"aaa ", "bbb", "xccc ", "ddd", "eee ", "fff"} << 1;
        QTest::newRow("a break typed in the middle")
            << threeParagraphs << 4 << threeWrapped << 12 << 0 << "\n"
            << threeWrapped << 2;
        QTest::newRow("a middle paragraph grows")
            << threeParagraphs << 4 << threeWrapped << 11 << 0 << " cc"
            << QStringList{"aaa ", "bbb", "ccc ", "cc ", "ddd", "eee ", "fff"} << 1;
        QTest::newRow("two paragraphs joined")
            << threeParagraphs << 4 << threeWrapped << 7 << 5 << "-"
            << QStringList{"aaa ", "bbb-", "ddd", "eee ", "fff"} << 1;
    }

    void linesAndEdits() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QStringList, lines);
        QFETCH(int, editAt);
        QFETCH(int, removed);
        QFETCH(QString, inserted);
        QFETCH(QStringList, after);
        QFETCH(int, recounted);

        QTextDocument doc;
        doc.setPlainText(text);
        WrappedLineIndex index(&doc);
        WrappedLineIndex::WrapParams params;
        params.font = QFont(QStringLiteral("Courier"), 12);
        QVERIFY(QFontInfo(params.font).fixedPitch());
        params.option.setWrapMode(columns > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                              : QTextOption::NoWrap);
        params.lineWidth = (columns + 0.5) * QFontMetricsF(params.font).horizontalAdvance(u'x');
        index.setWrapParams(params);
        checkLines(index, lines);
        if (editAt < 0 || QTest::currentTestFailed())
            return;

        const long long measured = index.paragraphsMeasured();
        QTextCursor cursor(&doc);
        cursor.setPosition(editAt);
        cursor.setPosition(editAt + removed, QTextCursor::KeepAnchor);
        cursor.insertText(inserted);
        checkLines(index, after);
        QCOMPARE(index.paragraphsMeasured() - measured, recounted);
    }

    // Counting with news of its progress: every paragraph counted once, whatever runs
    // meanwhile (a question counts the rest at once, an edit leaves more to count).
    void countWithNews_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("news");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("measured");
        QTest::newRow("left alone") << "" << 3 << 2000 << 1000;
        // The paragraph the edit split counts again, as two.
        QTest::newRow("an edit") << "edit" << 4 << 2002 << 1002;
        QTest::newRow("a question") << "question" << 1 << 2000 << 1000;
    }
    void countWithNews() {
        QFETCH(QString, meanwhile);
        QFETCH(int, news);
        QFETCH(int, lines);
        QFETCH(int, measured);
        QTextDocument doc;
        doc.setPlainText(QStringList(1000, QStringLiteral("aaa bbb")).join(u'\n'));
        WrappedLineIndex index(&doc);
        WrappedLineIndex::WrapParams params;
        params.font = QFont(QStringLiteral("Courier"), 12);
        params.option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        params.lineWidth = 4.5 * QFontMetricsF(params.font).horizontalAdvance(u'x');
        index.setWrapParams(params);
        QList<int> done;
        index.countLines([&](int paragraphs, int total) {
            QCOMPARE(total, doc.blockCount());
            done << paragraphs;
            if (done.size() > 1)
                return;
            if (meanwhile == u"question")
                QCOMPARE(index.lineCount(), 2000);
            if (meanwhile == u"edit")
                QTextCursor(&doc).insertText(QStringLiteral("ccc ddd\n"));
        });
        QCOMPARE(done.size(), news);
        QVERIFY(std::is_sorted(done.begin(), done.end()));
        QCOMPARE(index.paragraphsMeasured(), measured);
        QCOMPARE(index.lineCount(), lines);
    }

private:
    static void checkLines(const WrappedLineIndex &index, const QStringList &lines) {
        const QString plain = index.document()->toPlainText();
        const QString crlf = QString(plain).replace(u'\n', QStringLiteral("\r\n"));
        QCOMPARE(index.lineCount(), lines.size());
        int previous = -1;
        for (int k = 0; k < lines.size(); ++k) {
            QCOMPARE(index.line(k), lines[k]);
            const int position = index.positionOfLine(k);
            QVERIFY(position > previous);
            previous = position;
            QCOMPARE(plain.mid(position, lines[k].size()), lines[k]);
            QCOMPARE(crlf.mid(index.lineIndex(k), lines[k].size()), lines[k]);
            QCOMPARE(index.positionOfIndex(index.lineIndex(k)), position);
            QCOMPARE(index.lineOfPosition(position), k);
            QCOMPARE(index.lineOfPosition(position + std::max(int(lines[k].size()) - 1, 0)), k);
        }
        for (int k : {-1, int(index.totalLines())}) {
            QCOMPARE(index.line(k), QString());
            QCOMPARE(index.positionOfLine(k), -1);
        }
    }
};

QTEST_MAIN(TestWrappedLineIndex)
#include "tst_wrappedlineindex.moc"
