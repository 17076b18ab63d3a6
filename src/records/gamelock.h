#pragma once

#include "base/userinterface.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace yardmark {

/// Who holds a game open: the program's process, the computer it runs on,
/// the user who started it and when it took the game ("YYYY-MM-DD HH:MM:SS").
struct LockHolder {
    std::int64_t processId = 0;
    std::string host;
    std::string user;
    std::string since;

    bool operator==(const LockHolder &) const = default;
};

/// This program as a lock names it, now.
LockHolder thisProgram();

/// Whether process `processId` still runs on this computer (one that runs for
/// another user counts too). Asked only of a lock whose file cannot tell.
bool processRunning(std::int64_t processId);

/// Where a game reached through a symbolic link really is, so that its saves,
/// lock and recovery copy go beside the real file and the link stays a link
/// (two members reaching one game by two paths then see one lock). Any other
/// path as it is.
std::filesystem::path realGamePath(const std::filesystem::path &gameFile);

/// The lock of a game file: a hidden sibling, "NAME.gam" -> ".NAME.gam.lock".
/// Beside the game, so that two computers sharing the game's folder see it.
std::filesystem::path lockPathFor(const std::filesystem::path &gameFile);

/// The lock kept in the per-user state folder when none can be made beside
/// the game (a folder that cannot be written).
std::filesystem::path stateLockPathFor(const std::filesystem::path &gameFile, const std::filesystem::path &stateDir);

/// A lock file's text and back; none for a text that is not a lock.
std::string lockText(const LockHolder &holder);
std::optional<LockHolder> parseLock(std::string_view text);

/// What taking the lock of a game found.
enum class LockResult {
    Taken,         ///< the game is this program's now (free, ours already, or left by a crashed session)
    HeldHere,      ///< a program that still runs on this computer has the game open
    HeldElsewhere, ///< a program on another computer has it open, or had it when that computer stopped
    NotLockable,   ///< neither beside the game nor in the state folder can a lock be made
    Blocked,       ///< something that is not a lock (a link, pipe, folder, device, other file) has its name
};

/// The lock of one open game, released when the game closes (or this object
/// goes). The lock file stays open, with the operating system's lock on it,
/// while the game is open: one that nobody holds is what a session that
/// crashed, was killed or lost its power left, and is taken over, whatever
/// process has its number now; two programs taking it at once cannot both
/// get it. One from another computer is taken only when the scorer says so,
/// since whether it still runs there is unknown.
class GameLock {
public:
    /// `running` tells whether a process of this computer runs (tests
    /// replace it).
    explicit GameLock(LockHolder self = thisProgram(), std::function<bool(std::int64_t)> running = processRunning);
    ~GameLock();
    GameLock(const GameLock &) = delete;
    GameLock &operator=(const GameLock &) = delete;

    LockResult take(const std::filesystem::path &gameFile, const std::filesystem::path &stateDir,
                    bool takeOverFromOtherHost = false);
    /// Removes the lock file this object holds (never one that another lock
    /// of this program holds, or another program's).
    void release();

    /// The program taking the lock, as its file names it.
    const LockHolder &self() const { return m_self; }
    /// The lock file held; empty when none.
    const std::filesystem::path &lockFile() const { return m_lockFile; }
    /// Who held the game when `take` found it open elsewhere.
    const std::optional<LockHolder> &holder() const { return m_holder; }
    /// What stood at the lock's name when `take` found it blocked, and the
    /// message that says so, naming it.
    const std::filesystem::path &blockedFile() const { return m_blocked; }
    const std::string &blockedText() const { return m_blockedText; }

private:
    class HeldFile;
    std::optional<LockResult> takeAt(const std::filesystem::path &place, bool takeOverFromOtherHost);
    LockResult blockedBy(const std::filesystem::path &place, const std::string &what);

    LockHolder m_self;
    std::function<bool(std::int64_t)> m_running;
    std::unique_ptr<HeldFile> m_held;
    std::filesystem::path m_lockFile;
    std::optional<LockHolder> m_holder;
    std::filesystem::path m_blocked;
    std::string m_blockedText;
};

/// Where a game is open, for a message: "in Football Yardmark of the user
/// USER on the computer HOST (process N, since TIME)", of another user, or in this user's program.
std::string whereGameIsOpen(const LockHolder &holder, const LockHolder &self = thisProgram());

/// The message when a game opened read-only is to be saved.
inline constexpr const char *kReadOnlySaveText =
    "This game is open read-only: it is open in another program, which saves it.\n\nNothing is saved from here.";
inline constexpr const char *kReadOnlySaveCaption = "Read-Only Game";
/// What the game window's caption adds for a game opened read-only.
inline constexpr const char *kReadOnlyCaptionSuffix = " (Read-Only)";

} // namespace yardmark
