#include "editor/PainterPrintDevice.h"

#include <QPagedPaintDevice>
#include <QPainter>

PainterPrintDevice::PainterPrintDevice(QPainter &painter, const QFont &scriptFont,
                                       const QColor &colour, std::function<void()> abortJob)
    : m_painter(painter), m_scriptFont(scriptFont), m_abortJob(std::move(abortJob)) {
    m_painter.setPen(colour);
    selectFont(Font::Script);
}

QSize PainterPrintDevice::pageSize() const {
    const QPaintDevice *device = m_painter.device();
    return device ? QSize(device->width(), device->height()) : QSize();
}

void PainterPrintDevice::selectFont(Font font) {
    switch (font) {
    case Font::Script:
        m_font = m_scriptFont;
        break;
    case Font::Trailer:
        m_font = m_scriptFont;
        m_font.setPointSize(12);
        break;
    case Font::Report:
        m_font = QFont(QStringLiteral("Courier"), 10);
        break;
    }
    m_painter.setFont(m_font);
    m_metrics.emplace(m_font, m_painter.device());
}

int PainterPrintDevice::textWidth(QStringView text) const {
    return m_metrics->horizontalAdvance(text.toString());
}

int PainterPrintDevice::textHeight() const {
    return m_metrics->height();
}

int PainterPrintDevice::averageCharWidth() const {
    return m_metrics->averageCharWidth();
}

void PainterPrintDevice::drawText(int x, int y, const QString &text) {
    // The painter places text on its baseline; the line printer by its top.
    m_painter.drawText(x, y + m_metrics->ascent(), text);
}

void PainterPrintDevice::newPage() {
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(m_painter.device()))
        paged->newPage();
}

void PainterPrintDevice::abort() {
    m_abortJob();
}
