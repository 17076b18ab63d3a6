#pragma once

#include "scheduleform.h"

#include "records/team.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

// What the team dialog, the roster editor, Add Player and Modify Player share:
// their notices, the texts of their player lists and the number boxes.

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

/// Whether `index` is a player of the team's roster.
bool isRosterIndex(const Team &team, int index);

/// The roster index of the player called `name`, -1 for none.
int rosterIndexOfName(const Team &team, const std::string &name);

/// The position code of a position list row (a row out of range is 0), and
/// the row of a code (-1 for a code out of range).
std::int32_t positionCodeOfRow(int listRow);
int positionRowOfCode(std::int32_t code);

/// The question asked before a second player of `team` gets `number` (the
/// player at `except` aside); none when nobody else wears it or it is "00".
std::optional<std::string> numberWornQuestion(const Team &team, std::int32_t number, int except);

} // namespace yardmark
