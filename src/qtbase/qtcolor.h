#pragma once

#include "base/color.h"

#include <QColor>

namespace yardmark {

// The core keeps colours as the settings file holds them; Qt paints with QColor.

inline QColor toQColor(ColorValue color)
{
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

inline ColorValue fromQColor(const QColor &color)
{
    return colorValue(color.red(), color.green(), color.blue());
}

} // namespace yardmark
