#pragma once

#include "clocktime.h"

#include "base/datetime.h"
#include "records/game.h"
#include "records/settings.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace yardmark {

/// One drive that ended with a recognised result.
struct DriveLine {
    bool homeTeam = true; ///< whose drive the line reports
    std::string team;
    std::int32_t plays = 0;
    std::int32_t yards = 0;
    std::string duration;       ///< "m:ss", or "N/A" in overtime
    std::string result;         ///< "TD at 3:05 of 1st Quarter", "End of Half", ...
    std::int32_t playIndex = 0; ///< the play that ended the drive

    bool operator==(const DriveLine &) const = default;
};

/// Where drives restart. The window also restarts a drive at each new overtime
/// period; the export only at the second half, a change of possession and a try.
enum class DriveBreaks { Window, Export };

/// Divides the play list into drives and lists those that ended with a result.
std::vector<DriveLine> scanDrives(const Game &game, const LeagueOptions &options,
                                  DriveBreaks breaks = DriveBreaks::Window);

/// The window's line: "Team: 5 Plays, 42 Yards, Duration: 2:07, Result: TD at 3:05 of 1st Quarter".
std::string driveLineText(const DriveLine &line);

/// The game time between two plays, from the regulation time left at each; a
/// play with no time left (the fourth quarter without a recorded clock) stands
/// for the start of the fourth quarter. 0:00 when the end play lies in overtime
/// or the clock entries run backwards.
ClockTime driveDuration(const Game &game, int startIndex, int endIndex, const LeagueOptions &options);

/// Writes the drives as comma-separated text or as an HTML table. The CSV
/// header is written also when appending; the HTML page head only when not.
void writeDriveSummary(std::ostream &out, const Game &game, const LeagueOptions &options, bool html, bool appending,
                       const HtmlOptions &htmlOptions, const DateTime &now);

} // namespace yardmark
