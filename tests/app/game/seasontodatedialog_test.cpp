#include "app/game/seasontodatedialog.h"

#include "base/text.h"
#include "live/livefeed.h"
#include "records/gamefile.h"
#include "season/seasontodate.h"
#include "simulate/simulator.h"
#include "support/tempfolder.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

// The window over week 2's first game of a simulated season: the records
// going in, a player's today and season, the last play's players; and what
// it says while the season is still being read.
TEST(SeasonToDateDialogTest, ShowsAChosenPlayerAndTheLastPlayTodayAndOverTheSeason)
{
    const testing::TempDir dir;
    const simulate::SeasonFiles files = simulate::simulateSeason(3, 5, dir.path(), Settings{});
    const std::string path = (dir.path() / files.games[4]).string();
    Game game;
    ASSERT_TRUE(loadGame(game, path));
    SeasonToDate toDate((dir.path() / files.schedule).string(), path, LeagueOptions{});
    const auto season = toDate.figures(game);
    ASSERT_EQ(season->home.games, 1);

    SeasonToDateDialog dialog(nullptr);
    dialog.refresh(game, season, false);
    auto *status = dialog.findChild<QLabel *>(QStringLiteral("seasonStatus"));
    EXPECT_TRUE(status->text().contains(QString::fromStdString(cp1252ToUtf8(recordText(season->home.record)))));
    auto *player = dialog.findChild<QComboBox *>(QStringLiteral("player"));
    auto *figures = dialog.findChild<QTableWidget *>(QStringLiteral("playerFigures"));
    // The home team's leading rusher: his carries today and since the season began.
    const TeamFigures today = gameFigures(game, true, LeagueOptions{});
    const TeamFigures::Player *rusher = teamLeaders(today).rushing;
    ASSERT_NE(rusher, nullptr);
    const int index = player->findText(QString::fromStdString(cp1252ToUtf8(rusher->name)), Qt::MatchEndsWith);
    ASSERT_GE(index, 0);
    player->setCurrentIndex(index);
    PlayerFigures total = rusher->figures;
    if (const auto *before = season->home.players.find(rusher->name))
        total += before->figures;
    EXPECT_EQ(figures->item(1, 1)->text().toStdString(), leaderText(LeaderCategory::Rushing, rusher->figures));
    EXPECT_EQ(figures->item(1, 2)->text().toStdString(), leaderText(LeaderCategory::Rushing, total));

    // The player stays chosen as the game goes on.
    dialog.refresh(game, season, false);
    EXPECT_EQ(player->currentIndex(), index);
    auto *lastPlay = dialog.findChild<QTableWidget *>(QStringLiteral("lastPlayFigures"));
    for (int row = 0; row < lastPlay->rowCount(); ++row) {
        const std::string name = lastPlay->item(row, 0)->text().toStdString();
        const auto &inPlay = game.plays.back().players;
        EXPECT_TRUE(std::any_of(inPlay.begin(), inPlay.end(), [&](const PlayerRecord &p) {
            return cp1252ToUtf8(p.name) == name;
        })) << name;
    }

    dialog.refresh(game, nullptr, true);
    EXPECT_EQ(status->text(), QStringLiteral("Reading the season ..."));
    EXPECT_EQ(figures->item(1, 2)->text(), QStringLiteral("-"));
}

} // namespace
} // namespace yardmark
