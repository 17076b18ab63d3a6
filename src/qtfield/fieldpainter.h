#pragma once

#include "gameflow/fielddisplay.h"

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace yardmark {

/// The picture of the field at twice its design size: the size the chart is
/// rendered at when nothing else is asked for.
QSize defaultFieldSize(const DriveChart &chart);

/// Paints the field of `chart`'s size, its drive chart and the ball marker
/// stretched over `area`. Lines, dots, labels and the marker are drawn at the
/// device's resolution, so the picture stays crisp at any size and scale.
void paintField(QPainter &painter, const QRectF &area, const DriveChart &chart);

/// The possession football of the scoreboard, filling `area`.
void paintFootball(QPainter &painter, const QRectF &area);

/// The field rendered into an image of `size` pixels.
QImage renderField(const DriveChart &chart, QSize size);

} // namespace yardmark
