#include "editor/ScriptSearch.h"

#include "editor/WrappedLineIndex.h"

#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace scriptsearch {
namespace {

// The text as the document holds it: every line break becomes a paragraph separator.
QString documentForm(const QString &text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QString(QChar::ParagraphSeparator));
    out.replace(u'\r', QChar::ParagraphSeparator);
    out.replace(u'\n', QChar::ParagraphSeparator);
    return out;
}

} // namespace

int findLine(const WrappedLineIndex &lines, const QString &documentText, const QString &text,
             int fromLine, Qt::CaseSensitivity matching) {
    if (text.isEmpty() || fromLine < 0)
        return -1;
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar::ParagraphSeparator))
        return -1;
    const int start = lines.positionOfLine(fromLine);
    if (start < 0)
        return -1;
    for (qsizetype at = documentText.indexOf(text, start, matching); at >= 0;
         at = documentText.indexOf(text, at + 1, matching)) {
        // A match that runs over a soft break lies in no single line.
        const int line = lines.lineOfPosition(int(at));
        const int lineEnd = lines.positionOfLine(line) + lines.place(line).length;
        if (at + text.size() <= lineEnd)
            return line;
    }
    return -1;
}

QString notFoundMessage(const QString &text) {
    return QStringLiteral("Could not find \"") + text + QStringLiteral("\".");
}

namespace {

// Replaces the occurrences found (at most `limit`, from the left) in one edit block; the
// outcome and message as the replace buttons report them.
ReplaceResult replaceOccurrences(QTextDocument *document, const QString &documentText,
                                 const QString &find, const QString &replacement, int limit) {
    ReplaceResult result;
    if (replacement.isEmpty()) {
        result.outcome = ReplaceResult::NoReplaceText;
        result.message =
            QStringLiteral("Please enter text to Replace \"") + find + QStringLiteral("\" with.");
        return result;
    }
    QList<int> found;
    const QString searched = documentForm(find);
    if (document && !find.isEmpty()) {
        for (qsizetype at = documentText.indexOf(searched); at >= 0 && found.size() < limit;
             at = documentText.indexOf(searched, at + searched.size()))
            found << int(at);
    }
    if (found.isEmpty()) {
        result.outcome = ReplaceResult::NotFound;
        result.message = notFoundMessage(find);
        return result;
    }
    const QString inserted = documentForm(replacement);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    // From the last to the first, so that the earlier positions stay where they were.
    for (qsizetype i = found.size() - 1; i >= 0; --i) {
        cursor.setPosition(found[i]);
        cursor.setPosition(found[i] + int(searched.size()), QTextCursor::KeepAnchor);
        cursor.insertText(inserted);
    }
    cursor.endEditBlock();
    result.outcome = ReplaceResult::Replaced;
    result.count = int(found.size());
    result.position = found.last() + int(found.size() - 1) * int(inserted.size() - searched.size());
    result.length = int(inserted.size());
    return result;
}

} // namespace

ReplaceResult replaceFirst(QTextDocument *document, const QString &documentText,
                           const QString &find, const QString &replacement) {
    return replaceOccurrences(document, documentText, find, replacement, 1);
}

ReplaceResult replaceAll(QTextDocument *document, const QString &documentText, const QString &find,
                         const QString &replacement) {
    return replaceOccurrences(document, documentText, find, replacement,
                              std::numeric_limits<int>::max());
}

} // namespace scriptsearch
