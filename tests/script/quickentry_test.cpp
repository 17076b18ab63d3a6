#include "script/quickentry.h"

#include "records/gamefile.h"
#include "records/settings.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct LineCase {
    const char *line;
    const char *script; ///< the script line it stands for, or the error's start
};

// clang-format off
const LineCase kLines[] = {
    {"r 22 7", R"({"op":"rush","fields":{"rusher":"22","yards_made":"7"}})"},
    {"R 22 -3 t55 a90", R"({"op":"rush","fields":{"rusher":"22","yards_made":"-3","tackler":"55","assist":"90"}})"},
    {"r 22 at vg", R"({"op":"rush","fields":{"rusher":"22","final_spot":{"side":"visitor","yard":"G"}}})"},
    {"p 12>88 15", R"({"op":"pass","fields":{"quarterback":"12","receiver":"88","yards_made":"15"}})"},
    {"p inc 88", R"({"op":"pass","fields":{"receiver":"88","result":"incomplete"}})"},
    {"p sack 90 -7", R"({"op":"pass","fields":{"result":"sack","yards_made":"-7","tackler":"90"}})"},
    {"p int 24 at h30", R"({"op":"pass","fields":{"result":"interception","interceptor":"24","final_spot":{"side":"home","yard":"30"}}})"},
    {"ko 4 to v5 22 at v30", R"({"op":"kickoff","fields":{"result":"returned","kicker":"4","returner":"22","kicked_to":{"side":"visitor","yard":"5"},"final_spot":{"side":"visitor","yard":"30"}}})"},
    {"ko tb", R"({"op":"kickoff","fields":{"result":"touchback"}})"},
    {"ko onside+ at h45", R"({"op":"kickoff","fields":{"onside":"successful","final_spot":{"side":"home","yard":"45"}}})"},
    {"pu 9 to v30 fc", R"({"op":"punt","fields":{"result":"fair_catch","punter":"9","punted_to":{"side":"visitor","yard":"30"}}})"},
    {"fg 4 wl", R"({"op":"fieldgoal","fields":{"result":"wide_left","kicker":"4"}})"},
    {"ko 4 tb 22 keep=return", R"({"op":"kickoff","fields":{"result":"touchback","kicker":"4","returner":"22","keep":"return"}})"},
    {"fg 4 keep=result", "\"keep=result\" is for kickoffs and punts"},
    {"dp 7 on54", R"({"op":"defensive_penalty","fields":{"penalty":7,"penalty_on":"54"}})"},
    {"timeout v", R"({"op":"timeout","side":"visitor"})"},
    {"", "type a play"},
    {"run 22 7", "\"run\" is not a play"},
    {"r 22 7 9", "too many numbers"},
    {"r 22 to", "\"to\" needs a spot"},
    {"ko 4 7 9", "too many numbers"},
    {"fg 4 -3", "yards are given for rushes and passes"},
    {"op", "which penalty?"},
    {"r i24", "\"i24\": this play has no such player"},
    {"timeout", "whose time-out?"},
};
// clang-format on

class QuickLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(QuickLineTest, ReadsAsTheScriptLineOrSaysWhy)
{
    const LineCase &c = GetParam();
    const auto read = readQuickEntry(c.line);
    if (const auto *error = std::get_if<QuickEntryError>(&read)) {
        EXPECT_EQ(error->message.rfind(c.script, 0), 0u) << error->message;
        return;
    }
    EXPECT_EQ(std::get<Json>(read).dump(), c.script);
}

INSTANTIATE_TEST_SUITE_P(Lines, QuickLineTest, ::testing::ValuesIn(kLines));

Game league()
{
    Game game = newGame();
    game.info.homeTeamName = "Tigers";
    game.info.visitorTeamName = "Bears";
    game.homeTeam.players = {{"Adams", 7, 1, 0, 1}, {"Baker", 22, 6, 0, 1}, {"Kemp", 4, 22, 0, 1}};
    game.homeTeam.currentQuarterback = "Adams";
    game.visitorTeam.players = {{"Moss", 54, 0, 13, 2}, {"Nash", 90, 0, 15, 2}, {"Ortiz", 21, 0, 9, 2}};
    return game;
}

// The hint lists every player whose number starts with the digits typed, and
// says so when two players of one team wear the number: the line takes the first.
TEST(QuickEntryTest, TheHintShowsBothPlayersOfOneNumber)
{
    Game game = league();
    game.homeTeam.players.push_back({"Zeller", 22, 6, 0, 0});
    const struct {
        const char *digits;
        const char *hint;
    } cases[] = {
        {"22", "#22 Baker, #22 Zeller \x97 2 Tigers players wear #22: the line records the first"},
        {"2", "#22 Baker, #22 Zeller, #21 Ortiz"},
        {"9", "#90 Nash"},
        {"5", "#54 Moss"},
        {"8", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(quickEntryPlayerHint(game, c.digits), c.hint) << c.digits;
}

// The same drive as full script lines and as quick lines records the same game.
TEST(QuickEntryTest, ADriveByQuickLinesEqualsTheSameDriveByDialogFields)
{
    const char *opening = R"({"op":"open","answers":["home"],"kickoff":{"kicker":"4","result":"touchback"}})";
    const std::vector<std::pair<const char *, const char *>> drive{
        {R"({"op":"rush","fields":{"rusher":"22","yards_made":"7","tackler":"54"}})", "r 22 7 t54"},
        {R"({"op":"pass","answers":["yes"],"fields":{"receiver":"22","yards_made":"3"}})", "p 22 3"},
        {R"({"op":"pass","fields":{"receiver":"22","result":"incomplete"}})", "p inc 22"},
        {R"({"op":"defensive_penalty","fields":{"penalty":7,"penalty_on":"90"}})", "dp 7 on90"},
        {R"({"op":"timeout","side":"visitor"})", "timeout v"},
        {R"({"op":"rush","fields":{"rusher":"33","final_spot":{"side":"home","yard":"G"}}})", "r 33 at hg"},
    };
    Settings settings;
    setDefaults(settings);
    Game byFields = league();
    Game byQuickLines = league();
    ScriptRunner fields(byFields, settings);
    ScriptRunner quick(byQuickLines, settings);
    fields.runLine(Json::parse(opening));
    quick.runLine(Json::parse(opening));
    for (const auto &[full, line] : drive) {
        const Json script = Json::parse(full);
        fields.runLine(script);
        // The scorer answers the questions at the window; the script carries them.
        Json read = std::get<Json>(readQuickEntry(line));
        if (script.contains("answers"))
            read["answers"] = script["answers"];
        quick.runLine(read);
    }
    ASSERT_EQ(byFields.plays.size(), drive.size() + 1);
    EXPECT_EQ(encodeGame(byFields), encodeGame(byQuickLines));
    EXPECT_EQ(byFields.homeScore + byFields.visitorScore, 6);
}

// A kick whose result its return contradicts is refused until the line says
// which to keep; return yards without a returner are recorded as typed.
TEST(QuickEntryTest, AKickResultItsReturnContradictsWaitsForTheLineToKeepOne)
{
    const struct {
        const char *line;
        const char *refusal;
        KickResult recorded;
        int tackler;
    } cases[] = {
        {"pu 4 to v30 fc t7 at v38",
         "Fair Catch is checked, but a tackler and return yards are typed: say which to keep", KickResult::FairCatch,
         -1},
        {"pu 4 to v30 fc t7 at v38 keep=result", "", KickResult::FairCatch, -1},
        {"pu 4 tb 54 t7 keep=return", "", KickResult::Runback, 7},
        {"pu 4 to v30 at v38", "", KickResult::Runback, -1},
    };
    Settings settings;
    setDefaults(settings);
    for (const auto &c : cases) {
        Game game = league();
        ScriptRunner runner(game, settings);
        runner.runLine(
            Json::parse(R"({"op":"open","answers":["home"],"kickoff":{"kicker":"4","result":"touchback"}})"));
        const Json line = std::get<Json>(readQuickEntry(c.line));
        if (*c.refusal) {
            try {
                runner.runLine(line);
                ADD_FAILURE() << c.line << " was recorded";
            } catch (const ScriptError &e) {
                EXPECT_EQ(std::string(e.what()).rfind(c.refusal, 0), 0u) << e.what();
            }
            EXPECT_EQ(game.plays.size(), 1u) << c.line;
            continue;
        }
        runner.runLine(line);
        ASSERT_EQ(game.plays.size(), 2u) << c.line;
        EXPECT_EQ(game.plays.back().kickResult, code(c.recorded)) << c.line;
        EXPECT_EQ(game.plays.back().players[TacklerSlot].number, c.tackler) << c.line;
    }
}

} // namespace
} // namespace yardmark
