#pragma once

#include "gameflow/playerentry.h"
#include "gameflow/spotentry.h"
#include "records/game.h"
#include "records/settings.h"

#include <optional>
#include <vector>

namespace yardmark {

class Interaction;

/// The roster of the home or the visiting team of a game.
const std::vector<PlayerRecord> &rosterOf(const Game &game, bool home);

/// The fumble section of the play dialogs, showing one of a play's three
/// fumble slots: the checked "Recovered By:" box (none: no fumble), the
/// recovering player, "Recovered At:" and "Returned To:".
struct FumbleForm {
    std::optional<bool> recoveredByHome;
    PlayerEntry recoverer;
    SpotEntry recoveredAt;
    SpotEntry returnedTo;

    bool operator==(const FumbleForm &) const = default;
};

/// The section showing slot `slot` of `play`; an unused slot shows nothing.
FumbleForm showFumble(const PlayRecord &play, int slot, const Game &game);

/// A "Recovered By:" box checked (the team) or unchecked (no value): the
/// recovering player is cleared, his list now holding that team's roster.
void checkRecoveredBy(FumbleForm &form, std::optional<bool> recoveredByHome);

/// Writes the shown section into slot `slot` of `play`. With no team checked
/// the slot is cleared. A recovery needs its spot: without one the user is
/// told and false is returned with the play unchanged. The recovery code is
/// judged against the team that had the ball when it came loose: the
/// possessing team for the first fumble, the previous recoverer after that.
bool storeFumble(const FumbleForm &form, int slot, bool possessionHome, PlayRecord &play, const Game &game,
                 const LeagueOptions &league, Interaction &ui);

/// The turnover a play's fumbles leave: walking the recorded fumbles in order,
/// a recovery by the other team makes it a fumble lost, a recovery by the
/// team with the ball undoes a fumble lost. The last fumble decides.
std::int32_t turnoverAfterFumbles(const PlayRecord &play, std::int32_t turnover);

} // namespace yardmark
