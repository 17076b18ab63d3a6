#include "clirunner.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/settingsfile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace yardmark::testing {
namespace {

// A short game: the opening kickoff and one rush, with an accented name.
Game sampleGame()
{
    Game game = newGame();
    game.info.homeTeamName = "Lions";
    game.info.visitorTeamName = "Bears";
    game.homeTeam.name = "Lions";
    game.visitorTeam.name = "Bears";
    game.homeTeam.players = {PlayerRecord{"Jos\xE9 N\xFA\xF1"
                                          "ez",
                                          12, 1, 0, 1}};
    PlayRecord kickoff;
    kickoff.playType = 4;
    kickoff.homeHasBall = true;
    kickoff.kickResult = 3;
    kickoff.initialSpot = {35, true};
    kickoff.receivedAt = {0, false};
    kickoff.finalSpot = {20, false};
    kickoff.players[0] = game.homeTeam.players[0];
    PlayRecord rush;
    rush.playType = 1;
    rush.homeHasBall = false;
    rush.initialSpot = {20, false};
    rush.finalSpot = {26, false};
    rush.toGoBefore = 10;
    rush.toGoAfter = 4;
    rush.downAfter = 1;
    game.plays = {kickoff, rush};
    game.homeScore = 3;
    return game;
}

class GameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Game game = sampleGame();
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
    }

    std::filesystem::path dir;
};

TEST_F(GameCommandsTest, NarrateWritesOneLinePerPlay)
{
    const CliRun run = runCliBinary({"narrate", "game.gam"}, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::size_t lines = static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n'));
    EXPECT_EQ(lines, 2u);
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.rfind("1st Q, V, 1st D", 0), std::string::npos); // the kickoff comes first
    EXPECT_NE(run.out.find("\n1st Q, V, 1st D"), std::string::npos);

    // -o writes the same text to a file and nothing to standard output.
    const CliRun toFile = runCliBinary({"narrate", "game.gam", "-o", "plays.txt"}, dir);
    EXPECT_EQ(toFile.exitCode, 0);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(readText(dir / "plays.txt"), run.out);
}

// The lines are the play list's: team names from the game information, names
// passed through byte for byte, yardages on the field of the league options
// found in the start directory.
TEST_F(GameCommandsTest, NarrateGivesThePlayListLinesOnTheLeaguesField)
{
    Game game = sampleGame();
    PlayRecord pass;
    pass.playType = 2;
    pass.homeHasBall = true;
    pass.quarter = 1;
    pass.downBefore = 2;
    pass.passResult = 1;
    pass.firstDown = 1;
    pass.initialSpot = {20, true};
    pass.finalSpot = {20, false};
    pass.players[0].name = "Smith";
    pass.players[1].name = "Jones";
    game.plays.push_back(pass);
    ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
    const std::string firstLines = "1st Q, H, Jos\xE9 N\xFA\xF1"
                                   "ez kicks off for Lions\n"
                                   "1st Q, V, 1st D,  rushes for 6\n";

    const CliRun outdoor = runCliBinary({"narrate", "game.gam"}, dir);
    ASSERT_EQ(outdoor.exitCode, 0) << outdoor.err;
    EXPECT_EQ(outdoor.out, firstLines + "2nd Q, H, 3rd D, Smith passes to Jones for 60, 1st Down\n");

    Settings indoor;
    setDefaults(indoor);
    indoor.league.indoorField = true;
    ASSERT_TRUE(writeSettings(dir / "yardmark.ini", indoor));
    const CliRun run = runCliBinary({"narrate", "game.gam"}, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, firstLines + "2nd Q, H, 3rd D, Smith passes to Jones for 10, 1st Down\n");
}

TEST_F(GameCommandsTest, ShowGivesEveryFieldByNameInUtf8)
{
    const CliRun run = runCliBinary({"show", "game.gam"}, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["info"]["homeTeamName"], "Lions");
    EXPECT_EQ(json["info"]["reserved4"], 0);
    EXPECT_EQ(json["homeTeam"]["players"][0]["name"], "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
                                                      "ez");
    EXPECT_EQ(json["homeTeam"]["players"][0]["number"], 12);
    EXPECT_EQ(json["plays"].size(), 2u);
    EXPECT_EQ(json["plays"][1]["finalSpot"]["yardLine"], 26);
    EXPECT_EQ(json["plays"][1]["finalSpot"]["homeSide"], 0);
    EXPECT_EQ(json["plays"][0]["fumbleRecoveredByHome"], nlohmann::json::parse("[1,1,1]"));
    EXPECT_EQ(json["plays"][0]["players"].size(), 8u);
    EXPECT_EQ(json["plays"][0]["players"][0]["starterStatus"], 1);
    EXPECT_EQ(json["homeScore"], 3);
    EXPECT_EQ(json["isNewGame"], 0); // a loaded game is not new
    EXPECT_TRUE(json.contains("savedBallSpot"));
}

TEST_F(GameCommandsTest, UpgradeWritesTheCurrentLayout)
{
    const CliRun run = runCliBinary({"upgrade", "game.gam", "-o", "new.gam"}, dir);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The converted file is what saving the loaded game writes.
    Game loaded;
    ASSERT_TRUE(loadGame(loaded, (dir / "game.gam").string()));
    ASSERT_TRUE(saveGame(loaded, (dir / "expected.gam").string()));
    EXPECT_TRUE(readText(dir / "new.gam") == readText(dir / "expected.gam"));
    EXPECT_EQ(runCliBinary({"upgrade", "game.gam"}, dir).exitCode, 2); // -o is required
}

// A game the program has open is not written behind its back: every command
// that writes a game says where it is open and leaves the file as it was.
TEST_F(GameCommandsTest, AGameOpenInTheProgramIsNotWritten)
{
    const std::string before = readText(dir / "game.gam");
    std::ofstream(dir / "script.jsonl") << R"({"op":"timeout","side":"right"})" << '\n';
    GameLock program; // this test's process plays the program
    ASSERT_EQ(program.take(dir / "game.gam", {}), LockResult::Taken);
    const std::vector<std::vector<std::string>> writers{
        {"upgrade", "game.gam", "-o", "game.gam"},
        {"reflow", "game.gam", "--from", "0"},
        {"record", "game.gam", "script.jsonl"},
    };
    for (const auto &args : writers) {
        SCOPED_TRACE(args[0]);
        const CliRun run = runCliBinary(args, dir);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("game.gam is open in another Football Yardmark window on this computer (process " +
                               std::to_string(thisProgram().processId)),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(readText(dir / "game.gam"), before);
    }
    program.release();
    EXPECT_EQ(runCliBinary({"upgrade", "game.gam", "-o", "game.gam"}, dir).exitCode, 0);
    EXPECT_FALSE(std::filesystem::exists(lockPathFor(dir / "game.gam")));
}

TEST_F(GameCommandsTest, DamagedOrMissingGameExitsWithOneAndWritesNothing)
{
    const std::string bytes = readText(dir / "game.gam");
    std::ofstream(dir / "cut.gam", std::ios::binary) << bytes.substr(0, bytes.size() - 30);
    for (const char *command : {"narrate", "show"}) {
        for (const char *file : {"cut.gam", "missing.gam"}) {
            const CliRun run = runCliBinary({command, file, "-o", "out.txt"}, dir);
            EXPECT_EQ(run.exitCode, 1) << command << ' ' << file;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
            EXPECT_NE(run.err.find(file), std::string::npos);
            EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
        }
    }
    const CliRun upgrade = runCliBinary({"upgrade", "cut.gam", "-o", "new.gam"}, dir);
    EXPECT_EQ(upgrade.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "new.gam"));
}

TEST_F(GameCommandsTest, CheckListsWhatReflowMendsAndTellsByItsExitCode)
{
    Game game = sampleGame();
    PlayRecord pass; // an incompletion snapped at the Bears' 30, where the rush had left the ball at the 26
    pass.playType = 2;
    pass.passResult = 2;
    pass.homeHasBall = false;
    pass.initialSpot = pass.finalSpot = {30, false};
    pass.receivedAt = {0, false};
    pass.downBefore = 1;
    pass.downAfter = 2;
    pass.toGoBefore = pass.toGoAfter = 4;
    game.plays.push_back(pass);
    ASSERT_TRUE(saveGame(game, (dir / "broken.gam").string()));

    const CliRun text = runCliBinary({"check", "broken.gam"}, dir);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out, "play 3: spot is Bears 30, Bears 26 follows - does not follow from play 2 "
                        "(Ball On set by hand, or a play changed before it)\n");
    const CliRun json = runCliBinary({"check", "broken.gam", "--format", "json"}, dir);
    EXPECT_EQ(json.exitCode, 1);
    const nlohmann::json list = nlohmann::json::parse(json.out);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]["index"], 2);
    EXPECT_EQ(list[0]["field"], "spot");
    EXPECT_EQ(list[0]["expected"], "Bears 26");

    const CliRun reflow = runCliBinary({"reflow", "broken.gam", "--from", "1", "-o", "mended.gam"}, dir);
    EXPECT_EQ(reflow.exitCode, 0) << reflow.err;
    EXPECT_EQ(reflow.out, "1 later plays re-flowed\n");
    EXPECT_EQ(runCliBinary({"check", "mended.gam"}, dir).exitCode, 0);
    EXPECT_EQ(runCliBinary({"check", "broken.gam"}, dir).exitCode, 1); // -o leaves the game as it was
    EXPECT_EQ(runCliBinary({"reflow", "broken.gam", "--from", "3"}, dir).exitCode, 2);

    std::ofstream(dir / "cut.gam", std::ios::binary) << readText(dir / "broken.gam").substr(0, 40);
    EXPECT_EQ(runCliBinary({"check", "cut.gam"}, dir).exitCode, 2);
    EXPECT_EQ(runCliBinary({"check", "missing.gam", "--format", "json"}, dir).exitCode, 2);
}

} // namespace
} // namespace yardmark::testing
