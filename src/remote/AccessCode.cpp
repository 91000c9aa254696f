#include "remote/AccessCode.h"

#include <QRandomGenerator>

namespace remote {
namespace {
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
static_assert(sizeof(kAlphabet) == 33);
} // namespace

QString makeAccessCode() {
    std::array<quint32, 4> bits{};
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    return accessCodeFromBits(bits);
}

QString accessCodeFromBits(const std::array<quint32, 4> &bits) {
    // 130 bits in 26 characters: two zero bits, then the 128 from the top.
    QString code;
    code.reserve(kAccessCodeLength);
    for (int i = 0; i < kAccessCodeLength; ++i) {
        int value = 0;
        for (int b = 0; b < 5; ++b) {
            const int position = i * 5 + b - 2; // bit 0 is the most significant of the 128
            int bit = 0;
            if (position >= 0)
                bit = (bits[position / 32] >> (31 - position % 32)) & 1;
            value = value << 1 | bit;
        }
        code.append(QLatin1Char(kAlphabet[value]));
    }
    return code;
}

bool isAccessCode(QStringView text) {
    if (text.size() != kAccessCodeLength)
        return false;
    for (const QChar c : text) {
        bool found = false;
        for (const char *a = kAlphabet; *a; ++a)
            found = found || c == QLatin1Char(*a);
        if (!found)
            return false;
    }
    return true;
}

bool accessCodeMatches(QStringView given, QStringView code) {
    // Every character of the code is compared, whatever came before.
    unsigned difference = given.size() == code.size() ? 0 : 1;
    for (qsizetype i = 0; i < code.size(); ++i) {
        char16_t g = i < given.size() ? given[i].unicode() : 0;
        if (g >= u'a' && g <= u'z')
            g = char16_t(g - (u'a' - u'A'));
        difference |= unsigned(g ^ code[i].unicode());
    }
    return difference == 0 && !code.isEmpty();
}

} // namespace remote
