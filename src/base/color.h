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

} // namespace yardmark
