#include "editor/DocumentText.h"
#include "editor/ScriptSearch.h"
#include "editor/WrappedLineIndex.h"

#include <QFontMetricsF>
#include <QTest>
#include <QTextDocument>

// Find over display lines and Replace over the whole text, on a bare document.
class TestScriptSearch : public QObject {
    Q_OBJECT
private slots:
    // Each search starts where the one before left off, as Find Next does.
    void findLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns"); // line width in characters; 0: no wrap
        QTest::addColumn<QString>("find");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QList<int>>("found"); // lines of successive searches, -1 last
        const QString three = QStringLiteral("alpha\nbeta\nalphabet");
        QTest::newRow("alpha twice, then nothing")
            << three << 0 << "alpha" << true << QList<int>{0, 2, -1};
        QTest::newRow("case-sensitive") << three << 0 << "Beta" << true << QList<int>{-1};
        QTest::newRow("Match case unticked") << three << 0 << "BETA" << false << QList<int>{1, -1};
        QTest::newRow("a second match on a line is passed over")
            << "aa aa\nb\naa" << 0 << "aa" << true << QList<int>{0, 2, -1};
        QTest::newRow("wrapped lines count one by one")
            << "one two three four\nfour" << 6 << "four" << true << QList<int>{3, 4, -1};
        QTest::newRow("a match over a soft break is in no line")
            << "abcdefghij\nefg" << 5 << "efg" << true << QList<int>{2, -1};
        QTest::newRow("far along a long line") << QString(5000, u'x') + QStringLiteral("needle")
                                               << 0 << "needle" << true << QList<int>{0, -1};
    }
    void findLines() {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, find);
        QFETCH(bool, matchCase);
        QFETCH(QList<int>, found);
        QTextDocument doc;
        doc.setPlainText(text);
        WrappedLineIndex lines(&doc);
        WrappedLineIndex::WrapParams params;
        params.font = QFont(QStringLiteral("Courier"), 12);
        params.option.setWrapMode(columns > 0 ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                              : QTextOption::NoWrap);
        params.lineWidth = (columns + 0.5) * QFontMetricsF(params.font).horizontalAdvance(u'x');
        lines.setWrapParams(params);
        QList<int> got;
        int from = 0;
        for (int i = 0; i < found.size(); ++i) {
            const int line =
                scriptsearch::findLine(lines, doc.toRawText(), find, from,
                                       matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
            got << line;
            from = line + 1;
        }
        QCOMPARE(got, found);
    }

    // Every press replaces the first occurrence in the whole text.
    void replacePresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QStringList>("after"); // text after each press
        QTest::addColumn<QString>("message");   // shown at the last press, if any
        QTest::newRow("a by b in banana") << "banana"
                                          << "a"
                                          << "b" << QStringList{"bbnana", "bbnbna"} << "";
        QTest::newRow("an by anan grows by two")
            << "banana"
            << "an"
            << "anan" << QStringList{"bananana", "banananana", "bananananana"} << "";
        QTest::newRow("over a line break") << "one\ntwo"
                                           << "e\r\nt"
                                           << "E T" << QStringList{"onE Two"} << "";
        QTest::newRow("no replace text")
            << "banana"
            << "a"
            << "" << QStringList{"banana"} << "Please enter text to Replace \"a\" with.";
        QTest::newRow("not found") << "banana"
                                   << "x"
                                   << "y" << QStringList{"banana"} << "Could not find \"x\".";
    }
    void replacePresses() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QStringList, after);
        QFETCH(QString, message);
        QTextDocument doc;
        doc.setPlainText(text);
        const DocumentText searched(&doc); // follows each replacement
        scriptsearch::ReplaceResult result;
        for (const QString &expected : after) {
            result = scriptsearch::replaceFirst(&doc, searched.text(), find, replacement);
            QCOMPARE(doc.toPlainText(), expected);
        }
        QCOMPARE(searched.text(), doc.toRawText());
        QCOMPARE(searched.fullReads(), 1);
        QCOMPARE(result.message, message);
        QCOMPARE(result.outcome == scriptsearch::ReplaceResult::Replaced, message.isEmpty());
        if (message.isEmpty())
            QCOMPARE(doc.toPlainText().mid(result.position, result.length), replacement);
    }

    // Replace All replaces every occurrence as one undo step; the replacement is not searched
    // again.
    void replaceAll_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("count");
        QTest::newRow("a by b in banana") << "banana"
                                          << "a"
                                          << "b"
                                          << "bbnbnb" << 3;
        QTest::newRow("an by anan") << "banana"
                                    << "an"
                                    << "anan"
                                    << "banananana" << 2;
        QTest::newRow("aa in aaa, no overlap") << "aaa"
                                               << "aa"
                                               << "b"
                                               << "ba" << 1;
        QTest::newRow("over lines") << "one\ntwo\none"
                                    << "one"
                                    << "1"
                                    << "1\ntwo\n1" << 2;
        QTest::newRow("not found") << "banana"
                                   << "x"
                                   << "y"
                                   << "banana" << 0;
    }
    void replaceAll() {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, after);
        QFETCH(int, count);
        QTextDocument doc;
        doc.setPlainText(text);
        const scriptsearch::ReplaceResult result =
            scriptsearch::replaceAll(&doc, doc.toRawText(), find, replacement);
        QCOMPARE(doc.toPlainText(), after);
        QCOMPARE(result.count, count);
        QCOMPARE(result.message, count ? QString() : scriptsearch::notFoundMessage(find));
        if (count)
            QCOMPARE(doc.toPlainText().mid(result.position, result.length), replacement);
        doc.undo();
        QCOMPARE(doc.toPlainText(), text);
    }
};

QTEST_MAIN(TestScriptSearch)
#include "tst_scriptsearch.moc"
