#pragma once

#include "game.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// Bytes of the trailer after the plays: scores, saved quarter, flags, ball spot.
inline constexpr std::size_t kGameTrailerSize = 21;

/// The game file in the current layout: header, home and visitor team blocks
/// (rosters only), the play block and the trailer.
std::vector<std::uint8_t> encodeGame(const Game &game);

/// Reads a game file of any version into `game`: the header, both teams'
/// fields and rosters (their `fileName`, `fileSize` and `rosterOnly` stay), the
/// plays converted to the current record, and the trailer; `isNewGame` becomes
/// false whatever the file held. False, with `game` unchanged, when the file is
/// damaged: it ends inside a block, or a count is negative or promises more
/// records than the rest of the file holds. Bytes after the trailer are ignored.
bool decodeGame(const std::vector<std::uint8_t> &bytes, Game &game);

/// Stores `path` as the game's `fileName` and writes the game there through a
/// temporary file renamed over the old one, so that a failed save never
/// destroys the last good file. False when it cannot be written.
bool saveGame(Game &game, const std::string &path);

/// Loads the game file at `path`; on success `fileName` is `path`. False, with
/// `game` unchanged, when the file cannot be read or is damaged.
bool loadGame(Game &game, const std::string &path);

/// Replaces the game with what its own file holds, on two new empty teams, as
/// it was last saved. False, with `game` unchanged, when the file cannot be
/// loaded.
bool reloadGame(Game &game);

} // namespace yardmark
