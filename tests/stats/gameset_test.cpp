#include "stats/gameset.h"

#include "playlist.h"
#include "tempgames.h"

#include "records/gamefile.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace yardmark {
namespace {

using test::Play;

/// Games of different lengths and rosters, so that a game read into storage
/// that held a larger one shows any leftover.
Game gameNumber(int n)
{
    Game game = test::gameOf({});
    game.info.homeTeamName = "Home " + std::to_string(n % 5);
    for (int i = 0; i < (n * 7) % 23; ++i)
        game.plays.push_back(Play(PlayType::Rush, i % 2 == 0).player(1, i % 3 ? "A rusher with a long name" : "Al"));
    game.homeTeam.players.resize(static_cast<std::size_t>(n % 4));
    game.homeScore = n;
    return game;
}

// The games come to the caller in the order of the files, each as the loader
// reads it into a new game, however far ahead the files are read; files that
// cannot be read are skipped and counted wherever they stand.
TEST(GameSetTest, GamesComeInFileOrderAsTheLoaderReadsThem)
{
    test::TempGames files;
    std::vector<std::string> paths;
    std::vector<Game> expected;
    for (int n = 0; n < 40; ++n) {
        const std::string name = "g" + std::to_string(n) + ".gam";
        if (n % 9 == 4) {
            paths.push_back(n % 2 ? files.garbage(name) : files.missing(name));
            continue;
        }
        paths.push_back(files.save(name, gameNumber(n)));
        Game loaded;
        ASSERT_TRUE(loadGame(loaded, paths.back()));
        expected.push_back(loaded);
    }
    // No file, one file (read without threads), and all of them.
    for (std::size_t count : {std::size_t{0}, std::size_t{1}, paths.size()}) {
        const std::vector<std::string> some(paths.begin(), paths.begin() + static_cast<std::ptrdiff_t>(count));
        std::vector<Game> seen;
        const int skipped = forEachGameFile(some, [&](const Game &game) { seen.push_back(game); });
        const std::size_t readable = count == paths.size() ? expected.size() : count;
        EXPECT_EQ(seen, std::vector<Game>(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(readable)));
        EXPECT_EQ(skipped, static_cast<int>(count - readable));
    }

    // A look that fails stops the reading and reaches the caller.
    int looked = 0;
    EXPECT_THROW(forEachGameFile(paths,
                                 [&](const Game &) {
                                     if (++looked == 3)
                                         throw std::runtime_error("stop");
                                 }),
                 std::runtime_error);
    EXPECT_EQ(looked, 3);
}

} // namespace
} // namespace yardmark
