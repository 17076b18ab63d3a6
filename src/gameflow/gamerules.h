#pragma once

#include "gameflow/gamesituation.h"
#include "gameflow/interaction.h"
#include "records/game.h"
#include "records/settings.h"
#include "vocabulary/scoring.h"

#include <optional>

namespace yardmark {

/// A fresh play built from the situation: possession, quarter, down, yards to
/// go and the ball spot before the snap, every result cleared. The penalty spot
/// is the one thing carried over from the play entered before.
PlayRecord newPlayFromSituation(const GameSituation &situation, const FieldSpot &previousPenaltySpot);

/// The situation a stored play started from, as newPlayFromSituation put it
/// in the play: its team, quarter, down, distance and spot.
GameSituation situationBeforePlay(const PlayRecord &play);

/// What a recorded play means for the next one: who has the ball, a try or a
/// kickoff due, and where the ball is put after a score. The entry dialog has
/// already left the spot, down and distance of a scrimmage play in the
/// situation; a score, a kick or a change of possession overrides them here.
void applyPlayOutcome(const PlayRecord &play, GameSituation &situation, Game &game, const LeagueOptions &league);

/// The situation the window holds once `play` has been recorded: the team that
/// had the ball, the play's quarter, its resulting down, distance and spot, and
/// then what the play means (`applyPlayOutcome`, which moves the pending try
/// and kickoff of `game` on). A time-out or a blank record changes nothing: the
/// situation is the one it started from.
GameSituation situationAfterPlay(const PlayRecord &play, Game &game, const LeagueOptions &league);

/// What the quarter arrow does on reaching a period no play has reached yet.
enum class PeriodStart {
    Carries,    ///< the game carries on as it stands
    SecondHalf, ///< first and ten on the kickoff line; who kicks off is asked next
    Overtime,   ///< first and ten on the home team's kickoff line, nothing pending
};
/// Sets the situation (whose quarter is already the new one) and the pending
/// flags for a new period and tells which kind it is.
PeriodStart enterPeriod(GameSituation &situation, Game &game, const LeagueOptions &league);

/// The team chosen to kick off a half: it has the ball on its own side.
void chooseKickingTeam(GameSituation &situation, Game &game, bool home);

/// The pending kick a play button leaves undone (the window asks first): a
/// kickoff while a try is due gives up the try, a rush or a pass while a
/// kickoff is due gives up the kickoff.
enum class PendingKick { None, Try, KickOff };
PendingKick pendingKickLeftUndone(PlayKind kind, const Game &game);
void giveUpPendingKick(PendingKick kick, Game &game);

/// The play button that records a stored play again: a try by rush is a rush
/// while the try is due, an onside kick a kickoff, a kickoff out of bounds
/// taken as a penalty the kickoff it was. Nothing for time-outs, blank records
/// and codes the program does not know.
std::optional<PlayKind> entryKindOfPlay(const PlayRecord &play);

/// The situation of a saved game when it is opened: after its last play
/// (brought up to date as after that play), or, without a play yet or saved at
/// half time, ready for a kickoff (first down, 10 to go, the ball on the
/// league's kickoff line) with `kickoffNeeded` set: who kicks off is still to
/// be chosen.
GameSituation situationOnOpening(Game &game, const LeagueOptions &league, bool &kickoffNeeded);

/// Both scores, summed from every play with the league's points. The scores
/// are never kept any other way.
void recomputeScore(Game &game, const LeagueOptions &league);

/// Time-outs a team has taken in the half of `quarter` (each overtime period
/// counts on its own).
int timeOutsUsed(const Game &game, bool home, int quarter);

/// True when no play of the game lies in `quarter` or later.
bool noPlayFromQuarter(const Game &game, int quarter);

/// The highest quarter among the plays, or -1 without plays.
int highestPlayQuarter(const Game &game);

} // namespace yardmark
