#pragma once

#include "game.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace yardmark {

/// Where the recovery copy of a game file lives: a hidden sibling,
/// "NAME.gam" -> ".NAME.gam.recovery", in the game file format so that every
/// tool reads it.
std::filesystem::path recoveryPathFor(const std::filesystem::path &gameFile);

/// The copy kept in the per-user state folder when nothing can be written
/// beside the game: the game's full path flattened into one file name.
std::filesystem::path stateRecoveryPathFor(const std::filesystem::path &gameFile,
                                           const std::filesystem::path &stateDir);

/// The per-user state folder: $XDG_STATE_HOME/yardmark, else
/// ~/.local/state/yardmark (%LOCALAPPDATA%\yardmark on Windows); empty when
/// none is known.
std::filesystem::path defaultStateDir();

/// The recovery copy of one open game: written after every change, removed
/// when the game is saved or deliberately discarded.
class RecoveryCopy {
public:
    RecoveryCopy(std::filesystem::path gameFile, std::filesystem::path stateDir);

    /// Writes `game` (as its file would hold it) beside the game file, else in
    /// the state folder. False when neither can be written.
    bool write(const Game &game);
    /// The same with the game's file bytes already encoded (`encodeGame`), so
    /// that the slow part can run away from the window.
    bool write(const std::vector<std::uint8_t> &bytes);
    /// Removes every copy of this game.
    void remove();
    /// Where the last write went; empty before the first.
    const std::filesystem::path &path() const { return m_written; }

private:
    std::filesystem::path m_gameFile;
    std::filesystem::path m_stateDir;
    std::filesystem::path m_written;
};

/// The game open in the game window, kept in the state folder so that the
/// next start can offer its recovery copy when the program did not end well.
void rememberLastGame(const std::filesystem::path &stateDir, const std::filesystem::path &gameFile);
void forgetLastGame(const std::filesystem::path &stateDir);
std::optional<std::filesystem::path> lastGame(const std::filesystem::path &stateDir);

/// A recovery copy newer than its game file (or of a game never saved).
struct RecoveryOffer {
    std::filesystem::path path;
    Game recovered;     ///< the copy, loaded; its `fileName` is the game file's
    int savedPlays = 0; ///< plays of the saved game; -1 when it cannot be read
};

/// The recovery copy of `gameFile` left by a session that ended without
/// saving or discarding: none when there is no copy, it is not newer than the
/// game file, or it is damaged (`damaged` then names it).
std::optional<RecoveryOffer> findRecovery(const std::filesystem::path &gameFile, const std::filesystem::path &stateDir,
                                          std::filesystem::path *damaged = nullptr);

} // namespace yardmark
