#pragma once

#include "platform/Bitmap.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Format index (the "Pixel Processing" order) for a colour depth in bits per pixel:
// 0 -> 0, 1 -> 1, 4 -> 2, 15 -> 4, 16 -> 5, 24 -> 6, 32 -> 7, anything else (8 too) -> 3.
int pixelFormatForDepth(int bits);

// Bitmap format for a "Pixel Processing" index 0..7; an index outside that range (a damaged
// configuration) gives the device format.
platform::PixelFormat formatForProcessType(int processType);

// TV-title rule: with TV-title mode on, a non-empty line whose previous line is empty (the
// line before the first counts as empty) is a title.
bool isTvTitle(bool tvTitleMode, bool previousEmpty, const QString &text);

// The text system's default font height, in points (16 pixels at 96 dots per inch): what a
// font of size 0 is drawn at.
inline constexpr int kDefaultFontPointSize = 12;

// Point size of a TV title for an editor font size: 2 x size - 8. A result of 0 asks for
// no particular height and gives the default height; below 0 the text system draws no
// smaller than 1 point.
int tvTitlePointSize(int editorPointSize);
// Point size of the play text: 2 x the editor's size, at least 1.
int playPointSize(int editorPointSize);

// The line strip: the off-screen bitmap one text line high into which each script line is
// drawn before it is moved onto the play surface, and its copy titleImage (used by fade titles).
// No widget: the play window feeds it the settings.
class LineStrip {
public:
    LineStrip();

    // Lays the strip out afresh: the strip font is the editor's font (face and style) at
    // 2 x editorPointSize, the text colour textColor, the brush backgroundColor (colour values
    // 0x00BBGGRR). The height is that of "Wg" in the strip font, doubled for two-line titles
    // (twoLineTitles = FadeTitles && FadeTwoline); the width is outputWidth. The bitmap is
    // resized to stripRect and keeps its pixel format.
    void updateStrip(const QFont &editorFont, int editorPointSize, int textColor,
                     int backgroundColor, bool twoLineTitles, int outputWidth);

    int stripHeight() const { return m_stripHeight; }
    // A new width for the strip (a two-line title is as wide as its wider line); the
    // height and the pixel format stay.
    void setStripWidth(int width);
    QRect stripRect() const { return QRect(0, 0, m_width, m_stripHeight); }

    // The format choice of a scrolling pass: the format of processType, or 8 bits when the
    // pass mirrors. Returns the format set. At 4 and 8 bits the palette is a ramp from the
    // brush colour to the text colour, so antialiased text keeps its shades.
    platform::PixelFormat selectPixelFormat(int processType, bool mirror);
    // True when the strip holds 1 bit per pixel (the pass then plays white on black).
    bool isMonochrome() const { return m_strip.bitsPerPixel() == 1; }

    // Text and brush colours (0x00BBGGRR) for the lines drawn from now on.
    void setColors(int textColor, int backgroundColor);
    int textColor() const { return m_textColor; }
    int brushColor() const { return m_brushColor; }
    int editorPointSize() const { return m_editorPointSize; }

    // Draws one script line at y = 0: a title (underline only, tvTitlePointSize) when
    // isTvTitle(tvTitleMode, previousEmpty, text), else the editor's style at 2 x its size.
    // x = 0, or with centring (strip width / 2) - (text width / 2), truncating; x may be
    // negative and the line is cut at the strip's edges. The text cell is filled with the
    // brush colour first (opaque background). Returns x.
    int drawLine(const QString &text, bool previousEmpty, bool tvTitleMode, bool centring);
    // The reverse scroll's drawing: the current font is set to 2 x the editor's size (its
    // style stays as the last line left it), then text is drawn at y = 0 and x = 0, or with
    // centring at the centred x in that font. Returns x.
    int drawReverseLine(const QString &text, bool centring);
    // Draws text with its cell's top-left corner at (x, y) in the given font, with an opaque
    // background in the brush colour; the font becomes font().
    void drawText(const QFont &font, const QString &text, int x, int y);
    // (strip width / 2) - (width of text in font / 2), truncating; negative for a text wider
    // than the strip.
    int centredX(const QFont &font, const QString &text) const;

    // The font last chosen (by updateStrip or the last drawn line).
    const QFont &font() const { return m_font; }

    // Fills stripRect in the strip with the brush colour and in titleImage with titleImage's brush.
    void clearStrip();

    platform::Bitmap &strip() { return m_strip; }
    const platform::Bitmap &strip() const { return m_strip; }
    platform::Bitmap &titleImage() { return m_titleImage; }
    const platform::Bitmap &titleImage() const { return m_titleImage; }
    void setTitleImageBrush(int colorValue) { m_titleImageBrush = colorValue; }
    int titleImageBrush() const { return m_titleImageBrush; }

    // The strip as 32 bits, converted once (call after drawing and mirroring a line); the
    // image is reused from line to line.
    const QImage &toRgb32();

private:
    void applyPalette();
    QFont fontFor(bool title) const;

    platform::Bitmap m_strip;
    platform::Bitmap m_titleImage{1, 1};
    QFont m_editorFont;
    QFont m_font;
    int m_editorPointSize = 10;
    int m_textColor = 0xFFFFFF;
    int m_brushColor = 0;
    int m_titleImageBrush = 0xFFFFFF;
    int m_stripHeight = 0;
    int m_width = 0;
    QImage m_rgb32;
};
