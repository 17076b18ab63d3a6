#pragma once

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"
#include "vocabulary/scoring.h"

namespace yardmark {

/// A fresh play built from the situation: possession, quarter, down, yards to
/// go and the ball spot before the snap, every result cleared. The penalty spot
/// is the one thing carried over from the play entered before.
PlayRecord newPlayFromSituation(const GameSituation &situation, const FieldSpot &previousPenaltySpot);

/// What a recorded play means for the next one: who has the ball, a try or a
/// kickoff due, and where the ball is put after a score. The entry dialog has
/// already left the spot, down and distance of a scrimmage play in the
/// situation; a score, a kick or a change of possession overrides them here.
void applyPlayOutcome(const PlayRecord &play, GameSituation &situation, Game &game, const LeagueOptions &league);

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
