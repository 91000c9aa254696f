#pragma once

#include "editor/PrintDevice.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <functional>
#include <optional>

class QPainter;

// The line printer's device over a painter that is printing: the script font as given,
// the trailer in the same face at 12 points, the report font "Courier" at 10 points, all
// measured on the painter's device. abortJob abandons the job the painter prints (the
// printing layer knows how).
class PainterPrintDevice : public PrintDevice {
public:
    PainterPrintDevice(QPainter &painter, const QFont &scriptFont, const QColor &colour,
                       std::function<void()> abortJob);

    QSize pageSize() const override;
    void selectFont(Font font) override;
    int textWidth(QStringView text) const override;
    int textHeight() const override;
    int averageCharWidth() const override;
    void drawText(int x, int y, const QString &text) override;
    void newPage() override;
    void abort() override;

private:
    QPainter &m_painter;
    QFont m_scriptFont;
    QFont m_font;
    std::optional<QFontMetrics> m_metrics;
    std::function<void()> m_abortJob;
};
