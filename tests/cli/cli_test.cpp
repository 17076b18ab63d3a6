#include "clirunner.h"

#include <gtest/gtest.h>

namespace yardmark::testing {
namespace {

TEST(CliTest, HelpSucceedsOnStandardOutput)
{
    const auto dir = freshDirectory("help");
    const CliRun run = runCliBinary({"--help"}, dir);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("yardmark-cli"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(CliTest, UsageErrorsExitWithTwo)
{
    const auto dir = freshDirectory("usage");
    const std::vector<std::vector<std::string>> cases = {
        {}, {"no-such-command"}, {"narrate"}, {"narrate", "a.gam", "b.gam"}, {"--no-such-option", "narrate", "a.gam"},
    };
    for (const auto &args : cases) {
        const CliRun run = runCliBinary(args, dir);
        EXPECT_EQ(run.exitCode, 2) << (args.empty() ? "(nothing)" : args[0]);
        EXPECT_NE(run.err, "");
    }
}

TEST(CliTest, MissingSettingsFileIsAnInputError)
{
    const auto dir = freshDirectory("settings");
    const CliRun run = runCliBinary({"--settings", "missing.ini", "narrate", "missing.gam"}, dir);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("missing.ini"), std::string::npos);
}

} // namespace
} // namespace yardmark::testing
