#include "season/addplayerform.h"
#include "season/modifyplayereditor.h"
#include "season/rostereditor.h"
#include "season/teamform.h"

#include "records/roster.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

Team bears()
{
    Team team;
    team.rosterOnly = false;
    team.name = "Bears";
    team.currentQuarterback = "McMahon";
    team.currentPunter = "Gone";
    for (const PlayerRecord &p : {PlayerRecord{"Butkus", 51, 0, 13, 2}, PlayerRecord{"McMahon", 9, 1, 0, 3},
                                  PlayerRecord{"Payton", 34, 6, 0, 1}, PlayerRecord{"Zed", -1, 0, 0, 0}})
        addPlayer(team, p, newPersonalInfo());
    return team;
}

TEST(TeamFormTest, PlayersAreListedWithNumberNameAndPosition)
{
    const Team team = bears();
    EXPECT_EQ(teamPlayerList(team),
              (std::vector<std::string>{"51, Butkus, LB", " 9, McMahon, QB", "34, Payton, RB", "00 Zed, B"}));
    EXPECT_EQ(rosterListText(team.players[3], 0), "00, Zed, B");
    EXPECT_EQ(starterList(team, true),
              (std::vector<std::pair<int, std::string>>{{1, " 9, McMahon, QB"}, {2, "34, Payton, RB"}}));
    EXPECT_EQ(starterList(team, false),
              (std::vector<std::pair<int, std::string>>{{0, "51, Butkus, LB"}, {1, " 9, McMahon, B"}}));
}

TEST(TeamFormTest, NumbersFollowTheSharedEntryRule)
{
    const struct {
        const char *typed;
        int listIndex, number;
    } cases[] = {{"", 0, -1}, {"", 8, 7}, {"00", 50, -1}, {"0", 0, 0}, {"100", 0, 99}, {"-5", 0, -1}, {"x", 5, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(readPlayerNumber(c.typed, c.listIndex), c.number) << c.typed;
    EXPECT_EQ(numberListTexts().size(), 101u);
    EXPECT_EQ(numberListTexts()[1], "0");
}

TEST(TeamFormTest, CurrentPlayersAreChosenByNameAndKeptWhenNoneIsChosen)
{
    Team team = bears();
    TeamForm form = teamForm(team);
    EXPECT_EQ(form.current, (std::array<int, 4>{1, -1, -1, -1}));
    form.current[CurrentKicker] = 3;
    form.name = std::string(30, 'n');
    const auto chosen = chosenCurrentPlayers(form, team);
    EXPECT_EQ(chosen[CurrentKicker], "Zed");
    EXPECT_EQ(chosen[CurrentPunter], "Gone");

    deletePlayer(team, 0); // the roster editor removed Butkus: the rows move up
    chooseCurrentPlayers(form, team, chosen);
    EXPECT_EQ(form.current, (std::array<int, 4>{0, 2, -1, -1}));
    applyTeamForm(form, team);
    EXPECT_EQ(team.name, std::string(24, 'n'));
    EXPECT_EQ(team.currentKicker, "Zed");
    EXPECT_EQ(team.currentPunter, "Gone") << "a name matching no player is kept";
}

TEST(RosterEditorTest, SelectingStoresTheFieldsIntoThePlayerShownUntilThen)
{
    RosterEditor editor = rosterEditor(bears());
    EXPECT_EQ(rosterEditorTitle(editor), "Edit Roster");
    selectRosterPlayer(editor, 2);
    EXPECT_EQ(rosterEditorTitle(editor), "Player 3 out of 4 in Roster");
    EXPECT_EQ(editor.fields, (PlayerFields{"Payton", 6, 0, "34", 35, 1}));
    editor.fields.name = "Aaron";
    editor.fields.number = "100";
    selectRosterPlayer(editor, 3); // Zed; Aaron moves to the top of the name order
    EXPECT_EQ(editor.team.players[0], (PlayerRecord{"Aaron", 99, 6, 0, 1}));
    EXPECT_EQ(editor.fields.name, "Zed");
    EXPECT_EQ(editor.selected, 3);
    editor.fields.name.clear();
    editor.fields.starterStatus = 2;
    finishRosterEditor(editor);
    EXPECT_EQ(editor.team.players[3], (PlayerRecord{"Zed", -1, 0, 0, 2})) << "an empty name box keeps the name";
}

TEST(RosterEditorTest, AddRefusesShortAndDuplicateNamesAndDeleteEmptiesTheRoster)
{
    RosterEditor editor = rosterEditor(Team{});
    editor.fields = PlayerFields{"J", 1, -1, "", 13, 3};
    EXPECT_EQ(addRosterPlayer(editor), AddOutcome::Ignored);
    editor.fields.name = "Jim";
    EXPECT_EQ(addRosterPlayer(editor), AddOutcome::Added);
    EXPECT_EQ(editor.team.players, (std::vector<PlayerRecord>{{"Jim", 12, 1, 0, 3}}));
    EXPECT_EQ(editor.team.personalInfo.size(), 1u);
    EXPECT_EQ(editor.fields.name, "");
    editor.fields.name = "Jim";
    EXPECT_EQ(addRosterPlayer(editor), AddOutcome::Duplicate);

    selectRosterPlayer(editor, 0);
    EXPECT_TRUE(deleteRosterPlayer(editor));
    EXPECT_FALSE(deleteRosterPlayer(editor));
    clearRosterFields(editor);
    EXPECT_EQ(editor.team.playerCount(), 0);
    EXPECT_EQ(rosterEditorTitle(editor), "No Player Selected");
}

TEST(RosterEditorTest, EachColumnSortsTheListBothWays)
{
    RosterEditor editor = rosterEditor(bears());
    const auto names = [&editor] {
        std::string order;
        for (const RosterRow &row : rosterRows(editor))
            order += row.name.substr(0, 1);
        return order;
    };
    EXPECT_EQ(names(), "BMPZ");
    const struct {
        RosterColumn column;
        const char *order;
    } clicks[] = {{RosterColumn::Name, "ZPMB"},
                  {RosterColumn::Number, "ZMPB"},
                  {RosterColumn::Number, "BPMZ"},
                  {RosterColumn::Position, "ZBMP"},
                  {RosterColumn::Position, "PMBZ"}};
    for (const auto &click : clicks) {
        sortRosterColumn(editor, click.column);
        EXPECT_EQ(names(), click.order);
    }
    EXPECT_EQ(editor.team.players[0].name, "Butkus") << "the roster itself stays in name order";
}

TEST(GamePlayersTest, AddPlayerJoinsTheChosenTeamInNameOrder)
{
    Game game;
    game.visitorTeam = bears();
    AddPlayerForm form;
    EXPECT_EQ(addGamePlayer(form, game)->text, std::string("No Name Entered for player"));
    form = AddPlayerForm{"Dent", 15, "95", 0, false};
    EXPECT_FALSE(addGamePlayer(form, game));
    EXPECT_EQ(game.visitorTeam.players[1], (PlayerRecord{"Dent", 95, 15, 0, 0}));
    EXPECT_EQ(game.visitorTeam.personalInfo.size(), 5u);
    EXPECT_TRUE(game.homeTeam.players.empty());
}

// A number another player of the team wears is asked about, naming him,
// wherever a player gets one; "00" and a player keeping his own are not.
TEST(GamePlayersTest, ANumberAlreadyWornIsAskedAboutNamingTheOtherPlayer)
{
    const char *question = "Number 34 is already worn by Payton.\n\nKeep both players with number 34?";
    RosterEditor editor = rosterEditor(bears());
    const struct {
        const char *name;
        const char *number;
        int selected;
        bool adding;
        const char *asked;
    } cases[] = {
        {"Sayers", "34", -1, true, question}, {"Sayers", "35", -1, true, nullptr},
        {"Sayers", "00", -1, true, nullptr},  {"Payton", "34", -1, true, nullptr}, // refused as a duplicate name
        {"S", "34", -1, true, nullptr},       {"McMahon", "34", 1, false, question},
        {"Payton", "34", 2, false, nullptr},  {"Nobody", "34", -1, false, nullptr},
    };
    for (const auto &c : cases) {
        editor.fields.name = c.name;
        editor.fields.number = c.number;
        editor.selected = c.selected;
        const std::optional<std::string> asked = rosterNumberQuestion(editor, c.adding);
        EXPECT_EQ(asked.value_or(""), c.asked ? c.asked : "") << c.name << " " << c.number;
    }
    Game game;
    game.visitorTeam = bears();
    EXPECT_EQ(addPlayerNumberQuestion(AddPlayerForm{"Sayers", 0, "34", 0, false}, game).value_or(""), question);
    EXPECT_FALSE(addPlayerNumberQuestion(AddPlayerForm{"Sayers", 0, "34", 0, true}, game)) << "the other team";
}

TEST(GamePlayersTest, ModifyPlayerCarriesARenameIntoEveryPlayOfEitherSide)
{
    Game game;
    game.homeTeam = bears();
    game.visitorTeam.players = {PlayerRecord{"Favre", 4, 1, 0, 3}};
    PlayRecord play;
    play.players[QuarterbackSlot] = PlayerRecord{"Favre", 4, 1, 0, 3};
    play.players[TacklerSlot] = PlayerRecord{"Payton", 34, 6, 0, 1};
    game.plays = {play, play};

    ModifyPlayerEditor editor = modifyPlayerEditor(game);
    EXPECT_EQ(modifyPlayerList(editor), (std::vector<std::string>{"Butkus", "McMahon", "Payton", "Zed"}));
    selectModifyPlayer(editor, 2);
    editor.name = "Sweetness";
    editor.number = "";
    editor.numberIndex = 35;
    showModifyTeam(editor, false); // the typed values stay with Payton's copy until OK
    EXPECT_EQ(editor.name, "Favre");
    selectModifyPlayer(editor, 0);
    editor.name = "";
    EXPECT_EQ(finishModifyPlayer(editor, game)->caption, std::string("Please Enter Name"));
    editor.name = "Rodgers";
    editor.number = "12";
    EXPECT_FALSE(finishModifyPlayer(editor, game));

    EXPECT_EQ(game.homeTeam.players[2].name, "Sweetness");
    EXPECT_EQ(game.visitorTeam.players[0], (PlayerRecord{"Rodgers", 12, 1, 0, 3}));
    for (const PlayRecord &p : game.plays) {
        EXPECT_EQ(p.players[QuarterbackSlot].name, "Rodgers");
        EXPECT_EQ(p.players[TacklerSlot], (PlayerRecord{"Sweetness", 34, 6, 0, 1}));
    }
}

} // namespace
} // namespace yardmark
