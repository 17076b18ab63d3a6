#pragma once

#include "base/userinterface.h"
#include "records/gamelock.h"
#include "sessionwindows.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace yardmark {

struct Game;

/// What the scorer chose for a game another program has open.
enum class LockedGameChoice { SwitchToIt, ReadOnly, TakeOver, Cancel };

/// Says where `gameFile` is open and asks what to do: a game open in this
/// user's own program on this computer may be switched to; any may be opened
/// read-only; a game held on another computer may be taken over, at the
/// scorer's word, when that computer no longer has it open.
LockedGameChoice askAboutLockedGame(UserInterface &ui, const std::filesystem::path &gameFile, const LockHolder &holder,
                                    const LockHolder &self = thisProgram());

/// Save As onto a game another program has open: says where, and that it is
/// not saved over.
void refuseSavingOverOpenGame(UserInterface &ui, const std::filesystem::path &gameFile, const LockHolder &holder,
                              const LockHolder &self = thisProgram());

/// The lock of the game the program has open: taken when a game file opens,
/// moved along by Save As, released when the game closes. One game has one
/// writer; a game that cannot be locked as its own opens read-only, with a
/// word to the scorer.
class GameLocks {
public:
    using MakeLock = std::function<std::unique_ptr<GameLock>()>;
    /// Switches to the program of this user that has `gameFile` open; false
    /// when it does not answer.
    using SwitchTo = std::function<bool(const std::filesystem::path &gameFile)>;
    /// The per-user state folder, where a lock goes that cannot be made beside its game.
    using StateDir = std::function<std::filesystem::path()>;

    GameLocks(
        UserInterface &ui, StateDir stateDir, SwitchTo switchTo,
        MakeLock makeLock = [] { return std::make_unique<GameLock>(); });
    ~GameLocks();

    /// Before `gameFile` opens: takes its lock or, when another program has
    /// the game open, says where and asks (`ask` false: opens nothing then).
    /// None when the scorer cancels or switched to the other program.
    GameAccess claim(const std::filesystem::path &gameFile, bool ask);
    /// After an open: the lock stays only while the game is the current one.
    void opened(const Game *current);
    /// Before a game is saved to `gameFile`: false, said to the scorer, when
    /// another program has that game open.
    bool maySaveTo(const std::filesystem::path &gameFile);
    /// The current game changed or was saved: after Save As the lock follows
    /// it to its new file; with no game (and no open under way) it goes.
    void follow(const Game *current);

    /// The file whose lock is held; empty when none.
    const std::filesystem::path &lockedGame() const { return m_gameFile; }

private:
    void warn(const std::string &text, const char *caption);

    UserInterface &m_ui;
    StateDir m_stateDir;
    SwitchTo m_switchTo;
    MakeLock m_makeLock;
    std::unique_ptr<GameLock> m_lock;
    std::filesystem::path m_gameFile;
    bool m_opening = false;
};

} // namespace yardmark
