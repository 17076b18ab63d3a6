#include "base/color.h"

#include <algorithm>
#include <cmath>

namespace yardmark {
namespace {

// The share of light a colour gives, 0 for black to 1 for white, weighing
// each channel by how bright the eye finds it once the screen's gamma is undone.
double luminance(ColorValue c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

ColorValue mix(ColorValue from, ColorValue to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return colorValue(channel(redOf(from), redOf(to)), channel(greenOf(from), greenOf(to)),
                      channel(blueOf(from), blueOf(to)));
}

} // namespace

double contrastRatio(ColorValue a, ColorValue b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorValue readableOn(ColorValue text, ColorValue background, double contrast)
{
    if (contrastRatio(text, background) >= contrast)
        return text;
    // Towards white or black, whichever stands out more on this background:
    // the better of the two stands 4.58 apart at least, so the guidelines'
    // levels are always reached (a higher one gets the best there is).
    const ColorValue white = colorValue(255, 255, 255);
    const ColorValue black = colorValue(0, 0, 0);
    const ColorValue towards = contrastRatio(white, background) > contrastRatio(black, background) ? white : black;
    double low = 0;
    double high = 1;
    for (int step = 0; step < 12; ++step) {
        const double middle = (low + high) / 2;
        (contrastRatio(mix(text, towards, middle), background) >= contrast ? high : low) = middle;
    }
    return mix(text, towards, high);
}

} // namespace yardmark
