#include "records/atomicfile.h"

#include "samplerecords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace yardmark {
namespace {

using testing::TempDir;

std::string contentOf(const std::filesystem::path &path)
{
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(readWholeFile(path, bytes));
    return std::string(bytes.begin(), bytes.end());
}

long filesIn(const std::filesystem::path &dir)
{
    return std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator());
}

TEST(AtomicFileTest, ReplacesTheOldFileWholeByteForByteAndLeavesNothingBeside)
{
    const TempDir dir;
    const auto path = dir.path() / "week 1.gam";
    ASSERT_TRUE(writeFileAtomically(path, std::string("the old game, longer than the new one")));
    // Line ends and NULs pass as they are, on every system.
    const std::string bytes("new\n\r\n\0\x1a end", 12);
    ASSERT_TRUE(writeFileAtomically(path, bytes));
    EXPECT_EQ(contentOf(path), bytes);
    EXPECT_EQ(filesIn(dir.path()), 1);
}

TEST(AtomicFileTest, AFolderThatIsNotThereFailsAndCreatesNothing)
{
    const TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing" / "game.gam", std::string("x")));
    EXPECT_EQ(filesIn(dir.path()), 0);
}

} // namespace
} // namespace yardmark
