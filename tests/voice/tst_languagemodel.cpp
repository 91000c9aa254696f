// What the recogniser is told to expect: the script's spoken words, their pronunciations and
// the language model built over them.
#include "voice/LanguageModel.h"
#include "voice/ScriptWords.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

class LanguageModelTest : public QObject {
    Q_OBJECT
private slots:
    void spokenWords_data();
    void spokenWords();
    void scriptWordsKeepTheirLines();
    void pronunciationsFromDictionaryAndSounds();
    void modelOverAScript();
};

void LanguageModelTest::spokenWords_data() {
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("punctuation goes") << "\"Hello,\""
                                      << "hello";
    QTest::newRow("an inner apostrophe stays") << "Don't"
                                               << "don't";
    QTest::newRow("a year") << "1999"
                            << "nineteen ninety nine";
    QTest::newRow("a round year") << "2000"
                                  << "two thousand";
    QTest::newRow("thousands with a comma") << "1,200"
                                            << "one thousand two hundred";
    QTest::newRow("an ordinal") << "21st"
                                << "twenty first";
    QTest::newRow("a decimal") << "2.5"
                               << "two point five";
    QTest::newRow("money") << "$5"
                           << "five dollars";
    QTest::newRow("a percentage") << "40%"
                                  << "forty percent";
    QTest::newRow("a decade") << "1990s"
                              << "nineteen nineties";
    QTest::newRow("dashes part words") << "well-known"
                                       << "well known";
    QTest::newRow("letters and digits") << "B52"
                                        << "b five two";
    QTest::newRow("a huge number is read digit by digit")
        << "1234567890123456789012"
        << "one two three four five six seven eight nine zero "
           "one two three four five six seven eight nine zero one two";
    QTest::newRow("punctuation alone") << "--"
                                       << "";
}

void LanguageModelTest::spokenWords() {
    QFETCH(QString, token);
    QFETCH(QString, spoken);
    QCOMPARE(::spokenWords(token).join(u' '), spoken);
}

void LanguageModelTest::scriptWordsKeepTheirLines() {
    const ScriptWords s = scriptWords(
        {QStringLiteral("Good evening."), QString(), QStringLiteral("It is 6 o'clock!")});
    QCOMPARE(s.words.join(u' '), QStringLiteral("good evening it is six o'clock"));
    QCOMPARE(s.lines, (QList<int>{0, 0, 2, 2, 2, 2}));
    QCOMPARE(s.sentenceEnd, (QList<bool>{false, true, false, false, false, true}));
}

void LanguageModelTest::pronunciationsFromDictionaryAndSounds() {
    const QByteArray dictionary = ";;; a comment\n"
                                  "evening IY1 V N IH0 NG\n"
                                  "good G UH1 D\n"
                                  "read R IY1 D\n"
                                  "read(2) R EH1 D\n"
                                  "unwanted AH0 N W AO1 N T IH0 D\n";
    const Pronunciations p = readPronunciations(
        dictionary, {QStringLiteral("good"), QStringLiteral("read"), QStringLiteral("evening")});
    QCOMPARE(p.size(), 3);
    QCOMPARE(p[QStringLiteral("read")],
             (QStringList{QStringLiteral("R IY D"), QStringLiteral("R EH D")}));
    QCOMPARE(dictionaryText(p), QByteArray("evening IY V N IH NG\ngood G UH D\n"
                                           "read R IY D\nread(2) R EH D\n"));
    // A word the dictionary lacks, as espeak-ng transcribes it.
    QCOMPARE(phonesFromIpa(QStringLiteral("kjˈuːbɚnˌiːts")),
             QStringLiteral("K Y UW B ER N IY T S"));
    QCOMPARE(phonesFromIpa(QStringLiteral("tʃˈɜːtʃ")), QStringLiteral("CH ER CH"));
    // A sound without a counterpart leaves the word to be passed over.
    QVERIFY(phonesFromIpa(QStringLiteral("qa")).isEmpty());
}

void LanguageModelTest::modelOverAScript() {
    // "zorblax" has no pronunciation: the model passes over it, joining its neighbours.
    const ScriptWords script = scriptWords(
        {QStringLiteral("Good evening, good zorblax people."), QStringLiteral("Evening news.")});
    Pronunciations p;
    for (const char *w : {"good", "evening", "people", "news"})
        p.insert(QString::fromLatin1(w), {QStringLiteral("G UH D")});
    const QString arpa = QString::fromUtf8(languageModelText(script, p));

    // The header counts what the sections hold: <s>, </s> and the four words; the pairs.
    QVERIFY(arpa.startsWith(QStringLiteral("\\data\\\nngram 1=6\nngram 2=")));
    QVERIFY(arpa.endsWith(QStringLiteral("\\end\\\n")));
    const QString unigrams =
        arpa.section(QStringLiteral("\\1-grams:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QString bigrams =
        arpa.section(QStringLiteral("\\2-grams:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QStringList bigramLines = bigrams.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(arpa.section(QStringLiteral("ngram 2="), 1).section(u'\n', 0, 0).toInt(),
             bigramLines.size());
    const QStringList pairs = {QStringLiteral("<s> good"),     QStringLiteral("good evening"),
                               QStringLiteral("evening good"), QStringLiteral("good people"),
                               QStringLiteral("people </s>"),  QStringLiteral("<s> evening"),
                               QStringLiteral("evening news"), QStringLiteral("news </s>")};
    QCOMPARE(bigramLines.size(), pairs.size());
    // Every pair is there, and a word's pairs leave it room to back off to any other word.
    QHash<QString, double> mass;
    for (const QString &l : bigramLines) {
        const QStringList f = l.split(u' ');
        QVERIFY2(pairs.contains(f[1] + u' ' + f[2]), qPrintable(l));
        mass[f[1]] += std::pow(10.0, f[0].toDouble());
    }
    for (auto it = mass.cbegin(); it != mass.cend(); ++it)
        QVERIFY2(it.value() > 0.0 && it.value() < 1.0, qPrintable(it.key()));
    // The unigrams are a distribution over what may be heard (<s> is never predicted).
    double total = 0.0;
    for (const QString &l : unigrams.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = l.split(u' ');
        if (f[1] != QStringLiteral("<s>"))
            total += std::pow(10.0, f[0].toDouble());
    }
    QVERIFY(std::abs(total - 1.0) < 0.01);
    QVERIFY(!arpa.contains(QStringLiteral("zorblax")));
    // A script with nothing to hear has no model.
    QVERIFY(languageModelText(scriptWords({QStringLiteral("zorblax")}), p).isEmpty());
}

QTEST_GUILESS_MAIN(LanguageModelTest)
#include "tst_languagemodel.moc"
