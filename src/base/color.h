#pragma once

#include <cstdint>

namespace yardmark {

/// A colour as the settings and the colour chooser hold it: red in the lowest byte, then green, then blue.
using ColorValue = std::uint32_t;

constexpr ColorValue colorValue(int red, int green, int blue)
{
    return static_cast<ColorValue>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColorValue c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColorValue c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(ColorValue c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

/// The contrast the accessibility guidelines ask of text against its
/// background, and of large or bold text (a heading, a team's name).
constexpr double kReadableContrast = 4.5;
constexpr double kReadableLargeTextContrast = 3.0;

/// How far two colours stand apart to the eye, from 1 (the same) to 21
/// (black and white), as the web's accessibility guidelines measure it.
double contrastRatio(ColorValue a, ColorValue b);

/// `text` lightened or darkened as little as gives it `contrast` on
/// `background`: a team's own colour for its name, unless that colour would
/// vanish into the window (dark blue at night, yellow by day).
ColorValue readableOn(ColorValue text, ColorValue background, double contrast = kReadableContrast);

} // namespace yardmark
