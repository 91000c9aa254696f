#pragma once

#include <QFont>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QTextOption>

#include <functional>
#include <memory>
#include <vector>

class QPaintDevice;
class QTextBlock;
class QTextLayout;

// The display lines of a plain-text document, without any window: every paragraph is
// broken into lines exactly as the plain-text view breaks it for the same wrap parameters,
// which whoever shows the text hands over. Display lines are numbered from 0 across the
// whole document; a paragraph shown on three lines is three lines.
//
// Fast on a 5 MB script: the wrapped line count of each paragraph is cached with a running
// total, so the line count, the paragraph of line k and the line of a position cost a
// logarithm. The index follows the document's changes itself and counts again only the
// paragraphs a change touched, and only when it is next asked; new wrap parameters make
// every paragraph count again, once, at the next question. The paragraph broken last is
// kept, so that reading its lines one after another breaks it once.
class WrappedLineIndex {
public:
    // A line read by number returns at most this many characters.
    static constexpr int kMaxLineRead = 4096;

    // Everything that decides where a paragraph breaks into lines.
    struct WrapParams {
        qreal lineWidth = -1; // available width of a line; ignored when nothing wraps
        QFont font;
        QTextOption option;             // its wrap mode says whether lines wrap
        QPaintDevice *device = nullptr; // the font is sized for it

        bool wraps() const;
        // Whether the two break every paragraph at the same places.
        bool breaksLike(const WrapParams &other) const;
    };

    // Where a display line lies: its paragraph (block number), its number within the
    // paragraph, and its first character and length within the paragraph's text.
    struct LinePlace {
        int paragraph = -1; // -1: no such line
        int lineInParagraph = 0;
        int start = 0;
        int length = 0;
    };

    // Nothing wraps until wrap parameters are given.
    explicit WrappedLineIndex(QTextDocument *document = nullptr);
    ~WrappedLineIndex();
    WrappedLineIndex(const WrappedLineIndex &) = delete;
    WrappedLineIndex &operator=(const WrappedLineIndex &) = delete;

    // Follows this document from now on (nullptr: none); everything counts afresh.
    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_doc; }

    // Takes effect at the next question; parameters that break alike change nothing.
    void setWrapParams(const WrapParams &params);
    const WrapParams &wrapParams() const { return m_params; }

    // Display lines, less the empty line after a final line break: an empty document has
    // none, "a\nb\n" has two.
    int lineCount() const;
    // Every display line, the empty one after a final line break included.
    int totalLines() const;
    // Display lines of one paragraph, and of all the paragraphs before it.
    int linesIn(int paragraph) const;
    int linesBefore(int paragraph) const;

    // Where display line k lies (0 <= k < totalLines()); paragraph -1 otherwise.
    LinePlace place(int k) const;
    // The display line that holds a document position; 0 for a position outside the text.
    int lineOfPosition(int position) const;
    // Document position of the first character of display line k; -1 when there is none.
    int positionOfLine(int k) const;
    // The same character's index in the text with CR LF between paragraphs (each earlier
    // paragraph end counts two characters); -1 when there is none.
    int lineIndex(int k) const;
    // Document position of an index in the CR LF text; an index inside a CR LF or past the
    // end of a paragraph gives the paragraph's end, a negative one the start.
    int positionOfIndex(int index) const;
    // The text of display line k, at most kMaxLineRead characters; empty when there is none.
    // Reading lines one after another breaks each wrapped paragraph once; a search over the
    // whole text is cheaper done on the document's text, with lineOfPosition() and
    // place() telling the display line of each match and where that line ends.
    QString line(int k) const;

    // How many paragraphs have been broken into lines so far; an edit should add only the
    // paragraphs it touched.
    long long paragraphsMeasured() const { return m_measured; }

    // Counts the lines of every paragraph not counted yet, as any question would, telling
    // progress(paragraphs done, paragraphs) every few hundred paragraphs meanwhile.
    void countLines(const std::function<void(int done, int total)> &progress) const;

private:
    static constexpr int kParagraphsBetweenNews = 256;

    void refresh() const;
    // Counts at most `most` of the paragraphs not counted yet, from the first of them; true
    // when none is left.
    bool countSome(int most) const;
    int breakLines(const QString &text, std::vector<int> *starts) const;
    const std::vector<int> &lineStarts(const QTextBlock &block) const;
    void invalidateAll(int blockCount) const;
    void markDirty(int lo, int hi) const;
    void treeAdd(int index, int delta) const;
    void rebuildTree() const;
    int prefix(int index) const;
    int locate(int k, int *lineInParagraph) const;
    void contentsChanged(int position, int charsAdded);

    QPointer<QTextDocument> m_doc;
    QMetaObject::Connection m_connection;
    WrapParams m_params;
    // One text layout, refilled for every paragraph: building a new one for each costs
    // twice as much on a long script.
    std::unique_ptr<QTextLayout> m_layout;

    // Wrapped line count of every paragraph (0: not counted yet; such paragraphs lie
    // between m_dirtyLo and m_dirtyHi) and their running total as a Fenwick tree.
    mutable std::vector<int> m_counts;
    mutable std::vector<int> m_tree; // 1-based
    mutable bool m_treeDirty = true;
    mutable int m_dirtyLo = 0;
    mutable int m_dirtyHi = -1;
    mutable long long m_measured = 0;

    // The paragraph broken last, with the starts of its lines.
    mutable int m_lastBlock = -1;
    mutable int m_lastRevision = 0;
    mutable std::vector<int> m_lastStarts;
};
