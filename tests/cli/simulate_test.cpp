#include "clirunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace yardmark::testing {
namespace {

TEST(SimulateCommandTest, ASeedGivesTheSameSeasonEveryTime)
{
    const auto dir = freshDirectory("simulate-command");
    const CliRun first = runCliBinary({"simulate", "--seed", "9", "--games", "2", "--out", "a"}, dir);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const CliRun second = runCliBinary({"simulate", "--seed", "9", "--games", "2", "--out", "b"}, dir);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(first.out, second.out);
    std::size_t files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir / "a")) {
        EXPECT_EQ(readText(entry.path()), readText(dir / "b" / entry.path().filename())) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 11u); // eight teams, two games and their schedule
    const CliRun other = runCliBinary({"simulate", "--seed", "10", "--games", "2", "--out", "c"}, dir);
    ASSERT_EQ(other.exitCode, 0);
    const std::string game = first.out.substr(first.out.rfind('\n', first.out.size() - 2) + 1);
    EXPECT_NE(readText(dir / "a" / game.substr(0, game.size() - 1)),
              readText(dir / "c" / game.substr(0, game.size() - 1)));

    // The games read as any recorded game does.
    const CliRun narrate = runCliBinary({"narrate", "a/" + game.substr(0, game.size() - 1)}, dir);
    EXPECT_EQ(narrate.exitCode, 0) << narrate.err;
    EXPECT_GT(std::count(narrate.out.begin(), narrate.out.end(), '\n'), 100);
}

TEST(SimulateCommandTest, UsageAndWriteErrors)
{
    const auto dir = freshDirectory("simulate-errors");
    EXPECT_EQ(runCliBinary({"simulate", "--seed", "1"}, dir).exitCode, 2);
    EXPECT_EQ(runCliBinary({"simulate", "--games", "-1", "--out", "x"}, dir).exitCode, 2);
    EXPECT_EQ(runCliBinary({"simulate", "--seed", "many", "--out", "x"}, dir).exitCode, 2);
    std::ofstream(dir / "file") << "not a directory";
    const CliRun blocked = runCliBinary({"simulate", "--games", "1", "--out", "file"}, dir);
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_EQ(blocked.err, "yardmark-cli: cannot create directory file\n");
}

} // namespace
} // namespace yardmark::testing
