#pragma once

#include "records/game.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace yardmark::bench {

/// A plausible game between two teams of a league of `teamCount` teams: full
/// rosters, kickoffs, runs, passes with sacks and interceptions, punts, field
/// goals, tries, penalties and fumbles, about `playCount` plays over four
/// quarters. The same seed always gives the same game.
Game generateGame(std::uint32_t seed, int playCount = 150, int teamCount = 20);

/// Writes `count` generated games into `dir` and returns their paths.
std::vector<std::string> writeSeason(const std::filesystem::path &dir, int count, int playCount = 150);

/// The name of team `index` of the generated league.
std::string leagueTeamName(int index);

} // namespace yardmark::bench
