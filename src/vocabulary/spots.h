#pragma once

#include "records/playrecord.h"
#include "records/settings.h"

#include <cstdint>

// The yardage arithmetic on field spots. Every yardage in the program, in the
// play dialogs, the play-by-play and the statistics, is computed here, so that
// a gain is measured one way everywhere.
//
// A spot's yard line counts from the goal line of the half it lies in, so a
// distance needs to know whose goal it is measured from. The field size comes
// from the league options: midfield is the 50 on the 100-yard field and the 25
// on the 50-yard indoor field. Results never overflow, even on spots read from
// a damaged file; they are held at the 32-bit limits instead.

namespace yardmark {

/// The distance of `spot` from the own goal line of the home team (when
/// `homeTeam`) or of the visitor team: 0 on that goal line, twice the midfield
/// yard line on the opponent's. Midfield reads the same written with either side.
std::int32_t distanceFromOwnGoal(FieldSpot spot, bool homeTeam, const LeagueOptions &league);

/// G: the yards the offense moved the ball from `initialSpot` to `finalSpot`;
/// negative when it lost ground.
std::int32_t netGain(const PlayRecord &play, const LeagueOptions &league);

/// R: the yards a kick was returned, from `receivedAt` to `finalSpot`,
/// measured toward the kicking team's goal line (the receivers' direction).
std::int32_t returnYards(const PlayRecord &play, const LeagueOptions &league);

/// K: the length of a kick from the line of scrimmage (`initialSpot`) to
/// where it was received or came to rest (`receivedAt`).
std::int32_t kickDistance(const PlayRecord &play, const LeagueOptions &league);

/// The depth of an end zone: 10 yards on the 100-yard field, 8 indoors.
std::int32_t endZoneDepth(const LeagueOptions &league);

/// FG: the length of a field goal attempt from `initialSpot`: the yards to the
/// goal line, the end zone behind it and 7 yards back to the holder.
std::int32_t fieldGoalDistance(const PlayRecord &play, const LeagueOptions &league);

/// `spot` moved `yards` toward the goal line the offense attacks (negative
/// yards move it back). Crossing midfield changes the side; the ball stops at
/// either goal line.
FieldSpot advanceSpot(FieldSpot spot, bool offenseIsHome, std::int32_t yards, const LeagueOptions &league);

} // namespace yardmark
