#include "editor/ScriptEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <climits>

namespace {

// Any of CR LF, CR, LF and the Unicode line and paragraph separators become one LF.
QString normalizeBreaks(const QString &text) {
    QString out;
    out.reserve(text.size());
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    for (; p != end; ++p) {
        const char16_t c = p->unicode();
        if (c == u'\r') {
            out.append(u'\n');
            if (p + 1 != end && p[1] == u'\n')
                ++p;
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out.append(u'\n');
        } else {
            out.append(*p);
        }
    }
    return out;
}

} // namespace

ScriptEditor::ScriptEditor(QWidget *parent)
    : QPlainTextEdit(parent), m_lines(document()), m_text(document()) {
    QFont font(QStringLiteral("Arial"), 14);
    font.setBold(true);
    setFont(font);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Text, Qt::black);
    // The selection stays visible, in the same colours, when the editor loses the focus.
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

ScriptEditor::~ScriptEditor() = default;

QString ScriptEditor::text() const {
    const QString raw = document()->toRawText();
    QString out;
    out.reserve(raw.size() + document()->blockCount());
    const QChar *p = raw.constData();
    const QChar *end = p + raw.size();
    const QChar *run = p;
    for (; p != end; ++p) {
        if (p->unicode() == QChar::ParagraphSeparator) {
            out.append(run, p - run);
            out.append(QLatin1String("\r\n"));
            run = p + 1;
        }
    }
    out.append(run, end - run);
    return out;
}

void ScriptEditor::setText(const QString &text) {
    const bool modified = isModified();
    setPlainText(normalizeBreaks(text));
    document()->setModified(modified);
}

void ScriptEditor::clear() {
    setText(QString());
}

int ScriptEditor::lineCount() const {
    return displayLines().lineCount();
}

QString ScriptEditor::line(int index) const {
    return displayLines().line(index);
}

int ScriptEditor::caretLine() const {
    return displayLines().lineOfPosition(textCursor().position());
}

int ScriptEditor::lineIndex(int index) const {
    return displayLines().lineIndex(index);
}

void ScriptEditor::scrollLines(int count) {
    if (count == 0)
        return;
    const WrappedLineIndex &lines = displayLines();
    QScrollBar *bar = verticalScrollBar();
    const QTextBlock top = firstVisibleBlock();
    if (!top.isValid())
        return;
    const int topNumber = top.blockNumber();
    const int within =
        std::clamp(bar->value() - top.firstLineNumber(), 0, lines.linesIn(topNumber) - 1);
    const long long wanted = (long long)lines.linesBefore(topNumber) + within + count;
    const int target = int(std::clamp<long long>(wanted, 0, lines.totalLines() - 1));
    const WrappedLineIndex::LinePlace at = lines.place(target);
    const QTextBlock block = document()->findBlockByNumber(at.paragraph);
    // The view numbers the lines of the paragraphs it has laid out exactly and counts
    // the others as one line, so the target paragraph is laid out first.
    if (auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout()))
        layout->ensureBlockLayout(block);
    const int lineInBlock = std::min(at.lineInParagraph, std::max(block.lineCount() - 1, 0));
    bar->setValue(block.firstLineNumber() + lineInBlock);
}

void ScriptEditor::scrollCaret() {
    ensureCursorVisible();
}

void ScriptEditor::selectRange(int start, int length) {
    const WrappedLineIndex &lines = displayLines();
    const int from = lines.positionOfIndex(start);
    const int to = lines.positionOfIndex(start + std::max(length, 0));
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(std::max(from, to), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void ScriptEditor::selectLine(int k) {
    const WrappedLineIndex &lines = displayLines();
    const WrappedLineIndex::LinePlace at = lines.place(k);
    if (at.paragraph < 0)
        return;
    const int start = lines.positionOfLine(k);
    QTextCursor cursor(document());
    cursor.setPosition(start + at.length);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

bool ScriptEditor::isModified() const {
    return document()->isModified();
}

void ScriptEditor::setModified(bool modified) {
    document()->setModified(modified);
}

bool ScriptEditor::wordWrap() const {
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void ScriptEditor::setWordWrap(bool on) {
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void ScriptEditor::setCentered(bool centered) {
    m_centered = centered;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(centered ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
    viewport()->update();
}

void ScriptEditor::keyPressEvent(QKeyEvent *e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!m_wantReturns) {
            e->ignore();
            return;
        }
        if (e->modifiers() & Qt::ShiftModifier) {
            // Shift+Enter ends the paragraph like Enter instead of inserting a soft break.
            QKeyEvent plain(e->type(), e->key(), e->modifiers() & ~Qt::ShiftModifier, e->text(),
                            e->isAutoRepeat(), e->count());
            QPlainTextEdit::keyPressEvent(&plain);
            e->setAccepted(plain.isAccepted());
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(e);
}

void ScriptEditor::focusInEvent(QFocusEvent *e) {
    QPlainTextEdit::focusInEvent(e);
    emit focusChanged(true);
}

void ScriptEditor::focusOutEvent(QFocusEvent *e) {
    QPlainTextEdit::focusOutEvent(e);
    emit focusChanged(false);
}

void ScriptEditor::mousePressEvent(QMouseEvent *e) {
    QPlainTextEdit::mousePressEvent(e);
    emit clicked();
}

void ScriptEditor::dragEnterEvent(QDragEnterEvent *e) {
    QPlainTextEdit::dragEnterEvent(e);
    emit dragOrDrop();
}

void ScriptEditor::dropEvent(QDropEvent *e) {
    QPlainTextEdit::dropEvent(e);
    emit dragOrDrop();
}

void ScriptEditor::resizeEvent(QResizeEvent *e) {
    // The index takes the new width at once but counts again only at the next question
    // about lines; counting now would lay out the whole script at every step of a drag.
    QPlainTextEdit::resizeEvent(e);
    displayLines();
}

void ScriptEditor::changeEvent(QEvent *e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        displayLines();
}

void ScriptEditor::insertFromMimeData(const QMimeData *source) {
    if (!source)
        return;
    // Pasted or dropped text ends its lines like a loaded script; formatted text without a
    // plain form arrives as its plain text.
    QString text;
    if (source->hasText())
        text = source->text();
    else if (source->hasHtml())
        text = QTextDocumentFragment::fromHtml(source->html()).toPlainText();
    else
        return;
    QMimeData plain;
    plain.setText(normalizeBreaks(text));
    QPlainTextEdit::insertFromMimeData(&plain);
}

bool ScriptEditor::canInsertFromMimeData(const QMimeData *source) const {
    return source && (source->hasText() || source->hasHtml());
}

QMimeData *ScriptEditor::createMimeDataFromSelection() const {
    auto *data = new QMimeData;
    data->setText(normalizeBreaks(textCursor().selectedText()));
    return data;
}

qreal ScriptEditor::currentLineWidth() const {
    // The view lays out with its viewport's width; a hidden editor (or one never shown,
    // whose viewport has not followed its size yet) uses the width it will have.
    int width = isVisible() ? viewport()->width() : maximumViewportSize().width();
    qreal available = width > 0 ? qreal(width) : qreal(INT_MAX);
    const QTextDocument *doc = document();
    available -= 2 * doc->documentMargin();
    if (doc->defaultTextOption().flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        available -= QFontMetrics(doc->defaultFont()).horizontalAdvance(QChar(0x21B5));
    return available;
}

WrappedLineIndex::WrapParams ScriptEditor::viewWrapParams() const {
    const QTextDocument *doc = document();
    WrappedLineIndex::WrapParams params;
    params.font = doc->defaultFont();
    params.option = doc->defaultTextOption();
    params.device = viewport();
    params.lineWidth = params.wraps() ? currentLineWidth() : -1;
    return params;
}

const WrappedLineIndex &ScriptEditor::displayLines() const {
    if (m_lines.document() != document())
        m_lines.setDocument(document());
    m_lines.setWrapParams(viewWrapParams());
    return m_lines;
}

void ScriptEditor::countLines(const std::function<void(int done, int total)> &progress) const {
    displayLines().countLines(progress);
}

const QString &ScriptEditor::documentText() const {
    if (m_text.document() != document())
        m_text.setDocument(document());
    return m_text.text();
}

long long ScriptEditor::paragraphsMeasured() const {
    return m_lines.paragraphsMeasured();
}

void ScriptEditor::setFontPointSize(int points) {
    QFont f = font();
    f.setPointSize(qMax(1, points));
    setFont(f);
}
