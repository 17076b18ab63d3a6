#pragma once

#include "records/game.h"
#include "records/playrecord.h"
#include "records/settings.h"
#include "vocabulary/scoring.h"

#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// The plays and yards of the drive or possession in progress while a
/// summary walks the play list.
class DriveCounter {
public:
    void restart()
    {
        m_plays = 0;
        m_yards = 0;
    }

    /// Counts one play: a touchdown by the team without the ball is a drive of
    /// its own, one play long, measured in the scoring team's direction;
    /// otherwise every play but tries, time-outs and penalties adds a play, and
    /// every play adds its gain.
    void count(const PlayRecord &play, const LeagueOptions &options);

    std::int32_t plays() const { return m_plays; }
    std::int32_t yards() const { return m_yards; }

private:
    std::int32_t m_plays = 0;
    std::int32_t m_yards = 0;
};

/// Whether a summary line for `play` names the home team: the team with the
/// ball for its own scores and for plays without a score, else the other team.
bool lineTeamIsHome(const PlayRecord &play);

/// For each play, the index of the first play at or after it with a recorded
/// clock (minutes or seconds above 0), or -1 when there is none.
std::vector<int> nextClockedPlays(const std::vector<PlayRecord> &plays);

} // namespace yardmark
