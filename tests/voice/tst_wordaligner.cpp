// Where the reader is, from the words the recogniser heard: the aligner over word sequences,
// and the tracker over an utterance's hypotheses.
#include "voice/VoiceTracker.h"
#include "voice/WordAligner.h"

#include <QTest>

namespace {
QStringList words(const char *text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

// Two paragraphs of a news script: the reader may skip from the first to the second.
const char *const kScript =
    "good evening and welcome to the news at six the city council voted tonight to close "
    "the old bridge for repairs that will take most of the summer drivers should expect "
    "long delays on the river road and the ferry will run every twenty minutes "
    "in sport the home team won its third game in a row with a late goal from the captain "
    "who said after the match that the crowd had carried them through the final minutes";
} // namespace

class WordAlignerTest : public QObject {
    Q_OBJECT
private slots:
    void alignsHeardWords_data();
    void alignsHeardWords();
    void passesOverWordsItCannotHear();
    void followsHypotheses_data();
    void followsHypotheses();
};

void WordAlignerTest::alignsHeardWords_data() {
    QTest::addColumn<QString>("heard");
    QTest::addColumn<int>("expected");
    // The script word the last matched heard word is; -1: the reader is not found.
    QTest::addColumn<int>("found");

    QTest::newRow("read as written") << "good evening and welcome" << 0 << 3;
    QTest::newRow("a single first word where it is expected") << "good" << 0 << 0;
    QTest::newRow("misrecognised words") << "old evening and welcome to the you six" << 0 << 8;
    QTest::newRow("an inserted ad-lib")
        << "the city council uh well you know voted tonight" << 9 << 13;
    QTest::newRow("words left out") << "the city voted to close" << 9 << 15;
    QTest::newRow("a repeated phrase") << "voted tonight to voted tonight to close the" << 12 << 16;
    QTest::newRow("a skipped paragraph") << "the home team won its third game" << 22 << 53;
    QTest::newRow("a skip while older words still fit where the reader was")
        << "good evening and welcome to the in sport the the won its" << 6 << 51;
    QTest::newRow("a restart from the top") << "good evening and welcome to the news" << 40 << 6;
    QTest::newRow("a lone common word far away is no jump") << "captain" << 5 << -1;
    QTest::newRow("noise matches nothing") << "purple elephant banana" << 5 << -1;
    QTest::newRow("nothing heard") << "" << 0 << -1;
}

void WordAlignerTest::alignsHeardWords() {
    QFETCH(QString, heard);
    QFETCH(int, expected);
    QFETCH(int, found);
    const QStringList script = words(kScript);
    const WordAlignment a =
        alignHeardWords(NumberedScript(script), heard.split(u' ', Qt::SkipEmptyParts), expected);
    QCOMPARE(a.found ? a.scriptIndex : -1, found);
}

void WordAlignerTest::passesOverWordsItCannotHear() {
    // A word without a pronunciation is an empty string: the reader's words around it align.
    QStringList script = words("the minister zelenskyy spoke to reporters today");
    script[2].clear();
    const WordAlignment a =
        alignHeardWords(NumberedScript(script), words("the minister spoke to"), 0);
    QVERIFY(a.found);
    QCOMPARE(a.scriptIndex, 4);
    QCOMPARE(a.matches, 4);
}

void WordAlignerTest::followsHypotheses_data() {
    // The hypotheses of one utterance, "|" between them (each heard word 0.3 s long), and the
    // script word the reader's place stood at after each.
    QTest::addColumn<QString>("hypotheses");
    QTest::addColumn<QList<int>>("places");

    QTest::newRow("read on") << "good evening and|good evening and welcome to the"
                             << QList<int>{2, 5};
    QTest::newRow("a guess a line on moves the place at a reader's pace at most")
        << "good evening and welcome to the news|good evening and welcome to the news tonight "
           "to close|good evening and welcome to the news at six the city|good evening and "
           "welcome to the news at six the city council voted"
        << QList<int>{6, 11, 11, 12};
    QTest::newRow("a skipped paragraph is taken once the reader goes on from there")
        << "good evening and welcome to the news|good evening and welcome to the news in sport "
           "the home team won|good evening and welcome to the news in sport the home team won "
           "its third game"
        << QList<int>{6, 6, 53};
}

void WordAlignerTest::followsHypotheses() {
    QFETCH(QString, hypotheses);
    QFETCH(QList<int>, places);
    VoiceTracker tracker(words(kScript));
    QList<int> seen;
    for (const QString &hypothesis : hypotheses.split(u'|')) {
        QList<HeardWord> heard;
        for (const QString &w : hypothesis.split(u' ', Qt::SkipEmptyParts))
            heard.append({w, 0.3 * double(heard.size()), 0.3 * double(heard.size() + 1)});
        tracker.hear(0, heard, false);
        seen << (tracker.heardAny() ? tracker.position() : -1);
    }
    QCOMPARE(seen, places);
}

QTEST_GUILESS_MAIN(WordAlignerTest)
#include "tst_wordaligner.moc"
