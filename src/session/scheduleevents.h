#pragma once

#include "season/scheduleform.h"
#include "teamsaving.h"

namespace yardmark {

class UserInterface;

// The schedule editor's buttons that fetch files: what each asks, in what
// order, and what it keeps of the answer. Each is true when the event's form
// changed and is to be shown again; the editor's form holds what was typed.

/// "&Home Team:" / "&Visiting Team:": a team file for the event, unless its
/// game file already sets the teams.
bool chooseEventTeam(UserInterface &ui, ScheduleEditor &editor, ScheduleSide side);

/// "Create" / "Edit" beside a team: the event's team (a new one when it has
/// none) edited with `edit` and saved; the team made or renamed is the
/// event's team. A team whose file is gone is named and not opened.
bool editEventTeam(UserInterface &ui, ScheduleEditor &editor, ScheduleSide side, const TeamEdit &edit);

/// "&Select Game:": a recorded game for the event.
bool selectEventGame(UserInterface &ui, ScheduleEditor &editor);

/// "Save Under Ne&w Name...": the schedule written under a name asked for,
/// which it keeps once written. True then.
bool saveScheduleAs(UserInterface &ui, ScheduleEditor &editor);

} // namespace yardmark
