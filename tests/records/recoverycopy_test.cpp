#include "records/recoverycopy.h"

#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "samplerecords.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace yardmark {
namespace {

namespace fs = std::filesystem;
using testing::sampleGame;
using testing::samplePlay;

class RecoveryCopyTest : public ::testing::Test {
protected:
    RecoveryCopyTest()
    {
        fs::create_directories(dir / "games");
        gameFile = dir / "games" / "week1.gam";
        saved = sampleGame(3, 3, 4);
        EXPECT_TRUE(saveGame(saved, gameFile.string()));
    }

    /// The game with two more plays, as the window would have it after them.
    Game changed() const
    {
        Game game = saved;
        game.plays.push_back(samplePlay(10));
        game.plays.push_back(samplePlay(11));
        return game;
    }

    static void makeOlder(const fs::path &path)
    {
        fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(1));
    }

    testing::TempDir temp;
    fs::path dir = temp.path();
    fs::path gameFile;
    Game saved;
};

TEST_F(RecoveryCopyTest, LivesBesideTheGameAndIsOfferedWhileNewer)
{
    EXPECT_EQ(recoveryPathFor(gameFile), dir / "games" / ".week1.gam.recovery");
    RecoveryCopy copy(gameFile, dir / "state");
    ASSERT_TRUE(copy.write(changed()));
    EXPECT_EQ(copy.path(), recoveryPathFor(gameFile));
    makeOlder(gameFile);

    const auto offer = findRecovery(gameFile, dir / "state");
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->savedPlays, 4);
    EXPECT_EQ(offer->recovered.playCount(), 6);
    EXPECT_EQ(offer->recovered.fileName, gameFile.string());
    EXPECT_EQ(offer->recovered.plays, changed().plays);

    // Saved since: the copy is older than the game and not offered; removed: gone.
    makeOlder(copy.path());
    makeOlder(copy.path());
    EXPECT_FALSE(findRecovery(gameFile, dir / "state"));
    copy.remove();
    EXPECT_FALSE(fs::exists(recoveryPathFor(gameFile)));
}

TEST_F(RecoveryCopyTest, GoesToTheStateFolderWhenNothingCanBeWrittenBesideTheGame)
{
    const fs::path unsaved = dir / "no such folder" / "cup final.gam";
    RecoveryCopy copy(unsaved, dir / "state");
    ASSERT_TRUE(copy.write(changed()));
    EXPECT_EQ(copy.path().parent_path(), dir / "state");
    // A game never saved has no file to be newer than.
    const auto offer = findRecovery(unsaved, dir / "state");
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->savedPlays, -1);
    EXPECT_FALSE(RecoveryCopy(unsaved, {}).write(changed()));
}

TEST_F(RecoveryCopyTest, ADamagedCopyIsNamedAndNotOffered)
{
    ASSERT_TRUE(writeFileAtomically(recoveryPathFor(gameFile), std::string_view("\xff\xff\xff\xff\x14\x00", 6)));
    makeOlder(gameFile);
    fs::path damaged;
    EXPECT_FALSE(findRecovery(gameFile, {}, &damaged));
    EXPECT_EQ(damaged, recoveryPathFor(gameFile));
}

} // namespace
} // namespace yardmark
