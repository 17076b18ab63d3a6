#pragma once

#include "records/game.h"

#include <cstddef>
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

/// Told after each file is read with how many are done; false stops the reading.
using GameFileProgress = std::function<bool(std::size_t done)>;

/// What reading a set of game files came to: the files that could not be
/// read, and whether the reader was stopped before the last file.
struct GameFileReading {
    std::vector<std::string> unreadable;
    bool cancelled = false;
};

/// Loads each game file and hands it to `visit`, in the order given and on
/// the calling thread, as if the files were loaded one after another; the
/// game is valid only during the call. The files are read ahead on other
/// threads into a few games that are reused, so that memory stays flat
/// however many files there are. After each file `progress` may stop the
/// reading.
GameFileReading readGameFiles(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit,
                              const GameFileProgress &progress);

/// The message naming the files a statistics reading skipped: "2 files could
/// not be read:" and their names, one a line; empty when there are none.
std::string unreadableFilesMessage(const std::vector<std::string> &unreadable);

/// Reads as `readGameFiles` does, without progress. A file that cannot be
/// loaded is skipped;
/// returns how many were.
int forEachGameFile(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit);

} // namespace yardmark
