#include "base/atomicfile.h"

#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
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

TEST(AtomicFileTest, AFaultAtAnyStepKeepsTheOldFileAndLeavesNothingBeside)
{
    const TempDir dir;
    const auto path = dir.path() / "week 1.gam";
    ASSERT_TRUE(writeFileAtomically(path, std::string("the old game")));
    for (const WriteStep step : {WriteStep::Write, WriteStep::Flush, WriteStep::Rename}) {
        for (const int error : {ENOSPC, EIO}) {
            injectWriteFault(step, error);
            errno = 0;
            EXPECT_FALSE(writeFileAtomically(path, std::string("the new game")));
            EXPECT_EQ(errno, error);
            EXPECT_EQ(contentOf(path), "the old game");
            EXPECT_EQ(filesIn(dir.path()), 1);
        }
    }
    // The fault was for one write only.
    EXPECT_TRUE(writeFileAtomically(path, std::string("the new game")));
    EXPECT_EQ(contentOf(path), "the new game");
}

TEST(AtomicFileTest, TheNextWriteClearsTemporariesThatAKilledWriteLeftBeside)
{
    const TempDir dir;
    const auto path = dir.path() / "week 1.gam";
    const std::vector<std::string> leftovers{"week 1.gam.tmp-a1B2c3", "week 1.gam.4711-3.tmp"};
    const std::vector<std::string> kept{"week 1.gam.backup", "week 1.gam.tmp-a1B2c", "week 10.gam.tmp-a1B2c3",
                                        "week 1.gam.x-1.tmp"};
    for (const auto &names : {leftovers, kept}) {
        for (const std::string &name : names)
            ASSERT_TRUE(writeFileAtomically(dir.path() / name, name));
    }
    ASSERT_TRUE(writeFileAtomically(path, std::string("the game")));
    for (const std::string &name : leftovers)
        EXPECT_FALSE(std::filesystem::exists(dir.path() / name)) << name;
    for (const std::string &name : kept)
        EXPECT_TRUE(std::filesystem::exists(dir.path() / name)) << name;
}

} // namespace
} // namespace yardmark
