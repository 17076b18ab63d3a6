#pragma once

#include "records/game.h"
#include "records/settings.h"

#include <string>
#include <vector>

namespace yardmark {

/// A play a re-flow left as it was recorded, and why.
struct ReflowNote {
    int index = 0;
    std::string reason;

    bool operator==(const ReflowNote &) const = default;
};

struct ReflowResult {
    int changed = 0; ///< plays after the first one re-flowed whose record changed
    std::vector<ReflowNote> kept;
};

/// Re-derives the situation after play `from` and every later play, recording
/// each play again through its own entry dialog worked from what the scorer
/// entered in it: players, play type and result codes, the yards a rush,
/// pass, penalty or fumble return gained (measured from where the play
/// started), the kicked-to and returned-to spots of kicks, fumble recoveries,
/// and the resulting down and distance of a penalty where the scorer set them
/// by hand. Every question the dialog asks again (a first down on exactly the
/// yards to go) gets the answer kept in the play. Play `from` keeps its start;
/// each later play starts where the one before it leaves the ball, unless the
/// scorer had moved the ball by hand there. A play that cannot be recorded
/// again the way it was (a damaged record, a result changed by hand, the
/// other team now having the ball) is left as it is and listed.
///
/// `asFirstRecorded`, when given, is play `from` before the scorer corrected
/// it: the results the correction itself changed stay as the scorer set them.
ReflowResult reflowPlays(Game &game, int from, const LeagueOptions &league,
                         const PlayRecord *asFirstRecorded = nullptr);

/// "play N: …", N counted from 1 as the play list shows it.
std::string reflowNoteLine(const ReflowNote &note);

} // namespace yardmark
