#pragma once

#include "printouts/pagesurface.h"

#include <QFont>
#include <QFontMetrics>

class QPagedPaintDevice;
class QPainter;

namespace yardmark {

/// A printed page drawn with a QPainter on a printer or PDF writer. Fonts are
/// sized in device pixels; "Arial" and "Courier New" are found through the
/// system's font substitutes (their metric-compatible sans and mono fonts).
/// While drawing is off the surface still measures, so that pages outside
/// the chosen range can be laid out without being printed.
class QtPageSurface : public PageSurface {
public:
    QtPageSurface(QPainter &painter, QPagedPaintDevice &device);

    int pageWidth() const override;
    int pageHeight() const override;
    void setFont(const FontRequest &font) override;
    int charWidth() const override;
    int textWidth(std::string_view text) const override;
    int lineHeight() const override;
    void drawText(int x, int y, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void newPage() override;

    void setDrawing(bool drawing) { m_drawing = drawing; }

private:
    QPainter &m_painter;
    QPagedPaintDevice &m_device;
    QFont m_font;
    QFontMetrics m_metrics;
    bool m_drawing = true;
};

/// The Qt font for a requested one.
QFont qtFontFor(const FontRequest &font);

} // namespace yardmark
