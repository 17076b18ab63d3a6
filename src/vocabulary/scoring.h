#pragma once

#include "records/playrecord.h"
#include "records/settings.h"

#include <cstdint>

namespace yardmark {

/// Extra point, try by rush or try by pass: a try never changes the down.
bool isTry(std::int32_t playType);

/// A touchdown of either team: the offense's, a runback's or the defense's.
/// Any of them makes a try due.
bool isAnyTouchdown(std::int32_t scoreType);

/// The points one play gives each side.
struct PlayPoints {
    int home = 0;
    int visitor = 0;
};

/// The league's points for a play's score, to the side that scored it. The
/// game score is never kept any other way than summing these.
PlayPoints pointsOfPlay(const PlayRecord &play, const LeagueOptions &league);

} // namespace yardmark
