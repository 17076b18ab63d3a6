#pragma once

#include "records/game.h"
#include "records/playrecord.h"
#include "records/settings.h"

#include <cstdint>

namespace yardmark {

/// Points split between the two teams.
struct TeamPoints {
    std::int32_t home = 0;
    std::int32_t visitor = 0;

    std::int32_t of(bool homeTeam) const { return homeTeam ? home : visitor; }
    bool operator==(const TeamPoints &) const = default;
};

/// The points one play scores, by its score type, with the league's values:
/// the team with the ball scores touchdowns, field goals, tries and safeties on
/// a runback; the other team scores touchdowns on a runback or by the defence,
/// defensive conversions and safeties. On the indoor field a field goal kicked
/// from the opponent's half is worth one point less.
TeamPoints pointsOfPlay(const PlayRecord &play, const LeagueOptions &options);

/// The score of the whole game, summed over every play.
TeamPoints gameScore(const Game &game, const LeagueOptions &options);

/// The points one team scored in one 0-based period; any period above the
/// fourth quarter stands for all overtime periods together.
std::int32_t pointsInPeriod(const Game &game, std::int32_t quarter, bool home, const LeagueOptions &options);

} // namespace yardmark
