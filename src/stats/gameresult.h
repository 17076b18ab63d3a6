#pragma once

#include "records/game.h"
#include "records/settings.h"

#include <cstdint>
#include <string>

namespace yardmark {

/// How a recorded game ended: the score recomputed from every play, as the
/// scoreboard keeps it, and whether it went beyond the fourth quarter.
struct GameResult {
    std::int32_t home = 0;
    std::int32_t visitor = 0;
    bool overtime = false;

    bool operator==(const GameResult &) const = default;
};

/// A game has a result once a play is recorded; before the kickoff it has none.
bool hasResult(const Game &game);

GameResult gameResult(const Game &game, const LeagueOptions &options);

/// "19\x9616" (home first, as the schedule's columns read, with an en dash),
/// and " OT" after it when the game went to overtime; empty for a game with no plays.
std::string resultText(const Game &game, const LeagueOptions &options);

/// Won, lost and tied over the games a team played that hold plays.
struct TeamRecord {
    std::int32_t won = 0;
    std::int32_t lost = 0;
    std::int32_t tied = 0;

    /// Adds a game's result seen from one side.
    void add(const GameResult &result, bool home);

    bool operator==(const TeamRecord &) const = default;
};

/// "4\x963\x960": won, lost and tied with en dashes.
std::string recordText(const TeamRecord &record);

/// How many games figures cover: "1 game", "7 games".
std::string gamesText(std::int32_t games);

} // namespace yardmark
