#pragma once

#include "gameteamstats.h"

#include "records/game.h"
#include "records/settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace yardmark {

/// The pictures beside the game summary, as numbers: per team the yards
/// gained rushing and passing in the period shown, and the points of each
/// period of the game; the scales are round numbers the longest bar fits in.
struct SummaryChart {
    static constexpr int kPeriods = 5; ///< four quarters and overtime

    struct TeamBars {
        std::string name;
        std::int32_t rushingYards = 0;
        std::int32_t passingYards = 0;
        std::array<std::int32_t, kPeriods> points{};
    };

    std::array<TeamBars, 2> teams; ///< home, then visitor
    std::int32_t yardsScale = 50;  ///< a multiple of 50
    std::int32_t pointsScale = 7;  ///< a multiple of 7
    int periods = 4;               ///< 5 once the game went to overtime

    bool operator==(const SummaryChart &) const = default;
};

/// The chart of a game and the two records the summary shows. Yards lost
/// (a negative total) draw no bar.
SummaryChart summaryChart(const Game &game, const GameTeamStats &home, const GameTeamStats &visitor,
                          const LeagueOptions &options);

} // namespace yardmark
