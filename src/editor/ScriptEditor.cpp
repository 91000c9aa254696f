#include "editor/ScriptEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

namespace {

// Everything that decides where the editor breaks a paragraph into lines.
struct WrapParams {
    qreal lineWidth = -1; // available width of a line; -1 when nothing wraps
    QFont font;
    QTextOption option;
    QPaintDevice *device = nullptr; // fonts are sized for it

    bool sameAs(const WrapParams &o) const {
        return lineWidth == o.lineWidth && font == o.font && device == o.device &&
               option.wrapMode() == o.option.wrapMode() &&
               option.tabStopDistance() == o.option.tabStopDistance() &&
               option.flags() == o.option.flags() && option.tabs() == o.option.tabs() &&
               option.textDirection() == o.option.textDirection();
    }
};

bool wraps(const WrapParams &p) {
    return p.option.wrapMode() != QTextOption::NoWrap &&
           p.option.wrapMode() != QTextOption::ManualWrap;
}

// Breaks paragraphs into display lines exactly as the editor's own plain-text layout
// does. One text layout is kept and refilled: building a new one for every paragraph
// costs twice as much on a long script.
class LineBreaker {
public:
    void setup(const WrapParams &params) {
        m_params = params;
        m_layout = std::make_unique<QTextLayout>(QString(), params.font, params.device);
        m_layout->setTextOption(params.option);
    }

    // Number of display lines of the paragraph; their starts go to starts when given.
    int breakLines(const QString &text, std::vector<int> *starts = nullptr) {
        if (starts)
            starts->assign(1, 0);
        if (text.isEmpty() || (!wraps(m_params) && !text.contains(QChar::LineSeparator)))
            return 1;
        if (starts)
            starts->clear();
        m_layout->setText(text);
        int count = 0;
        m_layout->beginLayout();
        for (;;) {
            QTextLine line = m_layout->createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(m_params.lineWidth);
            if (starts)
                starts->push_back(line.textStart());
            ++count;
        }
        m_layout->endLayout();
        m_layout->clearLayout();
        if (count == 0) {
            if (starts)
                starts->assign(1, 0);
            return 1;
        }
        return count;
    }

private:
    WrapParams m_params;
    std::unique_ptr<QTextLayout> m_layout;
};

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

// Wrapped line count of every paragraph with a running total (a Fenwick tree), so that
// the line count and the lookup of line k cost a logarithm, not a layout of the script.
// A count of 0 means "not counted yet"; such paragraphs lie between dirtyLo and dirtyHi.
struct ScriptEditor::LineCache {
    QPointer<QTextDocument> doc;
    QMetaObject::Connection docConnection;
    bool paramsValid = false;
    WrapParams params;
    LineBreaker breaker;
    std::vector<int> counts;
    std::vector<int> tree; // 1-based
    bool treeDirty = true;
    int dirtyLo = 0;
    int dirtyHi = -1;
    bool loading = false;
    long long measured = 0;

    // The paragraph laid out last, for reading its lines one after another.
    int lastBlock = -1;
    int lastRevision = 0;
    std::vector<int> lastStarts;

    void invalidateAll(int blockCount) {
        counts.assign(std::max(blockCount, 0), 0);
        treeDirty = true;
        dirtyLo = 0;
        dirtyHi = blockCount - 1;
        lastBlock = -1;
    }

    void markDirty(int lo, int hi) {
        dirtyLo = std::min(dirtyLo, lo);
        dirtyHi = std::max(dirtyHi, hi);
        lastBlock = -1;
    }

    void treeAdd(int index, int delta) {
        const int n = int(counts.size());
        for (int i = index + 1; i <= n; i += i & -i)
            tree[i] += delta;
    }

    void rebuildTree() {
        const int n = int(counts.size());
        tree.assign(n + 1, 0);
        for (int i = 1; i <= n; ++i) {
            tree[i] += counts[i - 1];
            const int parent = i + (i & -i);
            if (parent <= n)
                tree[parent] += tree[i];
        }
        treeDirty = false;
    }

    // Lines in the paragraphs before block index.
    int prefix(int index) const {
        int sum = 0;
        for (int i = std::min(index, int(counts.size())); i > 0; i -= i & -i)
            sum += tree[i];
        return sum;
    }

    int total() const { return prefix(int(counts.size())); }

    // The block that holds display line k (0 <= k < total()), and the line within it.
    int locate(int k, int *lineInBlock) const {
        const int n = int(counts.size());
        int pos = 0;
        int rest = k;
        int step = 1;
        while (step * 2 <= n)
            step *= 2;
        for (; step > 0; step /= 2) {
            if (pos + step <= n && tree[pos + step] <= rest) {
                pos += step;
                rest -= tree[pos];
            }
        }
        *lineInBlock = rest;
        return pos;
    }

    // Replaces the counts of the blocks a document change touched.
    void contentsChanged(int position, int charsAdded) {
        if (!doc)
            return;
        if (loading) {
            // A whole new text: everything is counted at the next question.
            invalidateAll(doc->blockCount());
            return;
        }
        const int blockCount = doc->blockCount();
        const int oldCount = int(counts.size());
        const int lastPos = std::max(0, doc->characterCount() - 1);
        const int first = doc->findBlock(std::clamp(position, 0, lastPos)).blockNumber();
        const int last =
            doc->findBlock(std::clamp(position + charsAdded, 0, lastPos)).blockNumber();
        const int delta = blockCount - oldCount;
        const int oldLast = last - delta;
        if (first < 0 || last < first || oldLast < first - 1 || oldLast >= oldCount) {
            invalidateAll(blockCount);
            return;
        }
        if (delta == 0) {
            for (int i = first; i <= last; ++i) {
                if (!treeDirty && counts[i] != 0)
                    treeAdd(i, -counts[i]);
                counts[i] = 0;
            }
        } else {
            counts.erase(counts.begin() + first, counts.begin() + oldLast + 1);
            counts.insert(counts.begin() + first, last - first + 1, 0);
            treeDirty = true;
            if (dirtyHi >= first)
                dirtyHi = std::max(dirtyHi + delta, first);
        }
        markDirty(first, last);
    }
};

ScriptEditor::ScriptEditor(QWidget *parent) : QPlainTextEdit(parent), m_cache(new LineCache) {
    setObjectName(QStringLiteral("Memo1"));
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

ScriptEditor::~ScriptEditor() {
    QObject::disconnect(m_cache->docConnection);
    delete m_cache;
}

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
    m_cache->loading = true;
    setPlainText(normalizeBreaks(text));
    m_cache->loading = false;
    document()->setModified(modified);
}

void ScriptEditor::clear() {
    setText(QString());
}

int ScriptEditor::lineCount() const {
    ensureCounts();
    const int total = m_cache->total();
    const QTextBlock last = document()->lastBlock();
    return last.length() <= 1 ? total - 1 : total;
}

QString ScriptEditor::line(int index) const {
    if (index < 0)
        return QString();
    ensureCounts();
    if (index >= m_cache->total())
        return QString();
    int lineInBlock = 0;
    const int blockNumber = m_cache->locate(index, &lineInBlock);
    const QTextBlock block = document()->findBlockByNumber(blockNumber);
    const QString text = block.text();
    if (m_cache->counts[blockNumber] <= 1)
        return text.left(kMaxLineRead);
    const std::vector<int> &starts = blockLineStarts(block);
    if (lineInBlock >= int(starts.size()))
        return QString();
    const int start = starts[lineInBlock];
    const int end = lineInBlock + 1 < int(starts.size()) ? starts[lineInBlock + 1] : text.size();
    return text.mid(start, std::min(end - start, kMaxLineRead));
}

int ScriptEditor::caretLine() const {
    return lineOfPosition(textCursor().position());
}

int ScriptEditor::lineIndex(int index) const {
    if (index < 0)
        return -1;
    ensureCounts();
    if (index >= m_cache->total())
        return -1;
    int lineInBlock = 0;
    const int blockNumber = m_cache->locate(index, &lineInBlock);
    const QTextBlock block = document()->findBlockByNumber(blockNumber);
    int start = 0;
    if (lineInBlock > 0) {
        const std::vector<int> &starts = blockLineStarts(block);
        start = lineInBlock < int(starts.size()) ? starts[lineInBlock] : block.length() - 1;
    }
    // Every earlier paragraph ends with CR LF, one character more than the editor holds.
    return block.position() + blockNumber + start;
}

void ScriptEditor::scrollLines(int count) {
    if (count == 0)
        return;
    ensureCounts();
    QScrollBar *bar = verticalScrollBar();
    const QTextBlock top = firstVisibleBlock();
    if (!top.isValid())
        return;
    const int topNumber = top.blockNumber();
    const int within =
        std::clamp(bar->value() - top.firstLineNumber(), 0, m_cache->counts[topNumber] - 1);
    const long long wanted = (long long)m_cache->prefix(topNumber) + within + count;
    const int target = int(std::clamp<long long>(wanted, 0, m_cache->total() - 1));
    int lineInBlock = 0;
    const QTextBlock block = document()->findBlockByNumber(m_cache->locate(target, &lineInBlock));
    // The view numbers the lines of the paragraphs it has laid out exactly and counts
    // the others as one line, so the target paragraph is laid out first.
    if (auto *layout = qobject_cast<QPlainTextDocumentLayout *>(document()->documentLayout()))
        layout->ensureBlockLayout(block);
    lineInBlock = std::min(lineInBlock, std::max(block.lineCount() - 1, 0));
    bar->setValue(block.firstLineNumber() + lineInBlock);
}

void ScriptEditor::scrollCaret() {
    ensureCursorVisible();
}

void ScriptEditor::selectRange(int start, int length) {
    const int from = positionOfIndex(start);
    const int to = positionOfIndex(start + std::max(length, 0));
    QTextCursor cursor(document());
    cursor.setPosition(from);
    cursor.setPosition(std::max(from, to), QTextCursor::KeepAnchor);
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
    // A new width is noticed by the next question about lines; counting now would
    // lay out the whole script at every step of a drag.
    QPlainTextEdit::resizeEvent(e);
    m_cache->lastBlock = -1;
}

void ScriptEditor::changeEvent(QEvent *e) {
    QPlainTextEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        m_cache->lastBlock = -1;
}

void ScriptEditor::insertFromMimeData(const QMimeData *source) {
    if (source && source->hasText()) {
        // Pasted or dropped text ends its lines like a loaded script.
        QMimeData plain;
        plain.setText(normalizeBreaks(source->text()));
        QPlainTextEdit::insertFromMimeData(&plain);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
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

void ScriptEditor::ensureCounts() const {
    LineCache &c = *m_cache;
    QTextDocument *doc = document();
    if (c.doc != doc) {
        QObject::disconnect(c.docConnection);
        c.doc = doc;
        c.docConnection = connect(doc, &QTextDocument::contentsChange, this,
                                  [cache = m_cache](int position, int, int added) {
                                      cache->contentsChanged(position, added);
                                  });
        c.invalidateAll(doc->blockCount());
    }
    WrapParams params;
    params.font = doc->defaultFont();
    params.option = doc->defaultTextOption();
    params.device = viewport();
    params.lineWidth = wraps(params) ? currentLineWidth() : -1;
    if (!c.paramsValid || !c.params.sameAs(params)) {
        c.params = params;
        c.paramsValid = true;
        c.breaker.setup(params);
        c.invalidateAll(doc->blockCount());
    }
    if (int(c.counts.size()) != doc->blockCount())
        c.invalidateAll(doc->blockCount());

    if (c.dirtyLo <= c.dirtyHi) {
        const int hi = std::min(c.dirtyHi, int(c.counts.size()) - 1);
        QTextBlock block = doc->findBlockByNumber(c.dirtyLo);
        for (int i = c.dirtyLo; i <= hi && block.isValid(); ++i, block = block.next()) {
            if (c.counts[i] != 0)
                continue;
            const int n = c.breaker.breakLines(block.text());
            ++c.measured;
            c.counts[i] = n;
            if (!c.treeDirty)
                c.treeAdd(i, n);
        }
        c.dirtyLo = INT_MAX;
        c.dirtyHi = -1;
    }
    if (c.treeDirty)
        c.rebuildTree();
}

long long ScriptEditor::paragraphsMeasured() const {
    return m_cache->measured;
}

const std::vector<int> &ScriptEditor::blockLineStarts(const QTextBlock &block) const {
    LineCache &c = *m_cache;
    if (c.lastBlock != block.blockNumber() || c.lastRevision != block.revision()) {
        c.breaker.breakLines(block.text(), &c.lastStarts);
        c.lastBlock = block.blockNumber();
        c.lastRevision = block.revision();
    }
    return c.lastStarts;
}

int ScriptEditor::lineOfPosition(int position) const {
    ensureCounts();
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid())
        return 0;
    int within = 0;
    if (m_cache->counts[block.blockNumber()] > 1) {
        const std::vector<int> &starts = blockLineStarts(block);
        const int offset = position - block.position();
        within = int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
        within = std::max(within, 0);
    }
    return m_cache->prefix(block.blockNumber()) + within;
}

int ScriptEditor::positionOfIndex(int index) const {
    const QTextDocument *doc = document();
    if (index <= 0)
        return 0;
    // Block b starts at index position(b) + b in the CR LF text.
    int lo = 0;
    int hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int offset = index - (block.position() + lo);
    return block.position() + std::min(offset, block.length() - 1);
}
