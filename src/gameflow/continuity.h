#pragma once

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// The field of a break left by the older rule that kept a missed field
/// goal's down and distance for the defense; a re-flow mends it.
inline constexpr std::string_view kMissedKickField = "down and to go";

/// One place where a game does not add up: the play (counted from 0), the part
/// of its starting situation that does not follow from the play before
/// ("possession", "quarter", "down", "to go", "spot", "try", "down and to go"
/// after a missed field goal, or "play" for a damaged record), what is stored,
/// what follows, and why, all as the scorer reads them (Windows-1252).
struct ContinuityBreak {
    int index = 0;
    std::string field;
    std::string stored;
    std::string expected;
    std::string reason;

    bool operator==(const ContinuityBreak &) const = default;
};

/// What is wrong with a record the loaders accepted (a code or a spot out of
/// range), empty when nothing is.
std::string playDamage(const PlayRecord &play, const LeagueOptions &league);

/// Walks a game's plays in order with the rules of recording: from each play
/// as stored, the situation the next one starts from, following the quarter
/// arrows to the next play's quarter. The pending try and kickoff are carried
/// in a working copy of the game, which a re-flow also records plays into.
class PlayWalker {
public:
    PlayWalker(const Game &game, const LeagueOptions &league);

    /// The start of `next` after `previous`. At a new half or overtime period
    /// who has the ball is the scorer's choice (the team that kicks off, the
    /// toss): it is taken from `next`. The pending kick `next` leaves undone is
    /// given up, as the window does once the scorer has said so.
    struct Start {
        GameSituation situation;
        bool quarterGoesBack = false;
        bool tryPending = false;
    };
    Start startOf(const PlayRecord &next, const PlayRecord &previous);

    /// The working game: its pending flags, its teams' remembered players.
    Game &game() { return m_game; }

private:
    Game m_game;
    const LeagueOptions &m_league;
};

/// Every break of the game: for each play after the first whose starting
/// situation — possession, quarter, down, to go, spot, a try when one is due —
/// does not follow from the play before it; each damaged play. A time-out
/// starts where the play before it left the ball and changes nothing.
std::vector<ContinuityBreak> checkContinuity(const Game &game, const LeagueOptions &league);

/// "play N: …", N counted from 1 as the play list shows it.
std::string breakLine(const ContinuityBreak &found);

} // namespace yardmark
