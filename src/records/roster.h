#pragma once

#include "team.h"

namespace yardmark {

/// What a roster can be sorted by: the player's name or number, or a field of
/// the player's personal information (the address and phone list).
enum class RosterSortKey { Name, Phone, Birthday, Address, City, State, Zip, Email, Note, Number };

/// Adds a player with his personal information at the end of the roster.
void addPlayer(Team &team, const PlayerRecord &player, const PersonalInfo &info);

/// Removes player `index` and his personal information; the later players move
/// down in order. False, with nothing changed, when there is no such player.
bool deletePlayer(Team &team, int index);

/// Sorts the roster by `key`, moving each player's personal information with
/// him. Names and texts compare case-sensitively, birthdays by date.
void sortRoster(Team &team, RosterSortKey key, bool ascending = true);

/// Makes `target`'s players and personal information equal to `source`'s.
void copyRosterInto(Team &target, const Team &source);

/// Appends every player of `source` to `target`; a player from a team without
/// personal information gets a new, empty entry.
void appendRosterTo(Team &target, const Team &source);

/// Copies everything a game keeps of a team (names, staff, logo, reserved
/// integers, current players and the players) into `target`, which becomes a
/// roster-only team.
void copyTeamForGame(const Team &source, Team &target);

/// Gives a team whose personal information fell out of step with its players
/// one entry per player again: missing entries are zero-filled, surplus ones
/// dropped.
void keepPersonalInfoParallel(Team &team);

} // namespace yardmark
