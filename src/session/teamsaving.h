#pragma once

#include "records/team.h"

#include <functional>
#include <optional>
#include <string>

namespace yardmark {

struct HtmlOptions;
class UserInterface;

/// Runs the Edit Team dialog on a team: true on OK, with the team changed.
using TeamEdit = std::function<bool(Team &team)>;

/// Reads a team to edit (File > Team > Edit and Import, a file handed to the
/// program): a team file, or a comma-separated list ending in ".csv". A file
/// that cannot be read is reported and nothing opens, so that saving never
/// overwrites it with an empty team.
std::optional<Team> readTeamToEdit(UserInterface &ui, const std::string &path);

/// Edits `team` with `edit` and, on OK, saves it: to its own file, or under a
/// name asked with "Save Team As" when it has none or came from a list. A
/// failed save is reported; a cancelled question is not. True when saved.
bool editAndSaveTeam(UserInterface &ui, Team &team, const TeamEdit &edit);

/// The Edit Team dialog's "S&ave As": asks where and as what (a team file, a
/// list or a page) and writes the team there, reporting a failed write.
void saveTeamAsAsked(UserInterface &ui, Team &team, const HtmlOptions &html);

} // namespace yardmark
