#include "session/livekeeper.h"

#include "live/livefeed.h"
#include "records/gamefile.h"
#include "simulate/simulator.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

namespace fs = std::filesystem;

/// A keeper whose news is collected and handed over when the test says.
struct Told {
    std::vector<std::function<void()>> delivered;
    std::vector<std::string> said;
    int seasonsRead = 0;

    LiveKeeper keeper{[this](std::function<void()> work) { delivered.push_back(std::move(work)); },
                      {[this](const std::string &folder) { said.push_back("cannot write to " + folder); },
                       [this] { ++seasonsRead; },
                       [this](const std::vector<std::string> &files) {
                           for (const std::string &file : files)
                               said.push_back("left out " + file);
                       }}};

    void settle()
    {
        keeper.wait();
        for (const auto &work : std::exchange(delivered, {}))
            work();
    }
};

// The page follows every change with the season to date; a season game file
// that cannot be read and a folder that cannot be written are each said once,
// and scoring goes on.
TEST(LiveKeeper, PublishesEveryChangeAndSaysEachFaultOnce)
{
    const testing::TempDir dir;
    Settings settings;
    const simulate::SeasonFiles season = simulate::simulateSeason(5, 4, dir.path(), settings);
    const std::string path = (dir.path() / season.games[3]).string();
    const std::string gone = (dir.path() / season.games[0]).string();
    fs::rename(gone, gone + ".away");
    Game game;
    ASSERT_TRUE(loadGame(game, path));
    const GameSituation situation = openedSituation(game, settings.league);
    settings.app.live.folder = (dir.path() / "web").string();
    fs::create_directories(settings.app.live.folder);

    Told told;
    told.keeper.openSeason(path, settings.league);
    told.settle();
    EXPECT_EQ(told.seasonsRead, 1);
    ASSERT_NE(told.keeper.season(), nullptr);
    EXPECT_EQ(told.said, std::vector<std::string>{"left out " + gone});
    const struct {
        bool folderThere;
        std::vector<std::string> said;
    } steps[] = {
        {true, {}},
        {false, {"cannot write to " + settings.app.live.folder}},
        {false, {}},
        {true, {}},
    };
    for (const auto &step : steps) {
        fs::remove_all(settings.app.live.folder);
        if (step.folderThere)
            fs::create_directories(settings.app.live.folder);
        told.said.clear();
        told.keeper.changed(game, situation, settings);
        told.settle();
        EXPECT_EQ(told.said, step.said);
        EXPECT_EQ(fs::exists(fs::path(settings.app.live.folder) / "live.json"), step.folderThere);
    }

    // Cancelled, the season is not counted; the page goes on without it.
    Told cancelled;
    cancelled.keeper.cancelSeason();
    cancelled.keeper.openSeason(path, settings.league);
    cancelled.keeper.changed(game, situation, settings);
    cancelled.settle();
    EXPECT_EQ(cancelled.seasonsRead, 1);
    EXPECT_EQ(cancelled.keeper.season(), nullptr);
    EXPECT_TRUE(cancelled.said.empty());
}

} // namespace
} // namespace yardmark
