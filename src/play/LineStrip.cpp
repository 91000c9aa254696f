#include "play/LineStrip.h"

#include "platform/Colors.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

int pixelFormatForDepth(int bits) {
    switch (bits) {
    case 0:
        return 0;
    case 1:
        return 1;
    case 4:
        return 2;
    case 15:
        return 4;
    case 16:
        return 5;
    case 24:
        return 6;
    case 32:
        return 7;
    default:
        return 3;
    }
}

platform::PixelFormat formatForProcessType(int processType) {
    if (processType < 0 || processType > 7)
        return platform::PixelFormat::Device;
    return static_cast<platform::PixelFormat>(processType);
}

bool isTvTitle(bool tvTitleMode, bool previousEmpty, const QString &text) {
    return tvTitleMode && previousEmpty && !text.isEmpty();
}

int tvTitlePointSize(int editorPointSize) {
    // Computed in 64 bits: a damaged size must not overflow.
    const long long size = 2LL * editorPointSize - 8;
    if (size == 0)
        return kDefaultFontPointSize;
    return static_cast<int>(std::clamp<long long>(size, 1, 0x7FFF));
}

int playPointSize(int editorPointSize) {
    const long long size = 2LL * editorPointSize;
    return static_cast<int>(std::clamp<long long>(size, 1, 0x7FFF));
}

LineStrip::LineStrip() : m_strip(1, 1) {}

void LineStrip::updateStrip(const QFont &editorFont, int editorPointSize, int textColor,
                            int backgroundColor, bool twoLineTitles, int outputWidth) {
    m_editorFont = editorFont;
    m_editorPointSize = editorPointSize;
    m_textColor = textColor;
    m_brushColor = backgroundColor;
    m_font = fontFor(false);
    const int lineHeight = QFontMetrics(m_font).height();
    m_stripHeight = twoLineTitles ? 2 * lineHeight : lineHeight;
    m_width = std::max(outputWidth, 0);
    m_strip.setSize(m_width, m_stripHeight);
    applyPalette();
}

void LineStrip::setStripWidth(int width) {
    m_width = std::max(width, 0);
    m_strip.setSize(m_width, m_stripHeight);
}

platform::PixelFormat LineStrip::selectPixelFormat(int processType, bool mirror) {
    const platform::PixelFormat f =
        mirror ? platform::PixelFormat::Bits8 : formatForProcessType(processType);
    m_strip.setPixelFormat(f);
    applyPalette();
    return f;
}

void LineStrip::setColors(int textColor, int backgroundColor) {
    m_textColor = textColor;
    m_brushColor = backgroundColor;
    applyPalette();
}

void LineStrip::applyPalette() {
    const int bits = m_strip.bitsPerPixel();
    if (bits != 4 && bits != 8)
        return;
    m_strip.setPalette(platform::Bitmap::rampPalette(platform::toQColor(m_brushColor).rgb(),
                                                     platform::toQColor(m_textColor).rgb(),
                                                     bits == 4 ? 16 : 256));
}

QFont LineStrip::fontFor(bool title) const {
    QFont f = m_editorFont;
    if (title) {
        f.setBold(false);
        f.setItalic(false);
        f.setStrikeOut(false);
        f.setUnderline(true);
        f.setPointSize(tvTitlePointSize(m_editorPointSize));
    } else {
        f.setPointSize(playPointSize(m_editorPointSize));
    }
    return f;
}

int LineStrip::centredX(const QFont &font, const QString &text) const {
    const int textWidth = QFontMetrics(font).horizontalAdvance(text);
    return m_width / 2 - textWidth / 2;
}

int LineStrip::drawLine(const QString &text, bool previousEmpty, bool tvTitleMode, bool centring) {
    const QFont f = fontFor(isTvTitle(tvTitleMode, previousEmpty, text));
    const int x = centring ? centredX(f, text) : 0;
    drawText(f, text, x, 0);
    return x;
}

int LineStrip::drawReverseLine(const QString &text, bool centring) {
    QFont f = m_font;
    f.setPointSize(playPointSize(m_editorPointSize));
    const int x = centring ? centredX(f, text) : 0;
    drawText(f, text, x, 0);
    return x;
}

void LineStrip::drawText(const QFont &font, const QString &text, int x, int y) {
    m_font = font;
    if (m_strip.isNull() || text.isEmpty())
        return;
    const QFontMetrics fm(font);
    const QColor brush = platform::toQColor(m_brushColor);
    const QColor ink = platform::toQColor(m_textColor);
    m_strip.paint([&](QPainter &p) {
        p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()), brush);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(QPoint(x, y + fm.ascent()), text);
    });
}

void LineStrip::clearStrip() {
    const QRect r = stripRect();
    m_strip.fillRect(r, platform::toQColor(m_brushColor).rgb());
    m_titleImage.fillRect(r, platform::toQColor(m_titleImageBrush).rgb());
}

const QImage &LineStrip::toRgb32() {
    m_strip.toRgb32(m_rgb32);
    return m_rgb32;
}
