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

/// The same straight into `game`, reusing its storage: when the file is
/// damaged it returns false and leaves `game` partly read, so it suits a
/// scratch game that nothing else holds. `fileName`, the teams' `fileName`,
/// `fileSize`, `rosterOnly` and first reserved integer are left as they are.
bool decodeGameInPlace(const std::uint8_t *data, std::size_t size, Game &game);

/// Stores `path` as the game's `fileName` and writes the game there through a
/// temporary file renamed over the old one, so that a failed save never
/// destroys the last good file. False when it cannot be written, and for a
/// game opened read-only (another program has it open and saves it).
bool saveGame(Game &game, const std::string &path);

/// What the scorer is told, wherever a game is saved, when it cannot be
/// written: the text and the caption of the message.
inline constexpr const char *kCannotSaveGameText = "Can't save game!";
inline constexpr const char *kCannotSaveGameCaption = "Disk Full?";

/// Loads the game file at `path`; on success `fileName` is `path`. False, with
/// `game` unchanged, when the file cannot be read or is damaged.
bool loadGame(Game &game, const std::string &path);

/// Reads game files one after another for those that only look at them (the
/// statistics over a season): the bytes and the game are kept from one file
/// to the next, so that after the first few files a read allocates nothing.
/// The game it gives is the one `loadGame` would give into a new game.
class GameFileReader {
public:
    /// The game in the file at `path`, valid until the next call; null when
    /// the file cannot be read or is damaged, as `loadGame` would refuse it.
    const Game *read(const std::string &path);

private:
    std::vector<std::uint8_t> m_bytes;
    Game m_game;
};

/// Replaces the game with what its own file holds, on two new empty teams, as
/// it was last saved. False, with `game` unchanged, when the file cannot be
/// loaded.
bool reloadGame(Game &game);

} // namespace yardmark
