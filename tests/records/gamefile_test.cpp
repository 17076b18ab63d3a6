#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "records/recordcodec.h"

#include "samplerecords.h"

#include "support/bytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace yardmark {
namespace {

using testing::int32At;
using testing::textAt;

using testing::fileBytes;
using testing::sampleGame;
using testing::TempDir;

// What a load restores: everything but the new-game flag and the teams' file names.
Game asLoaded(Game game, const std::string &path, const Game &target)
{
    game.fileName = path;
    game.isNewGame = false;
    game.homeTeam.fileName = target.homeTeam.fileName;
    game.visitorTeam.fileName = target.visitorTeam.fileName;
    return game;
}

TEST(GameFileTest, FileSizeFollowsRostersAndPlays)
{
    const struct {
        int home, visitor, plays;
    } cases[] = {{0, 0, 0}, {1, 0, 0}, {0, 3, 1}, {22, 25, 140}};
    for (const auto &c : cases) {
        const auto bytes = encodeGame(sampleGame(c.home, c.visitor, c.plays));
        EXPECT_EQ(bytes.size(), 284u + 715 + 41 * c.home + 715 + 41 * c.visitor + 12 + 466 * c.plays + 21)
            << c.home << " " << c.visitor << " " << c.plays;
    }
}

TEST(GameFileTest, BlocksStartWithMarkerVersionAndCount)
{
    const auto bytes = encodeGame(sampleGame(2, 1, 3));
    const std::size_t home = 284, visitor = home + 715 + 2 * 41, plays = visitor + 715 + 41;
    for (std::size_t roster : {home + 703, visitor + 703}) {
        EXPECT_EQ(int32At(bytes, roster), -1);
        EXPECT_EQ(int32At(bytes, roster + 4), 20);
    }
    EXPECT_EQ(int32At(bytes, home + 711), 2);
    EXPECT_EQ(int32At(bytes, visitor + 711), 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&bytes[visitor + 260])), "Hawks");
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(&bytes[home])), "/teams/Eagles.tem");
    EXPECT_EQ(int32At(bytes, home + 595), 11);
    EXPECT_EQ(int32At(bytes, home + 599), -12);
    EXPECT_EQ(int32At(bytes, plays), -1);
    EXPECT_EQ(int32At(bytes, plays + 4), 20);
    EXPECT_EQ(int32At(bytes, plays + 8), 3);
    const std::size_t trailer = plays + 12 + 3 * 466;
    EXPECT_EQ(int32At(bytes, trailer), 21);
    EXPECT_EQ(int32At(bytes, trailer + 4), 17);
    EXPECT_EQ(int32At(bytes, trailer + 8), 3);
    const std::uint8_t flags[] = {1, 9, 1, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bytes[trailer + 12 + i], flags[i]) << i;
    EXPECT_EQ(int32At(bytes, trailer + 16), 35);
    EXPECT_EQ(bytes[trailer + 20], 0);
}

TEST(GameFileTest, SaveLoadSaveGivesTheSameBytes)
{
    TempDir dir;
    for (int plays : {0, 1, 57}) {
        Game game = sampleGame(12, 9, plays);
        const std::string first = dir.file("first.gam"), second = dir.file("second.gam");
        ASSERT_TRUE(saveGame(game, first));
        EXPECT_EQ(game.fileName, first);

        Game loaded;
        ASSERT_TRUE(loadGame(loaded, first));
        EXPECT_EQ(loaded, asLoaded(game, first, Game{}));
        EXPECT_EQ(loaded.playCount(), plays);
        EXPECT_EQ(loaded.plays.capacity(), static_cast<std::size_t>(plays));

        loaded.isNewGame = true; // as saved right after the game information was confirmed
        loaded.homeTeam.fileName = game.homeTeam.fileName;
        loaded.visitorTeam.fileName = game.visitorTeam.fileName;
        ASSERT_TRUE(saveGame(loaded, second));
        EXPECT_EQ(fileBytes(first), fileBytes(second)) << plays << " plays";
    }
}

TEST(GameFileTest, LoadKeepsTheTargetTeamsFileNamesAndClearsNewGame)
{
    TempDir dir;
    Game game = sampleGame(1, 1, 1);
    ASSERT_TRUE(game.isNewGame);
    ASSERT_TRUE(saveGame(game, dir.file("g.gam")));

    Game target;
    target.homeTeam.fileName = "/elsewhere/home.tem";
    target.visitorTeam.fileSize = 1234;
    ASSERT_TRUE(loadGame(target, dir.file("g.gam")));
    EXPECT_FALSE(target.isNewGame);
    EXPECT_EQ(target.homeTeam.fileName, "/elsewhere/home.tem");
    EXPECT_EQ(target.visitorTeam.fileName, "");
    EXPECT_EQ(target.visitorTeam.fileSize, 1234);
    EXPECT_TRUE(target.homeTeam.rosterOnly);
    EXPECT_EQ(target.homeTeam.personalInfo.size(), 1u);
}

TEST(GameFileTest, FailedLoadLeavesTheGameAsItWas)
{
    TempDir dir;
    Game game = sampleGame(3, 2, 4);
    game.fileName = dir.file("current.gam");
    const Game before = game;
    EXPECT_FALSE(loadGame(game, dir.file("missing.gam")));
    EXPECT_EQ(game, before);
    EXPECT_FALSE(loadGame(game, dir.path().string())); // a folder, not a file
    EXPECT_EQ(game, before);
}

TEST(GameFileTest, ReloadRestoresTheLastSave)
{
    TempDir dir;
    Game game = sampleGame(4, 5, 6);
    ASSERT_TRUE(saveGame(game, dir.file("r.gam")));
    const Game saved = asLoaded(game, dir.file("r.gam"), Game{});

    game.plays.pop_back();
    game.homeTeam.players.clear();
    game.homeTeam.name = "Changed";
    game.homeScore = 99;
    ASSERT_TRUE(reloadGame(game));
    EXPECT_EQ(game, saved);
}

TEST(GameFileTest, ReloadOfAVanishedFileKeepsTheGameInMemory)
{
    TempDir dir;
    Game game = sampleGame(4, 5, 6);
    ASSERT_TRUE(saveGame(game, dir.file("gone.gam")));
    game.homeScore = 3;
    std::filesystem::remove(dir.file("gone.gam"));
    const Game before = game;
    EXPECT_FALSE(reloadGame(game));
    EXPECT_EQ(game, before);
}

TEST(GameFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporary)
{
    TempDir dir;
    Game game = sampleGame(1, 1, 2);
    const std::string path = dir.file("keep.gam");
    ASSERT_TRUE(saveGame(game, path));
    const auto good = fileBytes(path);

    EXPECT_FALSE(saveGame(game, dir.file("no-such-folder/keep.gam")));
    std::filesystem::create_directory(dir.file("folder.gam"));
    EXPECT_FALSE(saveGame(game, dir.file("folder.gam")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.gam")));

    EXPECT_EQ(fileBytes(path), good);
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2); // keep.gam and the folder, no temporary file
}

TEST(GameFileTest, SaveReplacesALongerOldFileWhole)
{
    TempDir dir;
    Game game = sampleGame(10, 10, 30);
    const std::string path = dir.file("shrink.gam");
    ASSERT_TRUE(saveGame(game, path));
    game.plays.resize(2);
    ASSERT_TRUE(saveGame(game, path));
    EXPECT_EQ(fileBytes(path), encodeGame(game));
}

// Files read one after another into one buffer: it grows to the largest and
// never shrinks, and each read gives that file's bytes alone.
TEST(GameFileTest, FilesReadIntoOneBufferKeepTheirOwnBytes)
{
    TempDir dir;
    std::vector<std::uint8_t> buffer;
    const std::vector<std::size_t> sizes = {70000, 3, 0, 200000, 41};
    for (std::size_t size : sizes) {
        std::vector<std::uint8_t> bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<std::uint8_t>(i * 7 + size);
        const std::string path = dir.file("f" + std::to_string(size));
        ASSERT_TRUE(writeFileAtomically(path, bytes));
        const std::optional<std::size_t> read = readFileInto(path, buffer);
        ASSERT_EQ(read, size);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), buffer.begin())) << size;
        EXPECT_EQ(readFileInto(path, buffer, size ? size - 1 : 0).has_value(), size == 0) << size;
    }
    EXPECT_GE(buffer.size(), 200000u);
    EXPECT_FALSE(readFileInto(dir.file("missing"), buffer));
    EXPECT_FALSE(readFileInto(dir.path(), buffer));          // a folder
    EXPECT_FALSE(readFileInto("/dev/zero", buffer, 100000)); // no end: refused at the limit
}

// The reader of many files gives what loadGame gives into a new game, and
// refuses what it refuses.
TEST(GameFileTest, AGameFileReaderReadsAsTheLoaderLoads)
{
    TempDir dir;
    GameFileReader reader;
    const std::vector<Game> games = {sampleGame(9, 8, 12), sampleGame(1, 0, 1), sampleGame(3, 3, 0)};
    for (std::size_t i = 0; i < games.size(); ++i) {
        Game game = games[i];
        const std::string path = dir.file("g" + std::to_string(i) + ".gam");
        ASSERT_TRUE(saveGame(game, path));
        Game loaded;
        ASSERT_TRUE(loadGame(loaded, path));
        const Game *read = reader.read(path);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(*read, loaded) << i;
        EXPECT_EQ(reader.read(dir.file("missing.gam")), nullptr);
    }
}

} // namespace
} // namespace yardmark
