#include "app/common/bitmaps.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace yardmark {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes &out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A Windows bitmap file: file header, 40-byte info header, colour table
// (0xRRGGBB entries) and the pixel data as given.
Bytes bitmapFile(int width, int height, int bits, int compression, const std::vector<std::uint32_t> &palette,
                 const Bytes &pixels)
{
    const auto offset = static_cast<std::uint32_t>(14 + 40 + 4 * palette.size());
    Bytes out{'B', 'M'};
    put(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(width), 4);
    put(out, static_cast<std::uint32_t>(height), 4);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(bits), 2);
    put(out, static_cast<std::uint32_t>(compression), 4);
    put(out, static_cast<std::uint32_t>(pixels.size()), 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, static_cast<std::uint32_t>(palette.size()), 4);
    put(out, 0, 4);
    for (std::uint32_t rgb : palette)
        put(out, rgb, 4); // blue, green, red, reserved
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

QString writeFile(const QString &path, const Bytes &bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
}

// The picture every six-colour case draws, three pixels wide and two high.
constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0,
                        kYellow = 0xFFFF00;
const std::vector<std::uint32_t> kSixColors = {kRed, kGreen, kBlue, kWhite, kBlack, kYellow};

struct BitmapCase {
    const char *name;
    int height; // negative: rows stored top-down
    int bits;
    int compression;
    std::vector<std::uint32_t> palette;
    Bytes pixels;
    std::uint32_t expected[2][3];
};

class BitmapDepthTest : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapDepthTest, ReadsEveryPixel)
{
    const BitmapCase &c = GetParam();
    QTemporaryDir folder;
    const QString path = writeFile(folder.filePath(QStringLiteral("picture.bmp")),
                                   bitmapFile(3, c.height, c.bits, c.compression, c.palette, c.pixels));
    const QImage image = loadBitmap(path);
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(3, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.pixel(x, y) & 0xFFFFFFu, c.expected[y][x]) << "x " << x << " y " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapDepthTest,
                         ::testing::Values(
                             // Rows are stored bottom-up and padded to four bytes.
                             BitmapCase{"Rgb24",
                                        2,
                                        24,
                                        0,
                                        {},
                                        {0xFF, 0xFF, 0xFF, 0,    0,    0,    0x00, 0xFF, 0xFF, 0, 0, 0,
                                         0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Rgb24TopDown",
                                        -2,
                                        24,
                                        0,
                                        {},
                                        {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0,
                                         0xFF, 0xFF, 0xFF, 0,    0,    0,    0x00, 0xFF, 0xFF, 0, 0, 0},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Rgb32",
                                        2,
                                        32,
                                        0,
                                        {},
                                        {0xFF, 0xFF, 0xFF, 0, 0,    0,    0,    0, 0x00, 0xFF, 0xFF, 0,
                                         0x00, 0x00, 0xFF, 0, 0x00, 0xFF, 0x00, 0, 0xFF, 0x00, 0x00, 0},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Rgb555",
                                        2,
                                        16,
                                        0,
                                        {},
                                        {0xFF, 0x7F, 0, 0, 0xE0, 0x7F, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0},
                                        // five bits per colour: full strength is 248, as Windows shows it
                                        {{0xF80000, 0x00F800, 0x0000F8}, {0xF8F8F8, kBlack, 0xF8F800}}},
                             BitmapCase{"Indexed8",
                                        2,
                                        8,
                                        0,
                                        kSixColors,
                                        {3, 4, 5, 0, 0, 1, 2, 0},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Indexed4",
                                        2,
                                        4,
                                        0,
                                        kSixColors,
                                        {0x34, 0x50, 0, 0, 0x01, 0x20, 0, 0},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Indexed1",
                                        2,
                                        1,
                                        0,
                                        {kBlack, kWhite},
                                        {0x40, 0, 0, 0, 0xA0, 0, 0, 0},
                                        {{kWhite, kBlack, kWhite}, {kBlack, kWhite, kBlack}}},
                             // Run-length coded: an absolute run for the bottom row, single-pixel
                             // runs for the top one, end of line and end of bitmap markers.
                             BitmapCase{"Rle8",
                                        2,
                                        8,
                                        1,
                                        kSixColors,
                                        {0, 3, 3, 4, 5, 0, 0, 0, 1, 0, 1, 1, 1, 2, 0, 0, 0, 1},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}},
                             BitmapCase{"Rle4",
                                        2,
                                        4,
                                        2,
                                        kSixColors,
                                        {0, 3, 0x34, 0x50, 0, 0, 0, 3, 0x01, 0x20, 0, 0, 0, 1},
                                        {{kRed, kGreen, kBlue}, {kWhite, kBlack, kYellow}}}),
                         [](const ::testing::TestParamInfo<BitmapCase> &info) { return std::string(info.param.name); });

TEST(BitmapsTest, DamagedFilesGiveNoPicture)
{
    QTemporaryDir folder;
    const Bytes good = bitmapFile(3, 2, 8, 0, kSixColors, {3, 4, 5, 0, 0, 1, 2, 0});
    const struct {
        const char *name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o'}},
        {"file header only", Bytes(good.begin(), good.begin() + 14)},
        {"cut in the info header", Bytes(good.begin(), good.begin() + 30)},
    };
    for (const auto &c : cases) {
        const QString path = writeFile(folder.filePath(QString::fromLatin1(c.name)), c.bytes);
        EXPECT_TRUE(loadBitmap(path).isNull()) << c.name;
    }
    EXPECT_TRUE(loadBitmap(folder.filePath(QStringLiteral("missing.bmp"))).isNull());
    EXPECT_TRUE(loadBitmap(QString()).isNull());
}

// Runs a test in a fresh current directory, as the program looks for its
// default pictures there.
class InFreshDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }
    QString path(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_folder;
    QString m_previous;
};

using DefaultPicturesTest = InFreshDirectory;

TEST_F(DefaultPicturesTest, WallpaperFallsBackToLogoBmpThenToTheDrawnPicture)
{
    const QString chosen = writeFile(path("chosen.bmp"), bitmapFile(1, 1, 24, 0, {}, {0, 0, 0xFF, 0}));
    writeFile(path("logo.bmp"), bitmapFile(2, 1, 24, 0, {}, {0xFF, 0, 0, 0, 0, 0, 0, 0}));

    EXPECT_EQ(loadWallpaper(chosen).size(), QSize(1, 1));
    EXPECT_EQ(loadWallpaper(path("missing.bmp")).size(), QSize(2, 1));
    EXPECT_EQ(loadWallpaper(QString()).size(), QSize(2, 1));
    QFile::remove(path("logo.bmp"));
    const QImage drawn = loadWallpaper(path("missing.bmp"));
    EXPECT_EQ(drawn.size(), drawnWallpaper().size());
    EXPECT_EQ(drawn, drawnWallpaper());
}

TEST_F(DefaultPicturesTest, TeamLogoFallsBackToDefaultBmpThenToTheDrawnLogo)
{
    writeFile(path("default.bmp"), bitmapFile(2, 1, 24, 0, {}, {0xFF, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(loadTeamLogo(path("missing.bmp")).size(), QSize(2, 1));
    QFile::remove(path("default.bmp"));
    EXPECT_EQ(loadTeamLogo(path("missing.bmp")), drawnTeamLogo());
}

TEST(DrawnPicturesTest, AreNotBlank)
{
    for (const QImage &image : {drawnWallpaper(), drawnTeamLogo()}) {
        ASSERT_FALSE(image.isNull());
        const QRgb corner = image.pixel(0, 0);
        int different = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4)
                different += image.pixel(x, y) != corner;
        }
        EXPECT_GT(different, image.width() * image.height() / 16 / 10);
    }
    EXPECT_FALSE(programIcon().isNull());
}

} // namespace
} // namespace yardmark
