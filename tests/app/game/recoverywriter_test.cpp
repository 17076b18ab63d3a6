#include "app/game/recoverywriter.h"

#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "support/tempfolder.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

namespace fs = std::filesystem;

// The newest game always reaches the copy, whatever writes were folded
// together; a failing folder warns once; a discarded game leaves no copy.
TEST(RecoveryWriterTest, KeepsTheNewestGameAndWarnsOnce)
{
    const testing::TempDir temp;
    const fs::path &dir = temp.path();
    Game game = newGame();
    RecoveryWriter writer(dir / "game.gam", {}, [] {});
    for (int i = 0; i < 20; ++i) {
        game.plays.push_back(PlayRecord{});
        game.plays.back().playType = 1 + i % 9;
        writer.changed(game);
    }
    writer.wait();
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(recoveryPathFor(dir / "game.gam"), bytes));
    EXPECT_EQ(bytes, encodeGame(game));
    writer.discard();
    EXPECT_FALSE(fs::exists(recoveryPathFor(dir / "game.gam")));

    int warnings = 0;
    RecoveryWriter nowhere(dir / "missing" / "game.gam", {}, [&] { ++warnings; });
    nowhere.changed(game);
    nowhere.wait();
    nowhere.changed(game);
    nowhere.wait();
    QCoreApplication::processEvents();
    EXPECT_EQ(warnings, 1);
}

} // namespace
} // namespace yardmark
