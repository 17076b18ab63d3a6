#pragma once

#include "records/game.h"
#include "records/settings.h"
#include "records/team.h"
#include "script/scriptrunner.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace yardmark::simulate {

/// A small generator of a fixed algorithm (PCG32), so that one seed gives the
/// same season on every machine and with every standard library.
class Pcg32 {
public:
    explicit Pcg32(std::uint64_t seed);

    std::uint32_t next();
    /// A number in 0 .. bound - 1 (0 when bound is not positive).
    int below(int bound);
    /// A number in low .. high, both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t m_state = 0;
    std::uint64_t m_increment = 0;
};

/// Teams of a simulated league: staff and a full roster of 44 players with
/// unique numbers, positions and starters, kept sorted by name.
std::vector<Team> makeLeague(Pcg32 &rng, int teamCount);

/// Sees every script line of a simulated game with the situation it left.
using LineObserver = std::function<void(const Json &line, const Json &result)>;

/// One game between two league teams, recorded by a scorer's script that the
/// simulator writes line by line from the situation the game window shows:
/// kickoffs, drives of rushes and passes with penalties, fumbles, sacks and
/// interceptions, punts, field goals, touchdowns and tries, time-outs, the
/// clock, and an overtime period now and then. The game closes with "quit",
/// saving to `gameFile` (nothing is saved when it is empty).
Game simulateGame(Pcg32 &rng, const Team &home, const Team &visitor, const Settings &settings, int weekNumber,
                  const std::string &gameFile, const LineObserver &observe = {});

/// What `simulateSeason` wrote, as file names inside the directory.
struct SeasonFiles {
    std::vector<std::string> teams;
    std::vector<std::string> games;
    std::string schedule; ///< one game event per game, with its team and game files
};

/// A league of eight teams written as team files into `dir`, and `games`
/// games between them saved as game files, all decided by `seed`, with the
/// season's schedule ("season.sch") holding an event for every game.
SeasonFiles simulateSeason(std::uint64_t seed, int games, const std::filesystem::path &dir, const Settings &settings,
                           const LineObserver &observe = {});

} // namespace yardmark::simulate
