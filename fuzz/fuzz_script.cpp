// Feeds arbitrary bytes to the script text format: decoding, encoding and word counts, with
// the round-trip rules the editor relies on.
#include "editor/ScriptText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void check(bool condition, const char *what) {
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_script: %s\n", what);
    std::abort();
}

bool isAscii(const QByteArray &bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isUtf16(TextEncoding e) {
    return e == TextEncoding::Utf16Le || e == TextEncoding::Utf16Be;
}

// True when every line break in the text is CR LF.
bool onlyCrLf(const QString &text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))
            return false;
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            return false;
    }
    return true;
}

QString withLfBreaks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

void checkBytes(const QByteArray &bytes) {
    QString why;
    const auto script = decodeScript(bytes, &why);
    if (!script) {
        check(bytes.contains('\0'), "refused without a NUL byte");
        check(!why.isEmpty(), "refused without a reason");
        return;
    }
    check(!bytes.contains('\0') || isUtf16(script->encoding), "NUL byte accepted");
    check(!script->text.contains(QChar(0)), "NUL character accepted");
    check(!script->text.contains(u'\r'), "CR left in the text");

    TextEncoding used = script->encoding;
    const QByteArray encoded = encodeScript(script->text, script->encoding, &used);
    if (onlyCrLf(platform::decodeText(bytes).text)) {
        check(encoded == bytes, "unchanged CR LF script not saved byte for byte");
        check(used == script->encoding, "encoding changed on an unchanged save");
    }
    const auto back = decodeScript(encoded);
    check(back.has_value(), "saved script refused");
    check(back->text == script->text, "saved script reads back differently");

    const int words = countWordsInText(script->text);
    check(words == countWords(script->text.split(u'\n')), "word counts disagree");
    check(words <= script->text.size(), "more words than characters");
}

// The input as UTF-16 text, written in each encoding and read back.
void checkText(const uint8_t *data, size_t size) {
    if (size < 2)
        return;
    std::vector<char16_t> units(size / 2);
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    const QString text = QString::fromUtf16(units.data(), qsizetype(units.size()));
    if (!QStringView(text).isValidUtf16() || text.contains(QChar(0)))
        return;
    for (const TextEncoding encoding :
         {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Windows1252,
          TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        TextEncoding used = encoding;
        const QByteArray bytes = encodeScript(text, encoding, &used);
        const auto back = decodeScript(bytes);
        check(back.has_value(), "encoded text refused");
        check(back->text == withLfBreaks(text), "encoded text reads back differently");
        if (used == TextEncoding::Windows1252)
            check(back->encoding == TextEncoding::Windows1252 || isAscii(bytes),
                  "Windows-1252 bytes read as another encoding");
        if (encoding != TextEncoding::Windows1252)
            check(used != TextEncoding::Windows1252, "UTF-8 or UTF-16 became Windows-1252");
        if (isUtf16(encoding))
            check(used == encoding && back->encoding == encoding, "UTF-16 not kept");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    checkBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkText(data, size);
    return 0;
}
