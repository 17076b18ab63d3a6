// A league statistician runs the statistics over a whole season's game files:
// both must stay close to the time it takes merely to read the files, and
// memory must not grow with the number of files. Every figure is measured in
// the same run as the floor, so the ratios ("xRead") hold on a busy machine.

#include "gamegenerator.h"

#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "stats/gameset.h"
#include "stats/individualstats.h"
#include "stats/teamstats.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

/// The time of one pass: on the wall clock and in processor time of all threads.
struct PassTime {
    double wall = 0.0;
    double cpu = 0.0;
};

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

/// The fastest pass of the floor, reading every byte of the season once.
PassTime g_read;

/// Times each pass of a benchmark and reports its fastest against the floor's
/// fastest, measured in the same run: on a machine others share, the fastest
/// pass is the one least disturbed. "xRead" is the wall-clock ratio the
/// statistics must keep below 1.25; "cpuXRead" the ratio of processor time
/// (all threads), which shows the work done whatever the machine's load.
class PassTimer {
public:
    explicit PassTimer(benchmark::State &state, bool floor = false) : m_state(state), m_floor(floor) {}
    ~PassTimer()
    {
        if (m_floor)
            g_read = m_fastest;
        else if (g_read.wall > 0.0) {
            m_state.counters["xRead"] = m_fastest.wall / g_read.wall;
            m_state.counters["cpuXRead"] = m_fastest.cpu / g_read.cpu;
        }
        m_state.counters["peakMB"] = peakResidentMegabytes();
    }
    PassTimer(const PassTimer &) = delete;
    PassTimer &operator=(const PassTimer &) = delete;

    template <typename Pass> void run(Pass pass)
    {
        const double cpuStart = processCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        pass();
        const PassTime time{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                            processCpuSeconds() - cpuStart};
        if (m_fastest.wall == 0.0 || time.wall < m_fastest.wall)
            m_fastest.wall = time.wall;
        if (m_fastest.cpu == 0.0 || time.cpu < m_fastest.cpu)
            m_fastest.cpu = time.cpu;
    }

private:
    benchmark::State &m_state;
    bool m_floor;
    PassTime m_fastest;
};

/// The floor: every byte of every file read once into one buffer, as `cat` would.
void BM_ReadSeasonBytes(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    std::vector<std::uint8_t> buffer;
    std::int64_t bytesRead = 0;
    PassTimer timer(state, true);
    for (auto _ : state) {
        timer.run([&] {
            for (const std::string &path : paths)
                bytesRead += static_cast<std::int64_t>(readFileInto(path, buffer).value_or(0));
            benchmark::DoNotOptimize(buffer.data());
        });
    }
    state.SetBytesProcessed(bytesRead);
}
BENCHMARK(BM_ReadSeasonBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

/// What the full loader costs: a new game of owned records for every file, as
/// the game window opens one.
void BM_LoadSeasonGamesOneByOne(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    PassTimer timer(state);
    for (auto _ : state) {
        timer.run([&] {
            int plays = 0;
            for (const std::string &path : paths) {
                Game game;
                if (loadGame(game, path))
                    plays += game.playCount();
            }
            benchmark::DoNotOptimize(plays);
        });
    }
}
BENCHMARK(BM_LoadSeasonGamesOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

/// The statistics' reading: files read ahead on other threads into reused games.
void BM_ReadSeasonGames(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    PassTimer timer(state);
    for (auto _ : state) {
        timer.run([&] {
            int plays = 0;
            forEachGameFile(paths, [&](const Game &game) { plays += game.playCount(); });
            benchmark::DoNotOptimize(plays);
        });
    }
}
BENCHMARK(BM_ReadSeasonGames)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

/// Individual statistics of one team (0) or of "All Teams" (1), all three views.
void BM_IndividualStatsOfSeason(benchmark::State &state)
{
    Stat chosen;
    chosen.teamName = state.range(0) ? kAllTeamsName : bench::leagueTeamName(3);
    chosen.allTeams = state.range(0) != 0;
    chosen.gamePaths = seasonPaths();
    PassTimer timer(state);
    for (auto _ : state) {
        timer.run([&] {
            const StatViews views = individualStatViews(chosen, LeagueOptions{});
            benchmark::DoNotOptimize(views.combined.defenders.size());
        });
    }
}
BENCHMARK(BM_IndividualStatsOfSeason)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

void BM_TeamStatsOfSeason(benchmark::State &state)
{
    const std::vector<std::string> &paths = seasonPaths();
    PassTimer timer(state);
    for (auto _ : state) {
        timer.run([&] {
            const TeamStatsTotals totals =
                teamStatsOverFiles(paths, bench::leagueTeamName(3), SummaryPeriod::Game, LeagueOptions{});
            benchmark::DoNotOptimize(totals.team.totalPoints);
        });
    }
}
BENCHMARK(BM_TeamStatsOfSeason)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

/// Ten seasons' worth of games (the season's files ten times over): the peak
/// memory must stay where one season left it, and the time ten times one season's.
void BM_TeamStatsOfTenSeasons(benchmark::State &state)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 10; ++i)
        paths.insert(paths.end(), seasonPaths().begin(), seasonPaths().end());
    for (auto _ : state) {
        const TeamStatsTotals totals =
            teamStatsOverFiles(paths, bench::leagueTeamName(3), SummaryPeriod::Game, LeagueOptions{});
        benchmark::DoNotOptimize(totals.team.totalPoints);
    }
    state.counters["peakMB"] = peakResidentMegabytes();
}
BENCHMARK(BM_TeamStatsOfTenSeasons)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace
} // namespace yardmark
