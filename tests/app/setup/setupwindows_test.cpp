#include "app/setup/addplayerdialog.h"
#include "app/setup/gameinfodialog.h"
#include "app/setup/modifyplayerdialog.h"
#include "app/setup/personalinfodialog.h"
#include "app/setup/rosterdialog.h"
#include "app/setup/setupcommands.h"
#include "app/setup/teamdialog.h"
#include "app/shell/mainwindow.h"

#include "app/scripteduserinterface.h"
#include "app/widgetlookup.h"
#include "records/gamefile.h"
#include "records/roster.h"
#include "records/teamfile.h"
#include "season/teamexport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>
#include <fstream>

namespace yardmark {
namespace {

// Types key by key, as a keyboard with any letters would.
void type(const QWidget &dialog, const char *box, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(dialog, box);
    edit->clear();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown),
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

void pick(const QWidget &dialog, const char *list, int index)
{
    child<QComboBox>(dialog, list)->setCurrentIndex(index);
}

/// Answers the program's modal dialogs in the order they open.
class SetupWindowsTest : public ::testing::Test {
protected:
    using Step = std::function<void(QDialog &)>;

    SetupWindowsTest() : window(settings, ui, path("yardmark.ini"))
    {
        new SetupCommands(window, settings, ui);
        window.context().setDialogRunner([this](QDialog &dialog) {
            EXPECT_FALSE(steps.empty()) << "unexpected dialog " << dialog.windowTitle().toStdString();
            if (steps.empty())
                return int(QDialog::Rejected);
            const Step step = steps.front();
            steps.pop_front();
            step(dialog);
            return dialog.result();
        });
    }

    void TearDown() override { EXPECT_TRUE(steps.empty()) << steps.size() << " dialogs never opened"; }

    std::string path(const char *name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }
    void chooseFile(const char *name, int filter = 0) { ui.files.push_back(FileChoice{path(name), filter}); }
    void trigger(const char *action) { window.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto &m : ui.messages)
            texts.push_back(m.text);
        return texts;
    }

    // Roster editor: types one player and adds him.
    static void addRosterPlayer(QDialog &roster, const char *name, const char *number, int offense, int starter)
    {
        type(roster, "playerName", QString::fromLatin1(name));
        pick(roster, "offensivePosition", offense);
        child<QComboBox>(roster, "number")->setEditText(QString::fromLatin1(number));
        const char *const radios[] = {"notAStarter", "offensiveStarter", "defensiveStarter", "startsBoth"};
        child<QRadioButton>(roster, radios[starter])->setChecked(true);
        click(roster, "addPlayer");
    }

    // File > Team > New: a team with two players, saved under `file`.
    void createTeam(const char *name, const char *coach, const char *file, const char *qb, const char *other)
    {
        steps.push_back([=](QDialog &team) {
            type(team, "teamName", QString::fromLatin1(name));
            type(team, "coach", QString::fromLatin1(coach));
            click(team, "editRoster");
            pick(team, "startingQuarterback", 0);
            click(team, "ok");
        });
        steps.push_back([=](QDialog &roster) {
            addRosterPlayer(roster, qb, "7", 1, 3);
            addRosterPlayer(roster, other, "00", 6, 1);
            click(roster, "ok");
        });
        chooseFile(file);
        trigger("newTeam");
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedUserInterface ui;
    MainWindow window;
    std::deque<Step> steps;
};

TEST_F(SetupWindowsTest, TwoTeamsAndAGameBetweenThemAreCreatedThroughTheWindows)
{
    createTeam("Bears", "Ditka", "bears.tem", "McMahon", "Payton");
    createTeam("Packers", "Gregg", "packers.tem", "Wright", "Ellis");
    Team bears;
    ASSERT_TRUE(loadTeamFile(bears, path("bears.tem")));
    EXPECT_EQ(bears.coach, "Ditka");
    EXPECT_EQ(bears.currentQuarterback, "McMahon") << "the first player in name order";
    EXPECT_EQ(bears.players, (std::vector<PlayerRecord>{{"McMahon", 7, 1, 0, 3}, {"Payton", -1, 6, 0, 1}}));

    chooseFile("bears.tem");
    chooseFile("packers.tem");
    chooseFile("week1.gam");
    steps.push_back([](QDialog &info) {
        click(info, "startGame"); // no teams yet: refused, the dialog stays
        click(info, "selectHomeTeam");
        click(info, "selectVisitorTeam");
        type(info, "field", QStringLiteral("Soldier Field"));
        type(info, "referee", QStringLiteral("Jerry Markbreit"));
        type(info, "date", QStringLiteral("11/3/1985"));
        type(info, "time", QStringLiteral("9:5"));
        EXPECT_EQ(child<QLabel>(info, "homePanel")->text(), QStringLiteral("Name: Bears\nCoach: Ditka\nAssistant: \n"));
        click(info, "startGame");
    });
    trigger("newGame");

    EXPECT_EQ(messages(), std::vector<std::string>{"You must first select teams."});
    EXPECT_EQ(ui.sounds.back(), kGameStartSound);
    Game game;
    ASSERT_TRUE(loadGame(game, path("week1.gam")));
    EXPECT_EQ(game.info.homeTeamName, "Bears");
    EXPECT_EQ(game.info.visitorTeamName, "Packers");
    EXPECT_EQ(game.info.fieldName, "Soldier Field");
    EXPECT_EQ(game.info.umpire, " ");
    EXPECT_EQ((std::array<int, 5>{game.info.gameMonth, game.info.gameDay, game.info.gameYear, game.info.startHour,
                                  game.info.startMinute}),
              (std::array<int, 5>{11, 3, 1985, 9, 5}));
    EXPECT_EQ(game.visitorTeam.players.size(), 2u);
    EXPECT_EQ(window.session().currentGame(), nullptr) << "no game window yet: the game is only saved";
}

// OK on a new game keeps it in a file of the scorer's choosing; cancelling
// the file question goes back to the dialog with everything typed.
TEST_F(SetupWindowsTest, OkOnANewGameAsksForItsFileAndKeepsEverythingTyped)
{
    createTeam("Bears", "Ditka", "bears.tem", "McMahon", "Payton");
    createTeam("Packers", "Gregg", "packers.tem", "Wright", "Ellis");
    chooseFile("bears.tem");
    chooseFile("packers.tem");
    ui.files.push_back(std::nullopt); // the file question cancelled
    chooseFile("week2.gam");
    steps.push_back([](QDialog &info) {
        click(info, "selectHomeTeam");
        click(info, "selectVisitorTeam");
        type(info, "field", QStringLiteral("Lambeau Field"));
        click(info, "ok");
    });
    steps.push_back([](QDialog &info) {
        EXPECT_EQ(child<QLineEdit>(info, "field")->text(), QStringLiteral("Lambeau Field"));
        EXPECT_EQ(child<QLabel>(info, "visitorPanel")->text(),
                  QStringLiteral("Name: Packers\nCoach: Gregg\nAssistant: \n"));
        click(info, "ok");
    });
    trigger("newGame");

    Game game;
    ASSERT_TRUE(loadGame(game, path("week2.gam")));
    EXPECT_EQ(game.info.fieldName, "Lambeau Field");
    EXPECT_EQ(game.info.visitorTeamName, "Packers");
    EXPECT_EQ(window.session().currentGame(), nullptr) << "OK opens no game window";
}

TEST_F(SetupWindowsTest, GameInformationEdgesLeaveTheGameWhole)
{
    std::ofstream(path("damaged.tem"), std::ios::binary) << "not a team";
    std::ofstream(path("damaged.gam"), std::ios::binary) << "not a game";
    chooseFile("damaged.gam");
    chooseFile("damaged.tem");
    steps.push_back([](QDialog &info) {
        type(info, "season", QStringLiteral("9999"));
        click(info, "seasonUp");
        EXPECT_EQ(child<QLineEdit>(info, "season")->text(), QStringLiteral(" 9999"));
        type(info, "season", QStringLiteral("0"));
        click(info, "seasonDown");
        EXPECT_EQ(child<QLineEdit>(info, "season")->text(), QStringLiteral(" 9999"));
        click(info, "selectHomeTeam"); // damaged: nothing changes
        EXPECT_EQ(child<QLabel>(info, "homePanel")->text(), QStringLiteral("Name: \nCoach: \nAssistant: \n"));
        click(info, "editHomeTeam");
        click(info, "ok");
        EXPECT_EQ(info.result(), 0);
        click(info, "cancel");
    });
    trigger("editGame");
    EXPECT_EQ(messages(), (std::vector<std::string>{"Can't load game !", "Can't load team !",
                                                    "You must first select a team.", "Teams Not Selected."}));
    EXPECT_EQ(ui.sounds[1], kLoadFailedSound);
    std::ifstream in(path("damaged.tem"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not a team");
}

TEST_F(SetupWindowsTest, AMistypedDateKeepsTheGamesDateAndOkRewritesTheOpenedFile)
{
    Team team;
    team.name = "Bears";
    ASSERT_TRUE(writeTeamFile(team, path("bears.tem")));
    Game stored = newGame();
    stored.info.gameMonth = 9;
    stored.info.gameDay = 8;
    stored.info.gameYear = 1985;
    ASSERT_TRUE(saveGame(stored, path("week1.gam")));
    chooseFile("week1.gam");
    steps.push_back([](QDialog &info) {
        type(info, "date", QStringLiteral("13/40/2026"));
        type(info, "backJudge", QStringLiteral("José Núñez☃"));
        EXPECT_EQ(child<QLineEdit>(info, "backJudge")->text(), QStringLiteral("José Núñez"));
        click(info, "ok");
    });
    trigger("editGame");
    Game game;
    ASSERT_TRUE(loadGame(game, path("week1.gam")));
    EXPECT_EQ((std::array<int, 3>{game.info.gameMonth, game.info.gameDay, game.info.gameYear}),
              (std::array<int, 3>{9, 8, 1985}));
    EXPECT_EQ(game.info.backJudge, "Jos\xE9 N\xFA\xF1"
                                   "ez");
}

TEST_F(SetupWindowsTest, TheRosterEditorSortsEachColumnAndEmptiesTheRoster)
{
    Team team;
    team.rosterOnly = false;
    RosterDialog roster(team, window.context());
    addRosterPlayer(roster, "Zed", "5", 1, 0);
    addRosterPlayer(roster, "Amos", "90", 13, 2);
    addRosterPlayer(roster, "Amos", "1", 0, 0);
    EXPECT_EQ(messages(), std::vector<std::string>{"Already a Player on Roster with that Name"});
    QTreeWidget *list = child<QTreeWidget>(roster, "currentRoster");
    const auto first = [list] { return list->topLevelItem(0)->text(1); };
    const struct {
        int column;
        const char *first;
    } clicks[] = {{0, "Zed"}, {0, "Amos"}, {1, "Amos"}, {1, "Zed"}, {2, "Amos"}, {2, "Zed"}};
    for (const auto &c : clicks) {
        list->header()->sectionClicked(c.column);
        EXPECT_EQ(first(), QString::fromLatin1(c.first)) << c.column;
    }
    EXPECT_EQ(child<QListWidget>(roster, "defensiveStarters")->item(0)->text(), QStringLiteral("90, Amos, B"));

    list->header()->sectionClicked(1);
    for (int n = 0; n < 2; ++n) {
        list->setCurrentItem(list->topLevelItem(0));
        EXPECT_TRUE(roster.windowTitle().startsWith(QStringLiteral("Player 1 out of")))
            << roster.windowTitle().toStdString();
        click(roster, "deletePlayer");
    }
    click(roster, "clearData");
    EXPECT_EQ(roster.windowTitle(), QStringLiteral("No Player Selected"));
    click(roster, "ok");
    EXPECT_EQ(team.playerCount(), 0);
}

TEST_F(SetupWindowsTest, PlayersMenuAddsAndRenamesThroughTheWholeGame)
{
    Game game = newGame();
    game.info.homeTeamName = "Bears";
    game.info.visitorTeamName = "Packers";
    game.homeTeam.players = {PlayerRecord{"Payton", 34, 6, 0, 1}};
    PlayRecord play;
    play.players[CarrierSlot] = game.homeTeam.players[0];
    game.plays = {play};
    window.session().setCurrentGame(game);
    window.setGameInProgress(true);

    steps.push_back([](QDialog &add) {
        click(add, "ok");
        type(add, "name", QStringLiteral("Dent"));
        child<QComboBox>(add, "number")->setEditText(QStringLiteral("95"));
        child<QRadioButton>(add, "visitorTeam")->setChecked(true);
        click(add, "ok");
    });
    trigger("addPlayer");
    steps.push_back([](QDialog &modify) {
        EXPECT_EQ(modify.windowTitle(), QStringLiteral("Edit Player"));
        type(modify, "name", QStringLiteral("Sweetness"));
        click(modify, "ok");
    });
    trigger("modifyPlayer");

    const Game &now = *window.session().currentGame();
    EXPECT_EQ(messages(), std::vector<std::string>{"No Name Entered for player"});
    EXPECT_EQ(now.visitorTeam.players, (std::vector<PlayerRecord>{{"Dent", 95, 0, 0, 0}}));
    EXPECT_EQ(now.homeTeam.players[0].name, "Sweetness");
    EXPECT_EQ(now.plays[0].players[CarrierSlot].name, "Sweetness");
}

TEST_F(SetupWindowsTest, TheAddressListEditsSortsAndDatesBirthdays)
{
    Team team;
    team.rosterOnly = false;
    addPlayer(team, PlayerRecord{"Baker", 1, 0, 0, 0}, PersonalInfo{"555-0102", "", "", "", "", 1990, 2, 3, "", ""});
    addPlayer(team, PlayerRecord{"Adams", 2, 0, 0, 0}, PersonalInfo{"555-0101", "", "", "", "", 1980, 2, 3, "", ""});
    int pickerRuns = 0;
    window.context().setDialogRunner([&](QDialog &picker) {
        ++pickerRuns;
        picker.accept();
        return int(QDialog::Accepted);
    });
    PersonalInfoDialog dialog(team, window.context());
    QTreeWidget *list = child<QTreeWidget>(dialog, "addressList");
    list->header()->sectionClicked(1); // by phone: Adams first
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(child<QLineEdit>(dialog, "name")->text(), QStringLiteral("Adams"));
    type(dialog, "birthday", QStringLiteral("2/30/1990"));
    type(dialog, "city", QStringLiteral("Chicago"));
    click(dialog, "updateInfo");
    EXPECT_EQ(team.personalInfo[0], (PersonalInfo{"555-0101", "", "Chicago", "", "", 1990, 30, 2, "", ""}));
    click(dialog, "chooseBirthday");
    EXPECT_EQ(pickerRuns, 1);
    EXPECT_EQ(child<QLineEdit>(dialog, "birthday")->text(), QStringLiteral("3/2/1990")) << "2/30 is no calendar day";
    EXPECT_GE(dialog.minimumWidth(), 1);
}

TEST(TeamSaveAsTest, AnExistingFileIsAppendedToOrOverwrittenOnlyWhenTheUserSaysSo)
{
    QTemporaryDir folder;
    const std::string existing = folder.filePath(QStringLiteral("old.htm")).toStdString();
    std::ofstream(existing) << "<HTML>";
    const std::string fresh = folder.filePath(QStringLiteral("new.csv")).toStdString();
    const std::string team = folder.filePath(QStringLiteral("old.tem")).toStdString();
    std::ofstream(team) << "team";
    using A = MessageAnswer;
    const struct {
        std::string path;
        int filter;
        std::vector<A> answers;
        std::optional<TeamSaveType> type;
        bool append, personal;
    } cases[] = {
        {fresh, 1, {A::Yes}, TeamSaveType::Csv, false, true},
        {existing, 1, {A::Yes, A::No}, TeamSaveType::Html, true, false}, // a name ending in htm is HTML
        {existing, 2, {A::No, A::Yes, A::Yes}, TeamSaveType::Html, false, true},
        {existing, 2, {A::No, A::No}, std::nullopt, false, false},
        {team, 0, {A::No}, std::nullopt, false, false}, // a team file is only overwritten
        {team, 0, {A::Yes}, TeamSaveType::TeamFile, false, false},
    };
    for (const auto &c : cases) {
        ScriptedUserInterface ui;
        ui.files.push_back(FileChoice{c.path, c.filter});
        ui.answers.assign(c.answers.begin(), c.answers.end());
        const std::optional<TeamSaveChoice> choice = askTeamSaveChoice(ui, "");
        EXPECT_EQ(choice.has_value(), c.type.has_value()) << c.path << ' ' << c.filter;
        if (choice) {
            EXPECT_EQ(choice->type, *c.type);
            EXPECT_EQ(choice->append, c.append);
            EXPECT_EQ(choice->personal, c.personal);
        }
        EXPECT_TRUE(ui.answers.empty()) << "every question asked";
    }
}

} // namespace
} // namespace yardmark
