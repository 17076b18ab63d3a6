// The statistics' fast reader (game files decoded in place into reused
// games, read ahead on workers) against the full game loader on the same
// bytes: both refuse the file, or both read it and give the same team
// statistics for either side.

#include "fuzzcheck.h"
#include "fuzzgame.h"

#include "base/atomicfile.h"
#include "stats/gameset.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"
#include "stats/teamstats.h"

#include <utility>

namespace {

using namespace yardmark;

using BothSides = std::pair<GameTeamStats, GameTeamStats>;

BothSides statisticsOf(const Game &game)
{
    static const Settings settings = defaultSettings();
    const QuarterRange range = summaryPeriodRange(game, SummaryPeriod::Game);
    return {computeGameTeamStats(game, true, range.first, range.last, settings.league),
            computeGameTeamStats(game, false, range.first, range.last, settings.league)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::filesystem::path folder = scratchFolder("fuzz_statsreader");
    static const std::string good = [] {
        Game game = rosteredGame();
        const std::string path = (folder / "good.gam").string();
        FUZZ_CHECK(saveGame(game, path));
        return path;
    }();
    const std::string input = (folder / "input.gam").string();
    FUZZ_CHECK(writeFileAtomically(input, std::string_view(reinterpret_cast<const char *>(data), size)));

    Game loaded = newGame();
    const bool loads = loadGame(loaded, input);
    std::optional<BothSides> expected;
    if (loads)
        expected = statisticsOf(loaded);
    Game goodGame = newGame();
    FUZZ_CHECK(loadGame(goodGame, good));
    const BothSides goodStats = statisticsOf(goodGame);

    // Between good files, so that what one file left in a reused game shows.
    const std::vector<std::string> paths{good, input, good, input, good};
    std::vector<BothSides> read;
    const GameFileReading reading =
        readGameFiles(paths, [&](const Game &game) { read.push_back(statisticsOf(game)); }, {});
    FUZZ_CHECK(!reading.cancelled);
    FUZZ_CHECK(reading.unreadable.size() == (loads ? 0U : 2U));
    FUZZ_CHECK(read.size() == (loads ? 5U : 3U));
    for (std::size_t i = 0; i < read.size(); ++i)
        FUZZ_CHECK(read[i] == (loads && i % 2 == 1 ? *expected : goodStats));
    return 0;
}
