#pragma once

#include <QString>

class QTextDocument;
class WrappedLineIndex;

// Find and Replace over a script, as the Edit menu runs them.
//
// Find works line by line over display lines: a line is found when the text lies wholly
// inside it. Both search the document's whole text, documentText (as toRawText() or
// DocumentText gives it), and map a match to its display line, so a search over a 5 MB
// script neither reads the paragraphs one by one nor breaks into lines those without a
// match. Replace is always case-sensitive; Find is unless its "Match case" box is unticked.
namespace scriptsearch {

// The first display line at or after fromLine that holds the text; -1 when none does, when
// the text is empty or holds a line break, or when fromLine is past the last line.
int findLine(const WrappedLineIndex &lines, const QString &documentText, const QString &text,
             int fromLine, Qt::CaseSensitivity matching = Qt::CaseSensitive);

// "Could not find "text"." for a search that found nothing.
QString notFoundMessage(const QString &text);

struct ReplaceResult {
    enum Outcome { Replaced, NoReplaceText, NotFound };
    Outcome outcome = NotFound;
    int position = -1; // document position of the (last) replacement's first character
    int length = 0;    // its length in the document
    int count = 0;     // occurrences replaced
    QString message;   // what to tell the operator when nothing was replaced
};

// Replaces the first occurrence of find in the whole script by replacement, as one undo
// step. An empty replacement replaces nothing and asks for one instead.
ReplaceResult replaceFirst(QTextDocument *document, const QString &documentText,
                           const QString &find, const QString &replacement);

// Replaces every occurrence of find in the script as it stands, left to right without
// overlaps, as one undo step; a replacement holding the find text is not searched again. The
// same messages as replaceFirst.
ReplaceResult replaceAll(QTextDocument *document, const QString &documentText, const QString &find,
                         const QString &replacement);

} // namespace scriptsearch
