#pragma once

#include "base/datetime.h"
#include "records/recordcodec.h"
#include "records/settings.h"
#include "records/team.h"
#include "records/teamfile.h"
#include "reports/exportchoice.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace yardmark {

/// The most players a team file holds: their records and personal
/// information within the largest team file the program reads.
inline constexpr std::size_t kMaxListedPlayers = kMaxRecordFileSize / (kPlayerRecordSize + kPersonalInfoSize);

/// The comma-separated team list: seven lines of team data, a heading line and
/// one line per player (number, name, position, starter keyword, and with
/// `personal` his contact fields). A field holding a comma, a quote or a line
/// break is quoted.
void writeTeamCsv(std::ostream &out, const Team &team, bool personal);

/// The HTML team list in the colours and fonts of `options`; the page head is
/// left out when appending to an earlier export.
void writeTeamHtml(std::ostream &out, const Team &team, bool personal, bool appending, const HtmlOptions &options,
                   const DateTime &now);

/// Writes the team list to `path` as `format`; appending adds a line feed and
/// the new list after what the file holds. False when it cannot be written.
bool exportTeam(const Team &team, const std::string &path, ExportFormat format, bool append, bool personal,
                const HtmlOptions &options);

/// Reads a comma-separated team list into `team`, which is expected empty:
/// the team data of lines 1 to 7 (line 8 is the heading), then one player per
/// line, and sorts the roster by name. `fileName` becomes `path`, so that
/// saving proposes a team file name instead of overwriting the list. The
/// apostrophe the export put before text a spreadsheet would run is taken
/// off. False when the list holds more than `maxPlayers` players.
bool importTeamCsv(std::istream &in, Team &team, const std::string &path, std::size_t maxPlayers = kMaxListedPlayers);

/// Imports the file at `path`; false, with `team` unchanged, when it cannot be
/// opened or holds more players than a team file can.
bool importTeamCsv(Team &team, const std::string &path);

class UserInterface;

/// The file types of the team dialog's "S&ave As", in the order of its filters.
enum class TeamSaveType { TeamFile, Csv, Html };

/// What the "S&ave As" questions decided: where, as what, and for a list
/// whether it is appended and carries the players' personal information.
struct TeamSaveChoice {
    std::string path;
    TeamSaveType type = TeamSaveType::TeamFile;
    bool append = false;
    bool personal = false;
};

/// Asks where and how to save the team: the file chooser ("Select file name
/// to save as"), then for an existing team file whether to overwrite it, for
/// an existing list whether to append to it (or else overwrite it), and for a
/// list whether to include the players' personal information. A name ending
/// in "htm" is an HTML page whatever type was chosen. Nothing when the user
/// cancels.
std::optional<TeamSaveChoice> askTeamSaveChoice(UserInterface &ui, const std::string &proposed);

/// The file questions alone, as every export asks them: a comma-separated
/// list or an HTML page (and a team file when offered), appended to an
/// existing file or overwriting it. Nothing when the user cancels.
std::optional<TeamSaveChoice> askExportFile(UserInterface &ui, bool offerTeamFile, const std::string &proposed);

/// Saves the team as chosen: a team file becomes the team's own file; a list
/// is exported. False when the file cannot be written.
bool saveTeamAs(Team &team, const TeamSaveChoice &choice, const HtmlOptions &options);

} // namespace yardmark
