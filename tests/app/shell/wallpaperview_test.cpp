#include "app/shell/wallpaperview.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(WallpaperRectTest, PlacesTheBitmapByMode)
{
    struct Case {
        int mode;
        QSize image, area;
        QRect expected;
    } cases[] = {
        {0, {100, 50}, {640, 480}, {0, 0, 640, 480}}, // fit: stretched over everything
        {0, {1000, 800}, {640, 480}, {0, 0, 640, 480}},
        {1, {100, 50}, {640, 480}, {0, 0, 640, 480}},    // tile: the whole area, from the corner
        {2, {100, 50}, {640, 480}, {270, 215, 100, 50}}, // centre: own size around the centre
        {2, {101, 51}, {640, 480}, {269, 214, 101, 51}},
        {2, {1000, 800}, {640, 480}, {-180, -160, 1000, 800}},
        {7, {100, 50}, {640, 480}, {0, 0, 640, 480}}, // a mode from a damaged file: fit
        {-1, {100, 50}, {640, 480}, {0, 0, 640, 480}},
        {0, {0, 0}, {640, 480}, {}}, // nothing loaded
        {2, {100, 50}, {0, 0}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wallpaperRect(c.mode, c.image, c.area), c.expected) << c.mode;
}

// A 2 x 2 picture with four colours, so that its placement can be read back.
QImage quarters()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 0));
    return image;
}

QImage rendered(int mode)
{
    WallpaperView view;
    view.resize(7, 5);
    view.setImage(quarters());
    view.setMode(mode);
    return view.grab().toImage();
}

TEST(WallpaperViewTest, TileRepeatsTheBitmapFromTheTopLeft)
{
    const QImage image = rendered(1);
    const QImage picture = quarters();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image.pixel(x, y), picture.pixel(x % 2, y % 2)) << x << "," << y;
    }
}

TEST(WallpaperViewTest, CenterDrawsOnceOnWhite)
{
    const QImage image = rendered(2);
    const QImage picture = quarters();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const bool inside = x >= 2 && x < 4 && y >= 1 && y < 3;
            EXPECT_EQ(image.pixel(x, y), inside ? picture.pixel(x - 2, y - 1) : qRgb(255, 255, 255)) << x << "," << y;
        }
    }
}

TEST(WallpaperViewTest, FitCoversTheCorners)
{
    const QImage image = rendered(0);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(6, 4), qRgb(255, 255, 0));
}

} // namespace
} // namespace yardmark
