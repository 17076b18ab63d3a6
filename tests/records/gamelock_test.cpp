#include "records/gamelock.h"

#include "base/atomicfile.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace yardmark {
namespace {

namespace fs = std::filesystem;

const LockHolder kSelf{100, "pressbox", "coach", "2026-09-04 19:00:00"};
constexpr std::int64_t kRunningProcess = 4242;

bool fakeRunning(std::int64_t pid)
{
    return pid == kRunningProcess;
}

std::string fileText(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class GameLockTest : public ::testing::Test {
protected:
    GameLockTest() : dir(testing::makeTempFolder("yardmark-lock-")), gameFile(dir / "friday.gam") {}
    ~GameLockTest() override { fs::remove_all(dir); }
    fs::path dir;
    fs::path gameFile;
};

// A lock as a program wrote it that did not hold its lock file open.
std::string unguardedLockText(const LockHolder &holder)
{
    std::string text = lockText(holder);
    return text.erase(text.find("guard")); // the last line
}

// What a second open finds, by the lock file a program left beside the game
// (nobody holds it open).
TEST_F(GameLockTest, TakesFreeOwnAndStaleLocksAndNamesALiveHolder)
{
    const struct {
        const char *name;
        std::optional<std::string> lockFile; // none: no lock file
        bool takeOverFromOtherHost;
        LockResult result;
    } cases[] = {
        {"free", std::nullopt, false, LockResult::Taken},
        {"ours already", lockText(kSelf), false, LockResult::Taken},
        {"a crashed session", lockText({777, "pressbox", "coach", "x"}), false, LockResult::Taken},
        {"a crashed session whose number runs again", lockText({kRunningProcess, "pressbox", "coach", "x"}), false,
         LockResult::Taken},
        {"damaged", "Football Yardmark lock\nprocess many\n", false, LockResult::Taken},
        {"unguarded, running here", unguardedLockText({kRunningProcess, "pressbox", "coach", "x"}), false,
         LockResult::HeldHere},
        {"unguarded, another user here", unguardedLockText({kRunningProcess, "pressbox", "stats", "x"}), false,
         LockResult::HeldHere},
        {"unguarded, gone", unguardedLockText({777, "pressbox", "coach", "x"}), false, LockResult::Taken},
        {"another computer", lockText({kRunningProcess, "sideline", "coach", "x"}), false, LockResult::HeldElsewhere},
        {"another computer, taken over", lockText({kRunningProcess, "sideline", "coach", "x"}), true,
         LockResult::Taken},
        // What a club member left at the lock's name is never written over.
        {"a file that is not a lock", std::string("my private notes\n"), true, LockResult::Blocked},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(lockPathFor(gameFile));
        if (c.lockFile) {
            ASSERT_TRUE(writeFileAtomically(lockPathFor(gameFile), *c.lockFile));
        }
        GameLock lock(kSelf, fakeRunning);
        EXPECT_EQ(lock.take(gameFile, dir / "state", c.takeOverFromOtherHost), c.result);
        if (c.result == LockResult::Taken) {
            EXPECT_EQ(lock.lockFile(), lockPathFor(gameFile));
            EXPECT_EQ(parseLock(fileText(lockPathFor(gameFile))), kSelf);
        } else {
            // The other program's lock stays as it was, and says who it is.
            EXPECT_EQ(fileText(lockPathFor(gameFile)), *c.lockFile);
            EXPECT_EQ(lock.holder(), parseLock(*c.lockFile));
        }
    }
}

#ifndef _WIN32
// A program holding the game keeps it, whatever its lock file says; once that
// program is gone (killed, not closed) the game is free at once, even when
// its process number belongs to another process by then.
TEST_F(GameLockTest, IsHeldForExactlyAsLongAsItsProgramRuns)
{
    const LockHolder other{kRunningProcess, "pressbox", "coach", "x"};
    const auto alwaysRunning = [](std::int64_t) { return true; };
    {
        GameLock holding(other, alwaysRunning);
        ASSERT_EQ(holding.take(gameFile, {}), LockResult::Taken);
        GameLock second(kSelf, [](std::int64_t) { return false; });
        EXPECT_EQ(second.take(gameFile, {}), LockResult::HeldHere);
        EXPECT_EQ(second.holder(), other);
    }
    const pid_t child = fork();
    if (child == 0) {
        GameLock killed(other, alwaysRunning);
        _exit(killed.take(gameFile, {}) == LockResult::Taken ? 0 : 1); // no release
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_EQ(parseLock(fileText(lockPathFor(gameFile))), other);
    GameLock after(kSelf, alwaysRunning);
    EXPECT_EQ(after.take(gameFile, {}), LockResult::Taken);
}
#endif

// Two programs that find the same stale lock at the same moment: one gets
// the game, the other is told it is open.
TEST_F(GameLockTest, TwoTakingOverAStaleLockAtOnceNeverBothGetIt)
{
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(writeFileAtomically(lockPathFor(gameFile), lockText({777, "pressbox", "coach", "x"})));
        GameLock first({1, "pressbox", "coach", "x"}, fakeRunning);
        GameLock second({2, "pressbox", "coach", "x"}, fakeRunning);
        LockResult results[2];
        std::thread other([&] { results[1] = second.take(gameFile, {}); });
        results[0] = first.take(gameFile, {});
        other.join();
        EXPECT_EQ(std::count(std::begin(results), std::end(results), LockResult::Taken), 1);
        EXPECT_EQ(std::count(std::begin(results), std::end(results), LockResult::HeldHere), 1);
    }
}

TEST_F(GameLockTest, IsReleasedWhenTheGameClosesButNeverAnotherProgramsLock)
{
    {
        GameLock lock(kSelf, fakeRunning);
        ASSERT_EQ(lock.take(gameFile, {}), LockResult::Taken);
    }
    EXPECT_FALSE(fs::exists(lockPathFor(gameFile)));

    GameLock lock(kSelf, fakeRunning);
    ASSERT_EQ(lock.take(gameFile, {}), LockResult::Taken);
    const std::string other = lockText({kRunningProcess, "pressbox", "coach", "x"});
#ifdef _WIN32
    // There a held lock cannot be replaced at all.
    EXPECT_FALSE(writeFileAtomically(lockPathFor(gameFile), other));
#else
    // As another computer's program taking the game over puts its own.
    ASSERT_TRUE(writeFileAtomically(lockPathFor(gameFile), other));
    lock.release();
    EXPECT_EQ(fileText(lockPathFor(gameFile)), other);
#endif

    // Where nothing can be written beside the game, the state folder keeps the lock.
    const fs::path nowhere = dir / "missing" / "game.gam";
    fs::create_directories(dir / "state");
    GameLock first(kSelf, fakeRunning);
    ASSERT_EQ(first.take(nowhere, dir / "state"), LockResult::Taken);
    EXPECT_EQ(first.lockFile(), stateLockPathFor(nowhere, dir / "state"));
    GameLock second({kRunningProcess, "pressbox", "coach", "x"}, [](std::int64_t pid) { return pid == 100; });
    EXPECT_EQ(second.take(nowhere, dir / "state"), LockResult::HeldHere);
}

#ifndef _WIN32
// A game reached through a link is locked and saved where it really is, so
// that two paths to one game meet at one lock; anything else stays as given.
TEST_F(GameLockTest, AGameThroughALinkIsWhereItReallyIs)
{
    ASSERT_TRUE(writeFileAtomically(gameFile, std::string("game")));
    fs::create_directory(dir / "shortcuts");
    fs::create_symlink(gameFile, dir / "shortcuts" / "week1.gam");
    fs::create_symlink(dir / "gone.gam", dir / "dangling.gam");
    const struct {
        fs::path given;
        fs::path real;
    } cases[] = {
        {gameFile, gameFile},
        {dir / "shortcuts" / "week1.gam", fs::canonical(gameFile)},
        {dir / "dangling.gam", dir / "dangling.gam"},
        {dir / "new.gam", dir / "new.gam"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(realGamePath(c.given), c.real) << c.given;
}
#endif

TEST(ProcessRunning, TellsThisProgramFromOneThatIsGone)
{
    EXPECT_TRUE(processRunning(thisProgram().processId));
    EXPECT_FALSE(processRunning(0));
    EXPECT_FALSE(processRunning(0x7ffffffe));
}

} // namespace
} // namespace yardmark
