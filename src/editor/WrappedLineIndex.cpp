#include "editor/WrappedLineIndex.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <climits>

bool WrappedLineIndex::WrapParams::wraps() const {
    return option.wrapMode() != QTextOption::NoWrap && option.wrapMode() != QTextOption::ManualWrap;
}

bool WrappedLineIndex::WrapParams::breaksLike(const WrapParams &o) const {
    return lineWidth == o.lineWidth && font == o.font && device == o.device &&
           option.wrapMode() == o.option.wrapMode() &&
           option.tabStopDistance() == o.option.tabStopDistance() &&
           option.flags() == o.option.flags() && option.tabs() == o.option.tabs() &&
           option.textDirection() == o.option.textDirection();
}

WrappedLineIndex::WrappedLineIndex(QTextDocument *document) {
    WrapParams unwrapped;
    unwrapped.option.setWrapMode(QTextOption::NoWrap);
    setWrapParams(unwrapped);
    setDocument(document);
}

WrappedLineIndex::~WrappedLineIndex() {
    QObject::disconnect(m_connection);
}

void WrappedLineIndex::setDocument(QTextDocument *document) {
    QObject::disconnect(m_connection);
    m_doc = document;
    if (document) {
        // A document reports where it changed only once it has a layout: a view gives it
        // its own, a bare document gets the standard one here.
        document->documentLayout();
        m_connection = QObject::connect(
            document, &QTextDocument::contentsChange, document,
            [this](int position, int, int added) { contentsChanged(position, added); });
    }
    invalidateAll(document ? document->blockCount() : 0);
}

void WrappedLineIndex::setWrapParams(const WrapParams &params) {
    WrapParams next = params;
    if (!next.wraps())
        next.lineWidth = -1; // the width then breaks nothing
    if (m_layout && m_params.breaksLike(next))
        return;
    m_params = next;
    m_layout = std::make_unique<QTextLayout>(QString(), next.font, next.device);
    m_layout->setTextOption(next.option);
    invalidateAll(m_doc ? m_doc->blockCount() : 0);
}

int WrappedLineIndex::lineCount() const {
    const int total = totalLines();
    return total > 0 && m_doc->lastBlock().length() <= 1 ? total - 1 : total;
}

int WrappedLineIndex::totalLines() const {
    refresh();
    return prefix(int(m_counts.size()));
}

int WrappedLineIndex::linesIn(int paragraph) const {
    refresh();
    return paragraph >= 0 && paragraph < int(m_counts.size()) ? m_counts[paragraph] : 0;
}

int WrappedLineIndex::linesBefore(int paragraph) const {
    refresh();
    return prefix(std::max(paragraph, 0));
}

WrappedLineIndex::LinePlace WrappedLineIndex::place(int k) const {
    LinePlace place;
    if (k < 0 || k >= totalLines())
        return place;
    place.paragraph = locate(k, &place.lineInParagraph);
    const QTextBlock block = m_doc->findBlockByNumber(place.paragraph);
    const int textLength = block.length() - 1;
    if (m_counts[place.paragraph] <= 1) {
        place.length = textLength;
        return place;
    }
    const std::vector<int> &starts = lineStarts(block);
    const int line = place.lineInParagraph;
    place.start = line < int(starts.size()) ? starts[line] : textLength;
    const int end = line + 1 < int(starts.size()) ? starts[line + 1] : textLength;
    place.length = std::max(end - place.start, 0);
    return place;
}

int WrappedLineIndex::lineOfPosition(int position) const {
    refresh();
    if (!m_doc)
        return 0;
    const QTextBlock block = m_doc->findBlock(position);
    if (!block.isValid())
        return 0;
    int within = 0;
    if (m_counts[block.blockNumber()] > 1) {
        const std::vector<int> &starts = lineStarts(block);
        const int offset = position - block.position();
        within = int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
        within = std::max(within, 0);
    }
    return prefix(block.blockNumber()) + within;
}

int WrappedLineIndex::positionOfLine(int k) const {
    const LinePlace at = place(k);
    return at.paragraph < 0 ? -1 : m_doc->findBlockByNumber(at.paragraph).position() + at.start;
}

int WrappedLineIndex::lineIndex(int k) const {
    const LinePlace at = place(k);
    if (at.paragraph < 0)
        return -1;
    // Every earlier paragraph ends with CR LF, one character more than the document holds.
    return m_doc->findBlockByNumber(at.paragraph).position() + at.start + at.paragraph;
}

int WrappedLineIndex::positionOfIndex(int index) const {
    if (!m_doc || index <= 0)
        return 0;
    // Paragraph b starts at index position(b) + b in the CR LF text.
    int lo = 0;
    int hi = m_doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (m_doc->findBlockByNumber(mid).position() + mid <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = m_doc->findBlockByNumber(lo);
    const int offset = index - (block.position() + lo);
    return block.position() + std::min(offset, block.length() - 1);
}

QString WrappedLineIndex::line(int k) const {
    const LinePlace at = place(k);
    if (at.paragraph < 0)
        return QString();
    const QString text = m_doc->findBlockByNumber(at.paragraph).text();
    const int length = std::min(at.length, kMaxLineRead);
    return at.start == 0 ? text.left(length) : text.mid(at.start, length);
}

void WrappedLineIndex::refresh() const {
    if (!m_doc) {
        if (!m_counts.empty())
            invalidateAll(0);
        if (m_treeDirty)
            rebuildTree();
        return;
    }
    if (int(m_counts.size()) != m_doc->blockCount())
        invalidateAll(m_doc->blockCount());
    countSome(INT_MAX);
    if (m_treeDirty)
        rebuildTree();
}

bool WrappedLineIndex::countSome(int most) const {
    if (m_dirtyLo > m_dirtyHi)
        return true;
    const int last = std::min(m_dirtyHi, int(m_counts.size()) - 1);
    const int hi = int(std::min<long long>(last, (long long)m_dirtyLo + most - 1));
    QTextBlock block = m_doc->findBlockByNumber(m_dirtyLo);
    int i = m_dirtyLo;
    for (; i <= hi && block.isValid(); ++i, block = block.next()) {
        if (m_counts[i] != 0)
            continue;
        const int n = breakLines(block.text(), nullptr);
        ++m_measured;
        m_counts[i] = n;
        if (!m_treeDirty)
            treeAdd(i, n);
    }
    if (i <= last && block.isValid()) {
        m_dirtyLo = i;
        return false;
    }
    m_dirtyLo = INT_MAX;
    m_dirtyHi = -1;
    return true;
}

void WrappedLineIndex::countLines(const std::function<void(int done, int total)> &progress) const {
    // Whatever progress lets run may ask a question, which counts the rest at once, or
    // change the text, which leaves more to count: the members say what is left.
    while (m_doc) {
        if (int(m_counts.size()) != m_doc->blockCount())
            invalidateAll(m_doc->blockCount());
        if (countSome(kParagraphsBetweenNews))
            break;
        progress(std::min(m_dirtyLo, int(m_counts.size())), int(m_counts.size()));
    }
    refresh();
}

// Number of display lines of a paragraph; their starts go to starts when given.
int WrappedLineIndex::breakLines(const QString &text, std::vector<int> *starts) const {
    if (starts)
        starts->assign(1, 0);
    if (text.isEmpty() || (!m_params.wraps() && !text.contains(QChar::LineSeparator)))
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

const std::vector<int> &WrappedLineIndex::lineStarts(const QTextBlock &block) const {
    if (m_lastBlock != block.blockNumber() || m_lastRevision != block.revision()) {
        breakLines(block.text(), &m_lastStarts);
        m_lastBlock = block.blockNumber();
        m_lastRevision = block.revision();
    }
    return m_lastStarts;
}

void WrappedLineIndex::invalidateAll(int blockCount) const {
    m_counts.assign(std::max(blockCount, 0), 0);
    m_treeDirty = true;
    m_dirtyLo = 0;
    m_dirtyHi = blockCount - 1;
    m_lastBlock = -1;
}

void WrappedLineIndex::markDirty(int lo, int hi) const {
    m_dirtyLo = std::min(m_dirtyLo, lo);
    m_dirtyHi = std::max(m_dirtyHi, hi);
    m_lastBlock = -1;
}

void WrappedLineIndex::treeAdd(int index, int delta) const {
    const int n = int(m_counts.size());
    for (int i = index + 1; i <= n; i += i & -i)
        m_tree[i] += delta;
}

void WrappedLineIndex::rebuildTree() const {
    const int n = int(m_counts.size());
    m_tree.assign(n + 1, 0);
    for (int i = 1; i <= n; ++i) {
        m_tree[i] += m_counts[i - 1];
        const int parent = i + (i & -i);
        if (parent <= n)
            m_tree[parent] += m_tree[i];
    }
    m_treeDirty = false;
}

// Lines in the paragraphs before paragraph index.
int WrappedLineIndex::prefix(int index) const {
    int sum = 0;
    for (int i = std::min(index, int(m_counts.size())); i > 0; i -= i & -i)
        sum += m_tree[i];
    return sum;
}

// The paragraph that holds display line k (0 <= k < total), and the line within it.
int WrappedLineIndex::locate(int k, int *lineInParagraph) const {
    const int n = int(m_counts.size());
    int pos = 0;
    int rest = k;
    int step = 1;
    while (step * 2 <= n)
        step *= 2;
    for (; step > 0; step /= 2) {
        if (pos + step <= n && m_tree[pos + step] <= rest) {
            pos += step;
            rest -= m_tree[pos];
        }
    }
    *lineInParagraph = rest;
    return pos;
}

// Replaces the counts of the paragraphs a document change touched.
void WrappedLineIndex::contentsChanged(int position, int charsAdded) {
    if (!m_doc)
        return;
    const int blockCount = m_doc->blockCount();
    const int characters = m_doc->characterCount();
    if (position <= 0 && charsAdded >= characters - 1) {
        // A whole new text (a load): everything counts at the next question.
        invalidateAll(blockCount);
        return;
    }
    const int oldCount = int(m_counts.size());
    const int lastPos = std::max(0, characters - 1);
    const int first = m_doc->findBlock(std::clamp(position, 0, lastPos)).blockNumber();
    const int last = m_doc->findBlock(std::clamp(position + charsAdded, 0, lastPos)).blockNumber();
    const int delta = blockCount - oldCount;
    const int oldLast = last - delta;
    if (first < 0 || last < first || oldLast < first - 1 || oldLast >= oldCount) {
        invalidateAll(blockCount);
        return;
    }
    if (delta == 0) {
        for (int i = first; i <= last; ++i) {
            if (!m_treeDirty && m_counts[i] != 0)
                treeAdd(i, -m_counts[i]);
            m_counts[i] = 0;
        }
    } else {
        m_counts.erase(m_counts.begin() + first, m_counts.begin() + oldLast + 1);
        m_counts.insert(m_counts.begin() + first, last - first + 1, 0);
        m_treeDirty = true;
        if (m_dirtyHi >= first)
            m_dirtyHi = std::max(m_dirtyHi + delta, first);
    }
    markDirty(first, last);
}
