#include "session/recoverykeeper.h"

#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>

namespace yardmark {
namespace {

namespace fs = std::filesystem;

Game playedGame(const fs::path &file, int plays)
{
    Game game = newGame();
    game.fileName = file.string();
    game.plays.resize(static_cast<std::size_t>(plays));
    return game;
}

// What the disk holds after what the scorer did: the copy of the newest game
// beside its file, none after a save, the copy following Save As, and the
// note of the last game kept only while the game is open or its save failed.
TEST(RecoveryKeeper, KeepsTheNewestGameWhereTheNextStartLooks)
{
    const testing::TempDir temp;
    const fs::path a = temp.path() / "week1.gam";
    const fs::path b = temp.path() / "week1 final.gam";
    const fs::path state = temp.path() / "state";
    using Step = std::function<void(RecoveryKeeper &, Game &)>;
    const Step change = [](RecoveryKeeper &k, Game &g) {
        g.plays.emplace_back();
        k.changed(g);
    };
    const Step save = [](RecoveryKeeper &k, Game &g) { k.saved(g); };
    const Step saveAsB = [&](RecoveryKeeper &k, Game &g) {
        g.fileName = b.string();
        k.saved(g);
    };
    const Step quit = [](RecoveryKeeper &k, Game &) { EXPECT_TRUE(k.close(false, std::chrono::seconds(10))); };
    const Step quitAfterFailedSave = [](RecoveryKeeper &k, Game &) {
        EXPECT_TRUE(k.close(true, std::chrono::seconds(10)));
    };
    const struct {
        const char *story;
        bool readOnly;
        std::vector<Step> steps;
        int playsInA, playsInB; ///< -1: no copy
        std::optional<fs::path> last;
    } cases[] = {
        {"scoring", false, {change, change, change}, 3, -1, a},
        {"saved", false, {change, save}, -1, -1, a},
        {"changed after a save", false, {change, save, change}, 2, -1, a},
        {"saved as", false, {change, saveAsB, change}, -1, 2, b},
        {"quit", false, {change, quit}, -1, -1, std::nullopt},
        {"quit after a failed save", false, {change, change, quitAfterFailedSave}, 2, -1, a},
        {"read-only", true, {change, quit}, -1, -1, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.story);
        ScriptedUserInterface ui;
        RecoveryKeeper keeper(ui, {}, [&] { return state; });
        Game game = playedGame(a, 0);
        game.readOnly = c.readOnly;
        keeper.follow(game);
        for (const Step &step : c.steps)
            step(keeper, game);
        keeper.wait();
        for (const auto &[file, plays] : {std::pair(a, c.playsInA), std::pair(b, c.playsInB)}) {
            Game copy;
            const bool kept = loadGame(copy, recoveryPathFor(file).string());
            EXPECT_EQ(kept ? copy.playCount() : -1, plays) << file;
        }
        EXPECT_EQ(lastGame(state), c.last);
        EXPECT_TRUE(ui.messages.empty());
        RecoveryCopy(a, state).remove();
        RecoveryCopy(b, state).remove();
        forgetLastGame(state);
    }
}

// A copy that can be written nowhere is said once, on the window's thread,
// and only while the keeper is there.
TEST(RecoveryKeeper, SaysOnceThatNoCopyCanBeWritten)
{
    const testing::TempDir temp;
    const fs::path nowhere = temp.path() / "missing" / "week1.gam";
    std::ofstream(temp.path() / "not a folder") << "x";
    ScriptedUserInterface ui;
    std::vector<std::function<void()>> delivered;
    auto keeper = std::make_unique<RecoveryKeeper>(
        ui, [&](std::function<void()> work) { delivered.push_back(std::move(work)); },
        [&] { return temp.path() / "not a folder"; });
    Game game = playedGame(nowhere, 1);
    keeper->follow(game);
    for (int i = 0; i < 3; ++i) {
        keeper->changed(game);
        keeper->wait();
    }
    ASSERT_EQ(delivered.size(), 1u);
    keeper.reset();
    delivered[0]();
    EXPECT_TRUE(ui.messages.empty()) << "delivered after the keeper went";
}

// A share that no longer answers holds up closing no longer than the bound;
// the scorer is told where the copy stands.
TEST(RecoveryKeeper, ClosingNeverWaitsOnAHungDisk)
{
    const testing::TempDir temp;
    // Shared with the worker, which outlives the keeper until the disk answers.
    struct Disk {
        std::mutex mutex;
        std::condition_variable answered;
        bool hung = false;
    };
    const auto disk = std::make_shared<Disk>();
    ScriptedUserInterface ui;
    {
        RecoveryKeeper keeper(
            ui, {}, [&] { return temp.path() / "state"; },
            [disk] {
                std::unique_lock lock(disk->mutex);
                disk->answered.wait(lock, [&] { return !disk->hung; });
            });
        Game game = playedGame(temp.path() / "week1.gam", 1);
        keeper.follow(game);
        keeper.wait();
        {
            const std::lock_guard lock(disk->mutex);
            disk->hung = true;
        }
        keeper.changed(game);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(keeper.close(false, std::chrono::milliseconds(100)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find(recoveryPathFor(temp.path() / "week1.gam").string()), std::string::npos);
    {
        const std::lock_guard lock(disk->mutex);
        disk->hung = false;
    }
    disk->answered.notify_all();
}

} // namespace
} // namespace yardmark
