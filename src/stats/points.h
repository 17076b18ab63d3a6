#pragma once

#include "records/game.h"
#include "records/settings.h"
#include "vocabulary/scoring.h"

#include <cstdint>

namespace yardmark {

/// The points one team scored in one 0-based period, by the same per-play rule
/// as the game score (`pointsOfPlay`); any period above the fourth quarter
/// stands for all overtime periods together.
std::int32_t pointsInPeriod(const Game &game, std::int32_t quarter, bool home, const LeagueOptions &options);

/// The points of one play for the home or visitor team.
constexpr std::int32_t pointsFor(const PlayPoints &points, bool home)
{
    return home ? points.home : points.visitor;
}

} // namespace yardmark
