#include "editor/ScriptSearch.h"

#include "editor/WrappedLineIndex.h"

#include <QTextCursor>
#include <QTextDocument>

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
             int fromLine) {
    if (text.isEmpty() || fromLine < 0)
        return -1;
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar::ParagraphSeparator))
        return -1;
    const int start = lines.positionOfLine(fromLine);
    if (start < 0)
        return -1;
    for (qsizetype at = documentText.indexOf(text, start); at >= 0;
         at = documentText.indexOf(text, at + 1)) {
        // A match that runs over a soft break lies in no single line.
        const int line = lines.lineOfPosition(int(at));
        const int lineEnd = lines.positionOfLine(line) + lines.place(line).length;
        if (at + text.size() <= lineEnd)
            return line;
    }
    return -1;
}

int firstOccurrence(const QString &documentText, const QString &text) {
    if (text.isEmpty())
        return -1;
    return int(documentText.indexOf(documentForm(text)));
}

ReplaceResult replaceFirst(QTextDocument *document, const QString &documentText,
                           const QString &find, const QString &replacement) {
    ReplaceResult result;
    const QChar quote = u'"';
    if (replacement.isEmpty()) {
        result.outcome = ReplaceResult::NoReplaceText;
        result.message = QStringLiteral("Please enter text to Replace ") + quote + find + quote +
                         QStringLiteral(" with.");
        return result;
    }
    const int at = document ? firstOccurrence(documentText, find) : -1;
    if (at < 0) {
        result.outcome = ReplaceResult::NotFound;
        result.message = QStringLiteral("Could not find ") + quote + find + quote + QChar(u'.');
        return result;
    }
    const QString inserted = documentForm(replacement);
    QTextCursor cursor(document);
    cursor.setPosition(at);
    cursor.setPosition(at + int(documentForm(find).size()), QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(inserted);
    cursor.endEditBlock();
    result.outcome = ReplaceResult::Replaced;
    result.position = at;
    result.length = int(inserted.size());
    return result;
}

} // namespace scriptsearch
