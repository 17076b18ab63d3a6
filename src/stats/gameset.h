#pragma once

#include "records/game.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// Whether the named team is the home team of a game (false: the visitor),
/// by exact, case-sensitive comparison with the game's team names, the
/// visitor's first, so that a team on both sides counts once, as the visitor.
/// Empty when neither side has the name.
std::optional<bool> teamIsHome(const Game &game, std::string_view teamName);

/// Loads each game file in turn into a game of its own, hands it to `visit`
/// and lets it go, so that memory stays flat however many files there are.
/// A file that cannot be loaded is skipped; returns how many were.
int forEachGameFile(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit);

} // namespace yardmark
