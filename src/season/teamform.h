#pragma once

#include "scheduleform.h"

#include "records/game.h"
#include "records/team.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

inline constexpr Notice kDuplicatePlayer{"Already a Player on Roster with that Name", "Duplicate Player"};
inline constexpr Notice kNoPlayerName{"No Name Entered for player", "Please Enter Name"};
inline constexpr const char *kNumberWornCaption = "Number Already Worn";

/// Longest player name the roster editor and Add Player take (the record
/// holds 24 characters; Modify Player allows them all).
inline constexpr int kTypedPlayerNameLength = 20;

/// The position a player is listed with: the offensive one, or the defensive
/// one when he has no offensive position.
std::int32_t listedPosition(const PlayerRecord &player);

/// A team dialog list line: "%2d, %s, %s" (number, name, short position), or
/// "00 %s, %s" for a player without a number.
std::string teamListText(const PlayerRecord &player);

/// A roster editor list line: "%2d, %s, %s", or "00, %s, %s" for a player
/// without a number, with the position given.
std::string rosterListText(const PlayerRecord &player, std::int32_t position);

/// The texts of the number lists: "00", then "0" to "99"; entry k stands for
/// number k - 1.
std::vector<std::string> numberListTexts();

/// The number a player gets from the number box and its list: an empty box
/// takes the list's entry, "00" is -1, any other text is read as a number
/// held within -1..99.
std::int32_t readPlayerNumber(std::string_view typed, int listIndex);

/// How the number box shows a number: "00" for -1.
std::string playerNumberText(std::int32_t number);

// ---- The team dialog ("Edit Team") ----

/// The four current players of a team, in the order of the dialog's lists.
enum CurrentPlayer { CurrentQuarterback, CurrentKicker, CurrentFieldGoalKicker, CurrentPunter };
inline constexpr int kCurrentPlayerCount = 4;

struct TeamForm {
    std::string name;
    std::string coach;
    std::string assistant;
    std::string logoFile;
    /// The row chosen in each current-player list, -1 for none.
    std::array<int, kCurrentPlayerCount> current{-1, -1, -1, -1};

    bool operator==(const TeamForm &) const = default;
};

/// The lines of each current-player list: every player, in roster order.
std::vector<std::string> teamPlayerList(const Team &team);

/// The dialog opened on `team`: each list selects the player whose name is
/// the team's current one.
TeamForm teamForm(const Team &team);

/// The names chosen in the lists, or the team's own where nothing is chosen.
std::array<std::string, kCurrentPlayerCount> chosenCurrentPlayers(const TeamForm &form, const Team &team);

/// Chooses again, after the roster changed, the players of these names.
void chooseCurrentPlayers(TeamForm &form, const Team &team, const std::array<std::string, kCurrentPlayerCount> &names);

/// Applies the dialog to the team: name, coach and assistant, and each
/// current player's name from its list (kept when nothing is chosen).
void applyTeamForm(const TeamForm &form, Team &team);

/// The team to open the roster editor on: the players copied into a new team
/// of the same kind.
Team rosterWorkingCopy(const Team &team);

// ---- The roster editor ("Edit Roster") ----

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

// ---- Add Player and Modify Player (Players menu) ----

struct AddPlayerForm {
    std::string name;
    int position = 0; ///< "Bench"
    std::string number = "00";
    int numberIndex = 0;
    bool home = true;

    bool operator==(const AddPlayerForm &) const = default;
};

/// "&Add Player": the player joins the chosen team of the game, whose roster
/// is sorted by name again. A refusal when the name is empty.
std::optional<Notice> addGamePlayer(const AddPlayerForm &form, Game &game);

/// The question of rosterNumberQuestion before Add Player adds a player
/// with a number another player of his team wears.
std::optional<std::string> addPlayerNumberQuestion(const AddPlayerForm &form, const Game &game);

struct ModifyPlayerEditor {
    Team home; ///< copies of the game's rosters
    Team visitor;
    bool homeShown = true;
    int selected = -1;
    std::string name;
    int position = -1;
    std::string number;
    int numberIndex = -1;
};

ModifyPlayerEditor modifyPlayerEditor(const Game &game);

/// The names listed for the team shown.
std::vector<std::string> modifyPlayerList(const ModifyPlayerEditor &editor);

/// The other team's roster is listed and its first player shown.
void showModifyTeam(ModifyPlayerEditor &editor, bool home);

/// Choosing a player: the name and number in the fields are first kept for
/// the player shown until now, when they differ from his.
void selectModifyPlayer(ModifyPlayerEditor &editor, int index);

/// "&OK": the fields are stored into the shown player; every player of both
/// copies then takes his place in the game, renamed in every play in which
/// his old name appears, and both rosters are sorted by name. A refusal when
/// the name is empty.
std::optional<Notice> finishModifyPlayer(ModifyPlayerEditor &editor, Game &game);

} // namespace yardmark
