#pragma once

#include "editor/DocumentText.h"
#include "editor/WrappedLineIndex.h"

#include <QPlainTextEdit>
#include <QString>

// The script editor. It answers in display lines: with word wrap on, a paragraph
// that the editor shows on three lines is three lines. The line count leaves out a final
// empty line (an empty editor has no lines; "a\r\nb\r\n" has two). Reading a line returns
// at most 4096 characters; an index at or past the end reads as an empty line.
//
// The display lines come from a wrapped-line index of the document, fast on a 5 MB script;
// this control hands it its line width, font and text option before every question about
// lines and whenever it is resized or its font changes.
class ScriptEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLineRead = WrappedLineIndex::kMaxLineRead;

    explicit ScriptEditor(QWidget *parent = nullptr);
    ~ScriptEditor() override;

    // The whole text with CR LF between lines, as the editor holds it (no soft breaks).
    QString text() const;
    // Replaces the text; any of CR LF, CR and LF ends a line. Not undoable, leaves the
    // modified flag as it was (callers clear it after a load).
    void setText(const QString &text);
    void clear();

    int lineCount() const;
    QString line(int index) const;
    // Zero-based display line holding the caret. After a final line break the caret sits
    // on the uncounted empty line, so this can equal lineCount().
    int caretLine() const;
    // Character index (in text()) of the first character of display line index; the
    // uncounted final empty line has one too. -1 for a negative index or past the end.
    int lineIndex(int index) const;
    // Scrolls the view by the given number of display lines (negative: up).
    void scrollLines(int count);
    // Scrolls so that the caret is visible.
    void scrollCaret();
    // Selects from character index start (in text()) for length characters.
    void selectRange(int start, int length);
    // Selects the whole of display line k, not its line break, with the caret at the line's
    // start (so that the caret's line is k), and scrolls it into view.
    void selectLine(int k);

    // How many paragraphs have been broken into display lines so far; an edit should add
    // only the paragraphs it touched.
    long long paragraphsMeasured() const;
    // The display lines as the view shows them now: the index brought up to the view's
    // width, font and text option. Ask again after anything that may change them (the
    // index itself follows every edit).
    const WrappedLineIndex &displayLines() const;
    // Brings the display lines up to date as displayLines() does, telling progress how far
    // the count has come on a long script (see WrappedLineIndex::countLines).
    void countLines(const std::function<void(int done, int total)> &progress) const;
    // The whole text as the document holds it (paragraph separators between lines), kept in
    // step with every edit: what Find and Replace search.
    const QString &documentText() const;

    bool isModified() const;
    void setModified(bool modified);

    bool wordWrap() const;
    void setWordWrap(bool on);
    // "Enter inserts a line break" (true by design). Shift+Enter breaks the line like
    // Enter; the editor never holds soft line breaks. Pasted text ends lines like a load, and
    // arrives as plain text whatever else the clipboard offers; cut and copy put plain text
    // only on the clipboard.
    bool wantReturns() const { return m_wantReturns; }
    void setWantReturns(bool on) { m_wantReturns = on; }
    // The font's size in points; a size below 1 point is taken as 1.
    int fontPointSize() const { return font().pointSize(); }
    void setFontPointSize(int points);

    void setCentered(bool centered);
    bool isCentered() const { return m_centered; }

signals:
    // The focus came or went, the editor was clicked, or a drag or drop touched it.
    void focusChanged(bool focused);
    void clicked();
    void dragOrDrop();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    WrappedLineIndex::WrapParams viewWrapParams() const;
    qreal currentLineWidth() const;

    mutable WrappedLineIndex m_lines;
    mutable DocumentText m_text;
    bool m_wantReturns = true;
    bool m_centered = false;
};
