// The follower's speed for a reader about to start: the text must move at the reader's
// pace over the rows the script's words take, paragraphs' empty lines included, from the
// first line on. A place between two words stands between theirs. The words heard are placed
// in the script as they come (on the recogniser's thread), not when the play next steers.
#include "voice/VoiceFollower.h"

#include <QTest>

#include <cmath>
#include <numeric>

class VoiceFollowerTest : public QObject {
    Q_OBJECT
private slots:
    void startsAtTheScriptsPace_data();
    void startsAtTheScriptsPace();
    void placesWordsAsTheyAreHeard();
};

void VoiceFollowerTest::startsAtTheScriptsPace_data() {
    QTest::addColumn<QList<int>>("paragraphs"); // words in each
    QTest::newRow("paragraphs of a news script") << QList<int>{57, 73, 52, 60, 58};
    QTest::newRow("short paragraphs") << QList<int>{20, 25, 18, 22, 30, 19, 24, 21};
}

void VoiceFollowerTest::startsAtTheScriptsPace() {
    QFETCH(QList<int>, paragraphs);
    // Six words a line, an empty line after each paragraph; all words alike, so a word is a
    // word of the script's average length.
    QStringList lines;
    for (int words : paragraphs) {
        for (int w = 0; w < words; w += 6)
            lines << QStringList(std::min(6, words - w), QStringLiteral("read")).join(u' ');
        lines << QString();
    }
    const VoiceFollower::Layout layout{0, 60, 700};
    VoiceFollower follower;
    follower.follow(lines, layout, 0.0, 0.0, 0);
    const int last = std::accumulate(paragraphs.cbegin(), paragraphs.cend(), 0) - 1;
    // A place between words stands between theirs (word k ends k + 1 words along).
    for (double along = 1.0; along <= last + 1.0; along += 0.25) {
        const int k = int(std::ceil(along)) - 1;
        QVERIFY(follower.targetAt(along) <= follower.targetOf(k) + 1e-9);
        QVERIFY(follower.targetAt(along) >= follower.targetOf(std::max(0, k - 1)) - 1e-9);
    }
    // 150 words a minute (the first guess, before a word is heard) over the script's rows.
    const double expected = 2.5 * (follower.targetOf(last) - follower.targetOf(0)) / double(last);
    // The voice starts with the first line at the reading line. (Weighing the first paragraph
    // more than the empty lines after it, the news script started 2.1 % slow.)
    double rows = follower.targetOf(0), speed = 0.0;
    for (int step = 0; step <= 150; ++step) {
        speed = follower.steerHeard(rows, qint64(step) * 20'000'000, 0, {true, 0.0, 0.0});
        rows += speed * 0.02;
    }
    QVERIFY2(std::abs(speed - expected) <= 0.015 * expected,
             qPrintable(QStringLiteral("%1, not %2").arg(speed).arg(expected)));
}

void VoiceFollowerTest::placesWordsAsTheyAreHeard() {
    VoiceFollower follower;
    follower.follow({QStringLiteral("Good evening and welcome to the news at six.")}, {0, 60, 700},
                    0.0, 0.0, 0);
    QCOMPARE(follower.heardWord(), -1);
    using Recognizer = platform::SpeechRecognizer;
    follower.hear(Recognizer::Hypothesis{0,
                                         {{QStringLiteral("good"), 0.2, 0.5},
                                          {QStringLiteral("evening"), 0.5, 1.0},
                                          {QStringLiteral("and"), 1.0, 1.2}},
                                         false});
    QCOMPARE(follower.heardWord(), 2);
}

QTEST_GUILESS_MAIN(VoiceFollowerTest)
#include "tst_voicefollower.moc"
