#include "base/atomicfile.h"
#include "clirunner.h"
#include "records/gamefile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace yardmark::testing {
namespace {

using Json = nlohmann::json;

// A new game between the Tigers (home) and the Bears, each with a few players.
Game newTigersBears()
{
    Game game = newGame();
    game.info.homeTeamName = game.homeTeam.name = "Tigers";
    game.info.visitorTeamName = game.visitorTeam.name = "Bears";
    game.homeTeam.players = {PlayerRecord{"Al Runner", 22, 6, 0, 1}, PlayerRecord{"Bo Passer", 7, 1, 0, 1},
                             PlayerRecord{"Cy Kicker", 3, 2, 0, 1}, PlayerRecord{"Ed Twin", 22, 20, 0, 0}};
    game.visitorTeam.players = {PlayerRecord{"Dan Tackler", 55, 0, 13, 2}, PlayerRecord{"Fox Kicker", 9, 2, 0, 1}};
    return game;
}

std::vector<Json> jsonLines(const std::string &text)
{
    std::vector<Json> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(Json::parse(line));
    return lines;
}

Json spotJson(int yard, int homeSide)
{
    return Json{{"yardLine", yard}, {"homeSide", homeSide}};
}

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDirectory(std::string("record-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        game = newTigersBears();
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
        original = readText(dir / "game.gam");
    }

    /// Runs `record` on the script's lines; extra arguments follow.
    CliRun record(const std::vector<std::string> &lines, std::vector<std::string> extra = {})
    {
        std::ofstream script(dir / "script.jsonl", std::ios::binary);
        for (const std::string &line : lines)
            script << line << '\n';
        script.close();
        std::vector<std::string> args{"record", "game.gam", "script.jsonl"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runCliBinary(args, dir);
    }

    Game saved(const std::string &name = "game.gam")
    {
        Game loaded;
        EXPECT_TRUE(loadGame(loaded, (dir / name).string()));
        return loaded;
    }

    std::filesystem::path dir;
    Game game;
    std::string original;
};

// The Bears kick off to the Tigers, a touchback: the opening line carries both answers.
const std::string kOpenVisitorKicks =
    R"({"op":"open","answers":["visitor"],"kickoff":{"kicker":"9","result":"touchback"},)"
    R"("time":{"minutes":"15","seconds":"0"}})";

TEST_F(RecordTest, OpeningLineAnswersWhoKicksOffAndFillsTheKickoff)
{
    const CliRun run = record({kOpenVisitorKicks});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    const Json &after = lines[0];
    EXPECT_EQ(after["plays"], 1);
    EXPECT_EQ(after["quarter"], 0);
    EXPECT_EQ(after["down"], 0);
    EXPECT_EQ(after["toGo"], 10);
    EXPECT_EQ(after["homeHasBall"], 1);
    EXPECT_EQ(after["ballSpot"], spotJson(20, 1));
    EXPECT_EQ(after["kickoffPending"], 0);
    EXPECT_EQ(after["labels"], Json::array({"&Field Goal", "&Rush", "&Pass"}));
    ASSERT_GE(after["asked"].size(), 2u);
    EXPECT_EQ(after["asked"][0], (Json{{"caption", "Who Kicks Off in First Half?"}, {"text", ""}}));
    EXPECT_EQ(after["asked"].back(), (Json{{"caption", "Record Time"}, {"text", ""}}));
    EXPECT_EQ(after["sounds"][0], 601);

    // The game was saved at the end of the script, with the clock the line gave.
    const Game recorded = saved();
    ASSERT_EQ(recorded.plays.size(), 1u);
    EXPECT_EQ(recorded.plays[0].clockMinutes, 15);
    EXPECT_FALSE(recorded.plays[0].homeHasBall);
}

TEST_F(RecordTest, WithoutAnOpeningLineTheKickoffQuestionIsCancelled)
{
    const CliRun run = record({R"({"op":"timeout","side":"right"})"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    // Only the time-out's own sound; the opening's question belongs to no line.
    EXPECT_EQ(lines[0]["asked"], Json::array());
    EXPECT_EQ(lines[0]["sounds"], Json::array({603}));
    EXPECT_EQ(lines[0]["kickoffPending"], 0);
    EXPECT_EQ(lines[0]["plays"], 1);
    EXPECT_EQ(saved().plays.at(0).playType, 11); // the visitor stands in the right column
}

TEST_F(RecordTest, DrivesToATouchdownAndTheTry)
{
    const CliRun run = record({
        kOpenVisitorKicks,
        R"({"op":"rush","fields":{"rusher":"7","yards_made":"15","tackler":"55"}})",
        R"({"op":"pass","fields":{"quarterback":"7","receiver":{"number":"22","pick":"Ed Twin"},)"
        R"("reception_spot":{"side":"visitor","yard":"10"},"final_spot":{"side":"visitor","yard":"G"}}})",
        R"({"op":"fieldgoal","fields":{"kicker":"3"}})",
    });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1]["ballSpot"], spotJson(35, 1));
    EXPECT_EQ(lines[1]["down"], 0); // a first down
    EXPECT_EQ(lines[2]["homeScore"], 6);
    EXPECT_EQ(lines[2]["tryPending"], 1);
    EXPECT_EQ(lines[2]["labels"], Json::array({"E&xtra Point", "PAT &Rush", "PAT &Pass"}));
    EXPECT_EQ(lines[3]["homeScore"], 7);
    EXPECT_EQ(lines[3]["kickoffPending"], 1);

    // "pick" chose the second of the two players wearing 22.
    const Game recorded = saved();
    ASSERT_EQ(recorded.plays.size(), 4u);
    EXPECT_EQ(recorded.plays[2].players[1].name, "Ed Twin");
    EXPECT_EQ(recorded.plays[1].players[2].name, "Dan Tackler");
}

TEST_F(RecordTest, CorrectionsAndArrowsReachTheSituation)
{
    const CliRun run = record({
        kOpenVisitorKicks,
        R"({"op":"ball_on","fields":{"side":"visitor","yard":"40"}})",
        R"({"op":"to_go","fields":{"value":"7"}})",
        R"({"op":"down_up"})",
        R"({"op":"down_down"})",
        R"({"op":"down_down"})",
        R"({"op":"swap_sides"})",
        R"({"op":"team","side":"left"})",
        R"({"op":"to_go","fields":{"value":"3"},"cancel":true})",
    });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1]["ballSpot"], spotJson(40, 0));
    EXPECT_EQ(lines[2]["toGo"], 7);
    EXPECT_EQ(lines[3]["down"], 1);
    EXPECT_EQ(lines[5]["down"], 0); // never below the 1st down
    EXPECT_EQ(lines[6]["homeOnLeft"], 0);
    EXPECT_EQ(lines[7]["homeHasBall"], 0); // the visitor now stands on the left
    EXPECT_EQ(lines[8]["toGo"], 7);
    EXPECT_EQ(lines[8]["sounds"], Json::array({601}));
}

TEST_F(RecordTest, PlayListCommandsTakeTheirIndexAndAnswers)
{
    const CliRun run = record({
        kOpenVisitorKicks,
        R"({"op":"timeout","side":"left"})",
        R"({"op":"edit","index":-1})",
        R"({"op":"insert","index":0,"kind":"visitor_timeout","answers":["no"]})",
        R"({"op":"delete","index":1,"answers":["no"]})",
        R"({"op":"delete","index":2,"answers":["yes"]})",
        R"({"op":"edit","index":0,"fields":{"minutes":"12","seconds":"30"}})",
    });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2]["asked"], Json::array({Json{{"caption", "No Play Selected"}, {"text", "Select Play to Edit"}}}));
    EXPECT_EQ(lines[3]["plays"], 3);
    EXPECT_EQ(lines[4]["plays"], 3);
    EXPECT_EQ(lines[5]["plays"], 2);
    const Game recorded = saved();
    ASSERT_EQ(recorded.plays.size(), 2u);
    EXPECT_EQ(recorded.plays[1].playType, 11); // the inserted visitor time-out stays
    EXPECT_EQ(recorded.plays[0].clockMinutes, 12);
    EXPECT_EQ(recorded.plays[0].clockSeconds, 30);
}

TEST_F(RecordTest, EditPlayWorksItsPlayerRowsAndFumbles)
{
    const CliRun run = record({
        kOpenVisitorKicks,
        R"({"op":"rush","fields":{"rusher":"7","yards_made":"4"}})",
        R"({"op":"edit","index":1,"fields":{"players":["7",{"number":"22","pick":"Ed Twin"}],)"
        R"("fumbles":[{"recovered_by":"visitor","recoverer":"55","recovered_at":{"side":"home","yard":"24"}}]}})",
    });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Game recorded = saved();
    ASSERT_EQ(recorded.plays.size(), 2u);
    const PlayRecord &rush = recorded.plays[1];
    EXPECT_EQ(rush.players[0].name, "Bo Passer");
    EXPECT_EQ(rush.players[1].name, "Ed Twin");
    EXPECT_EQ(rush.fumbles[0], 1); // recovered by the defense
    EXPECT_EQ(rush.players[5].name, "Dan Tackler");
    EXPECT_EQ(rush.turnover, 1);
}

TEST_F(RecordTest, ARecoveryWithoutItsSpotIsToldAndTheDialogCancelled)
{
    const CliRun run = record({
        kOpenVisitorKicks,
        R"({"op":"rush","fields":{"rusher":"22","yards_made":"3",)"
        R"("fumbles":[{"recovered_by":"visitor","recovered_at":{"side":null,"yard":""}}]}})",
    });
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]["plays"], 1);
    const Json told{{"caption", "Recovered At?"}, {"text", "Must Enter Where Recovery was Made"}};
    EXPECT_NE(std::find(lines[1]["asked"].begin(), lines[1]["asked"].end(), told), lines[1]["asked"].end());
}

TEST_F(RecordTest, OutputFileIsACopyTheScriptWorksOn)
{
    const CliRun run = record({kOpenVisitorKicks, R"({"op":"timeout","side":"left"})"}, {"-o", "out.gam"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readText(dir / "game.gam"), original);
    EXPECT_EQ(saved("out.gam").plays.size(), 2u);

    // "reload" reads the output file back: its last save, not the game file.
    const CliRun reload = record({R"({"op":"timeout","side":"left"})", R"({"op":"reload"})"}, {"-o", "out.gam"});
    ASSERT_EQ(reload.exitCode, 0) << reload.err;
    const std::vector<Json> lines = jsonLines(reload.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["plays"], 1);
    EXPECT_EQ(lines[1]["plays"], 0);
}

TEST_F(RecordTest, AClosingQuitDecidesTheSaving)
{
    struct Case {
        const char *answer;
        bool saves;
    };
    for (const Case &c : {Case{"no", false}, Case{"yes", true}, Case{"cancel", false}}) {
        ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
        const CliRun run = record(
            {R"({"op":"timeout","side":"left"})", std::string(R"({"op":"quit","answers":[")") + c.answer + R"("]})"});
        ASSERT_EQ(run.exitCode, 0) << c.answer << run.err;
        const std::vector<Json> lines = jsonLines(run.out);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[1]["asked"], Json::array({Json{{"caption", "Save Game?"}, {"text", "Save changes to game?"}}}));
        EXPECT_EQ(saved().plays.size(), c.saves ? 1u : 0u) << c.answer;
    }
}

TEST_F(RecordTest, AnInvalidLineStopsNamingItAndWritesNothing)
{
    struct Case {
        std::vector<std::string> lines;
        std::string message;
    };
    const std::vector<Case> cases{
        {{R"({"op":"timeout","side":"left"})", R"({"op":"jump"})"}, "script.jsonl line 2: unknown op \"jump\""},
        {{R"({"op":"timeout","side":"up"})"},
         "script.jsonl line 1: \"side\" must be \"left\", \"right\", \"home\" or \"visitor\""},
        {{"", R"({"op":"timeout")"}, "script.jsonl line 2: not a valid JSON object"},
        {{R"({"op":"edit","index":38e543})"}, "script.jsonl line 1: a number too large to read"},
        {{"", std::string(10'000'000, '[')}, "script.jsonl line 2: a line longer than 65536 bytes"},
        {{R"({"op":"swap_sides","x":[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]})"},
         "script.jsonl line 1: nested deeper than 16 levels"},
        {{"r 22 7 9"}, "script.jsonl line 1: too many numbers"},
        {{R"(["open"])"}, "script.jsonl line 1: a script line must be a JSON object"},
        {{R"({"op":"swap_sides","colour":"red"})"}, "script.jsonl line 1: unknown key \"colour\""},
        {{R"({"op":"swap_sides"})", R"({"op":"open"})"}, "script.jsonl line 2: \"open\" can only be the first line"},
        {{R"({"op":"open","answers":["yes"]})"}, "script.jsonl line 1: the answer \"yes\" does not fit"},
        {{R"({"op":"timeout","side":"left"})", R"({"op":"delete","index":0,"answers":["ok"]})"},
         "script.jsonl line 2: the answer \"ok\" does not fit"},
        {{R"({"op":"edit"})"}, "script.jsonl line 1: \"index\" must be a whole number"},
        {{R"({"op":"insert","index":0})"}, "script.jsonl line 1: \"kind\" must be given as text"},
        {{R"({"op":"rush","fields":{"rusher":{"pick":"Nobody"}}})"}, "script.jsonl line 1: \"rusher\": no player"},
        {{R"({"op":"rush","fields":{"kicker":"3"}})"}, "script.jsonl line 1: this dialog has no field \"kicker\""},
        {{R"({"op":"pass","fields":{"result":"lateral"}})"}, "script.jsonl line 1: \"result\" must be one of"},
        {{R"({"op":"ball_on","fields":{"side":"left"}})"}, "script.jsonl line 1: \"fields.side\" must be"},
        {{R"({"op":"quit","answers":["no"]})", R"({"op":"swap_sides"})"},
         "script.jsonl line 2: the game window has been closed"},
    };
    for (const Case &c : cases) {
        const CliRun run = record(c.lines, {"-o", "out.gam"});
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_EQ(run.err.rfind("yardmark-cli: " + c.message, 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.gam")) << c.message;
        EXPECT_EQ(readText(dir / "game.gam"), original) << c.message;
    }
}

TEST_F(RecordTest, UnreadableInputsAndUsageErrors)
{
    std::ofstream(dir / "damaged.gam", std::ios::binary) << std::string("\xff\xff\xff\xff\x14\0\0\0", 8);
    std::ofstream(dir / "script.jsonl") << R"({"op":"swap_sides"})" << '\n';
    const CliRun damaged = runCliBinary({"record", "damaged.gam", "script.jsonl"}, dir);
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_EQ(damaged.err, "yardmark-cli: game file damaged.gam is damaged\n");

    const CliRun noScript = runCliBinary({"record", "game.gam", "missing.jsonl"}, dir);
    EXPECT_EQ(noScript.exitCode, 1);
    EXPECT_EQ(noScript.err, "yardmark-cli: cannot read script file missing.jsonl\n");
    EXPECT_EQ(readText(dir / "game.gam"), original);

    EXPECT_EQ(runCliBinary({"record", "game.gam"}, dir).exitCode, 2);
    const CliRun help = runCliBinary({"record", "--help"}, dir);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("SCRIPT"), std::string::npos);
}

// The example game of the scoring script guide runs as the guide tells.
TEST_F(RecordTest, TheGuidesExampleGameRuns)
{
    const auto sourceRoot = std::filesystem::path(YARDMARK_TEST_DATA).parent_path().parent_path().parent_path();
    const std::string guide = readText(sourceRoot / "docs" / "scoring-scripts.md");
    const std::size_t start = guide.find("```jsonl\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = guide.find("```", start + 9);
    std::vector<std::string> script;
    std::istringstream block(guide.substr(start + 9, end - start - 9));
    for (std::string line; std::getline(block, line);)
        script.push_back(line);
    ASSERT_EQ(script.size(), 13u);

    game.homeTeam.players = {PlayerRecord{"Al Runner", 22, 6, 0, 1}, PlayerRecord{"Bo Passer", 7, 1, 0, 1},
                             PlayerRecord{"Cy Kicker", 3, 2, 0, 1}, PlayerRecord{"Max Backer", 55, 0, 13, 2},
                             PlayerRecord{"Rex Wide", 81, 20, 0, 1}};
    game.visitorTeam.players = {PlayerRecord{"Dan Tackler", 55, 0, 13, 2}, PlayerRecord{"Fox Kicker", 9, 2, 0, 1},
                                PlayerRecord{"Lee Back", 30, 6, 0, 1}};
    ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
    const CliRun run = record(script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<Json> lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[5]["homeScore"], 7);
    EXPECT_EQ(lines[7]["homeHasBall"], 1); // the fumble was lost
    EXPECT_EQ(lines[10]["down"], 1);
    EXPECT_EQ(lines[12]["homeScore"], 10);
    EXPECT_EQ(lines[12]["visitorScore"], 0);
    const Game recorded = saved();
    EXPECT_EQ(recorded.plays.size(), 11u);
    EXPECT_EQ(recorded.homeScore, 10);
}

} // namespace
} // namespace yardmark::testing
