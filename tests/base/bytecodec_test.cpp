#include "base/bytecodec.h"

#include <gtest/gtest.h>

#include <limits>

namespace yardmark {
namespace {

TEST(ByteCodecTest, IntegersAreLittleEndianWhateverTheHost)
{
    ByteWriter out;
    out.int32(0x01020304);
    out.int32(-2);
    EXPECT_EQ(out.data(), (std::vector<std::uint8_t>{4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
    ByteReader in(out.data());
    EXPECT_EQ(in.int32(), 0x01020304);
    EXPECT_EQ(in.int32(), -2);
    EXPECT_TRUE(in.ok());
}

TEST(ByteCodecTest, ReadingPastTheEndFailsAndStaysFailed)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    ByteReader in(bytes);
    EXPECT_EQ(in.uint8(), 1);
    EXPECT_EQ(in.int32(), 0);
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.uint8(), 0); // a failed reader yields nothing more
    EXPECT_EQ(in.text(5), "");
}

TEST(ByteCodecTest, FitsChecksCountsAgainstWhatRemains)
{
    const std::vector<std::uint8_t> bytes(100);
    ByteReader in(bytes);
    in.skip(10);
    EXPECT_TRUE(in.fits(2, 45));
    EXPECT_FALSE(in.fits(3, 45));
    EXPECT_FALSE(in.fits(-1, 45));
    EXPECT_TRUE(in.fits(0, 45));
    EXPECT_FALSE(in.fits(std::numeric_limits<std::int32_t>::max(), 466));
}

TEST(ByteCodecTest, SeekBeyondTheEndFails)
{
    const std::vector<std::uint8_t> bytes(10);
    ByteReader in(bytes);
    EXPECT_TRUE(in.seek(10));
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_FALSE(in.seek(11));
    EXPECT_FALSE(in.ok());
}

TEST(ByteCodecTest, TextStopsAtAnEmbeddedTerminator)
{
    ByteWriter out;
    out.text(std::string("ab\0cd", 5), 8);
    EXPECT_EQ(out.data(), (std::vector<std::uint8_t>{'a', 'b', 0, 0, 0, 0, 0, 0}));
}

} // namespace
} // namespace yardmark
