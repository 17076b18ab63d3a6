// Opening a game must feel instant, and the statistics across games read every
// chosen game file again each time they are shown: a season of long games has
// to load in a few milliseconds.

#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "records/roster.h"
#include "records/teamfile.h"
#include "season/teamexport.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace yardmark {
namespace {

Team fullTeam(const std::string &name, int players)
{
    Team team;
    team.name = name;
    for (int i = 0; i < players; ++i)
        addPlayer(team, PlayerRecord{name + " Player " + std::to_string(i), i, i % 26, (i + 3) % 26, i % 4},
                  PersonalInfo{"555-0100", "12 Main Street", "Springfield", "State", "45501", 1990, 3, 4,
                               "player@team.org", "note"});
    return team;
}

Game longGame(int plays)
{
    Game game;
    game.homeTeam = fullTeam("Riverside", 45);
    game.visitorTeam = fullTeam("Hill Valley", 45);
    for (int i = 0; i < plays; ++i) {
        PlayRecord play;
        play.playType = 1 + i % 13;
        play.homeHasBall = i % 2 == 0;
        play.players[0] = game.homeTeam.players[static_cast<std::size_t>(i % 45)];
        play.players[1] = game.visitorTeam.players[static_cast<std::size_t>(i % 45)];
        game.plays.push_back(play);
    }
    return game;
}

void BM_DecodeGame(benchmark::State &state)
{
    const std::vector<std::uint8_t> bytes = encodeGame(longGame(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        Game game;
        benchmark::DoNotOptimize(decodeGame(bytes, game));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeGame)->Arg(150)->Arg(400);

void BM_EncodeGame(benchmark::State &state)
{
    const Game game = longGame(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeGame(game));
}
BENCHMARK(BM_EncodeGame)->Arg(150)->Arg(400);

// The recovery copy is written after every play the scorer records: the
// whole game, encoded and written atomically (flushed to disk), must not be felt.
void BM_RecoveryCopyWrite(benchmark::State &state)
{
    const Game game = longGame(static_cast<int>(state.range(0)));
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "yardmark-recovery-bench";
    std::filesystem::create_directories(dir);
    RecoveryCopy copy(dir / "game.gam", {});
    for (auto _ : state)
        benchmark::DoNotOptimize(copy.write(game));
    copy.remove();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_RecoveryCopyWrite)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_ImportTeamList(benchmark::State &state)
{
    std::ostringstream out;
    writeTeamCsv(out, fullTeam("Imported", static_cast<int>(state.range(0))), true);
    const std::string text = out.str();
    for (auto _ : state) {
        std::istringstream in(text);
        Team team;
        importTeamCsv(in, team, "team.csv");
        benchmark::DoNotOptimize(team.players.data());
    }
}
BENCHMARK(BM_ImportTeamList)->Arg(60)->Arg(500);

} // namespace
} // namespace yardmark
