#include "app/setup/setupcommands.h"
#include "app/shell/mainwindow.h"
#include "app/stats/statisticsmenu.h"
#include "app/stats/statsreading.h"
#include "app/stats/teamstatswindow.h"

#include "app/scripteduserinterface.h"
#include "gameflow/gameflow.h"
#include "gameflow/scriptedinteraction.h"
#include "simulate/simulator.h"
#include "stats/tempgames.h"

#include "qtbase/qtext.h"
#include "records/settingsfile.h"
#include "vocabulary/vocabulary.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace yardmark {
namespace {

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Games as the scorer's scripts record them, between two teams of a simulated league.
std::vector<Game> simulatedGames(int count, const Settings &settings)
{
    simulate::Pcg32 rng(11);
    const std::vector<Team> league = simulate::makeLeague(rng, 2);
    std::vector<Game> games;
    for (int week = 1; week <= count; ++week)
        games.push_back(simulate::simulateGame(rng, league[week % 2], league[(week + 1) % 2], settings, week, ""));
    return games;
}

class StatisticsTest : public ::testing::Test {
protected:
    StatisticsTest() : window(settings, ui, (folder.path() + "/yardmark.ini").toStdString())
    {
        new SetupCommands(window, settings, ui);
        setDefaults(settings);
        window.context().setDialogRunner([this](QDialog &dialog) {
            dialogs.push_back(dialog.objectName());
            const auto answer = answers.find(dialog.objectName());
            return answer == answers.end() ? int(QDialog::Rejected) : answer->second(dialog);
        });
        menu = new StatisticsMenu(window);
    }

    QAction *action(const char *name) { return window.findChild<QAction *>(QString::fromLatin1(name)); }
    template <typename T = QDialog> T *open(const char *name)
    {
        return window.findChild<T *>(QString::fromLatin1(name));
    }

    // Exports through the window's Export button and returns what was written.
    std::string exported(QWidget *from, int filterIndex = 0)
    {
        const std::string path = (folder.path() + "/export" + QString::number(++exports) + ".csv").toStdString();
        ui.files.push_back(FileChoice{path, filterIndex});
        from->findChild<QPushButton *>(QStringLiteral("export"))->click();
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // The comma-separated line of a team, as the value column shows it: one value a line.
    static std::string csvValues(const std::string &csv, const std::string &team)
    {
        for (const std::string &line : split(csv, '\n')) {
            std::vector<std::string> fields = split(line, ',');
            if (!fields.empty() && fields[0] == team) {
                std::string column;
                for (std::size_t i = 1; i < fields.size(); ++i)
                    column += trimmed(fields[i]) + (i + 1 < fields.size() ? "\n" : "");
                return column;
            }
        }
        return "no line for " + team;
    }

    static std::string shownValues(QWidget *window, const char *column)
    {
        QString text = window->findChild<QLabel *>(QString::fromLatin1(column))->text();
        std::string values;
        for (const QString &line : text.split(QLatin1Char('\n')))
            values += trimmed(fromQString(line)) + "\n";
        values.pop_back();
        return values;
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedUserInterface ui;
    MainWindow window;
    StatisticsMenu *menu = nullptr;
    std::vector<QString> dialogs;
    std::map<QString, std::function<int(QDialog &)>> answers;
    int exports = 0;
};

TEST_F(StatisticsTest, SummariesShowWhatTheirExportsWriteFollowTheGameAndCloseWithIt)
{
    Game game = simulatedGames(1, settings).front();
    ScriptedInteraction interaction;
    GameFlow flow(game, settings, interaction);
    EXPECT_FALSE(action("gameSummary")->isEnabled());
    EXPECT_FALSE(action("printDriveSummary")->isEnabled());
    window.setGameInProgress(true);
    window.session().setEngine(&flow);
    for (const char *name : {"gameSummary", "scoringSummary", "driveSummary", "printGameSummary"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;

    action("gameSummary")->trigger();
    action("driveSummary")->trigger();
    action("scoringSummary")->trigger();
    QDialog *summary = open("gameSummary");
    QDialog *drives = open("driveSummary");
    QDialog *scoring = open("scoringSummary");
    ASSERT_TRUE(summary && drives && scoring);
    EXPECT_FALSE(summary->isModal());
    EXPECT_FALSE(action("gameSummary")->isEnabled()) << "one game summary at a time";

    const auto checkAgainstExports = [&] {
        const std::string csv = exported(summary);
        EXPECT_EQ(shownValues(summary, "firstValues"), csvValues(csv, game.info.homeTeamName));
        EXPECT_EQ(shownValues(summary, "secondValues"), csvValues(csv, game.info.visitorTeamName));
        // The lists hold one line per exported drive or score, the same numbers in them.
        const auto *driveList = drives->findChild<QListWidget *>(QStringLiteral("lines"));
        const std::vector<std::string> driveRows = split(exported(drives), '\n');
        ASSERT_EQ(driveList->count() + 1, static_cast<int>(driveRows.size()));
        for (int i = 0; i < driveList->count(); ++i) {
            const std::vector<std::string> fields = split(driveRows[static_cast<std::size_t>(i) + 1], ',');
            const std::string shown = fromQString(driveList->item(i)->text());
            EXPECT_EQ(shown.rfind(fields[0] + ", " + trimmed(fields[1]) + ", Duration: ", 0), 0U) << shown;
            EXPECT_NE(shown.find("Result: " + trimmed(fields[3])), std::string::npos) << shown;
        }
        const auto *scoringList = scoring->findChild<QListWidget *>(QStringLiteral("lines"));
        EXPECT_EQ(scoringList->count() + 1, static_cast<int>(split(exported(scoring), '\n').size()));
        EXPECT_EQ(scoringList->currentRow(), scoringList->count() - 1) << "the last line is selected";
        const std::string final = fromQString(drives->findChild<QLabel *>(QStringLiteral("homeCell5"))->text());
        EXPECT_EQ(final, std::to_string(game.homeScore));
    };
    checkAgainstExports();

    // A period shows that period's records, and Export writes what is shown.
    summary->findChild<QRadioButton *>(QStringLiteral("secondHalf"))->click();
    const std::string halfCsv = exported(summary);
    EXPECT_EQ(shownValues(summary, "firstValues"), csvValues(halfCsv, game.info.homeTeamName));

    // Taking back the last touchdown: every window follows, the summary back on "&Game".
    const std::string before = shownValues(summary, "firstValues");
    int lastScore = game.playCount() - 1;
    while (game.plays[static_cast<std::size_t>(lastScore)].scoreType != static_cast<int>(ScoreType::Touchdown))
        --lastScore;
    interaction.replies = {MessageAnswer::Yes};
    flow.deletePlay(lastScore);
    EXPECT_TRUE(summary->findChild<QRadioButton *>(QStringLiteral("game"))->isChecked());
    EXPECT_NE(shownValues(summary, "firstValues") + shownValues(summary, "secondValues"),
              before + csvValues(halfCsv, game.info.visitorTeamName));
    checkAgainstExports();

    // Print shows the printout in a preview.
    answers[QStringLiteral("printPreview")] = [](QDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        EXPECT_GE(preview->pageCount(), 1);
        return int(QDialog::Accepted);
    };
    drives->findChild<QPushButton *>(QStringLiteral("print"))->click();
    action("printGameSummary")->trigger();
    EXPECT_EQ(dialogs, (std::vector<QString>{QStringLiteral("printPreview"), QStringLiteral("printPreview")}));

    interaction.replies = {MessageAnswer::No};
    EXPECT_TRUE(flow.quitGame());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(open("gameSummary"), nullptr);
    EXPECT_EQ(open("driveSummary"), nullptr);
    EXPECT_EQ(open("scoringSummary"), nullptr);
    window.session().setEngine(nullptr);
}

// Names from a file show as they are typed, never as markup.
TEST_F(StatisticsTest, NamesWithMarkupShowAsTyped)
{
    Game game = simulatedGames(1, settings).front();
    game.info.homeTeamName = "<h1><u>HACKED</u></h1>";
    game.info.visitorTeamName = "<img src=x.png>";
    ScriptedInteraction interaction;
    GameFlow flow(game, settings, interaction);
    window.setGameInProgress(true);
    window.session().setEngine(&flow);
    int names = 0;
    for (const char *name : {"gameSummary", "driveSummary", "scoringSummary"}) {
        action(name)->trigger();
        for (const QLabel *label : open(name)->findChildren<QLabel *>()) {
            if (label->text().contains(QStringLiteral("HACKED")) || label->text().contains(QStringLiteral("<img"))) {
                ++names;
                EXPECT_EQ(label->textFormat(), Qt::PlainText) << name << ' ' << label->objectName().toStdString();
            }
        }
    }
    EXPECT_GE(names, 4);
    EXPECT_EQ(open("driveSummary")->findChild<QLabel *>(QStringLiteral("homeName"))->text(),
              QStringLiteral("<h1><u>HACKED</u></h1>"));
}

TEST_F(StatisticsTest, IndividualAndTeamStatisticsOverChosenFilesShowWhatTheyExport)
{
    test::TempGames files;
    const std::vector<Game> games = simulatedGames(3, settings);
    for (std::size_t i = 0; i < games.size(); ++i)
        files.save("week" + std::to_string(i + 1) + ".gam", games[i]);
    const std::string damaged = files.garbage("week9.gam");
    const std::string team = games[0].info.homeTeamName;

    QString listed;
    bool individual = true; // team statistics offer no "All Teams"
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(QFileInfo(QString::fromStdString(damaged)).absolutePath());
    answers[QStringLiteral("statFiles")] = [&](QDialog &dialog) -> int {
        auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("ok"));
        ok->click();
        EXPECT_EQ(ui.messages.back().text, "Must Select at least one Game to Analyze");
        auto *listing = dialog.findChild<QListWidget *>(QStringLiteral("listing"));
        // Out of the start folder and back into it, as a scorer moves between folders.
        listing->setCurrentRow(0);
        emit listing->itemActivated(listing->item(0));
        const QString folderEntry =
            QLatin1Char('[') + QFileInfo(QString::fromStdString(damaged)).dir().dirName() + QLatin1Char(']');
        const QList<QListWidgetItem *> entries = listing->findItems(folderEntry, Qt::MatchExactly);
        if (entries.size() != 1) {
            ADD_FAILURE() << "no folder " << folderEntry.toStdString();
            return 0;
        }
        listing->setCurrentItem(entries[0]);
        emit listing->itemActivated(entries[0]);
        listing->setCurrentRow(static_cast<int>(listing->count() - 4));
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("preview"))->text(),
                  toQString(games[0].info.visitorTeamName + "\nvs\n" + games[0].info.homeTeamName));
        dialog.findChild<QPushButton *>(QStringLiteral("selectAll"))->click();
        ok->click();
        EXPECT_EQ(ui.messages.back().caption, "No Team Selected");
        auto *teams = dialog.findChild<QComboBox *>(QStringLiteral("team"));
        EXPECT_EQ(teams->findText(QStringLiteral("All Teams")) == 0, individual);
        teams->setCurrentIndex(teams->findText(toQString(team)));
        ok->click();
        listed = dialog.findChild<QListWidget *>(QStringLiteral("games"))->item(0)->text();
        return dialog.result();
    };
    answers[QStringLiteral("showStats")] = [&](QDialog &dialog) -> int {
        auto *tabs = dialog.findChild<QTabBar *>(QStringLiteral("categories"));
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("players"));
        dialog.findChild<QComboBox *>(QStringLiteral("statType"))->setCurrentIndex(2); // Combined
        // Each category's rows are the exported lines: numbers and names as written, values alike.
        const std::vector<std::string> csv = split(exported(&dialog), '\n');
        std::size_t line = 0;
        for (int category = 0; category < 7; ++category) {
            tabs->setCurrentIndex(category);
            while (line < csv.size() && csv[line].rfind("No,", 0) != 0)
                ++line;
            ++line;
            EXPECT_GT(list->topLevelItemCount(), 0) << category;
            for (int row = 0; row < list->topLevelItemCount(); ++row, ++line) {
                if (line >= csv.size()) {
                    ADD_FAILURE() << "fewer exported lines than rows";
                    return 0;
                }
                const std::vector<std::string> fields = split(csv[line], ',');
                const QTreeWidgetItem *item = list->topLevelItem(row);
                EXPECT_EQ(trimmed(fromQString(item->text(0))), trimmed(fields[0]));
                EXPECT_EQ(fromQString(item->text(1)), trimmed(fields[1]));
                for (std::size_t c = 2; c < fields.size(); ++c)
                    EXPECT_NEAR(item->text(static_cast<int>(c)).toDouble(), std::stod(fields[c]), 0.5)
                        << category << " " << row << " " << c;
            }
        }
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("games"))->text(), QStringLiteral("3 games"));
        // The defenders sorted by tackles, most first, as numbers; the totals stay last.
        EXPECT_FALSE(list->headerItem()->toolTip(3).isEmpty());
        emit list->header()->sectionClicked(2);
        emit list->header()->sectionClicked(2);
        const int rows = list->topLevelItemCount();
        EXPECT_EQ(list->topLevelItem(rows - 1)->text(1), QStringLiteral("TEAM TOTALS"));
        for (int row = 1; row + 1 < rows; ++row)
            EXPECT_GE(list->topLevelItem(row - 1)->text(2).toInt(), list->topLevelItem(row)->text(2).toInt()) << row;
        return int(QDialog::Accepted);
    };
    action("individualStatistics")->trigger();
    QDir::setCurrent(startFolder);
    EXPECT_EQ(dialogs, (std::vector<QString>{QStringLiteral("statFiles"), QStringLiteral("showStats")}));
    EXPECT_EQ(listed.toStdString(), files.save("week1.gam", games[0]));
    EXPECT_EQ(ui.messages.back().text, "1 file could not be read:\n" + damaged);

    // The team statistics start from the same folder and show what they export;
    // after a print the window comes back on the period it showed.
    individual = false;
    int teamStatsShown = 0;
    answers[QStringLiteral("teamStats")] = [&](QDialog &dialog) -> int {
        EXPECT_EQ(dialog.windowTitle(), toQString(team + " Versus Opponents"));
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("record"))->text().endsWith(QStringLiteral(" in 3 games")),
                  true);
        if (++teamStatsShown == 2) {
            EXPECT_TRUE(dialog.findChild<QRadioButton *>(QStringLiteral("firstHalf"))->isChecked());
            return int(QDialog::Accepted);
        }
        dialog.findChild<QRadioButton *>(QStringLiteral("firstHalf"))->click();
        const std::string csv = exported(&dialog);
        EXPECT_EQ(shownValues(&dialog, "firstValues"), csvValues(csv, team));
        EXPECT_EQ(shownValues(&dialog, "secondValues"), csvValues(csv, "Opponents"));
        return TeamStatsWindow::kPrintResult;
    };
    answers[QStringLiteral("printPreview")] = [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), dialog.windowTitle());
        return int(QDialog::Accepted);
    };
    action("teamStatistics")->trigger();
    EXPECT_EQ(teamStatsShown, 2);
    EXPECT_EQ(dialogs[dialogs.size() - 2], QStringLiteral("printPreview"));
    EXPECT_EQ(window.context().printer.docName(), QStringLiteral("Quillet Yardmark Stats"));
}

TEST_F(StatisticsTest, WithAGameOpenTheStatisticsAskForItsTeam)
{
    Game game = simulatedGames(1, settings).front();
    window.session().setCurrentGame(game);
    window.setGameInProgress(true);
    answers[QStringLiteral("pickTeam")] = [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose Team for Stats Calculation"));
        dialog.findChild<QRadioButton *>(QStringLiteral("visitor"))->click();
        dialog.accept();
        return dialog.result();
    };
    answers[QStringLiteral("teamStats")] = [&](QDialog &dialog) -> int {
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("secondCaption"))->text(),
                  toQString(game.info.homeTeamName));
        return int(QDialog::Accepted);
    };
    answers[QStringLiteral("showStats")] = [&](QDialog &dialog) -> int {
        auto *types = dialog.findChild<QComboBox *>(QStringLiteral("statType"));
        EXPECT_EQ(types->itemText(0), toQString(game.info.visitorTeamName));
        EXPECT_EQ(types->count(), 3);
        return int(QDialog::Accepted);
    };
    action("teamStatistics")->trigger();
    action("individualStatistics")->trigger();
    EXPECT_EQ(dialogs, (std::vector<QString>{QStringLiteral("pickTeam"), QStringLiteral("teamStats"),
                                             QStringLiteral("pickTeam"), QStringLiteral("showStats")}));
}

TEST(StatsReadingTest, CancelStopsTheReaderAndGivesNoResult)
{
    QWidget parent;
    setReadingProgressDelay(0);
    QTimer::singleShot(0, &parent,
                       [&parent] { parent.findChild<QProgressDialog *>(QStringLiteral("readingProgress"))->cancel(); });
    // A reader of endless files stops only when told to.
    const std::optional<std::size_t> read =
        readWithProgress<std::size_t>(&parent, 200, [](const ReadingProgress &progress) {
            std::size_t done = 0;
            while (progress(++done)) {
            }
            return done;
        });
    EXPECT_FALSE(read);
    EXPECT_EQ(readWithProgress<int>(&parent, 1, [](const ReadingProgress &progress) { return progress(1) ? 7 : 0; }),
              7);
    setReadingProgressDelay(400);
}

} // namespace
} // namespace yardmark
