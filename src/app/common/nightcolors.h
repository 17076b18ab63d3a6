#pragma once

#include "base/color.h"

#include <QColor>
#include <QPalette>

class QPainter;
class QRectF;

namespace yardmark {

/// Turns the whole program's night colours on or off: dark, dim windows that
/// do not glare in a dark press box, and pictures (the field, logos, the
/// wallpaper) shown under a veil. Turning them off gives back the style and
/// colours the program had before; turning off what is not on does nothing.
void setNightColors(bool on);

/// Whether `palette` is a dark one: night colours, or a dark desktop theme.
bool isDark(const QPalette &palette);

/// Dims a picture just painted in `area` when `palette` is dark.
void veilAtNight(QPainter &painter, const QRectF &area, const QPalette &palette);

/// The colour of a message that something went wrong, readable on `palette`.
QColor errorTextColor(const QPalette &palette);

/// `color` as the large bold text of a label on `palette`'s window (a team's
/// name on the scoreboard): its own colour, moved only as far as it takes to read.
QColor readableTextColor(ColorValue color, const QPalette &palette);

} // namespace yardmark
