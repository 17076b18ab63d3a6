#include "base/atomicfile.h"
#include "base/safefile.h"

#include "support/deadline.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#endif

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

// A file written a moment after another is newer, also within one second: a
// recovery copy written just after the save is offered.
TEST(SafeFileTest, AFileWrittenAMomentLaterIsNewer)
{
    const TempDir dir;
    ASSERT_TRUE(writeFileAtomically(dir.path() / "game.gam", std::string("saved")));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(writeFileAtomically(dir.path() / ".game.gam.recovery", std::string("a play more")));
    const auto saved = lastWriteTime(dir.path() / "game.gam");
    const auto copy = lastWriteTime(dir.path() / ".game.gam.recovery");
    ASSERT_TRUE(saved && copy);
    EXPECT_GT(*copy, *saved);
    EXPECT_FALSE(lastWriteTime(dir.path() / "missing.gam"));
}

#ifndef _WIN32
// A pipe, folder or device is refused at once, never waited on or read
// without end; the program's own files are not reached through a link.
TEST(SafeFileTest, ReadsOnlyARegularFileWithinItsBound)
{
    const TempDir dir;
    const auto file = dir.path() / "week 1.gam";
    ASSERT_TRUE(writeFileAtomically(file, std::string("the game")));
    std::filesystem::create_symlink(file, dir.path() / "link");
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.path() / "folder");
    const struct {
        std::filesystem::path path;
        Links links;
        std::size_t maxSize;
        FileRefusal refusal; // None: read
    } cases[] = {
        {file, Links::Refuse, 100, FileRefusal::None},
        {dir.path() / "link", Links::Follow, 100, FileRefusal::None},
        {dir.path() / "link", Links::Refuse, 100, FileRefusal::NotRegularFile},
        {dir.path() / "pipe", Links::Follow, 100, FileRefusal::NotRegularFile},
        {dir.path() / "folder", Links::Follow, 100, FileRefusal::NotRegularFile},
        {"/dev/zero", Links::Follow, 100, FileRefusal::NotRegularFile},
        {file, Links::Follow, 7, FileRefusal::TooLarge},
        {dir.path() / "missing", Links::Follow, 100, FileRefusal::Missing},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.string());
        const int result = testing::resultWithin(5, [&c] {
            std::vector<std::uint8_t> bytes;
            const bool read = readWholeFile(c.path, bytes, c.maxSize, c.links);
            return read ? (bytes.size() == 8 ? 0 : 99) : static_cast<int>(lastFileRefusal());
        });
        EXPECT_EQ(result, static_cast<int>(c.refusal));
    }
}

// A new file is as private as the umask says; a replaced one keeps who may read it.
TEST(AtomicFileTest, ANewFileFollowsTheUmaskAndAReplacedOneKeepsItsMode)
{
    const struct {
        mode_t umask;
        mode_t before; // 0: no file yet
        mode_t after;
    } cases[] = {{022, 0, 0644}, {077, 0, 0600}, {022, 0600, 0600}, {077, 0664, 0664}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.after);
        const TempDir dir;
        const auto path = dir.path() / "addresses.csv";
        if (c.before) {
            ASSERT_TRUE(writeFileAtomically(path, std::string("old")));
            std::filesystem::permissions(path, static_cast<std::filesystem::perms>(c.before));
        }
        const mode_t old = ::umask(c.umask);
        EXPECT_TRUE(writeFileAtomically(path, std::string("new")));
        ::umask(old);
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, c.after);
    }
}
#endif

} // namespace
} // namespace yardmark
