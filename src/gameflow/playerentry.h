#pragma once

#include "records/playrecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

class Interaction;

/// A player row of a dialog: the number field as typed and the index of the
/// roster player chosen in its drop-down (-1: none).
struct PlayerEntry {
    std::string numberText;
    int listIndex = -1;

    bool operator==(const PlayerEntry &) const = default;
};

/// The drop-down text of a roster player: "%2d - %s", or "00 - %s" for "00".
std::string rosterEntryText(const PlayerRecord &player);

/// The index of the last roster player named exactly `name`, else -2.
int preselectedRosterIndex(const std::vector<PlayerRecord> &roster, std::string_view name);

/// The number field lost the focus: the drop-down shows the first player with
/// the typed number ("00" is -1), or nothing.
void numberFieldLeft(PlayerEntry &entry, const std::vector<PlayerRecord> &roster);

/// A drop-down entry was chosen: the number field gets its first two characters.
void playerChosen(PlayerEntry &entry, const std::vector<PlayerRecord> &roster, int index);

/// The row showing a recorded player: chosen in the drop-down when the roster
/// has that name, otherwise just its number.
PlayerEntry showPlayerEntry(const PlayerRecord &player, const std::vector<PlayerRecord> &roster);

/// The player a row stands for. The typed number wins over the drop-down,
/// except when several roster players wear it: then the drop-down decides, and
/// without a choice the user is told to pick (`role` names the row) and the
/// slot stays empty. A number nobody wears gives a nameless player with it.
PlayerRecord resolvePlayerEntry(const PlayerEntry &entry, const std::vector<PlayerRecord> &roster,
                                std::string_view role, Interaction &ui);

} // namespace yardmark
