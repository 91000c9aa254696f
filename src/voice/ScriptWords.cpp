#include "voice/ScriptWords.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace {

const char *const kOnes[] = {"zero",    "one",     "two",       "three",    "four",
                             "five",    "six",     "seven",     "eight",    "nine",
                             "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                             "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
const char *const kTens[] = {"",      "",      "twenty",  "thirty", "forty",
                             "fifty", "sixty", "seventy", "eighty", "ninety"};
const char *const kScales[] = {"", "thousand", "million", "billion", "trillion", "quadrillion"};

// Ordinal forms of the words a cardinal ends with.
QString ordinalOf(const QString &word) {
    static const QHash<QString, QString> irregular = {
        {QStringLiteral("one"), QStringLiteral("first")},
        {QStringLiteral("two"), QStringLiteral("second")},
        {QStringLiteral("three"), QStringLiteral("third")},
        {QStringLiteral("five"), QStringLiteral("fifth")},
        {QStringLiteral("eight"), QStringLiteral("eighth")},
        {QStringLiteral("nine"), QStringLiteral("ninth")},
        {QStringLiteral("twelve"), QStringLiteral("twelfth")}};
    if (const auto it = irregular.find(word); it != irregular.end())
        return it.value();
    if (word.endsWith(u'y'))
        return word.left(word.size() - 1) + QStringLiteral("ieth");
    return word + QStringLiteral("th");
}

void belowThousand(int n, QStringList &out) {
    if (n >= 100) {
        out << QString::fromLatin1(kOnes[n / 100]) << QStringLiteral("hundred");
        n %= 100;
        if (n == 0)
            return;
    }
    if (n >= 20) {
        out << QString::fromLatin1(kTens[n / 10]);
        if (n % 10)
            out << QString::fromLatin1(kOnes[n % 10]);
    } else {
        out << QString::fromLatin1(kOnes[n]);
    }
}

// A four-digit number read as a year where readers say it in pairs: 1066, 1999, 2024.
bool readAsYear(qint64 n, const QString &digits) {
    return digits.size() == 4 && n >= 1100 && n <= 2099 && (n < 2000 || n >= 2010) && n % 100 != 0;
}

QStringList digitsInWords(const QString &digits) {
    QStringList out;
    for (QChar c : digits)
        out << QString::fromLatin1(kOnes[c.digitValue()]);
    return out;
}

QStringList wholeInWords(const QString &digits) {
    if (digits.size() > 18)
        return digitsInWords(digits);
    const qint64 n = digits.toLongLong();
    if (readAsYear(n, digits))
        return numberInWords(n / 100) + numberInWords(n % 100);
    return numberInWords(n);
}

} // namespace

QStringList numberInWords(qint64 n) {
    QStringList out;
    if (n < 0) {
        out << QStringLiteral("minus");
        n = n == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : -n;
    }
    if (n == 0)
        return out << QString::fromLatin1(kOnes[0]);
    int groups[7] = {};
    int count = 0;
    for (qint64 m = n; m > 0 && count < 7; m /= 1000)
        groups[count++] = int(m % 1000);
    for (int g = count - 1; g >= 0; --g) {
        if (groups[g] == 0)
            continue;
        belowThousand(groups[g], out);
        if (g > 0 && g < 6)
            out << QString::fromLatin1(kScales[g]);
    }
    return out;
}

QStringList spokenWords(const QString &token) {
    static const QRegularExpression number(
        QStringLiteral("^([$£€]?)(\\d[\\d,]*)(?:\\.(\\d+))?(st|nd|rd|th|%|s)?$"));
    QString t = token.toLower();
    // Curly apostrophes are apostrophes; dashes and slashes part words.
    t.replace(QChar(0x2019), u'\'');
    t.replace(QChar(0x2018), u'\'');
    QStringList out;
    static const QRegularExpression parts(QStringLiteral("[-\\x{2013}\\x{2014}/]+"));
    for (QString part : t.split(parts, Qt::SkipEmptyParts)) {
        // Punctuation around the word goes; an apostrophe inside it stays (don't, o'clock).
        qsizetype b = 0, e = part.size();
        while (b < e && !part[b].isLetterOrNumber() && part[b] != u'$' && part[b] != u'£' &&
               part[b] != u'€')
            ++b;
        while (e > b && !part[e - 1].isLetterOrNumber() && part[e - 1] != u'%')
            --e;
        part = part.mid(b, e - b);
        if (part.isEmpty())
            continue;
        const QRegularExpressionMatch m = number.match(part);
        if (m.hasMatch()) {
            const QString digits = m.captured(2).remove(u',');
            const QString suffix = m.captured(4);
            QStringList words = wholeInWords(digits);
            if (suffix == QLatin1String("st") || suffix == QLatin1String("nd") ||
                suffix == QLatin1String("rd") || suffix == QLatin1String("th"))
                words.last() = ordinalOf(words.last());
            if (!m.captured(3).isEmpty())
                words << QStringLiteral("point") << digitsInWords(m.captured(3));
            if (suffix == QLatin1String("%"))
                words << QStringLiteral("percent");
            if (suffix == QLatin1String("s") && words.last().endsWith(u'y'))
                words.last() = words.last().left(words.last().size() - 1) + QStringLiteral("ies");
            else if (suffix == QLatin1String("s"))
                words.last() += u's';
            if (m.captured(1) == QLatin1String("$"))
                words << QStringLiteral("dollars");
            else if (m.captured(1) == QLatin1String("£"))
                words << QStringLiteral("pounds");
            else if (m.captured(1) == QLatin1String("€"))
                words << QStringLiteral("euros");
            out << words;
            continue;
        }
        // Letters, digits and inner apostrophes only; anything else splits the word.
        QString word;
        for (QChar c : part) {
            if (c.isLetter() || c == u'\'') {
                word += c;
            } else if (c.isDigit()) {
                word += c;
            } else if (!word.isEmpty()) {
                out << word;
                word.clear();
            }
        }
        if (!word.isEmpty())
            out << word;
    }
    // Digits left inside a word (a mix of letters and digits) are read one by one.
    QStringList spoken;
    for (const QString &w : out) {
        const bool anyDigit =
            std::any_of(w.cbegin(), w.cend(), [](QChar c) { return c.isDigit(); });
        const bool allDigits =
            std::all_of(w.cbegin(), w.cend(), [](QChar c) { return c.isDigit(); });
        if (anyDigit && !allDigits) {
            QString letters;
            for (QChar c : w) {
                if (c.isDigit()) {
                    if (!letters.isEmpty())
                        spoken << letters;
                    letters.clear();
                    spoken << QString::fromLatin1(kOnes[c.digitValue()]);
                } else {
                    letters += c;
                }
            }
            if (!letters.isEmpty())
                spoken << letters;
        } else if (allDigits) {
            spoken << wholeInWords(w);
        } else {
            spoken << w;
        }
    }
    return spoken;
}

ScriptWords scriptWords(const QStringList &lines) {
    ScriptWords s;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    static const QRegularExpression end(QStringLiteral("[.!?][\"')\\]\\x{201D}]*$"));
    for (int line = 0; line < lines.size(); ++line) {
        for (const QString &token : lines[line].split(space, Qt::SkipEmptyParts)) {
            const QStringList words = spokenWords(token);
            if (words.isEmpty())
                continue;
            for (const QString &w : words) {
                s.words << w;
                s.lines << line;
                s.sentenceEnd << false;
            }
            if (token.contains(end))
                s.sentenceEnd.last() = true;
        }
    }
    return s;
}
