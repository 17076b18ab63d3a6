// Damaged and hostile game, team and settings files: every load either
// succeeds or fails cleanly, leaving its target as it was.

#include "base/bytecodec.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"
#include "records/teamfile.h"

#include "samplerecords.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <sstream>

namespace yardmark {
namespace {

using testing::sampleGame;
using testing::sampleTeam;

void putInt32(std::vector<std::uint8_t> &bytes, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<std::uint8_t>(u >> (8 * i));
}

// Offsets in a game of sampleGame(2, 1, 2).
constexpr std::size_t kHomeRoster = 284 + 703;
constexpr std::size_t kVisitorRoster = 284 + 715 + 2 * 41 + 703;
constexpr std::size_t kPlayBlock = kVisitorRoster + 12 + 41;

// A load that fails must leave the game exactly as it was; one that succeeds
// must give a game that saves and loads back to itself.
void expectCleanGameLoad(const std::vector<std::uint8_t> &bytes, const std::string &what)
{
    const Game before = sampleGame(1, 0, 1);
    Game game = before;
    if (!decodeGame(bytes, game)) {
        EXPECT_EQ(game, before) << what;
        return;
    }
    EXPECT_FALSE(game.isNewGame) << what;
    Game again = before;
    ASSERT_TRUE(decodeGame(encodeGame(game), again)) << what;
    EXPECT_EQ(again, game) << what;
}

void expectCleanTeamLoad(const std::vector<std::uint8_t> &bytes, const std::string &what)
{
    Team before = sampleTeam("Before", 1, false);
    Team team = before;
    if (!decodeTeamFile(bytes, team)) {
        EXPECT_EQ(team, before) << what;
        return;
    }
    EXPECT_EQ(team.players.size(), team.personalInfo.size()) << what;
    Team again = before;
    ASSERT_TRUE(decodeTeamFile(encodeTeamFile(team), again)) << what;
    again.fileSize = team.fileSize;
    EXPECT_EQ(again, team) << what;
}

TEST(DamagedFileTest, BrokenCountsAreRefused)
{
    const auto good = encodeGame(sampleGame(2, 1, 2));
    const struct {
        const char *what;
        std::size_t offset;
        std::int32_t value;
    } cases[] = {
        {"negative home roster count", kHomeRoster + 8, -1},
        {"negative visitor roster count", kVisitorRoster + 8, -5},
        {"negative play count", kPlayBlock + 8, std::numeric_limits<std::int32_t>::min()},
        {"huge home roster count", kHomeRoster + 8, std::numeric_limits<std::int32_t>::max()},
        {"huge play count", kPlayBlock + 8, 100000000},
        {"one play too many", kPlayBlock + 8, 3},
        {"play count without marker, past the end", kPlayBlock, 1000},
        {"huge oldest-layout roster", kHomeRoster, 50000},
    };
    for (const auto &c : cases) {
        auto bytes = good;
        putInt32(bytes, c.offset, c.value);
        Game game = sampleGame(1, 1, 1);
        const Game before = game;
        EXPECT_FALSE(decodeGame(bytes, game)) << c.what;
        EXPECT_EQ(game, before) << c.what;
    }
}

TEST(DamagedFileTest, EveryTruncationOfAGameIsRefused)
{
    const auto good = encodeGame(sampleGame(2, 1, 2));
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        Game game = sampleGame(0, 1, 0);
        const Game before = game;
        ASSERT_FALSE(decodeGame(cut, game)) << size;
        ASSERT_EQ(game, before) << size;
    }
}

TEST(DamagedFileTest, EveryTruncationOfATeamBlockIsRefused)
{
    const auto good = encodeTeamFile(sampleTeam("Cut", 2, true));
    for (std::size_t size = 0; size < good.size(); ++size) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size));
        Team team;
        ASSERT_FALSE(decodeTeamFile(cut, team)) << size;
        ASSERT_EQ(team, Team{}) << size;
    }
}

TEST(DamagedFileTest, AFileLongerThanItsContentLoads)
{
    const Game saved = sampleGame(2, 1, 2);
    auto bytes = encodeGame(saved);
    bytes.insert(bytes.end(), 100, 0xAB);
    Game game;
    ASSERT_TRUE(decodeGame(bytes, game));
    EXPECT_EQ(game.plays, saved.plays);
    EXPECT_EQ(game.savedBallSpot, saved.savedBallSpot);
}

// Mutations a mailed file may suffer, or a hostile sender may try.
std::vector<std::uint8_t> mutate(std::vector<std::uint8_t> bytes, std::mt19937 &random,
                                 const std::vector<std::size_t> &countOffsets)
{
    const auto pick = [&](std::size_t bound) {
        return bound == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    static constexpr std::int32_t kInteresting[] = {-1,
                                                    -2,
                                                    0,
                                                    1,
                                                    11,
                                                    12,
                                                    20,
                                                    255,
                                                    65536,
                                                    100000000,
                                                    std::numeric_limits<std::int32_t>::max(),
                                                    std::numeric_limits<std::int32_t>::min()};
    const int rounds = 1 + static_cast<int>(pick(3));
    for (int r = 0; r < rounds && !bytes.empty(); ++r) {
        switch (pick(6)) {
        case 0: // a flipped bit
            bytes[pick(bytes.size())] ^= static_cast<std::uint8_t>(1u << pick(8));
            break;
        case 1: // a random byte
            bytes[pick(bytes.size())] = static_cast<std::uint8_t>(pick(256));
            break;
        case 2: { // a marker, version or count overwritten
            const std::size_t at = countOffsets[pick(countOffsets.size())] + 4 * pick(3);
            if (at + 4 <= bytes.size())
                putInt32(bytes, at, kInteresting[pick(std::size(kInteresting))]);
            break;
        }
        case 3: // cut short
            bytes.resize(pick(bytes.size()));
            break;
        case 4: { // a piece lost from the middle
            const std::size_t from = pick(bytes.size());
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                        bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), from + 1 + pick(64))));
            break;
        }
        default: { // junk inserted
            const std::size_t at = pick(bytes.size() + 1);
            std::vector<std::uint8_t> junk(1 + pick(600));
            for (std::uint8_t &b : junk)
                b = static_cast<std::uint8_t>(pick(256));
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), junk.begin(), junk.end());
        }
        }
    }
    return bytes;
}

TEST(DamagedFileTest, MutatedGameFilesLoadOrFailCleanly)
{
    std::mt19937 random(20261207);
    const auto good = encodeGame(sampleGame(2, 1, 2));
    const std::vector<std::size_t> counts = {kHomeRoster, kVisitorRoster, kPlayBlock};
    for (int i = 0; i < 3000; ++i)
        expectCleanGameLoad(mutate(good, random, counts), "game mutation " + std::to_string(i));
}

// The statistics read a season into one scratch game, file after file: it
// must take exactly the files the loader takes and read each of them as a new
// game would, whatever the file before it held or where that one broke off.
TEST(DamagedFileTest, AScratchGameReadsWhatANewGameReads)
{
    std::mt19937 random(1207);
    const std::vector<std::vector<std::uint8_t>> goods = {encodeGame(sampleGame(2, 1, 2)),
                                                          encodeGame(sampleGame(6, 4, 9)), encodeGame(Game{})};
    const std::vector<std::size_t> counts = {kHomeRoster, kVisitorRoster, kPlayBlock};
    Game scratch;
    int loaded = 0;
    for (int i = 0; i < 3000; ++i) {
        const auto &good = goods[static_cast<std::size_t>(i) % goods.size()];
        const auto bytes = i % 4 == 0 ? good : mutate(good, random, counts);
        Game fresh;
        const bool ok = decodeGame(bytes, fresh);
        ASSERT_EQ(decodeGameInPlace(bytes.data(), bytes.size(), scratch), ok) << i;
        if (ok) {
            ASSERT_EQ(scratch, fresh) << i;
            ++loaded;
        }
    }
    EXPECT_GT(loaded, 750); // the good files at least
}

TEST(DamagedFileTest, MutatedTeamFilesLoadOrFailCleanly)
{
    std::mt19937 random(4711);
    const auto good = encodeTeamFile(sampleTeam("Mutant", 3, false));
    for (int i = 0; i < 3000; ++i)
        expectCleanTeamLoad(mutate(good, random, {703}), "team mutation " + std::to_string(i));
}

TEST(DamagedFileTest, MutatedSettingsFilesAreReadWithoutHarm)
{
    std::mt19937 random(1998);
    Settings defaults;
    setDefaults(defaults);
    std::ostringstream written;
    writeSettings(written, defaults);
    const std::string text = written.str();
    const std::vector<std::uint8_t> good(text.begin(), text.end());
    for (int i = 0; i < 2000; ++i) {
        const auto bytes = mutate(good, random, {0});
        std::istringstream in(std::string(bytes.begin(), bytes.end()));
        Settings settings = defaults;
        readSettings(in, settings);
        EXPECT_EQ(settings.league.midfieldYardLine, settings.league.indoorField ? 25 : 50) << i;
    }
}

} // namespace
} // namespace yardmark
