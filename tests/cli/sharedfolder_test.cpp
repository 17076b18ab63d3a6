#include "cli/cli.h"
#include "clirunner.h"
#include "live/livefeed.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/recentfiles.h"
#include "records/recoverycopy.h"
#include "support/deadline.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace yardmark::testing {
namespace {

namespace fs = std::filesystem;

// Runs yardmark-cli in this process; what it says on its error stream, after its exit code.
std::string runHere(const fs::path &dir, std::vector<std::string> args)
{
    fs::current_path(dir);
    args.insert(args.begin(), "yardmark-cli");
    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return std::to_string(code) + " " + err.str();
}

// What a club member can put at a name: a link to the scorer's private file,
// a named pipe, a folder or a device.
enum class Planted { Link, Pipe, Folder, Device };

bool plant(Planted kind, const fs::path &at, const fs::path &victim)
{
    switch (kind) {
    case Planted::Link:
        fs::create_symlink(victim, at);
        return true;
    case Planted::Pipe:
        return ::mkfifo(at.c_str(), 0600) == 0;
    case Planted::Folder:
        return fs::create_directory(at);
    case Planted::Device:
        // The null device, where the system lets one be made.
        return ::mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    }
    return false;
}

// Every name the program writes or takes over beside a game, in the state
// folder or in the live folder, with each thing that can stand there: the
// scorer's other file stays untouched, nothing waits for ever, what is
// refused is named, and yardmark-cli fails.
TEST(SharedFolderTest, NothingAtAnOwnFilesNameMakesTheProgramWriteElsewhereOrHang)
{
    Game game = newGame();
    const struct {
        const char *name; // planted at; GAME stands for the game's folder
        // What the program does there: the message it gives ("EXIT message"
        // for yardmark-cli), empty when it goes on without one.
        std::function<std::string(const fs::path &dir)> act;
        bool refused; // the message must name the planted file
    } cases[] = {
        {".g.gam.lock",
         [](const fs::path &dir) {
             GameLock lock;
             return lock.take(dir / "g.gam", dir / "state") == LockResult::Blocked ? lock.blockedText()
                                                                                   : std::string("taken");
         },
         true},
        {".g.gam.lock",
         [](const fs::path &dir) {
             return runHere(dir, {"reflow", "g.gam", "--from", "0"});
         },
         true},
        {".out.gam.lock",
         [](const fs::path &dir) {
             return runHere(dir, {"upgrade", "g.gam", "-o", "out.gam"});
         },
         true},
        {".out.gam.lock",
         [](const fs::path &dir) {
             return runHere(dir, {"record", "g.gam", "script.txt", "-o", "out.gam"});
         },
         true},
        {".g.gam.recovery",
         [&game](const fs::path &dir) {
             RecoveryCopy copy(dir / "g.gam", dir / "state");
             return copy.write(game) && copy.path().parent_path() == dir / "state" ? std::string() : "not kept";
         },
         false},
        {"g.gam.tmp-zzzzzz",
         [&game](const fs::path &dir) {
             return std::string(saveGame(game, (dir / "g.gam").string()) ? "" : "not saved");
         },
         false},
        {"live.json.tmp-zzzzzz",
         [](const fs::path &dir) {
             return std::string(writeLiveFiles(dir, {"{}", "<html>"}) && fs::exists(dir / "live.htm") ? ""
                                                                                                      : "not written");
         },
         false},
        {"state/recent-files",
         [](const fs::path &dir) {
             writeRecentFiles(recentFilesPath(dir / "state"), {{RecentKind::Game, dir / "g.gam", 1}});
             return std::string(readRecentFiles(recentFilesPath(dir / "state")).empty() ? "" : "read");
         },
         false},
        {"state/last-game",
         [](const fs::path &dir) {
             rememberLastGame(dir / "state", dir / "g.gam");
             return std::string(lastGame(dir / "state") ? "read" : "");
         },
         false},
    };
    for (const Planted kind : {Planted::Link, Planted::Pipe, Planted::Folder, Planted::Device}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " planted as kind " + std::to_string(static_cast<int>(kind)));
            const fs::path dir = freshDirectory("shared");
            fs::create_directory(dir / "state");
            ASSERT_TRUE(saveGame(game, (dir / "g.gam").string()));
            std::ofstream(dir / "script.txt") << "\n";
            const fs::path victim = dir / "notes.txt";
            std::ofstream(victim) << "the scorer's private notes";
            fs::permissions(victim, fs::perms::owner_read | fs::perms::owner_write);
            const fs::path planted = dir / c.name;
            if (!plant(kind, planted, victim)) {
                ASSERT_EQ(kind, Planted::Device) << "only a device may be beyond this system's rights";
                continue;
            }
            const fs::file_type plantedType = fs::symlink_status(planted).type();

            const int result = resultWithin(20, [&] {
                std::ofstream(dir / "message.txt") << c.act(dir);
                return 0;
            });
            ASSERT_EQ(result, 0) << "did not end";
            const std::string message = readText(dir / "message.txt");
            if (c.refused) {
                EXPECT_NE(message.find(c.name), std::string::npos) << message;
                if (message.starts_with("0 ") || message.starts_with("taken"))
                    ADD_FAILURE() << message;
            } else {
                EXPECT_EQ(message, "");
            }
            EXPECT_EQ(readText(victim), "the scorer's private notes");
            EXPECT_EQ(fs::status(victim).permissions() & fs::perms::all,
                      fs::perms::owner_read | fs::perms::owner_write);
            EXPECT_EQ(fs::symlink_status(planted).type(), plantedType) << "what was planted stays";
            fs::remove_all(dir);
        }
    }
}

// A lock left by a crashed laptop at the away game is taken only when asked.
TEST(SharedFolderTest, TakeOverLockTakesTheLockOfAnotherComputerOnlyWhenAsked)
{
    const struct {
        std::vector<std::string> args;
        const char *result;
    } cases[] = {
        {{"upgrade", "g.gam", "-o", "out.gam"},
         "1 yardmark-cli: game file out.gam is open in Football Yardmark of "
         "the user coach on the computer away-laptop"},
        {{"upgrade", "g.gam", "-o", "out.gam", "--take-over-lock"}, "0 "},
    };
    for (const auto &c : cases) {
        const fs::path dir = freshDirectory("takeover");
        Game game = newGame();
        ASSERT_TRUE(saveGame(game, (dir / "g.gam").string()));
        std::ofstream(dir / ".out.gam.lock") << lockText({4242, "away-laptop", "coach", "2026-09-04 19:00:00"});
        const int result = resultWithin(20, [&] {
            std::ofstream(dir / "message.txt") << runHere(dir, c.args);
            return 0;
        });
        ASSERT_EQ(result, 0);
        EXPECT_TRUE(readText(dir / "message.txt").starts_with(c.result)) << readText(dir / "message.txt");
        fs::remove_all(dir);
    }
}

} // namespace
} // namespace yardmark::testing
#endif
