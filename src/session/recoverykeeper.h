#pragma once

#include "latestworker.h"

#include "base/userinterface.h"
#include "records/game.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace yardmark {

class RecoveryCopy;

/// The recovery copy of the game being recorded, and the note of which game
/// that is, so that the next start can offer the copy when the program did
/// not end well. Every change is copied at once, so that a crash or a power
/// cut loses nothing; saving or quitting removes the copy. The game is
/// encoded on the window's thread (well under a millisecond) and written,
/// flushed to disk, on a worker: changes that come while a write runs are
/// folded into one more write of the newest game.
class RecoveryKeeper {
public:
    /// Runs on the worker before each step on the disk (tests hold it up as
    /// a network share that does not answer would).
    using DiskStep = std::function<void()>;

    /// `stateDir` gives the per-user state folder: where the note goes, and
    /// the copy when none can be made beside the game.
    using StateDir = std::function<std::filesystem::path()>;
    RecoveryKeeper(UserInterface &ui, RunLater later, StateDir stateDir, DiskStep beforeDisk = {});
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper &) = delete;
    RecoveryKeeper &operator=(const RecoveryKeeper &) = delete;

    /// Keeps the copy of `game` beside its file, or beside "unsaved game.gam"
    /// in the state folder while it has none (again after Save As, where the
    /// copy follows it). A read-only game keeps none: its own program does.
    void follow(const Game &game);
    /// The game changed: its copy will be written.
    void changed(const Game &asSaved);
    /// The game was saved: nothing to recover until the next change.
    void saved(const Game &game);
    /// The game closes: the copy goes, unless its last save failed, when it
    /// stays for the next start. Waits for the disk at most `bound`; past
    /// it, says where the copy stands and returns false.
    bool close(bool keepCopy, std::chrono::milliseconds bound);

    /// The game file the copy is kept for; empty when none.
    const std::filesystem::path &gameFile() const { return m_gameFile; }
    /// Waits for the disk (tests).
    void wait() { m_worker.wait(); }

private:
    struct Copy;
    struct Pending;
    void discard();
    /// Hands what is pending to the worker, which does it in order: old
    /// copies removed, the note of the last game, the newest copy written.
    void post();

    UserInterface &m_ui;
    StateDir m_stateDir;
    DiskStep m_beforeDisk;
    std::filesystem::path m_gameFile;
    std::shared_ptr<Copy> m_copy;
    std::shared_ptr<Pending> m_pending;
    LatestWorker m_worker;
};

/// Said when no recovery copy can be written.
inline constexpr const char *kNoRecoveryCopyText = "No recovery copy of this game can be written: save it often.";

} // namespace yardmark
