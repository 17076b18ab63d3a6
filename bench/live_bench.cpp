// The game window copies the game after every play (on its own thread) and
// builds the live page and feed on a worker: the copy must stay far below
// what a scorer notices, the build well below the time between two plays.

#include "gamegenerator.h"
#include "live/livefeed.h"

#include <benchmark/benchmark.h>

namespace yardmark {
namespace {

void copyOfTheGame(benchmark::State &state)
{
    const Game game = bench::generateGame(7, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Game copy = game;
        benchmark::DoNotOptimize(copy.plays.data());
    }
    state.SetLabel(std::to_string(game.plays.size()) + " plays");
}
BENCHMARK(copyOfTheGame)->Arg(150)->Arg(3000)->Unit(benchmark::kMicrosecond);

void liveFilesOfTheGame(benchmark::State &state)
{
    Game game = bench::generateGame(7, static_cast<int>(state.range(0)));
    const Settings settings;
    const GameSituation situation = openedSituation(game, settings.league);
    for (auto _ : state) {
        const LiveFiles files = liveFiles(game, situation, settings, "", {});
        benchmark::DoNotOptimize(files.page.data());
    }
    state.SetLabel(std::to_string(game.plays.size()) + " plays");
}
BENCHMARK(liveFilesOfTheGame)->Arg(150)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace yardmark
