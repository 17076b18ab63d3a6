#pragma once

#include "gameflow/fumblesection.h"
#include "gameflow/playentrycontext.h"

#include <array>
#include <optional>
#include <string>

namespace yardmark {

/// The fumble section of a play entry dialog: the selector over the play's
/// three fumbles and the controls of the one shown.
struct FumbleSection {
    std::array<std::string, kMaxFumbles> selectorEntries{"Fumble 1", "Fumble 2", "Fumble 3"};
    int shown = 0;
    FumbleForm form;
};

/// Writes the shown fumble into the play being entered. With a fumble
/// recorded, the play ends where the last recovery return ended, and the Final
/// Spot controls show it. False, with the scorer told, when a recovery lacks
/// its spot.
bool saveShownFumble(FumbleSection &section, SpotEntry &finalSpot, const PlayEntryContext &context);

/// A "Recovered By:" box checked for a team (the other box unchecks, the
/// recoverer's list holds that team's roster, both spots show `preset`) or
/// unchecked (no value: only the recoverer is cleared).
void setRecoveredBy(FumbleSection &section, std::optional<bool> home, const FieldSpot &preset);

/// The section's "Clear" box: no recoverer, no team, both spots empty.
void clearFumbleSection(FumbleSection &section);

/// The roster the recoverer's drop-down offers: the checked team's, else none.
const std::vector<PlayerRecord> &recovererRoster(const FumbleSection &section, const Game &game);

} // namespace yardmark
