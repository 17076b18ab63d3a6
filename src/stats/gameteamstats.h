#pragma once

#include "records/game.h"
#include "records/settings.h"

#include <cstdint>
#include <string>

namespace yardmark {

/// One team's statistics for one game and a range of periods. Averages are
/// derived from the counts by `finishGameTeamStats`; an average over nothing
/// stays 0.
struct GameTeamStats {
    std::int32_t firstDowns = 0;
    std::int32_t firstDownsRush = 0;
    std::int32_t firstDownsPass = 0;
    std::int32_t firstDownsPenalty = 0; ///< first downs on any play other than a rush or a pass
    std::int32_t thirdDownsMade = 0;
    std::int32_t thirdDownsAttempted = 0;
    float thirdDownEfficiency = 0.0F; ///< percent
    std::int32_t fourthDownsMade = 0;
    std::int32_t fourthDownsAttempted = 0;
    float fourthDownEfficiency = 0.0F; ///< percent
    std::int32_t totalYards = 0;
    std::int32_t totalPlays = 0; ///< rushes and passes, sacks included
    float yardsPerPlay = 0.0F;
    std::int32_t rushingYards = 0;
    std::int32_t rushingAttempts = 0;
    float yardsPerRush = 0.0F;
    std::int32_t passingYards = 0;
    std::int32_t passAttempts = 0; ///< neither sacks nor plays recorded as "No Pass"
    std::int32_t passCompletions = 0;
    std::int32_t passesIntercepted = 0;
    float yardsPerPass = 0.0F;
    std::int32_t punts = 0; ///< blocked punts included
    std::int32_t puntYards = 0;
    float yardsPerPunt = 0.0F;
    std::int32_t puntReturns = 0;
    std::int32_t puntReturnYards = 0;
    float yardsPerPuntReturn = 0.0F;
    std::int32_t puntsBlocked = 0;
    std::int32_t kickoffReturns = 0;
    std::int32_t kickoffReturnYards = 0;
    float yardsPerKickoffReturn = 0.0F;
    std::int32_t fumbles = 0;
    std::int32_t fumblesLost = 0;
    std::int32_t turnovers = 0;
    std::int32_t penalties = 0; ///< penalties against this team
    std::int32_t penaltyYards = 0;
    std::int32_t sacks = 0; ///< sacks made by this team's defence
    std::int32_t sackYards = 0;
    std::int32_t touchdowns = 0;
    std::int32_t rushingTouchdowns = 0;
    std::int32_t passingTouchdowns = 0;
    std::int32_t fieldGoalsAttempted = 0;
    std::int32_t fieldGoalsMade = 0;
    std::int32_t possessionMinutes = 0;
    std::int32_t possessionSeconds = 0; ///< 0..59
    std::int32_t totalPoints = 0;
    std::string possessionText = "0:00";

    bool operator==(const GameTeamStats &) const = default;
};

/// A fresh record: every count 0, every average 0, possession "0:00".
GameTeamStats initGameTeamStats();

/// The statistics of the home or visitor team over the 0-based periods
/// `firstQuarter` to `lastQuarter` inclusive. A range holding no play gives the
/// fresh record. Time of possession counts regulation time only.
GameTeamStats computeGameTeamStats(const Game &game, bool home, std::int32_t firstQuarter, std::int32_t lastQuarter,
                                   const LeagueOptions &options);

/// Fills in the averages and the possession text from the counts, carrying
/// whole minutes out of the possession seconds first.
void finishGameTeamStats(GameTeamStats &stats);

/// Adds every count of `more` to `total` (statistics over several games);
/// call `finishGameTeamStats` on the total afterwards.
void addGameTeamStats(GameTeamStats &total, const GameTeamStats &more);

} // namespace yardmark
