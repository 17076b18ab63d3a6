#pragma once

#include "schedule.h"
#include "schedulelist.h"

#include "base/datetime.h"
#include "records/game.h"
#include "records/team.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace yardmark {

/// Tries to read the team file at `path` into `team`; true when it loaded.
using TeamLoader = std::function<bool(const std::string &path, Team &team)>;

/// Reads real team files.
TeamLoader teamFileLoader();

/// Looks for a team file where a schedule looks for the files its events
/// name (eventFileCandidates): beside `scheduleFile` first, then the stored
/// path, then by its name.
TeamLoader movedTeamLoader(TeamLoader load, std::string scheduleFile = {});

/// A message box: its text and caption.
struct Notice {
    const char *text;
    const char *caption;
};

inline constexpr Notice kTeamsSetInGameFile{"Teams already set in Game File", "Game File Selected!"};
inline constexpr Notice kEditTeamThroughGame{"Edit Team by Selecting Game Edit Button", "Game File Selected!"};
inline constexpr Notice kCannotLoadSelectedGame{"Can't load game !", "File corrupt ?"};
inline constexpr Notice kAddBeforeStarting{"Want to Add This Event to Schedule Before Starting Game?",
                                           "Event Not in Schedule"};
inline constexpr Notice kTeamsNotSelected{"You must first select teams.", "Team Not Selected"};
inline constexpr Notice kCannotLoadSchedule{"Can't load schedule !", "File corrupt ?"};
inline constexpr Notice kCannotSaveSchedule{"Can't save schedule!", "Disk Full?"};

/// What the schedule editor's boxes hold, as typed.
struct ScheduleForm {
    std::string date;
    std::string time;
    std::string field;
    int eventIndex = 1; ///< position in the event list (codes 1 to 6); "Game" at first
    std::string note;
    std::string homeTeam;
    std::string visitorTeam;
    std::string game; ///< "home vs. visitor" once a game file is chosen

    bool operator==(const ScheduleForm &) const = default;
};

enum class ScheduleSide { Home, Visitor };

/// The schedule editor: the schedule, the list selection and the scratch
/// entry that collects the form's values and the chosen files.
struct ScheduleEditor {
    Schedule schedule;
    ScheduleForm form;
    ScheduleEntry scratch;
    int selected = -1;
    ScheduleSortOrder sortOrder;
};

/// What the game button ("Start" / "Edit") leads to.
enum class ScheduleGameAction {
    AskToAddEvent,     ///< nothing selected: ask kAddBeforeStarting
    StartRecordedGame, ///< the editor closes and the event's game opens
    CreateGame,        ///< the editor closes and the game for the event is created
    TeamsNotSelected,  ///< warn with kTeamsNotSelected
};

/// The texts of the event list, in list order (codes 1 to 6).
std::vector<std::string> eventListTexts();

/// Reads the boxes into `entry`: a date that is not month/day/year within
/// month 1-12, day 1-31 and a year not negative becomes `today`; an hour above
/// 24 becomes 12 and a minute of 60 or more becomes 0.
void readScheduleForm(const ScheduleForm &form, ScheduleEntry &entry, const DateTime &today);

/// Puts an entry in the boxes.
ScheduleForm formForEntry(const ScheduleEntry &entry);

/// After Add or Update: the boxes show what was stored, so that a date or
/// time out of range shows as it was corrected.
void showStoredEvent(ScheduleEditor &editor);

/// A click on a list row (or -1 for none): the entry fills the boxes and the scratch entry.
void selectScheduleEntry(ScheduleEditor &editor, int index);

void addScheduleEvent(ScheduleEditor &editor, const DateTime &today);
bool deleteScheduleEvent(ScheduleEditor &editor);
bool updateScheduleEvent(ScheduleEditor &editor, const DateTime &today);
/// Empties the boxes and forgets the teams and game chosen for the next event.
void clearScheduleForm(ScheduleEditor &editor);
/// A click on a column header; the selection is lost as the rows move.
void sortScheduleByColumn(ScheduleEditor &editor, ScheduleColumn column);

/// Teams cannot be chosen once the event has a game file (kTeamsSetInGameFile).
bool canChooseScheduleTeam(const ScheduleEditor &editor);
/// The chosen team file becomes the event's team: its path and its name.
void setScheduleTeam(ScheduleEditor &editor, ScheduleSide side, const std::string &path, const Team &team);
/// "Create", "Edit" or, while a game file is selected, "N/A" (kEditTeamThroughGame).
std::string teamButtonText(const ScheduleEditor &editor, ScheduleSide side);
/// "Edit" when a game file is selected, else "Start".
std::string gameButtonText(const ScheduleEditor &editor);

/// The chosen game file, loaded as `game`, becomes the event's game and fills
/// the game, team, field and time boxes.
void setScheduleGame(ScheduleEditor &editor, const std::string &path, const Game &game);

ScheduleGameAction scheduleGameAction(const ScheduleEditor &editor);
/// The answer Yes to kAddBeforeStarting: the event is added, selected, and the
/// game button goes on with it.
ScheduleGameAction addEventBeforeStarting(ScheduleEditor &editor, const DateTime &today);

/// The new game of the selected event: both teams read from their team files
/// (without personal information), the date from the Date box, the team names
/// from the entry. Nothing when a team file cannot be read.
std::optional<Game> gameForScheduleEvent(const ScheduleEditor &editor, const TeamLoader &loadTeam,
                                         const DateTime &today);

/// Readies the new game of an event for the game information dialog: the
/// event's start time, field and season (its year) are the game's, and the
/// dialog opens with both teams chosen, as they came from the event.
void takeEventDetails(Game &game, const ScheduleEntry &entry);

/// The first team file of the selected event that `loadTeam` cannot read;
/// empty when both load (or nothing is selected).
std::string missingEventTeamFile(const ScheduleEditor &editor, const TeamLoader &loadTeam);

/// The event of a recorded game: the game's date, start time, field and team
/// names, with the team files and the game file given.
ScheduleEntry recordedGameEvent(const Game &game, const std::string &homeTeamFile, const std::string &visitorTeamFile,
                                const std::string &gameFile);

/// The game saved for an event is remembered as its game file.
void setEventGameFile(Schedule &schedule, int index, const std::string &path);

} // namespace yardmark
