#include "season/schedulelist.h"

#include "fakegames.h"

#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace yardmark {
namespace {

ScheduleEntry gameEvent(const std::string &gameFile)
{
    ScheduleEntry e;
    e.eventType = static_cast<std::int32_t>(EventType::Game);
    e.year = 2026;
    e.month = 9;
    e.day = 5;
    e.hour = 9;
    e.minute = 5;
    e.field = "Memorial";
    e.note = "bring water";
    e.homeTeamName = "Entry Home";
    e.visitorTeamName = "Entry Visitor";
    e.homeTeamFile = "home.tem";
    e.visitorTeamFile = "visitor.tem";
    e.gameFile = gameFile;
    return e;
}

TEST(ScheduleListTest, TimesForListAndExport)
{
    EXPECT_EQ(listTimeText(9, 5), "9:05");
    EXPECT_EQ(listTimeText(10, 0), "10:00");
    EXPECT_EQ(exportTimeText(9, 5), " 9:05");
    EXPECT_EQ(exportTimeText(10, 0), "10:00");
}

TEST(ScheduleListTest, LastPathComponentTakesEitherSeparator)
{
    struct Case {
        const char *path, *name;
    } cases[] = {
        {"C:\\Games\\2026\\week1.gam", "week1.gam"},
        {"/home/coach/games/week1.gam", "week1.gam"},
        {"C:\\Games/mixed\\week1.gam", "week1.gam"},
        {"week1.gam", "week1.gam"},
        {"C:\\Games\\", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(lastPathComponent(c.path), c.name) << c.path;
}

TEST(ScheduleListTest, AnEntryWithoutGameShowsItsOwnTeams)
{
    FakeGames games;
    ScheduleEntry entry = gameEvent("");
    RecordedGame found = RecordedGame::Missing;
    const ScheduleRow row = scheduleRow(entry, games.loader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::None);
    EXPECT_TRUE(games.asked.empty());
    EXPECT_EQ(row, (ScheduleRow{"9/5/2026", "9:05", "Game", "Entry Home", "Entry Visitor", "", "Memorial",
                                "bring water", ""}));
}

TEST(ScheduleListTest, ARecordedGameShowsTheGamesTeams)
{
    FakeGames games;
    games.games["C:\\Games\\week1.gam"] = {"Eagles", "Hawks"};
    ScheduleEntry entry = gameEvent("C:\\Games\\week1.gam");
    RecordedGame found = RecordedGame::None;
    const ScheduleRow row = scheduleRow(entry, games.loader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::Found);
    EXPECT_EQ(row.home, "Eagles");
    EXPECT_EQ(row.visitor, "Hawks");
    EXPECT_EQ(row.gameFile, "C:\\Games\\week1.gam");
    EXPECT_EQ(entry, gameEvent("C:\\Games\\week1.gam"));
}

TEST(ScheduleListTest, ARecordedGameWithPlaysShowsItsFinalScore)
{
    const auto scoring = [](bool home, int quarter, ScoreType score) {
        PlayRecord play;
        play.homeHasBall = home;
        play.playType = code(score == ScoreType::FieldGoal ? PlayType::FieldGoal : PlayType::Rush);
        play.quarter = quarter;
        play.scoreType = code(score);
        play.initialSpot = {20, home}; // a field goal from the own half counts 3 on any field
        return play;
    };
    const struct {
        std::vector<PlayRecord> plays;
        std::string result; ///< "-" for the en dash
    } cases[] = {
        {{}, ""}, // not played yet
        {{scoring(false, 1, ScoreType::FieldGoal), scoring(true, 3, ScoreType::Touchdown)}, "6-3"},
        {{scoring(true, 0, ScoreType::FieldGoal), scoring(false, 6, ScoreType::Touchdown)}, "3-6 OT"},
    };
    for (auto c : cases) {
        FakeGames games;
        games.games["week1.gam"] = {"Eagles", "Hawks"};
        games.plays["week1.gam"] = c.plays;
        RecordedGame found = RecordedGame::None;
        std::replace(c.result.begin(), c.result.end(), '-', '\x96');
        EXPECT_EQ(keptScheduleRow(gameEvent("week1.gam"), games.loader(), found, LeagueOptions{}).result, c.result);
        EXPECT_EQ(games.asked.size(), 1U); // the list's one reading of the file gives the result too
    }
}

TEST(ScheduleListTest, AGameMovedIntoTheWorkingDirectoryIsStillFound)
{
    for (const char *stored : {"C:\\Old Folder\\week1.gam", "/old/folder/week1.gam"}) {
        FakeGames games;
        games.games["week1.gam"] = {"Eagles", "Hawks"};
        ScheduleEntry entry = gameEvent(stored);
        RecordedGame found = RecordedGame::None;
        const ScheduleRow row = scheduleRow(entry, games.loader(), found, LeagueOptions{});
        EXPECT_EQ(found, RecordedGame::FoundByName) << stored;
        EXPECT_EQ(games.asked, (std::vector<std::string>{stored, "week1.gam"}));
        EXPECT_EQ(row.home, "Eagles");
        EXPECT_EQ(row.gameFile, stored);
        EXPECT_EQ(entry.gameFile, stored);
        EXPECT_EQ(entry.homeTeamFile, "home.tem");
    }
}

// A season folder opened from anywhere finds its own files first: a relative
// name beside the schedule, then the stored path, then the name alone beside
// the schedule and in the working directory.
TEST(ScheduleListTest, AnEventsFileIsLookedForBesideTheScheduleFirst)
{
    const std::string season = (std::filesystem::path("season") / "").string();
    const struct {
        const char *stored;
        const char *schedule;
        std::vector<std::string> candidates;
    } cases[] = {
        {"week1.gam", "season/season.sch", {season + "week1.gam", "week1.gam"}},
        {"games/week1.gam",
         "season/season.sch",
         {season + "games/week1.gam", "games/week1.gam", season + "week1.gam", "week1.gam"}},
        {"C:\\Old\\week1.gam", "season/season.sch", {"C:\\Old\\week1.gam", season + "week1.gam", "week1.gam"}},
        {"/old/week1.gam", "season/season.sch", {"/old/week1.gam", season + "week1.gam", "week1.gam"}},
        {"week1.gam", "season.sch", {"week1.gam"}},
        {"week1.gam", "", {"week1.gam"}},
        {"", "season/season.sch", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(eventFileCandidates(c.stored, c.schedule), c.candidates) << c.stored << " in " << c.schedule;

    // The schedule's folder wins over a file of the same name in the working directory.
    FakeGames games;
    games.games[season + "week1.gam"] = {"Season", "Game"};
    games.games["week1.gam"] = {"Other", "Game"};
    ScheduleEntry entry = gameEvent("week1.gam");
    RecordedGame found = RecordedGame::None;
    EXPECT_EQ(scheduleRow(entry, games.loader(), found, LeagueOptions{}, "season/season.sch").home, "Season");
    EXPECT_EQ(found, RecordedGame::Found);
    EXPECT_EQ(entry.gameFile, "week1.gam") << "the event keeps what it stores";
}

TEST(ScheduleListTest, AMissingGameClearsTheEntrysThreePaths)
{
    FakeGames games;
    ScheduleEntry entry = gameEvent("C:\\Games\\lost.gam");
    RecordedGame found = RecordedGame::None;
    const ScheduleRow row = scheduleRow(entry, games.loader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::Missing);
    EXPECT_EQ(games.asked, (std::vector<std::string>{"C:\\Games\\lost.gam", "lost.gam"}));
    EXPECT_EQ(row.home, "");
    EXPECT_EQ(row.visitor, "");
    EXPECT_EQ(row.gameFile, "");
    EXPECT_EQ(row.result, "");
    EXPECT_EQ(row.field, "Memorial");
    EXPECT_EQ(entry.gameFile, "");
    EXPECT_EQ(entry.homeTeamFile, "");
    EXPECT_EQ(entry.visitorTeamFile, "");
    EXPECT_EQ(entry.homeTeamName, "Entry Home"); // only the paths go
}

TEST(ScheduleListTest, ABareFileNameIsNotTriedTwice)
{
    FakeGames games;
    ScheduleEntry entry = gameEvent("lost.gam");
    RecordedGame found = RecordedGame::None;
    scheduleRow(entry, games.loader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::Missing);
    EXPECT_EQ(games.asked, (std::vector<std::string>{"lost.gam"}));
}

TEST(ScheduleListTest, RowsListEveryMissingGameOnce)
{
    FakeGames games;
    games.games["here.gam"] = {"A", "B"};
    Schedule schedule;
    schedule.append(gameEvent("lost1.gam"));
    schedule.append(gameEvent("here.gam"));
    schedule.append(gameEvent(""));
    schedule.append(gameEvent("x\\lost2.gam"));
    std::vector<int> missing{99};
    const std::vector<ScheduleRow> rows = scheduleRows(schedule, games.loader(), missing, LeagueOptions{});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(missing, (std::vector<int>{0, 3}));
    EXPECT_EQ(rows[1].home, "A");

    // The cleared entries do not warn again on the next refresh.
    scheduleRows(schedule, games.loader(), missing, LeagueOptions{});
    EXPECT_TRUE(missing.empty());
}

TEST(ScheduleListTest, TheEditorsRowKeepsAMissingGamesEventWhole)
{
    FakeGames games;
    const ScheduleEntry entry = gameEvent("C:\\Games\\lost.gam");
    RecordedGame found = RecordedGame::None;
    const ScheduleRow row = keptScheduleRow(entry, games.loader(), found, LeagueOptions{});
    EXPECT_EQ(found, RecordedGame::Missing);
    EXPECT_EQ((std::vector<std::string>{row.home, row.visitor, row.gameFile}),
              (std::vector<std::string>{"Entry Home", "Entry Visitor", "C:\\Games\\lost.gam"}));
    EXPECT_EQ(missingFileText("team", "hawks.tem"),
              "Can't load team!\n\nhawks.tem\n\nIt is not beside the schedule or in the working directory either. "
              "The event keeps it: put the file back and it is found again.");
    const std::vector<std::string> lost{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    EXPECT_EQ(missingFilesText("game", lost),
              "Can't load game!\n\n1\n2\n3\n4\n5\n6\n7\n8\n... and 2 more\n\nThey are not beside the schedule "
              "or in the working directory either. The events keep them: put the files back and they are found again.");
    games.games["lost.gam"] = {"Game Home", "Game Visitor"};
    EXPECT_EQ(keptScheduleRow(entry, games.loader(), found, LeagueOptions{}).home, "Game Home");
    EXPECT_EQ(found, RecordedGame::FoundByName);
}

} // namespace
} // namespace yardmark
