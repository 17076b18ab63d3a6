// A scorer corrects an early play of a long game and re-flows everything after
// it: the check and the re-flow of a game of thousands of plays must stay well
// under a second, so that the game window can offer them after every correction.

#include "gameflow/continuity.h"
#include "gameflow/reflow.h"
#include "simulate/simulator.h"

#include <benchmark/benchmark.h>

namespace yardmark {
namespace {

constexpr int kGames = 20;

/// Twenty simulated games between the same two teams, one after another as
/// one game of some three thousand plays (each seam a jump the re-flow keeps).
const Game &longGame()
{
    static const Game game = [] {
        Settings settings;
        simulate::Pcg32 rng(28);
        const std::vector<Team> league = simulate::makeLeague(rng, 2);
        Game joined;
        for (int i = 0; i < kGames; ++i) {
            Game one = simulate::simulateGame(rng, league[0], league[1], settings, 1, "");
            if (i == 0)
                joined = one;
            else
                joined.plays.insert(joined.plays.end(), one.plays.begin(), one.plays.end());
        }
        return joined;
    }();
    return game;
}

void BM_CheckContinuity(benchmark::State &state)
{
    const Game &game = longGame();
    const LeagueOptions league;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkContinuity(game, league));
    state.counters["plays"] = static_cast<double>(game.plays.size());
}
BENCHMARK(BM_CheckContinuity)->Unit(benchmark::kMillisecond);

void BM_ReflowFromTheFirstPlay(benchmark::State &state)
{
    const Game &game = longGame();
    const LeagueOptions league;
    for (auto _ : state) {
        Game copy = game;
        copy.plays[1].finalSpot = copy.plays[1].initialSpot; // the first scrimmage play corrected
        benchmark::DoNotOptimize(reflowPlays(copy, 1, league));
    }
    state.counters["plays"] = static_cast<double>(game.plays.size());
}
BENCHMARK(BM_ReflowFromTheFirstPlay)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace yardmark
