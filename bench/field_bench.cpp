// The game window recomputes the drive chart of the quarter after every play
// and on every repaint, so even a long tournament file must chart in well
// under a millisecond.

#include "gameflow/fielddisplay.h"
#include "gamegenerator.h"

#include <benchmark/benchmark.h>

namespace yardmark {
namespace {

void chartOfAQuarter(benchmark::State &state)
{
    const Game game = bench::generateGame(7, static_cast<int>(state.range(0)));
    const LeagueOptions league;
    for (auto _ : state) {
        const DriveChart chart = driveChart(game, 3, game.savedBallSpot, true, league, ChartColors{});
        benchmark::DoNotOptimize(chart.legs.data());
    }
    state.SetLabel(std::to_string(game.plays.size()) + " plays");
}
BENCHMARK(chartOfAQuarter)->Arg(150)->Arg(3000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace yardmark
