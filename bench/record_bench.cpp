// A scorer's script of a whole season's plays recorded as one game: the
// undo history must grow with the plays, not with their square, so that
// even a 4,000-play game records in well under 64 MB.

#include "script/scriptrunner.h"
#include "simulate/simulator.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace yardmark {
namespace {

constexpr int kPlays = 4000;
constexpr long kPeakLimitKb = 64 * 1024;

struct LongScript {
    Game game; ///< the teams and information of the first game, no play yet
    std::vector<Json> lines;
};

/// The lines of simulated games joined into one script of `kPlays` plays: each
/// later game's opening becomes a kickoff, and none of them quits.
const LongScript &longScript()
{
    static const LongScript joined = [] {
        Settings settings;
        simulate::Pcg32 rng(40);
        const std::vector<Team> league = simulate::makeLeague(rng, 2);
        std::vector<Json> script;
        Game first;
        std::size_t plays = 0;
        while (plays < kPlays) {
            const Game game =
                simulate::simulateGame(rng, league[0], league[1], settings, 1, "", [&](const Json &line, const Json &) {
                    const std::string op = line["op"];
                    if (op == "quit")
                        return;
                    if (op == "open" && !script.empty())
                        script.push_back(Json{{"op", "kickoff"}, {"fields", line["kickoff"]}});
                    else
                        script.push_back(line);
                });
            if (plays == 0) {
                first = game;
                first.plays.clear();
                first.tryPending = first.kickoffPending = false;
                first.savedQuarter = first.homeScore = first.visitorScore = 0;
            }
            plays += game.plays.size();
        }
        return LongScript{first, script};
    }();
    return joined;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_RecordALongScript(benchmark::State &state)
{
    const LongScript &script = longScript();
    std::size_t plays = 0;
    int refused = 0;
    for (auto _ : state) {
        Game game = script.game;
        const Settings settings;
        ScriptRunner runner(game, settings);
        for (const Json &line : script.lines) {
            try {
                runner.runLine(line);
            } catch (const ScriptError &) {
                ++refused;
            }
        }
        plays = game.plays.size();
    }
    const long peak = peakKilobytes();
    state.counters["plays"] = static_cast<double>(plays);
    state.counters["refused"] = refused;
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    if (peak > kPeakLimitKb)
        state.SkipWithError("recording the script took more than 64 MB");
}
BENCHMARK(BM_RecordALongScript)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
} // namespace yardmark
