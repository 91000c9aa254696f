#include "editor/LinePrinter.h"

#include "editor/PrintDevice.h"

LinePrinter::LinePrinter(PrintDevice &device) : m_device(device) {}

void LinePrinter::printLine(QStringView text) {
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\t' && c != u'\f' && c != u'\r' && c != u'\n')
            continue;
        printRun(text.mid(runStart, i - runStart));
        runStart = i + 1;
        if (c == u'\t') {
            const int stop = qMax(1, 8 * m_device.averageCharWidth());
            m_x = ((m_x + 1) / stop + 1) * stop;
            if (m_x > m_device.pageSize().width())
                endLine();
        } else if (c == u'\f') {
            newPage();
        } else if (c == u'\n') {
            endLine();
        }
    }
    printRun(text.mid(runStart));
    endLine();
}

void LinePrinter::printRun(QStringView run) {
    while (!run.isEmpty()) {
        const int room = m_device.pageSize().width() - m_x;
        qsizetype n = fittingLength(run, room);
        if (n == run.size()) {
            drawPiece(run);
            return;
        }
        if (n == 0 && m_x > 0) {
            endLine();
            continue;
        }
        // A character wider than the whole page is printed alone rather than never.
        n = qMax<qsizetype>(n, 1);
        drawPiece(run.left(n));
        endLine();
        run = run.mid(n);
    }
}

int LinePrinter::fittingLength(QStringView text, int room) const {
    if (m_device.textWidth(text) <= room)
        return int(text.size());
    // The longest prefix that fits: text is cut one character at a time from its end until
    // what is left fits; widths grow with length, so a binary search finds the same place.
    qsizetype lo = 0;
    qsizetype hi = text.size() - 1;
    while (lo < hi) {
        const qsizetype mid = lo + (hi - lo + 1) / 2;
        if (m_device.textWidth(text.left(mid)) <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    return int(lo);
}

void LinePrinter::drawPiece(QStringView piece) {
    if (m_pagesUsed == 0)
        m_pagesUsed = 1;
    for (; m_pendingPages > 0; --m_pendingPages) {
        m_device.newPage();
        ++m_pagesUsed;
    }
    const QString text = piece.toString();
    m_device.drawText(m_x, m_y, text);
    m_x += m_device.textWidth(text);
    const int height = m_device.textHeight();
    if (height > m_lineHeight)
        m_lineHeight = height + 2;
}

void LinePrinter::endLine() {
    m_x = 0;
    m_y += m_lineHeight > 0 ? m_lineHeight : m_device.textHeight();
    if (m_y > m_device.pageSize().height() - 2 * m_lineHeight)
        newPage();
    m_lineHeight = 0;
}

void LinePrinter::newPage() {
    ++m_pendingPages;
    m_x = 0;
    m_y = 0;
    m_lineHeight = 0;
}
