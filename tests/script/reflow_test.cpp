// A correction re-flowed gives the game the scorer would have recorded had he
// entered the play that way in the first place.
#include "gameflow/continuity.h"
#include "gameflow/reflow.h"
#include "script/scriptrunner.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>
#include <vector>

namespace yardmark::testing {
namespace {

Game tigersAndBears()
{
    Game game = newGame();
    game.info.homeTeamName = game.homeTeam.name = "Tigers";
    game.info.visitorTeamName = game.visitorTeam.name = "Bears";
    game.homeTeam.players = {PlayerRecord{"Al Runner", 22, 6, 0, 1}, PlayerRecord{"Bo Passer", 7, 1, 0, 1},
                             PlayerRecord{"Cy Kicker", 3, 2, 0, 1}};
    game.visitorTeam.players = {PlayerRecord{"Dan Tackler", 55, 0, 13, 2}, PlayerRecord{"Fox Kicker", 9, 2, 0, 1}};
    return game;
}

// A Tigers drive from a touchback to a punt, and a Bears rush. Play 0 is the kickoff.
const std::vector<std::string> kDrive{
    R"({"op":"open","answers":["visitor"],"kickoff":{"kicker":"9","result":"touchback"}})",
    R"({"op":"rush","fields":{"rusher":"22","yards_made":"3","tackler":"55"}})",
    R"({"op":"pass","fields":{"quarterback":"7","receiver":"22","yards_made":"6"}})",
    R"({"op":"defensive_penalty","fields":{"penalty":2,"penalty_on":"55"}})",
    R"({"op":"rush","fields":{"rusher":"22","yards_made":"4"}})",
    R"({"op":"pass","fields":{"quarterback":"7","receiver":"22","result":"incomplete"}})",
    R"({"op":"rush","fields":{"rusher":"22","yards_made":"2"}})",
    R"({"op":"punt","fields":{"punter":"3","result":"returned","punted_to":{"side":"visitor","yard":"20"},"final_spot":{"side":"visitor","yard":"28"}}})",
    R"({"op":"rush","fields":{"rusher":"55","yards_made":"3"}})",
};

Game record(const std::vector<std::string> &lines, std::vector<Json> *results = nullptr)
{
    Game game = tigersAndBears();
    const Settings settings;
    ScriptRunner runner(game, settings);
    for (const std::string &line : lines) {
        const Json result = runner.runLine(Json::parse(line));
        if (results)
            results->push_back(result);
    }
    return game;
}

/// What the scorer sees of a play's situation, its players and its type.
auto situationOf(const PlayRecord &p)
{
    return std::tie(p.homeHasBall, p.quarter, p.downBefore, p.downAfter, p.toGoBefore, p.toGoAfter, p.initialSpot,
                    p.finalSpot, p.firstDown, p.turnover, p.scoreType, p.players, p.playType);
}

struct OracleCase {
    const char *name;
    int index;
    std::string enteredOtherwise; ///< the play as the second game records it
    std::string edit;             ///< the fields of the first game's correction
};

TEST(ReflowTest, CorrectedAndReflowedIsWhatEnteringItSoWouldHaveRecorded)
{
    const std::vector<OracleCase> cases{
        {"rush", 1, R"({"op":"rush","fields":{"rusher":"22","yards_made":"5","tackler":"55"}})",
         R"({"final_spot":{"side":"home","yard":"25"}})"},
        {"pass", 2, R"({"op":"pass","fields":{"quarterback":"7","receiver":"22","yards_made":"12"}})",
         R"({"final_spot":{"side":"home","yard":"35"}})"},
        {"penalty", 3, R"({"op":"defensive_penalty","fields":{"penalty":2,"penalty_on":"55","yards":"15"}})",
         R"({"final_spot":{"side":"home","yard":"44"}})"},
        {"punt", 7,
         R"({"op":"punt","fields":{"punter":"3","result":"returned","punted_to":{"side":"visitor","yard":"10"},"final_spot":{"side":"visitor","yard":"15"}}})",
         R"({"middle_spot":{"side":"visitor","yard":"10"},"final_spot":{"side":"visitor","yard":"15"}})"},
    };
    const LeagueOptions league;
    for (const OracleCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> otherwise = kDrive;
        otherwise[static_cast<std::size_t>(c.index)] = c.enteredOtherwise;
        const Game expected = record(otherwise);
        EXPECT_TRUE(checkContinuity(expected, league).empty());

        std::vector<std::string> corrected = kDrive;
        const std::string index = std::to_string(c.index);
        corrected.push_back(R"({"op":"edit","index":)" + index + R"(,"fields":)" + c.edit + "}");
        const Game edited = record(corrected);
        const std::vector<ContinuityBreak> breaks = checkContinuity(edited, league);
        ASSERT_FALSE(breaks.empty());
        EXPECT_EQ(breaks.front().index, c.index + 1);

        std::vector<Json> results;
        corrected.push_back(R"({"op":"reflow","from":)" + index + "}");
        const Game reflowed = record(corrected, &results);
        EXPECT_GT(results.back()["reflow"]["changed"].get<int>(), 0);
        EXPECT_TRUE(results.back()["reflow"]["kept"].empty()) << results.back().dump();
        EXPECT_TRUE(checkContinuity(reflowed, league).empty());
        ASSERT_EQ(reflowed.plays.size(), expected.plays.size());
        for (std::size_t i = static_cast<std::size_t>(c.index) + 1; i < expected.plays.size(); ++i)
            EXPECT_EQ(situationOf(reflowed.plays[i]), situationOf(expected.plays[i])) << "play " << i;
    }
}

TEST(ReflowTest, DamagedPlaysAndHandJumpsAreListedAndLeftAsRecorded)
{
    const LeagueOptions league;
    Game game = record(kDrive);
    game.plays[1].finalSpot.yardLine += 2;                            // the first rush corrected by hand, nothing else
    game.plays[4].quarter = std::numeric_limits<std::int32_t>::min(); // damaged
    game.plays[6].initialSpot.yardLine += 1;                          // Ball On moved by the scorer before the rush
    game.plays[6].finalSpot.yardLine += 1;
    game.plays[7].initialSpot.yardLine += 1;
    const std::vector<ContinuityBreak> breaks = checkContinuity(game, league);
    ASSERT_GE(breaks.size(), 3u);
    EXPECT_EQ(breaks[0].index, 2);
    EXPECT_EQ(breaks[0].field, "spot");
    EXPECT_EQ(breakLine(breaks[0]), "play 3: spot is Tigers 23, Tigers 25 follows - does not follow from play 2 "
                                    "(Ball On set by hand, or a play changed before it)");

    const std::vector<PlayRecord> recorded = game.plays;
    const ReflowResult result = reflowPlays(game, 1, league);
    ASSERT_EQ(result.kept.size(), 2u);
    EXPECT_EQ(reflowNoteLine(result.kept[0]), "play 5: damaged: quarter -2147483648 out of range; left as recorded");
    EXPECT_EQ(result.kept[1].index, 6);
    EXPECT_EQ(game.plays[4], recorded[4]);
    EXPECT_EQ(game.plays[6].initialSpot, recorded[6].initialSpot);
    EXPECT_EQ(game.plays[2].initialSpot.yardLine, recorded[2].initialSpot.yardLine + 2);
}

TEST(ReflowTest, AMissedFieldGoalRecordedUnderTheOldDownIsNamedAndMended)
{
    const LeagueOptions league;
    // The Tigers miss from where the drive stalls; the older rule left the
    // Bears the kicking team's down and distance, which the scorer followed.
    std::vector<std::string> lines(kDrive.begin(), kDrive.begin() + 7);
    lines.push_back(R"({"op":"fieldgoal","fields":{"kicker":"3","result":"wide_left"}})");
    const PlayRecord kick = record(lines).plays.back();
    ASSERT_NE(kick.downAfter, 0);
    for (int i = 0; i < kick.downAfter; ++i)
        lines.push_back(R"({"op":"down_up"})");
    lines.push_back(R"({"op":"to_go","fields":{"value":")" + std::to_string(kick.toGoAfter) + R"("}})");
    lines.push_back(R"({"op":"rush","fields":{"rusher":"55","yards_made":"15"}})");
    lines.push_back(R"({"op":"rush","fields":{"rusher":"55","yards_made":"2"}})");
    Game game = record(lines);

    const std::vector<ContinuityBreak> breaks = checkContinuity(game, league);
    ASSERT_EQ(breaks.size(), 1u);
    EXPECT_EQ(breakLine(breaks[0]), "play 9: down and to go is 4th and " + std::to_string(kick.toGoAfter) +
                                        ", 1st and 10 follows - after a missed field goal the defense has 1st "
                                        "and 10; recorded by an older version: edit play 8 and re-flow");
    const ReflowResult result = reflowPlays(game, 7, league);
    EXPECT_TRUE(result.kept.empty());
    EXPECT_EQ(result.changed, 1);
    EXPECT_TRUE(checkContinuity(game, league).empty());
}

} // namespace
} // namespace yardmark::testing
