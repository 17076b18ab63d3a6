#include "live/livefeed.h"
#include "season/seasontodate.h"
#include "simulate/simulator.h"
#include "stats/individualstats.h"
#include "support/tempfolder.h"

#include "base/text.h"
#include "records/gamefile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace yardmark {
namespace {

using Json = nlohmann::ordered_json;

/// What `players` gives for a team over some game files.
Stat playersStat(const std::string &team, const std::vector<std::string> &paths)
{
    Stat stat;
    stat.teamName = team;
    stat.gamePaths = paths;
    accumulateIndividualStats(stat, false, Settings{}.league);
    return stat;
}

/// The contract fields of a player in `stat`; zero where he has no line.
Json playersFigures(const Stat &stat, const std::string &name)
{
    const auto value = [&name](const auto &list, auto field) {
        for (const auto &line : list.lines())
            if (!line.teamTotals && line.name == name)
                return line.*field;
        return 0;
    };
    return Json{{"rushingYards", value(stat.rushers, &RusherLine::net)},
                {"passingYards", value(stat.passers, &PasserLine::yards)},
                {"receivingYards", value(stat.receivers, &ReceiverLine::yards)},
                {"tackles", value(stat.defenders, &DefenderLine::tackles)}};
}

Json contractFields(const Json &figures)
{
    return Json{{"rushingYards", figures["rushingYards"]},
                {"passingYards", figures["passingYards"]},
                {"receivingYards", figures["receivingYards"]},
                {"tackles", figures["tackles"]}};
}

// For every player of every game of a simulated season, the feed's figures of
// the game are `players` over that game, and its season to date through game
// N is `players` over games 1..N.
TEST(SeasonToDateTest, FeedAgreesWithThePlayersFiguresThroughEveryGame)
{
    const testing::TempDir dir;
    const Settings settings;
    const simulate::SeasonFiles season = simulate::simulateSeason(11, 8, dir.path(), settings);
    const std::string schedule = (dir.path() / season.schedule).string();
    std::vector<std::string> paths;
    for (const std::string &name : season.games) {
        paths.push_back((dir.path() / name).string());
        Game game;
        ASSERT_TRUE(loadGame(game, paths.back()));
        ASSERT_EQ(seasonScheduleOf(paths.back()), schedule);
        SeasonToDate toDate(schedule, paths.back(), settings.league);
        const auto figures = toDate.figures(game);
        ASSERT_NE(figures, nullptr);
        EXPECT_TRUE(figures->leftOut.empty());
        const Json feed = liveFeed(game, openedSituation(game, settings.league), settings, "", {}, figures.get());
        EXPECT_EQ(feed["season"]["schedule"], season.schedule); // its name: the feed tells no folder

        std::size_t listed = 0;
        for (const bool home : {true, false}) {
            const std::string team = home ? game.info.homeTeamName : game.info.visitorTeamName;
            const TeamFigures own = gameFigures(game, home, settings.league);
            const Stat ofGame = playersStat(team, {paths.back()});
            const Stat toDate = playersStat(team, paths);
            listed += own.players().size();
            for (const TeamFigures::Player &player : own.players()) {
                const auto entry = std::find_if(feed["players"].begin(), feed["players"].end(), [&](const Json &e) {
                    return e["team"] == (home ? "home" : "visitor") && e["name"] == cp1252ToUtf8(player.name);
                });
                ASSERT_NE(entry, feed["players"].end()) << player.name;
                EXPECT_EQ(contractFields((*entry)["game"]), playersFigures(ofGame, player.name))
                    << name << " " << player.name;
                EXPECT_EQ(contractFields((*entry)["season"]), playersFigures(toDate, player.name))
                    << name << " " << player.name;
            }
        }
        EXPECT_EQ(feed["players"].size(), listed);
    }
}

// A season game gone or damaged is named once and left out; put back, it
// counts again on the next look.
TEST(SeasonToDateTest, UnreadableGameIsLeftOutAndReadAgainWhenRepaired)
{
    const testing::TempDir dir;
    const Settings settings;
    const simulate::SeasonFiles season = simulate::simulateSeason(5, 9, dir.path(), settings);
    const std::string schedule = (dir.path() / season.schedule).string();
    const auto path = [&dir, &season](std::size_t i) { return (dir.path() / season.games[i]).string(); };
    // Week 3's first game: its teams played in weeks 1 and 2.
    Game game;
    ASSERT_TRUE(loadGame(game, path(8)));
    SeasonToDate toDate(schedule, path(8), settings.league);
    const auto whole = toDate.figures(game);
    ASSERT_TRUE(whole->leftOut.empty());
    ASSERT_EQ(whole->home.games + whole->visitor.games, 4);

    std::vector<std::size_t> played; // the earlier games of either team
    for (std::size_t i = 0; i < 8; ++i) {
        Game other;
        ASSERT_TRUE(loadGame(other, path(i)));
        for (const std::string &team : {game.info.homeTeamName, game.info.visitorTeamName})
            if (other.info.homeTeamName == team || other.info.visitorTeamName == team)
                played.push_back(i);
    }
    ASSERT_EQ(played.size(), 4U);
    std::filesystem::rename(path(played[0]), path(played[0]) + ".away");
    std::ifstream in(path(played[1]), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    in.close();
    std::ofstream(path(played[1]), std::ios::binary | std::ios::trunc) << bytes.substr(0, 100);

    const auto broken = toDate.figures(game);
    EXPECT_EQ(broken->leftOut, (std::vector<std::string>{path(played[0]), path(played[1])}));
    EXPECT_EQ(broken->home.games + broken->visitor.games, 2);

    std::filesystem::rename(path(played[0]) + ".away", path(played[0]));
    std::ofstream(path(played[1]), std::ios::binary | std::ios::trunc) << bytes;
    const auto mended = toDate.figures(game);
    EXPECT_TRUE(mended->leftOut.empty());
    EXPECT_EQ(mended->home.record, whole->home.record);
    EXPECT_EQ(mended->visitor.players.players().size(), whole->visitor.players.players().size());
}

} // namespace
} // namespace yardmark
