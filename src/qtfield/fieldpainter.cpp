#include "fieldpainter.h"

#include "qtbase/qtcolor.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace yardmark {

namespace {

const QColor kGrass = toQColor(kGrassColor);
const QColor kGrassStripe = toQColor(kGrassStripeColor);
const QColor kEndZone = toQColor(kEndZoneColor);
const QColor kChalk = toQColor(kChalkColor);
const QColor kLeather = toQColor(kLeatherColor);

/// Maps picture units onto the device area: positions stretch with the area,
/// sizes of dots, text and the marker follow the smaller of the two scales so
/// that they keep their shape.
class PictureMap {
public:
    PictureMap(const QRectF &area, const FieldPicture &picture)
        : m_area(area), m_sx(area.width() / picture.width), m_sy(area.height() / picture.height)
    {
    }

    QPointF at(double x, double y) const { return {m_area.left() + x * m_sx, m_area.top() + y * m_sy}; }
    double x(double x) const { return m_area.left() + x * m_sx; }
    double y(double y) const { return m_area.top() + y * m_sy; }
    double size(double units) const { return units * std::min(m_sx, m_sy); }
    QRectF rect(double left, double top, double right, double bottom) const
    {
        return QRectF(at(left, top), at(right, bottom));
    }

private:
    QRectF m_area;
    double m_sx;
    double m_sy;
};

QPen pen(const QColor &color, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(color, width, style, Qt::FlatCap);
    return p;
}

void paintGrass(QPainter &painter, const PictureMap &map, const FieldPicture &picture)
{
    const double goal = picture.leftGoalLine;
    const double length = 6.0 * picture.midfield; // goal line to goal line, in units
    const double endZone = picture.midfield == 50 ? 30 : 24;
    painter.fillRect(map.rect(0, 0, picture.width, picture.height), kGrass);
    // Mowing stripes every 10 yards (5 indoors) help the eye count yards.
    const double stripe = picture.midfield == 50 ? 30 : 15;
    for (double x = goal; x + 1e-9 < goal + length; x += 2 * stripe)
        painter.fillRect(map.rect(x, kSidelineTop, x + stripe, kSidelineBottom), kGrassStripe);
    painter.fillRect(map.rect(goal - endZone, kSidelineTop, goal, kSidelineBottom), kEndZone);
    painter.fillRect(map.rect(goal + length, kSidelineTop, goal + length + endZone, kSidelineBottom), kEndZone);

    const double line = std::max(1.0, map.size(0.8));
    painter.setPen(pen(kChalk, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(map.rect(goal - endZone, kSidelineTop, goal + length + endZone, kSidelineBottom));
    for (int yard = 0; yard <= 2 * picture.midfield; yard += 5) {
        const double x = map.x(goal + 3.0 * yard);
        const bool goalLine = yard == 0 || yard == 2 * picture.midfield;
        painter.setPen(pen(kChalk, goalLine ? 2 * line : line));
        painter.drawLine(QPointF(x, map.y(kSidelineTop)), QPointF(x, map.y(kSidelineBottom)));
    }
    painter.setPen(pen(kChalk, line));
    for (int yard = 1; yard < 2 * picture.midfield; ++yard) {
        const double x = map.x(goal + 3.0 * yard);
        painter.drawLine(QPointF(x, map.y(kHashTop)), QPointF(x, map.y(kHashTop + kHashLength)));
        painter.drawLine(QPointF(x, map.y(kSidelineBottom - kHashLength - 1)), QPointF(x, map.y(kSidelineBottom - 1)));
    }

    // The yard numbers, counted from each goal line to midfield.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(map.size(kNumberHeight * 0.7)))));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kChalk);
    const int step = picture.midfield == 50 ? 10 : 5;
    for (int yard = step; yard < 2 * picture.midfield; yard += step) {
        const int shown = yard <= picture.midfield ? yard : 2 * picture.midfield - yard;
        const double x = goal + 3.0 * yard;
        const QRectF box = map.rect(x - 15, kNumberTop, x + 15, kNumberTop + kNumberHeight);
        painter.drawText(box, Qt::AlignCenter, QString::number(shown));
    }
}

Qt::PenStyle styleOf(PenKind kind)
{
    switch (kind) {
    case PenKind::Dotted:
        return Qt::DotLine;
    case PenKind::DashDot:
        return Qt::DashDotLine;
    default:
        return Qt::SolidLine;
    }
}

void paintChart(QPainter &painter, const PictureMap &map, const DriveChart &chart)
{
    const double width = std::max(1.0, map.size(1));
    painter.setBrush(Qt::NoBrush);
    for (const ChartLeg &leg : chart.legs) {
        painter.setPen(pen(toQColor(leg.color), width, styleOf(leg.pen)));
        painter.drawLine(map.at(leg.x1, leg.y), map.at(leg.x2, leg.y));
    }
    const double radius = map.size(kChartDotRadius);
    painter.setPen(pen(Qt::black, std::max(1.0, map.size(0.5))));
    for (const ChartDot &dot : chart.dots) {
        painter.setBrush(toQColor(dot.fill));
        painter.drawEllipse(map.at(dot.x, dot.y), radius, radius);
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(map.size(kChartLabelSize)))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Each text in the box the chart keeps free for it, at its height in the
    // smaller scale as the font is.
    const double height = map.size(kChartLabelSize);
    for (const ChartLabel &label : chart.labels) {
        const ChartBox box = chartLabelBox(label);
        const QPointF middle = map.at(box.left, (box.top + box.bottom) / 2);
        painter.drawText(QRectF(middle.x(), middle.y() - height / 2, map.size(box.right - box.left), height),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, QString::fromLatin1(label.text.c_str()));
    }
}

} // namespace

QSize defaultFieldSize(const DriveChart &chart)
{
    return {static_cast<int>(chart.picture.width * 2), static_cast<int>(chart.picture.height * 2)};
}

void paintFootball(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double line = std::max(1.0, area.height() / 12);
    painter.setPen(pen(kLeather.darker(150), line / 2));
    painter.setBrush(kLeather);
    painter.drawEllipse(area.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    // The laces across the middle.
    painter.setPen(pen(kChalk, line));
    const QPointF c = area.center();
    const double half = area.width() * 0.22;
    painter.drawLine(QPointF(c.x() - half, c.y()), QPointF(c.x() + half, c.y()));
    for (int i = -2; i <= 2; ++i) {
        const double x = c.x() + i * half / 2.5;
        painter.drawLine(QPointF(x, c.y() - area.height() * 0.15), QPointF(x, c.y() + area.height() * 0.15));
    }
    painter.restore();
}

void paintField(QPainter &painter, const QRectF &area, const DriveChart &chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    const PictureMap map(area, chart.picture);
    paintGrass(painter, map, chart.picture);
    paintChart(painter, map, chart);
    const QPointF ball = map.at(chart.markerX, chart.markerY);
    const double w = map.size(kMarkerWidth);
    const double h = map.size(kMarkerHeight);
    paintFootball(painter, QRectF(ball.x() - w / 2, ball.y() - h / 2, w, h));
    painter.restore();
}

QImage renderField(const DriveChart &chart, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintField(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    return image;
}

} // namespace yardmark
