#include "app/game/gamewindow.h"
#include "app/season/schedulecommands.h"
#include "app/season/schedulewindow.h"
#include "app/setup/setupcommands.h"
#include "app/shell/mainwindow.h"

#include "app/scripteduserinterface.h"
#include "app/widgetlookup.h"
#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "simulate/simulator.h"
#include "support/userfolders.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <deque>

namespace yardmark {
namespace {

void type(const QWidget &dialog, const char *box, const char *text)
{
    QLineEdit *edit = child<QLineEdit>(dialog, box);
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

QString text(const QWidget &dialog, const char *box)
{
    return child<QLineEdit>(dialog, box)->text();
}

QTreeWidget &list(const QWidget &dialog)
{
    return *child<QTreeWidget>(dialog, "scheduleList");
}

// A click on the row whose `column` reads `value`, as the scorer picks an event.
void clickRow(const QWidget &dialog, int column, const QString &value)
{
    QTreeWidget &rows = list(dialog);
    const QList<QTreeWidgetItem *> found = rows.findItems(value, Qt::MatchExactly, column);
    ASSERT_EQ(found.size(), 1) << value.toStdString();
    // Near the row's left end: a wide row reaches beyond the list's view.
    const QRect row = rows.visualItemRect(found.front());
    QTest::mouseClick(rows.viewport(), Qt::LeftButton, {}, QPoint(row.left() + 4, row.center().y()));
}

void clickHeader(const QWidget &dialog, int column)
{
    QHeaderView *header = list(dialog).header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

QStringList columnTexts(const QWidget &dialog, int column)
{
    QStringList texts;
    for (int i = 0; i < list(dialog).topLevelItemCount(); ++i)
        texts << list(dialog).topLevelItem(i)->text(column);
    return texts;
}

std::vector<std::uint8_t> fileBytes(const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    readWholeFile(path, bytes);
    return bytes;
}

/// The main window with File > Schedule; modal dialogs are answered by
/// `steps` in the order they open, each shown first as the scorer sees it.
class ScheduleWindowTest : public ::testing::Test {
protected:
    using Step = std::function<void(QDialog &)>;

    ScheduleWindowTest()
    {
        // The game window notes the game it has open in the state folder.
        qputenv(testing::kStateHomeVariable, folder.path().toLocal8Bit());
        new SetupCommands(window, settings, ui);
        new ScheduleCommands(window, settings, ui);
        window.context().setDialogRunner([this](QDialog &dialog) {
            EXPECT_FALSE(steps.empty()) << "unexpected dialog " << dialog.windowTitle().toStdString();
            if (steps.empty())
                return int(QDialog::Rejected);
            const Step step = steps.front();
            steps.pop_front();
            dialog.show();
            QApplication::sendPostedEvents();
            step(dialog);
            dialog.hide();
            return dialog.result();
        });
    }

    void TearDown() override { EXPECT_TRUE(steps.empty()) << steps.size() << " dialogs never opened"; }

    std::string path(const std::string &name) const
    {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }
    void chooseFile(const std::string &name) { ui.files.push_back(FileChoice{path(name), 0}); }
    void trigger(const char *action) { window.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }

    void writeTeam(const char *file, const char *name, const char *player)
    {
        Team team;
        team.rosterOnly = false;
        team.name = name;
        team.players.push_back(PlayerRecord{player, 12, 1, 0, 3});
        team.personalInfo.resize(1);
        ASSERT_TRUE(writeTeamFile(team, path(file)));
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedUserInterface ui;
    MainWindow window{settings, ui, path("yardmark.ini")};
    std::deque<Step> steps;
};

// Events are added, corrected, changed, sorted and deleted through the window,
// and the file it saves is the one the editor's rules make of the same typing.
// A game is then created from an event; the event keeps its file.
TEST_F(ScheduleWindowTest, EditsTheSeasonAndCreatesAGameFromAnEvent)
{
    writeTeam("bears.tem", "Bears", "Payton");
    writeTeam("packers.tem", "Packers", "Favre");
    qputenv("SOURCE_DATE_EPOCH", "1796644800"); // today is 12/7/2026
    const DateTime today = currentDateTime();
    QString corrected;
    chooseFile("season.sch");
    steps.push_back([&](QDialog &editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Schedule - season.sch"));
        EXPECT_EQ(columnTexts(editor, 0), QStringList());
        type(editor, "date", "9/12/2026");
        type(editor, "time", "19:00");
        type(editor, "field", "Soldier Field");
        type(editor, "note", "Opener");
        chooseFile("bears.tem");
        click(editor, "chooseHomeTeam");
        chooseFile("packers.tem");
        click(editor, "chooseVisitorTeam");
        EXPECT_EQ(text(editor, "homeTeam"), QStringLiteral("Bears"));
        EXPECT_EQ(child<QPushButton>(editor, "visitorTeamEditor")->text(), QStringLiteral("Edit"));
        click(editor, "addEvent");

        click(editor, "clearAll");
        EXPECT_EQ(child<QPushButton>(editor, "homeTeamEditor")->text(), QStringLiteral("Create"));
        type(editor, "date", "13/40/2026");
        type(editor, "time", "25:70");
        child<QComboBox>(editor, "eventType")->setCurrentIndex(0);
        type(editor, "note", "Bring water");
        click(editor, "addEvent");
        // Out of range: today and noon, shown as stored.
        corrected = text(editor, "date");
        EXPECT_EQ(text(editor, "time"), QStringLiteral("12:00"));

        click(editor, "clearAll");
        type(editor, "date", "8/1/2026");
        type(editor, "time", "18:30");
        child<QComboBox>(editor, "eventType")->setCurrentIndex(3);
        click(editor, "addEvent");

        clickRow(editor, 3, QStringLiteral("Bears"));
        EXPECT_EQ(text(editor, "date"), QStringLiteral("9/12/2026"));
        type(editor, "note", "Season opener");
        click(editor, "updateEvent");

        clickHeader(editor, 0);
        const QStringList ascending = columnTexts(editor, 0);
        clickHeader(editor, 0);
        QStringList descending = columnTexts(editor, 0);
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(ascending, descending) << "the second click flips the direction";
        EXPECT_EQ(ascending.front(), QStringLiteral("8/1/2026"));

        clickRow(editor, 2, QStringLiteral("Team Meeting"));
        click(editor, "deleteEvent");
        EXPECT_EQ(columnTexts(editor, 2), (QStringList{"Practice", "Game"}));
        click(editor, "close");
    });
    trigger("newSchedule");
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(corrected, QStringLiteral("12/7/2026"));

    // The same typing through the editor's rules.
    ScheduleEditor expected;
    expected.form = ScheduleForm{"9/12/2026", "19:00", "Soldier Field", 1, "Opener", "Bears", "Packers", ""};
    expected.scratch.homeTeamFile = path("bears.tem");
    expected.scratch.visitorTeamFile = path("packers.tem");
    addScheduleEvent(expected, today);
    clearScheduleForm(expected);
    expected.form = ScheduleForm{"13/40/2026", "25:70", "", 0, "Bring water", "", "", ""};
    addScheduleEvent(expected, today);
    clearScheduleForm(expected);
    expected.form = ScheduleForm{"8/1/2026", "18:30", "", 3, "", "", "", ""};
    addScheduleEvent(expected, today);
    selectScheduleEntry(expected, 0);
    expected.form.note = "Season opener";
    updateScheduleEvent(expected, today);
    sortScheduleByColumn(expected, ScheduleColumn::Date);
    sortScheduleByColumn(expected, ScheduleColumn::Date);
    selectScheduleEntry(expected, 2);
    deleteScheduleEvent(expected);
    EXPECT_EQ(fileBytes(path("season.sch")), encodeSchedule(expected.schedule));

    // Tonight's game: created from the event, its file kept in the event.
    std::optional<Game> started;
    window.session().setRecorder([&] {
        started = *window.session().currentGame();
        window.setGameInProgress(true);
    });
    chooseFile("season.sch");
    steps.push_back([](QDialog &editor) {
        clickRow(editor, 2, QStringLiteral("Game"));
        EXPECT_EQ(child<QPushButton>(editor, "gameButton")->text(), QStringLiteral("Start"));
        click(editor, "gameButton");
    });
    steps.push_back([this](QDialog &info) {
        EXPECT_EQ(child<QLabel>(info, "homePanel")->text(), QStringLiteral("Name: Bears\nCoach: \nAssistant: \n"));
        EXPECT_EQ(text(info, "time"), QStringLiteral("19:00"));
        chooseFile("week1.gam");
        click(info, "startGame");
    });
    trigger("editSchedule");
    ASSERT_TRUE(started);
    EXPECT_EQ(started->visitorTeam.players.at(0).name, "Favre");
    EXPECT_EQ(started->info.fieldName, "Soldier Field");
    EXPECT_EQ(started->info.gameDay, 12);
    EXPECT_FALSE(child<QAction>(window, "editSchedule")->isEnabled()) << "not while the game is played";
    window.openFile(QString::fromStdString(path("season.sch")));
    EXPECT_EQ(ui.messages.back().caption, "Game in Progress");
    Schedule saved;
    ASSERT_EQ(loadSchedule(path("season.sch"), saved), ScheduleLoadResult::Loaded);
    EXPECT_EQ(saved.entries.at(1).gameFile, path("week1.gam"));

    // The game window closes: the schedule comes back with the event's game.
    steps.push_back([this](QDialog &editor) {
        EXPECT_EQ(columnTexts(editor, 6), (QStringList{"", QString::fromStdString(path("week1.gam"))}));
        EXPECT_EQ(child<QPushButton>(editor, "gameButton")->text(), QStringLiteral("Edit"));
        EXPECT_EQ(child<QPushButton>(editor, "homeTeamEditor")->text(), QStringLiteral("N/A"));
        click(editor, "homeTeamEditor");
        click(editor, "close");
    });
    window.setGameInProgress(false);
    QApplication::processEvents();
    EXPECT_EQ(ui.messages.back().text, "Edit Team by Selecting Game Edit Button");
    EXPECT_EQ(ui.sounds.back(), kClickSound);
    EXPECT_EQ(std::count(ui.sounds.begin(), ui.sounds.end(), kLoadFailedSound), 1);
    EXPECT_EQ(std::count(ui.sounds.begin(), ui.sounds.end(), kWarningSound), 1);
}

// An event whose game file is gone is named once and kept.
TEST_F(ScheduleWindowTest, MissingGamesLoseNothing)
{
    Schedule schedule;
    ScheduleEntry event;
    event.eventType = 2;
    event.homeTeamName = "Bears";
    event.homeTeamFile = path("gone/bears.tem");
    event.visitorTeamFile = path("gone/packers.tem");
    event.gameFile = path("gone/week2.gam");
    schedule.append(event);
    ASSERT_TRUE(saveSchedule(schedule, path("lost.sch")));
    steps.push_back([](QDialog &editor) {
        EXPECT_EQ(columnTexts(editor, 3), QStringList{"Bears"});
        clickRow(editor, 3, QStringLiteral("Bears"));
        click(editor, "gameButton"); // the recorded game cannot open: named again, back to the editor
    });
    steps.push_back([](QDialog &editor) { click(editor, "close"); });
    window.openFile(QString::fromStdString(path("lost.sch")));
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, missingFileText("game", path("gone/week2.gam")));
    EXPECT_EQ(ui.messages[0].caption, "File corrupt or missing?");
    EXPECT_EQ(ui.messages[1].text, ui.messages[0].text);
    Schedule kept;
    ASSERT_EQ(loadSchedule(path("lost.sch"), kept), ScheduleLoadResult::Loaded);
    EXPECT_EQ(kept.entries, schedule.entries);
}

// The simulated season opens from its schedule: a recorded game plays in the
// game window, and the schedule comes back when the window closes.
TEST_F(ScheduleWindowTest, OpensAGameOfTheSimulatedSeason)
{
    std::vector<int> played;
    RecordingSoundPlayer sounds{played};
    setDefaults(settings);
    addGameCommands(window, settings, sounds);
    const simulate::SeasonFiles season = simulate::simulateSeason(3, 2, folder.path().toStdString(), settings);
    struct WorkingDirectory {
        QString before = QDir::currentPath();
        explicit WorkingDirectory(const QString &path) { QDir::setCurrent(path); }
        ~WorkingDirectory() { QDir::setCurrent(before); }
    } inSeason(folder.path()); // as `make run` starts the program in its season
    steps.push_back([&season](QDialog &editor) {
        EXPECT_EQ(columnTexts(editor, 6),
                  (QStringList{QString::fromStdString(season.games[0]), QString::fromStdString(season.games[1])}));
        // Both games were played: each shows its final score.
        for (const QString &result : columnTexts(editor, 5))
            EXPECT_TRUE(result.contains(QChar(0x2013))) << result.toStdString();
        clickRow(editor, 6, QString::fromStdString(season.games[1]));
        click(editor, "gameButton");
    });
    window.openFile(QString::fromStdString(season.schedule));
    auto *game = window.findChild<GameWindow *>();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(window.gameInProgress());
    Game recorded;
    ASSERT_TRUE(loadGame(recorded, season.games[1]));
    EXPECT_EQ(window.session().currentGame()->plays, recorded.plays);

    steps.push_back([](QDialog &editor) {
        EXPECT_EQ(list(editor).currentItem(), list(editor).topLevelItem(1)) << "the event just played";
        click(editor, "close");
    });
    game->interaction().setMessageRunner([](auto, auto, auto) { return MessageAnswer::No; });
    game->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window.gameInProgress());
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace yardmark
