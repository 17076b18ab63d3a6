#pragma once

#include "playerentry.h"

#include "records/team.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace yardmark {

// The roster editor ("Edit Roster").

/// The team to open the roster editor on: the players copied into a new team
/// of the same kind.
Team rosterWorkingCopy(const Team &team);

/// What the roster editor's fields hold.
struct PlayerFields {
    std::string name;
    int offensivePosition = -1; ///< list row, -1 for none
    int defensivePosition = -1;
    std::string number;   ///< as typed
    int numberIndex = -1; ///< number list row, -1 for none
    int starterStatus = 0;

    bool operator==(const PlayerFields &) const = default;
};

/// The columns the roster editor's list can be sorted by.
enum class RosterColumn { Number, Name, Position };

struct RosterEditor {
    Team team;
    PlayerFields fields;
    int selected = -1;    ///< roster index shown in the fields, -1 for none
    bool touched = false; ///< the title speaks of a selection once one was made
    RosterColumn sortColumn = RosterColumn::Name;
    bool sortDescending = false;
};

RosterEditor rosterEditor(Team team);

/// "Edit Roster" at first, then "Player %d out of %d in Roster" or "No Player Selected".
std::string rosterEditorTitle(const RosterEditor &editor);

/// The fields showing a player.
PlayerFields playerFields(const PlayerRecord &player);

/// One row of the current-roster list: its player and its cells.
struct RosterRow {
    int index;
    std::string number;
    std::string name;
    std::string position;
};

/// The current roster in the order of the chosen column.
std::vector<RosterRow> rosterRows(const RosterEditor &editor);

/// A click on a column header: that column sorts, the same one again flips.
void sortRosterColumn(RosterEditor &editor, RosterColumn column);

/// The offensive starters (status 1 or 3) with their offensive positions, or
/// the defensive starters (2 or 3) with their defensive positions: roster
/// index and list line.
std::vector<std::pair<int, std::string>> starterList(const Team &team, bool offense);

/// Choosing a player (or -1): the fields are first stored into the player
/// shown until now, then show the chosen one.
void selectRosterPlayer(RosterEditor &editor, int index);

/// "&Update Player": the fields become the shown player (his name kept when
/// the name box is empty); the roster is sorted by name and the selection
/// follows him. False when no player is shown.
bool updateRosterPlayer(RosterEditor &editor);

enum class AddOutcome { Ignored, Duplicate, Added };

/// "&Add Player": a name shorter than 2 characters is ignored, a name already
/// on the roster refused; otherwise the player of the fields joins the roster
/// (sorted by name) with empty personal information. The name box is then
/// emptied and no player is shown, so that the next one can be typed.
AddOutcome addRosterPlayer(RosterEditor &editor);

/// "&Delete": the shown player leaves the roster; none is shown then.
bool deleteRosterPlayer(RosterEditor &editor);

/// "C&lear Data": no player shown, the fields empty.
void clearRosterFields(RosterEditor &editor);

/// "&OK": the fields are stored into the shown player.
void finishRosterEditor(RosterEditor &editor);

/// Two players of a team may wear one number (lower levels allow it), but
/// never without the scorer knowing: the question, naming the other player,
/// asked before "&Add Player" or "&Update Player" gives the fields' number
/// to a second player (caption kNumberWornCaption, Yes keeps both). None when
/// the number is free, is "00", or the button would change nothing.
std::optional<std::string> rosterNumberQuestion(const RosterEditor &editor, bool adding);

} // namespace yardmark
