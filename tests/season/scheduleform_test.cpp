#include "season/scheduleform.h"
#include "today.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

ScheduleForm typed(const std::string &date, const std::string &time)
{
    ScheduleForm form;
    form.date = date;
    form.time = time;
    form.field = "Memorial";
    form.eventIndex = 1;
    form.homeTeam = "Eagles";
    form.visitorTeam = "Hawks";
    form.note = "bring water";
    return form;
}

TEST(ScheduleFormTest, EventListHoldsCodesOneToSix)
{
    EXPECT_EQ(eventListTexts(),
              (std::vector<std::string>{"Practice", "Game", "Practice Game", "Team Meeting", "Workout", "Party"}));
    EXPECT_EQ(eventListTexts()[ScheduleForm{}.eventIndex], "Game");
}

TEST(ScheduleFormTest, DateAndTimeCorrections)
{
    struct Case {
        const char *date, *time;
        int year, month, day, hour, minute;
    } cases[] = {
        {"9/12/2026", "19:30", 2026, 9, 12, 19, 30}, {"13/12/2026", "9:05", 2026, 12, 7, 9, 5},
        {"9/40/2026", "24:59", 2026, 12, 7, 24, 59}, {"9/12/-1", "25:70", 2026, 12, 7, 12, 0},
        {"2/30/1990", "25:00", 1990, 2, 30, 12, 0},  {"", "", 2026, 12, 7, 0, 0},
        {"9/12/2026", "7", 2026, 9, 12, 7, 0},       {"9/12/2026", "-3:-5", 2026, 9, 12, 12, 0},
    };
    for (const Case &c : cases) {
        ScheduleEntry e;
        readScheduleForm(typed(c.date, c.time), e, kToday);
        EXPECT_EQ(e.year, c.year) << c.date;
        EXPECT_EQ(e.month, c.month) << c.date;
        EXPECT_EQ(e.day, c.day) << c.date;
        EXPECT_EQ(e.hour, c.hour) << c.time;
        EXPECT_EQ(e.minute, c.minute) << c.time;
    }
}

TEST(ScheduleFormTest, TextsAreCutToTheirFieldsAndTheEventIsTheListPositionPlusOne)
{
    ScheduleForm form = typed("1/2/2026", "3:04");
    form.field = std::string(40, 'f');
    form.homeTeam = std::string(30, 'h');
    form.visitorTeam = std::string(30, 'v');
    form.note = std::string(200, 'n');
    form.eventIndex = 5;
    ScheduleEntry e;
    e.homeTeamFile = "kept.tem";
    readScheduleForm(form, e, kToday);
    EXPECT_EQ(e.field, std::string(24, 'f'));
    EXPECT_EQ(e.homeTeamName, std::string(24, 'h'));
    EXPECT_EQ(e.visitorTeamName, std::string(24, 'v'));
    EXPECT_EQ(e.note, std::string(130, 'n'));
    EXPECT_EQ(e.eventType, static_cast<std::int32_t>(EventType::Party));
    EXPECT_EQ(e.homeTeamFile, "kept.tem");
}

TEST(ScheduleFormTest, AnEmptyScheduleIgnoresDeleteAndUpdate)
{
    ScheduleEditor editor;
    editor.form = typed("1/2/2026", "3:04");
    EXPECT_FALSE(deleteScheduleEvent(editor));
    EXPECT_FALSE(updateScheduleEvent(editor, kToday));
    selectScheduleEntry(editor, 0);
    EXPECT_EQ(editor.selected, -1);
    EXPECT_FALSE(updateScheduleEvent(editor, kToday));
    EXPECT_EQ(editor.schedule.count(), 0);
}

TEST(ScheduleFormTest, AddSelectUpdateDelete)
{
    ScheduleEditor editor;
    editor.form = typed("9/12/2026", "19:30");
    addScheduleEvent(editor, kToday);
    editor.form = typed("9/19/2026", "13:00");
    editor.form.homeTeam = "Bears";
    addScheduleEvent(editor, kToday);
    ASSERT_EQ(editor.schedule.count(), 2);
    EXPECT_EQ(editor.selected, -1);

    selectScheduleEntry(editor, 1);
    EXPECT_EQ(editor.form.date, "9/19/2026");
    EXPECT_EQ(editor.form.time, "13:00");
    EXPECT_EQ(editor.form.homeTeam, "Bears");
    EXPECT_EQ(editor.form.eventIndex, 1);
    EXPECT_EQ(editor.form.game, "");
    EXPECT_EQ(editor.scratch, editor.schedule.entries[1]);

    editor.form.note = "moved";
    ASSERT_TRUE(updateScheduleEvent(editor, kToday));
    EXPECT_EQ(editor.schedule.entries[1].note, "moved");
    EXPECT_EQ(editor.schedule.entries[0].note, "bring water");

    ASSERT_TRUE(deleteScheduleEvent(editor));
    EXPECT_EQ(editor.selected, -1);
    ASSERT_EQ(editor.schedule.count(), 1);
    EXPECT_EQ(editor.schedule.entries[0].homeTeamName, "Eagles");
}

TEST(ScheduleFormTest, SortingLosesTheSelection)
{
    ScheduleEditor editor;
    for (const char *home : {"B", "A"}) {
        editor.form = typed("9/12/2026", "19:30");
        editor.form.homeTeam = home;
        addScheduleEvent(editor, kToday);
    }
    selectScheduleEntry(editor, 0);
    sortScheduleByColumn(editor, ScheduleColumn::Home);
    EXPECT_EQ(editor.selected, -1);
    EXPECT_EQ(editor.schedule.entries[0].homeTeamName, "A");
    EXPECT_FALSE(updateScheduleEvent(editor, kToday));
}

TEST(ScheduleFormTest, AnEntryWithAGameFileShowsItInTheBoxes)
{
    ScheduleEntry e;
    e.eventType = 9; // unknown codes select nothing in the list
    e.homeTeamName = "Eagles";
    e.visitorTeamName = "Hawks";
    e.gameFile = "week1.gam";
    e.hour = 9;
    e.minute = 5;
    const ScheduleForm form = formForEntry(e);
    EXPECT_EQ(form.game, "Eagles vs. Hawks");
    EXPECT_EQ(form.time, "9:05");
    EXPECT_EQ(form.eventIndex, -1);
}

TEST(ScheduleFormTest, ButtonTextsFollowTheChosenFiles)
{
    ScheduleEditor editor;
    EXPECT_EQ(teamButtonText(editor, ScheduleSide::Home), "Create");
    EXPECT_EQ(gameButtonText(editor), "Start");
    EXPECT_TRUE(canChooseScheduleTeam(editor));

    Team eagles;
    eagles.name = "Eagles";
    setScheduleTeam(editor, ScheduleSide::Home, "C:\\teams\\eagles.tem", eagles);
    EXPECT_EQ(editor.scratch.homeTeamFile, "C:\\teams\\eagles.tem");
    EXPECT_EQ(editor.scratch.homeTeamName, "Eagles");
    EXPECT_EQ(editor.form.homeTeam, "Eagles");
    EXPECT_EQ(teamButtonText(editor, ScheduleSide::Home), "Edit");
    EXPECT_EQ(teamButtonText(editor, ScheduleSide::Visitor), "Create");

    Game game;
    game.info.homeTeamName = "Lions";
    game.info.visitorTeamName = "Bears";
    game.info.fieldName = "Soldier";
    game.info.startHour = 9;
    game.info.startMinute = 5;
    setScheduleGame(editor, "week1.gam", game);
    EXPECT_EQ(editor.scratch.gameFile, "week1.gam");
    EXPECT_EQ(editor.form.game, "Lions vs. Bears");
    EXPECT_EQ(editor.form.homeTeam, "Lions");
    EXPECT_EQ(editor.form.visitorTeam, "Bears");
    EXPECT_EQ(editor.form.field, "Soldier");
    EXPECT_EQ(editor.form.time, "09:05");
    EXPECT_EQ(teamButtonText(editor, ScheduleSide::Home), "N/A");
    EXPECT_EQ(gameButtonText(editor), "Edit");
    EXPECT_FALSE(canChooseScheduleTeam(editor));

    clearScheduleForm(editor);
    EXPECT_EQ(editor.form, ScheduleForm{});
    EXPECT_EQ(gameButtonText(editor), "Start");
    EXPECT_EQ(teamButtonText(editor, ScheduleSide::Home), "Create");
}

TEST(ScheduleFormTest, GameButtonDecidesFromTheSelectedEntry)
{
    ScheduleEditor editor;
    EXPECT_EQ(scheduleGameAction(editor), ScheduleGameAction::AskToAddEvent);

    editor.form = typed("9/12/2026", "19:30");
    EXPECT_EQ(addEventBeforeStarting(editor, kToday), ScheduleGameAction::TeamsNotSelected);
    EXPECT_EQ(editor.selected, 0);

    Team team;
    setScheduleTeam(editor, ScheduleSide::Home, "eagles.tem", team);
    ASSERT_TRUE(updateScheduleEvent(editor, kToday));
    EXPECT_EQ(scheduleGameAction(editor), ScheduleGameAction::TeamsNotSelected);
    setScheduleTeam(editor, ScheduleSide::Visitor, "hawks.tem", team);
    ASSERT_TRUE(updateScheduleEvent(editor, kToday));
    EXPECT_EQ(scheduleGameAction(editor), ScheduleGameAction::CreateGame);

    setEventGameFile(editor.schedule, 0, "week1.gam");
    EXPECT_EQ(scheduleGameAction(editor), ScheduleGameAction::StartRecordedGame);
}

TEST(ScheduleFormTest, TheNewGameTakesTeamsDateAndNames)
{
    ScheduleEditor editor;
    editor.form = typed("9/12/2026", "19:30");
    Team team;
    setScheduleTeam(editor, ScheduleSide::Home, "eagles.tem", team);
    setScheduleTeam(editor, ScheduleSide::Visitor, "hawks.tem", team);
    editor.form.homeTeam = "Eagles";
    editor.form.visitorTeam = "Hawks";
    addEventBeforeStarting(editor, kToday);

    std::vector<std::string> asked;
    const TeamLoader loader = [&](const std::string &path, Team &t) {
        asked.push_back(path);
        EXPECT_TRUE(t.rosterOnly);
        t.name = path == "eagles.tem" ? "Eagles FC" : "Hawks FC";
        t.fileName = path;
        t.players.push_back(PlayerRecord{"Player of " + path, 12, 0, 0, 0});
        return true;
    };
    editor.form.date = "10/3/2026";
    const std::optional<Game> game = gameForScheduleEvent(editor, loader, kToday);
    ASSERT_TRUE(game);
    EXPECT_EQ(asked, (std::vector<std::string>{"eagles.tem", "hawks.tem"}));
    EXPECT_EQ(game->homeTeam.name, "Eagles FC");
    EXPECT_EQ(game->visitorTeam.players.at(0).name, "Player of hawks.tem");
    EXPECT_TRUE(game->homeTeam.personalInfo.empty());
    EXPECT_EQ(game->info.homeTeamName, "Eagles");
    EXPECT_EQ(game->info.visitorTeamName, "Hawks");
    EXPECT_EQ(game->info.gameYear, 2026);
    EXPECT_EQ(game->info.gameMonth, 10);
    EXPECT_EQ(game->info.gameDay, 3);

    const TeamLoader failing = [](const std::string &path, Team &) { return path != "hawks.tem"; };
    EXPECT_FALSE(gameForScheduleEvent(editor, failing, kToday));
}

// A team file moved along with its schedule is found by its name in the
// working directory; the first one found nowhere is named.
TEST(ScheduleFormTest, MovedTeamFilesAreFoundAndMissingOnesNamed)
{
    std::vector<std::string> asked;
    const TeamLoader present = [&asked](const std::string &path, Team &team) {
        asked.push_back(path);
        team.name = path;
        return path == "eagles.tem" || path == "/season/hawks.tem";
    };
    ScheduleEditor editor;
    editor.scratch.homeTeamFile = "C:\\Old\\eagles.tem";
    editor.scratch.visitorTeamFile = "/season/hawks.tem";
    addScheduleEvent(editor, kToday);
    EXPECT_EQ(missingEventTeamFile(editor, movedTeamLoader(present)), "") << "nothing selected";
    selectScheduleEntry(editor, 0);
    EXPECT_EQ(missingEventTeamFile(editor, movedTeamLoader(present)), "");
    EXPECT_EQ(asked, (std::vector<std::string>{"C:\\Old\\eagles.tem", "eagles.tem", "/season/hawks.tem"}));
    EXPECT_EQ(missingEventTeamFile(editor, present), "C:\\Old\\eagles.tem");
    editor.schedule.entries[0].visitorTeamFile = "hawks.tem";
    EXPECT_EQ(missingEventTeamFile(editor, movedTeamLoader(present)), "hawks.tem");
}

TEST(ScheduleFormTest, ARecordedGameMakesItsEvent)
{
    ScheduleEditor editor;
    Game game = newGame();
    game.info.homeTeamName = "Eagles";
    game.info.visitorTeamName = "Hawks";
    game.info.fieldName = "Memorial";
    game.info.gameYear = 2026;
    game.info.gameMonth = 9;
    game.info.gameDay = 12;
    game.info.startHour = 19;
    const ScheduleEntry event = recordedGameEvent(game, "eagles.tem", "hawks.tem", "week1.gam");
    editor.scratch = event;
    showStoredEvent(editor);
    EXPECT_EQ(editor.form,
              (ScheduleForm{"9/12/2026", "19:00", "Memorial", 1, "", "Eagles", "Hawks", "Eagles vs. Hawks"}));
    EXPECT_EQ(event.homeTeamFile + event.visitorTeamFile + event.gameFile, "eagles.temhawks.temweek1.gam");
}

} // namespace
} // namespace yardmark
