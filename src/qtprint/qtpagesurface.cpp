#include "qtpagesurface.h"

#include "qtbase/qtext.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace yardmark {

QFont qtFontFor(const FontRequest &font)
{
    QFont qtFont(QString::fromStdString(font.family));
    qtFont.setPixelSize(std::max(1, font.height));
    qtFont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    if (font.fixedPitch) {
        qtFont.setFixedPitch(true);
        qtFont.setStyleHint(QFont::TypeWriter);
    } else {
        qtFont.setStyleHint(QFont::SansSerif);
    }
    return qtFont;
}

QtPageSurface::QtPageSurface(QPainter &painter, QPagedPaintDevice &device)
    : m_painter(painter), m_device(device), m_font(painter.font()), m_metrics(m_font, &device)
{
    // Rules a little under a fifth of a point thick, whatever the resolution.
    m_painter.setPen(QPen(Qt::black, std::max(1, device.logicalDpiX() / 400)));
}

int QtPageSurface::pageWidth() const
{
    return m_device.width();
}

int QtPageSurface::pageHeight() const
{
    return m_device.height();
}

void QtPageSurface::setFont(const FontRequest &font)
{
    m_font = qtFontFor(font);
    m_metrics = QFontMetrics(m_font, &m_device);
    m_painter.setFont(m_font);
}

int QtPageSurface::charWidth() const
{
    return m_metrics.averageCharWidth();
}

int QtPageSurface::textWidth(std::string_view text) const
{
    return m_metrics.horizontalAdvance(toQString(text));
}

int QtPageSurface::lineHeight() const
{
    return m_metrics.height();
}

void QtPageSurface::drawText(int x, int y, std::string_view text)
{
    // The painter places text by its baseline; printouts place it by its top.
    if (m_drawing)
        m_painter.drawText(QPoint(x, y + m_metrics.ascent()), toQString(text));
}

void QtPageSurface::drawLine(int x1, int y1, int x2, int y2)
{
    if (m_drawing)
        m_painter.drawLine(x1, y1, x2, y2);
}

void QtPageSurface::newPage()
{
    m_device.newPage();
}

} // namespace yardmark
