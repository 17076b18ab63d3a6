#include "simulate/simulator.h"

#include "base/atomicfile.h"
#include "gameflow/continuity.h"
#include "gameflow/gamerules.h"
#include "gameflow/reflow.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "season/scheduleform.h"
#include "season/teamexport.h"
#include "stats/drivesummary.h"
#include "stats/gameresult.h"
#include "stats/gameset.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"
#include "stats/individualstats.h"
#include "stats/points.h"
#include "stats/scoringsummary.h"
#include "stats/teamstats.h"
#include "support/tempfolder.h"
#include "vocabulary/narration.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace yardmark::testing {
namespace {

TEST(Pcg32Test, FollowsItsFixedAlgorithm)
{
    // The first outputs for seed 42, worked out by hand from the algorithm: a
    // changed generator would silently change every sample season.
    simulate::Pcg32 seeded(42);
    EXPECT_EQ(seeded.next(), 1085446021u);
    EXPECT_EQ(seeded.next(), 176895750u);
    EXPECT_EQ(seeded.next(), 789123591u);
    EXPECT_NE(simulate::Pcg32(43).next(), 1085446021u);

    simulate::Pcg32 rng(1);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        const int value = rng.between(-3, 3);
        ASSERT_GE(value, -3);
        ASSERT_LE(value, 3);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_EQ(rng.below(0), 0);
}

TEST(LeagueTest, RostersAreFullSortedAndNumberedOnce)
{
    simulate::Pcg32 rng(5);
    const std::vector<Team> league = simulate::makeLeague(rng, 8);
    ASSERT_EQ(league.size(), 8u);
    std::set<std::string> names;
    for (const Team &team : league) {
        EXPECT_TRUE(names.insert(team.name).second);
        ASSERT_EQ(team.players.size(), 44u);
        EXPECT_EQ(team.personalInfo.size(), team.players.size());
        std::set<int> numbers;
        for (std::size_t i = 0; i < team.players.size(); ++i) {
            EXPECT_TRUE(numbers.insert(team.players[i].number).second) << team.name;
            if (i > 0) {
                EXPECT_LT(team.players[i - 1].name, team.players[i].name);
            }
        }
        EXPECT_FALSE(team.currentQuarterback.empty());
        EXPECT_FALSE(team.currentPunter.empty());
    }
}

// A team exported with its personal information and imported again is the
// same team file, byte for byte, players without a birthday ("00/00/0000")
// included. The list carries one position per player (the offensive one),
// so the defensive positions are the only thing it cannot bring back.
TEST(LeagueTest, EveryTeamReadsBackFromItsExportUnchanged)
{
    simulate::Pcg32 rng(2026);
    for (Team team : simulate::makeLeague(rng, 8)) {
        for (PlayerRecord &player : team.players)
            player.defensivePosition = 0;
        std::stringstream csv;
        writeTeamCsv(csv, team, true);
        Team imported;
        imported.rosterOnly = false;
        importTeamCsv(csv, imported, team.fileName);
        EXPECT_EQ(encodeTeamFile(imported), encodeTeamFile(team)) << team.name;
    }
}

/// Every invariant a recorded game keeps, checked on one saved game.
void checkSavedGame(const std::filesystem::path &path, const LeagueOptions &league, GameTeamStats &seasonHome)
{
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(path, bytes)) << path;
    Game game;
    ASSERT_TRUE(loadGame(game, path.string())) << path;
    // Reloading gives back the very bytes that were saved.
    const std::vector<std::uint8_t> again = encodeGame(game);
    const auto differs = std::mismatch(again.begin(), again.end(), bytes.begin(), bytes.end());
    EXPECT_TRUE(differs.first == again.end() && differs.second == bytes.end())
        << path << " differs at byte " << (differs.first - again.begin()) << " of " << bytes.size();

    const int savedHome = game.homeScore;
    const int savedVisitor = game.visitorScore;
    recomputeScore(game, league);
    EXPECT_EQ(game.homeScore, savedHome) << path;
    EXPECT_EQ(game.visitorScore, savedVisitor) << path;
    int home = 0;
    int visitor = 0;
    for (int quarter = 0; quarter <= highestPlayQuarter(game); ++quarter) {
        home += pointsInPeriod(game, quarter, true, league);
        visitor += pointsInPeriod(game, quarter, false, league);
    }
    EXPECT_EQ(home, game.homeScore) << path;
    EXPECT_EQ(visitor, game.visitorScore) << path;

    const auto onField = [&](const FieldSpot &spot) {
        return spot.yardLine >= 0 && spot.yardLine <= league.midfieldYardLine;
    };
    for (const PlayRecord &play : game.plays) {
        EXPECT_TRUE(play.downBefore >= 0 && play.downBefore <= 3) << path;
        EXPECT_TRUE(play.downAfter >= 0 && play.downAfter <= 3) << path;
        EXPECT_TRUE(onField(play.initialSpot) && onField(play.finalSpot) && onField(play.receivedAt)) << path;
        EXPECT_FALSE(narratePlay(play, game.info, league).empty());
    }

    // A game recorded without hand corrections adds up play by play, and
    // re-flowing it from its first play records every play again unchanged.
    for (const ContinuityBreak &found : checkContinuity(game, league))
        ADD_FAILURE() << path << " " << breakLine(found);
    Game reflowed = game;
    const ReflowResult result = reflowPlays(reflowed, 0, league);
    for (const ReflowNote &note : result.kept)
        ADD_FAILURE() << path << " " << reflowNoteLine(note);
    EXPECT_EQ(result.changed, 0) << path;
    EXPECT_TRUE(reflowed.plays == game.plays) << path;

    // The game's statistics and summaries finish on every game.
    GameTeamStats stats = computeGameTeamStats(game, true, 0, highestPlayQuarter(game), league);
    addGameTeamStats(seasonHome, stats);
    finishGameTeamStats(stats);
    EXPECT_EQ(stats.totalPoints, game.homeScore) << path;
    EXPECT_FALSE(scanDrives(game, league, DriveBreaks::Export).empty()) << path;
    EXPECT_FALSE(scoringLines(game, league).empty() && game.homeScore + game.visitorScore > 0) << path;
}

TEST(SimulatedSeasonTest, ThreeHundredGamesKeepEveryInvariant)
{
    const TempDir folder;
    const auto &dir = folder.path();
    Settings settings;
    const LeagueOptions &league = settings.league;
    int lines = 0;
    int overtimeGames = 0;
    std::set<std::string> ops;
    const simulate::LineObserver observe = [&](const Json &line, const Json &after) {
        ++lines;
        ops.insert(line["op"].get<std::string>());
        // The situation after every entry stays within the downs and the field.
        ASSERT_GE(after["down"].get<int>(), 0) << line.dump();
        ASSERT_LE(after["down"].get<int>(), 3) << line.dump();
        const int yard = after["ballSpot"]["yardLine"].get<int>();
        ASSERT_TRUE(yard >= 0 && yard <= league.midfieldYardLine) << line.dump();
        if (after["quarter"].get<int>() >= 4 && line["op"] == "quarter_up")
            ++overtimeGames;
    };
    const simulate::SeasonFiles files = simulate::simulateSeason(2026, 300, dir, settings, observe);
    ASSERT_EQ(files.games.size(), 300u);
    ASSERT_EQ(files.teams.size(), 8u);
    // The schedule holds an event for each game, naming its files as written.
    Schedule schedule;
    ASSERT_EQ(loadSchedule((dir / files.schedule).string(), schedule), ScheduleLoadResult::Loaded);
    ASSERT_EQ(schedule.count(), 300);
    for (int i : {0, 299}) {
        const ScheduleEntry &event = schedule.entries[static_cast<std::size_t>(i)];
        Game game;
        ASSERT_TRUE(loadGame(game, (dir / event.gameFile).string()));
        EXPECT_EQ(event.gameFile, files.games[static_cast<std::size_t>(i)]);
        EXPECT_EQ(event, recordedGameEvent(game, event.homeTeamFile, event.visitorTeamFile, event.gameFile));
        Team home;
        ASSERT_TRUE(loadTeamFile(home, (dir / event.homeTeamFile).string()));
        EXPECT_EQ(home.name, game.info.homeTeamName);
    }
    EXPECT_GT(lines, 300 * 100);
    for (const char *op : {"open", "kickoff", "rush", "pass", "punt", "fieldgoal", "offensive_penalty",
                           "defensive_penalty", "timeout", "quarter_up", "quit"})
        EXPECT_TRUE(ops.count(op)) << op;
    EXPECT_GT(overtimeGames, 0);

    for (const std::string &name : files.teams) {
        Team team;
        EXPECT_TRUE(loadTeamFile(team, (dir / name).string())) << name;
    }
    GameTeamStats season = initGameTeamStats();
    std::set<std::string> gameNames(files.games.begin(), files.games.end());
    EXPECT_EQ(gameNames.size(), files.games.size());
    std::vector<std::string> paths;
    for (const std::string &name : files.games) {
        checkSavedGame(dir / name, league, season);
        paths.push_back((dir / name).string());
    }
    finishGameTeamStats(season);
    EXPECT_GT(season.totalPoints, 0);

    // The statistics across the season's games read every file.
    Stat chosen;
    chosen.allTeams = true;
    chosen.teamName = "All Teams";
    chosen.gamePaths = paths;
    const StatViews views = individualStatViews(chosen, league);
    EXPECT_EQ(views.skipped, 0);
    EXPECT_EQ(views.team.gameCount, 300);
    EXPECT_GT(views.team.passers.size(), 8u);
    EXPECT_GT(views.team.returners.size(), 8u);
    const TeamStatsTotals totals = teamStatsOverFiles(paths, "Riverton Tigers", SummaryPeriod::Game, league);
    EXPECT_EQ(totals.skipped, 0);
    EXPECT_EQ(totals.gameCount, 300); // every file read, the team playing in a quarter of them
    EXPECT_GT(totals.team.totalPoints, 0);
}

TEST(SimulatedSeasonTest, EveryTeamsSeasonFiguresAreTheSumOfItsGames)
{
    const TempDir folder;
    const auto &dir = folder.path();
    Settings settings;
    const LeagueOptions &league = settings.league;
    const simulate::SeasonFiles files = simulate::simulateSeason(32, 28, dir, settings);
    std::vector<std::string> paths;
    std::vector<Game> games;
    for (const std::string &name : files.games) {
        paths.push_back((dir / name).string());
        ASSERT_TRUE(loadGame(games.emplace_back(), paths.back()));
    }
    std::set<std::string> teams;
    for (const Game &game : games)
        teams.insert({game.info.homeTeamName, game.info.visitorTeamName});
    int overtimeGames = 0;
    for (const std::string &team : teams) {
        SCOPED_TRACE(team);
        // Each game as its own summary shows it, for the whole game.
        TeamStatsTotals expected;
        std::int32_t finalsFor = 0;
        std::int32_t finalsAgainst = 0;
        for (const Game &game : games) {
            const std::optional<bool> home = teamIsHome(game, team);
            if (!home)
                continue;
            const QuarterRange whole = summaryPeriodRange(game, SummaryPeriod::Game);
            addGameTeamStats(expected.team, computeGameTeamStats(game, *home, whole.first, whole.last, league));
            addGameTeamStats(expected.opponents, computeGameTeamStats(game, !*home, whole.first, whole.last, league));
            const GameResult result = gameResult(game, league);
            finalsFor += *home ? result.home : result.visitor;
            finalsAgainst += *home ? result.visitor : result.home;
            expected.record.add(result, *home);
            ++expected.gamesPlayed;
            overtimeGames += result.overtime ? 1 : 0;
        }
        finishGameTeamStats(expected.team);
        finishGameTeamStats(expected.opponents);
        const TeamStatsTotals totals = teamStatsOverFiles(paths, team, SummaryPeriod::Game, league);
        EXPECT_EQ(totals.team, expected.team);
        EXPECT_EQ(totals.opponents, expected.opponents);
        EXPECT_EQ(totals.team.totalPoints, finalsFor);
        EXPECT_EQ(totals.opponents.totalPoints, finalsAgainst);
        EXPECT_EQ(totals.gamesPlayed, expected.gamesPlayed);
        EXPECT_EQ(totals.record, expected.record);
    }
    EXPECT_EQ(teams.size(), 8U);
    EXPECT_GT(overtimeGames, 0); // the season tries the overtime rule
}

} // namespace
} // namespace yardmark::testing
