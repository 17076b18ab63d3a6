#pragma once

#include "playerentry.h"

#include "records/game.h"

#include <optional>
#include <string>
#include <vector>

namespace yardmark {

// Modify Player (Players menu).

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
