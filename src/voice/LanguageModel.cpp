#include "voice/LanguageModel.h"

#include "voice/ScriptWords.h"

#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// The share of each pair's count given up to the unigrams (absolute discounting).
constexpr double kDiscount = 0.5;
// What each word's count is raised by, so that no word of the script is unlikely.
constexpr double kSmoothing = 0.5;

QByteArray number(double log10p) {
    return QByteArray::number(log10p, 'f', 4);
}

} // namespace

Pronunciations readPronunciations(const QByteArray &dictionary, const QSet<QString> &wanted) {
    Pronunciations out;
    qsizetype pos = 0;
    while (pos < dictionary.size()) {
        qsizetype end = dictionary.indexOf('\n', pos);
        if (end < 0)
            end = dictionary.size();
        const QByteArray line = dictionary.mid(pos, end - pos).trimmed();
        pos = end + 1;
        if (line.isEmpty() || line.startsWith(";;;"))
            continue;
        const qsizetype space = line.indexOf(' ');
        if (space <= 0)
            continue;
        QString word = QString::fromUtf8(line.left(space)).toLower();
        // "word(2)": another pronunciation of the word.
        if (const qsizetype paren = word.indexOf(u'('); paren > 0 && word.endsWith(u')'))
            word.truncate(paren);
        if (!wanted.contains(word))
            continue;
        QString phones = QString::fromUtf8(line.mid(space + 1)).simplified();
        // Stress digits (AH0, IY1) are not phones of the model.
        static const QRegularExpression stress(QStringLiteral("[0-9]"));
        phones.remove(stress);
        if (!phones.isEmpty() && !out[word].contains(phones))
            out[word] << phones;
    }
    return out;
}

QString phonesFromIpa(const QString &ipa) {
    // Longest sounds first: diphthongs and affricates before their parts.
    static const std::pair<const char16_t *, const char *> table[] = {
        {u"tʃ", "CH"},   {u"dʒ", "JH"}, {u"eɪ", "EY"}, {u"aɪ", "AY"},   {u"aʊ", "AW"},
        {u"ɔɪ", "OY"},   {u"oʊ", "OW"}, {u"əʊ", "OW"}, {u"ɪə", "IH R"}, {u"eə", "EH R"},
        {u"ʊə", "UH R"}, {u"ɜɹ", "ER"}, {u"ɚ", "ER"},  {u"ɜ", "ER"},    {u"iː", "IY"},
        {u"i", "IY"},    {u"ɪ", "IH"},  {u"ᵻ", "IH"},  {u"ɛ", "EH"},    {u"e", "EH"},
        {u"æ", "AE"},    {u"a", "AA"},  {u"ɑ", "AA"},  {u"ɒ", "AA"},    {u"ɔ", "AO"},
        {u"o", "OW"},    {u"ʊ", "UH"},  {u"uː", "UW"}, {u"u", "UW"},    {u"ʌ", "AH"},
        {u"ə", "AH"},    {u"ɐ", "AH"},  {u"p", "P"},   {u"b", "B"},     {u"t", "T"},
        {u"d", "D"},     {u"ɾ", "T"},   {u"k", "K"},   {u"ɡ", "G"},     {u"g", "G"},
        {u"f", "F"},     {u"v", "V"},   {u"θ", "TH"},  {u"ð", "DH"},    {u"s", "S"},
        {u"z", "Z"},     {u"ʃ", "SH"},  {u"ʒ", "ZH"},  {u"h", "HH"},    {u"m", "M"},
        {u"n", "N"},     {u"ŋ", "NG"},  {u"l", "L"},   {u"ɫ", "L"},     {u"ɹ", "R"},
        {u"r", "R"},     {u"w", "W"},   {u"j", "Y"},   {u"x", "HH"}};
    // Stress, length and syllable marks carry no phone.
    QString rest = ipa;
    static const QRegularExpression marks(QStringLiteral("[ˈˌːˑ.‿\\s-]"));
    rest.remove(marks);
    QStringList phones;
    qsizetype i = 0;
    while (i < rest.size()) {
        bool found = false;
        for (const auto &[sound, phone] : table) {
            const QString s = QString::fromUtf16(sound);
            if (rest.mid(i, s.size()) == s) {
                phones << QString::fromLatin1(phone);
                i += s.size();
                found = true;
                break;
            }
        }
        if (!found) {
            // A length mark already removed; a glottal stop or an unknown sign is passed
            // over, any other letter makes the transcription unusable.
            if (rest[i] == QChar(0x0294) || !rest[i].isLetter()) {
                ++i;
                continue;
            }
            return QString();
        }
    }
    return phones.join(u' ');
}

QByteArray dictionaryText(const Pronunciations &pronunciations) {
    QStringList words = pronunciations.keys();
    std::sort(words.begin(), words.end());
    QByteArray out;
    for (const QString &w : words) {
        const QStringList &list = pronunciations[w];
        for (int i = 0; i < list.size(); ++i) {
            out += w.toUtf8();
            if (i > 0)
                out += '(' + QByteArray::number(i + 1) + ')';
            out += ' ' + list[i].toUtf8() + '\n';
        }
    }
    return out;
}

QByteArray languageModelText(const ScriptWords &script, const Pronunciations &pronunciations) {
    static const QString start = QStringLiteral("<s>");
    static const QString end = QStringLiteral("</s>");
    // The sequence the recogniser can hear: the words with a pronunciation, each sentence
    // between <s> and </s>.
    QStringList sequence;
    bool inSentence = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (!pronunciations.contains(script.words[i]))
            continue;
        if (!inSentence)
            sequence << start;
        inSentence = true;
        sequence << script.words[i];
        if (script.sentenceEnd.value(i)) {
            sequence << end;
            inSentence = false;
        }
    }
    if (inSentence)
        sequence << end;

    QMap<QString, double> unigramCount;
    QMap<QString, QMap<QString, double>> pairs;
    for (qsizetype i = 0; i < sequence.size(); ++i) {
        unigramCount[sequence[i]] += 1.0;
        if (i + 1 < sequence.size() && sequence[i] != end)
            pairs[sequence[i]][sequence[i + 1]] += 1.0;
    }
    if (unigramCount.isEmpty())
        return {};
    double total = 0.0;
    for (auto it = unigramCount.cbegin(); it != unigramCount.cend(); ++it)
        if (it.key() != start)
            total += it.value() + kSmoothing;
    QMap<QString, double> unigram; // probabilities
    for (auto it = unigramCount.cbegin(); it != unigramCount.cend(); ++it)
        if (it.key() != start)
            unigram[it.key()] = (it.value() + kSmoothing) / total;

    QByteArray bigrams;
    int bigramCount = 0;
    QMap<QString, double> backoff;
    for (auto a = pairs.cbegin(); a != pairs.cend(); ++a) {
        double count = 0.0;
        for (double c : a.value())
            count += c;
        double kept = 0.0, coveredUnigram = 0.0;
        for (auto b = a.value().cbegin(); b != a.value().cend(); ++b) {
            const double p = (b.value() - kDiscount) / count;
            kept += p;
            coveredUnigram += unigram.value(b.key());
            bigrams +=
                number(std::log10(p)) + ' ' + a.key().toUtf8() + ' ' + b.key().toUtf8() + '\n';
            ++bigramCount;
        }
        const double left = 1.0 - kept;
        const double uncovered = std::max(1e-6, 1.0 - coveredUnigram);
        backoff[a.key()] = std::log10(std::max(1e-6, left / uncovered));
    }

    QByteArray unigrams;
    int unigramLines = 0;
    const auto unigramLine = [&](const QString &w, double log10p) {
        unigrams += number(log10p) + ' ' + w.toUtf8();
        if (backoff.contains(w))
            unigrams += ' ' + number(backoff[w]);
        unigrams += '\n';
        ++unigramLines;
    };
    unigramLine(start, -99.0);
    for (auto it = unigram.cbegin(); it != unigram.cend(); ++it)
        unigramLine(it.key(), std::log10(it.value()));

    QByteArray out = "\\data\\\nngram 1=" + QByteArray::number(unigramLines) +
                     "\nngram 2=" + QByteArray::number(bigramCount) + "\n\n\\1-grams:\n";
    out += unigrams;
    out += "\n\\2-grams:\n";
    out += bigrams;
    out += "\n\\end\\\n";
    return out;
}
