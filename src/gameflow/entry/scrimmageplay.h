#pragma once

#include "gameflow/playentrycontext.h"

#include "gameflow/playerentry.h"
#include "gameflow/spotentry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

/// The caption of a rush or pass dialog: "<offense> - <try name>" while a try
/// is due, else "<offense> <verb> on <down>" as in "Tigers Rushes on 3rd down".
std::string scrimmageCaption(const PlayEntryContext &context, std::string_view verb, std::string_view tryName);

/// The quarterback row as it opens: the offense's current quarterback chosen
/// with his number, when he is on the roster.
PlayerEntry currentQuarterbackEntry(const PlayEntryContext &context);

/// Where typed "Yards Made" put the ball, from where the play started; no
/// value for an empty field.
std::optional<FieldSpot> spotAfterYards(const PlayEntryContext &context, std::string_view yardsMade);

/// A Final Spot yard line left: the play ends at the spot, and the text
/// returned is the gain "Yards Made" shows. No value for an empty yard line.
std::optional<std::string> recordFinalSpot(const PlayEntryContext &context, const SpotEntry &finalSpot);

/// The situation's ball spot moved by a rush's or pass's Final Spot group
/// (an empty yard line goes by "Yards Made"), and the play's final spot with it.
void moveBallForScrimmage(const PlayEntryContext &context, const SpotEntry &finalSpot, std::string_view yardsMade);

/// The turnover a rush or pass is left with by its fumbles: walking them in
/// order, each recovery by the team that snapped the ball clears the turnover
/// (even an interception's) and each recovery by the other team makes it a
/// fumble lost. The last fumble decides.
std::int32_t scrimmageTurnover(const PlayRecord &play, std::int32_t turnover);

/// The rest of a rush's or pass's OK once its players, type, final spot and
/// turnover are in the play: fumbles settle the turnover, a ball ending on a
/// goal line scores, the gain decides the down and the distance (asking when
/// it equals the distance exactly, and never on a try), the resulting down and
/// distance are recorded, and a change of possession asks for the clock.
void settleScrimmagePlay(const PlayEntryContext &context);

} // namespace yardmark
