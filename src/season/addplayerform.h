#pragma once

#include "playerentry.h"

#include "records/game.h"

#include <optional>
#include <string>

namespace yardmark {

// Add Player (Players menu).

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

} // namespace yardmark
