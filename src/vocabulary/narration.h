#pragma once

#include "records/game.h"
#include "records/playrecord.h"
#include "records/settings.h"

#include <cstdint>
#include <string>
#include <string_view>

// The play-by-play line of a play, as the play list, the printed play-by-play
// and the scoring summaries show it, e.g.
//   "2nd Q, H, 3rd D, Smith passes to Jones for 12, 1st Down"
// Besides the play itself a line needs the names of the game's two teams (the
// offense is the home team when the play's `homeHasBall` is set; for kicks it
// is the kicking team) and the league's field size, which every yardage in the
// line is measured on. Texts stay in the files' Windows-1252 encoding.

namespace yardmark {

/// The one-line narration of `play` in a game between `homeTeamName` and
/// `visitorTeamName`, with its yardages measured on the league's field. Never
/// empty: every play, whatever its codes, gets a line. With names of up to 24
/// characters a line stays within 160 characters.
std::string narratePlay(const PlayRecord &play, std::string_view homeTeamName, std::string_view visitorTeamName,
                        const LeagueOptions &league);

/// The same, with the team names taken from the game's information header.
std::string narratePlay(const PlayRecord &play, const GameInfo &info, const LeagueOptions &league);

/// The period as the narration and the summaries write it: "1st Q" .. "4th Q"
/// for the regular quarters, "OT1" .. "OT9" or "OT" for overtime periods.
std::string periodText(std::int32_t quarter);

/// The number of fumbles on a play: its fumble entries up to the first empty one (0 to 3).
int fumbleCount(const PlayRecord &play);

} // namespace yardmark
