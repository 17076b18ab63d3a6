// A league statistician runs the statistics over a whole season's game files:
// both must stay close to the time it takes merely to read the files, and
// memory must not grow with the number of files.

#include "gamegenerator.h"

#include "records/atomicfile.h"
#include "stats/gameset.h"
#include "stats/individualstats.h"
#include "stats/teamstats.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>

namespace yardmark {
namespace {

constexpr int kSeasonGames = 1000;

/// The season's files, written once for every benchmark and removed at exit.
class Season {
public:
    Season()
        : m_dir(std::filesystem::temp_directory_path() / ("yardmark-season-" + std::to_string(::getpid()))),
          m_paths(bench::writeSeason(m_dir, kSeasonGames))
    {
    }
    ~Season()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    const std::vector<std::string> &paths() const { return m_paths; }

private:
    std::filesystem::path m_dir;
    std::vector<std::string> m_paths;
};

const std::vector<std::string> &seasonPaths()
{
    static const Season season;
    return season.paths();
}

/// The largest resident set so far, in megabytes: it stays where the first
/// file left it however many files follow.
double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ReadSeasonBytes(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    std::int64_t bytesRead = 0;
    for (auto _ : state) {
        for (const std::string &path : paths) {
            std::vector<std::uint8_t> bytes;
            readWholeFile(path, bytes);
            bytesRead += static_cast<std::int64_t>(bytes.size());
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(bytesRead);
}
BENCHMARK(BM_ReadSeasonBytes)->Unit(benchmark::kMillisecond);

void BM_LoadSeasonGames(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    for (auto _ : state) {
        int plays = 0;
        forEachGameFile(paths, [&](const Game &game) { plays += game.playCount(); });
        benchmark::DoNotOptimize(plays);
    }
}
BENCHMARK(BM_LoadSeasonGames)->Unit(benchmark::kMillisecond);

void BM_IndividualStatsOfSeason(benchmark::State &state)
{
    Stat chosen;
    chosen.teamName = state.range(0) ? kAllTeamsName : bench::leagueTeamName(3);
    chosen.allTeams = state.range(0) != 0;
    chosen.gamePaths = seasonPaths();
    for (auto _ : state) {
        const StatViews views = individualStatViews(chosen, LeagueOptions{});
        benchmark::DoNotOptimize(views.combined.defenders.size());
    }
    state.counters["peakMB"] = peakResidentMegabytes();
}
BENCHMARK(BM_IndividualStatsOfSeason)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TeamStatsOfSeason(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    for (auto _ : state) {
        const TeamStatsTotals totals =
            teamStatsOverFiles(paths, bench::leagueTeamName(3), SummaryPeriod::Game, LeagueOptions{});
        benchmark::DoNotOptimize(totals.team.totalPoints);
    }
    state.counters["peakMB"] = peakResidentMegabytes();
}
BENCHMARK(BM_TeamStatsOfSeason)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace yardmark
