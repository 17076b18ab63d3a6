// The press box reads the season to date after every play: with the season's
// other games read once when the game opens, the feed must be ready within
// 10 ms for a 12-game season and 50 ms for a 100-game one; and opening the
// season may cost no more than the individual statistics over its files.

#include "live/livefeed.h"
#include "season/seasontodate.h"
#include "simulate/simulator.h"
#include "stats/individualstats.h"

#include "records/gamefile.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>

namespace yardmark {
namespace {

/// A simulated season of `games` games, written once and removed at exit;
/// the game being scored is its last.
class Season {
public:
    explicit Season(int games)
        : m_dir(std::filesystem::temp_directory_path() /
                ("yardmark-seasontodate-" + std::to_string(::getpid()) + "-" + std::to_string(games)))
    {
        std::filesystem::create_directories(m_dir);
        const simulate::SeasonFiles files = simulate::simulateSeason(7, games, m_dir, Settings{});
        schedule = (m_dir / files.schedule).string();
        for (const std::string &name : files.games)
            paths.push_back((m_dir / name).string());
        loadGame(game, paths.back());
    }
    ~Season()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string schedule;
    std::vector<std::string> paths;
    Game game;

private:
    std::filesystem::path m_dir;
};

const Season &season(int games)
{
    static std::map<int, std::unique_ptr<Season>> seasons;
    auto &made = seasons[games];
    if (!made)
        made = std::make_unique<Season>(games);
    return *made;
}

// After a play: the season checked against the disk, then the feed and page.
void feedAfterAPlay(benchmark::State &state)
{
    const Season &s = season(static_cast<int>(state.range(0)));
    const Settings settings;
    Game game = s.game;
    const GameSituation situation = openedSituation(game, settings.league);
    SeasonToDate toDate(s.schedule, s.paths.back(), settings.league);
    for (auto _ : state) {
        const auto figures = toDate.figures(game);
        const LiveFiles files = liveFiles(game, situation, settings, "", {}, figures.get());
        benchmark::DoNotOptimize(files.feed.data());
    }
    state.SetLabel(std::to_string(s.paths.size()) + " games");
}
BENCHMARK(feedAfterAPlay)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening the game's season, every earlier game read.
void openTheSeason(benchmark::State &state)
{
    const Season &s = season(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SeasonToDate toDate(s.schedule, s.paths.back(), LeagueOptions{});
        benchmark::DoNotOptimize(toDate.figures(s.game));
    }
    state.SetLabel(std::to_string(s.paths.size()) + " games");
}
BENCHMARK(openTheSeason)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

// What `players --team "All Teams"` does over the same files, both sides of
// every game as the opening counts them: the floor the opening is held to.
void playersOverTheSeason(benchmark::State &state)
{
    const Season &s = season(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Stat stat;
        stat.teamName = kAllTeamsName;
        stat.allTeams = true;
        stat.gamePaths = s.paths;
        accumulateIndividualStats(stat, false, LeagueOptions{});
        benchmark::DoNotOptimize(stat.rushers.size());
    }
    state.SetLabel(std::to_string(s.paths.size()) + " games");
}
BENCHMARK(playersOverTheSeason)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace yardmark
