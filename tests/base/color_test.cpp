#include "base/color.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(ColorTest, ContrastRunsFromOneForTheSameColourToTwentyOneForBlackOnWhite)
{
    const ColorValue white = colorValue(255, 255, 255);
    const ColorValue black = colorValue(0, 0, 0);
    EXPECT_DOUBLE_EQ(contrastRatio(white, white), 1.0);
    EXPECT_NEAR(contrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(white, black), 21.0, 1e-9);
    // Pure red on white: the guidelines' own worked figure.
    EXPECT_NEAR(contrastRatio(colorValue(255, 0, 0), white), 4.0, 0.01);
}

TEST(ColorTest, ATeamColourIsKeptWhereItReadsAndMovedAsLittleAsNeededWhereItDoesNot)
{
    const ColorValue dayWindow = colorValue(239, 239, 239);
    const ColorValue nightWindow = colorValue(38, 38, 40);
    const double text = kReadableContrast;
    const double large = kReadableLargeTextContrast;
    const struct {
        ColorValue text;
        ColorValue background;
        double level;
        bool kept;
        bool lighter;
    } cases[] = {
        {colorValue(0, 0, 255), dayWindow, text, true, false},     // the home default by day
        {colorValue(0, 0, 255), nightWindow, large, false, true},  // ... vanishes at night
        {colorValue(255, 0, 0), dayWindow, large, true, false},    // the visitor's, large, by day
        {colorValue(255, 0, 0), dayWindow, text, false, false},    // ... too light for small text
        {colorValue(255, 0, 0), nightWindow, text, false, true},   // ... and too dark at night
        {colorValue(255, 255, 0), nightWindow, text, true, false}, // yellow reads at night
        {colorValue(255, 255, 0), dayWindow, large, false, false}, // ... not by day
        {colorValue(128, 128, 128), colorValue(128, 128, 128), text, false, false},
        {colorValue(20, 20, 20), colorValue(0, 0, 0), text, false, true},
    };
    for (const auto &c : cases) {
        const ColorValue shown = readableOn(c.text, c.background, c.level);
        EXPECT_GE(contrastRatio(shown, c.background), c.level) << c.text;
        EXPECT_EQ(shown == c.text, c.kept) << c.text;
        if (c.kept)
            continue;
        const int change =
            redOf(shown) + greenOf(shown) + blueOf(shown) - redOf(c.text) - greenOf(c.text) - blueOf(c.text);
        EXPECT_EQ(change > 0, c.lighter) << c.text;
        // As little as needed: a step less of the change would not read.
        const auto back = [](int from, int to) { return to + (from - to) / 8; };
        const ColorValue less = colorValue(back(redOf(c.text), redOf(shown)), back(greenOf(c.text), greenOf(shown)),
                                           back(blueOf(c.text), blueOf(shown)));
        EXPECT_LT(contrastRatio(less, c.background), c.level) << c.text;
    }
}

} // namespace
} // namespace yardmark
