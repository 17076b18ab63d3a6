#include "gamelocks.h"

#include "records/game.h"
#include "records/recoverycopy.h"

namespace yardmark {

namespace fs = std::filesystem;

LockedGameChoice askAboutLockedGame(UserInterface &ui, const fs::path &gameFile, const LockHolder &holder,
                                    const LockHolder &self)
{
    const std::string where = "This game is open " + whereGameIsOpen(holder, self) + ":\n" + gameFile.string();
    ui.playSound(kWarningSound);
    if (holder.host != self.host) {
        const MessageAnswer answer =
            ui.message(where +
                           "\n\nYes opens it here read-only: nothing is saved from here. No opens it here to "
                           "record and save, only right when Football Yardmark no longer runs on " +
                           holder.host + ", else the last save wins and plays are lost. Cancel opens neither.",
                       "Game Open Elsewhere", MessageButtons::YesNoCancel, MessageIcon::Warning);
        return answer == MessageAnswer::Yes  ? LockedGameChoice::ReadOnly
               : answer == MessageAnswer::No ? LockedGameChoice::TakeOver
                                             : LockedGameChoice::Cancel;
    }
    if (holder.user != self.user) {
        const MessageAnswer answer =
            ui.message(where + "\n\nOK opens it here read-only: nothing is saved from here. Cancel opens neither.",
                       "Game Open Elsewhere", MessageButtons::OkCancel, MessageIcon::Warning);
        return answer == MessageAnswer::Ok ? LockedGameChoice::ReadOnly : LockedGameChoice::Cancel;
    }
    const MessageAnswer answer = ui.message(where + "\n\nYes switches to that window. No opens it here read-only: "
                                                    "nothing is saved from here. Cancel opens neither.",
                                            "Game Open Elsewhere", MessageButtons::YesNoCancel, MessageIcon::Question);
    return answer == MessageAnswer::Yes  ? LockedGameChoice::SwitchToIt
           : answer == MessageAnswer::No ? LockedGameChoice::ReadOnly
                                         : LockedGameChoice::Cancel;
}

void refuseSavingOverOpenGame(UserInterface &ui, const fs::path &gameFile, const LockHolder &holder,
                              const LockHolder &self)
{
    ui.playSound(kWarningSound);
    ui.message("This game is open " + whereGameIsOpen(holder, self) + ":\n" + gameFile.string() +
                   "\n\nIt is not saved over. Choose another name.",
               "Game Open Elsewhere", MessageButtons::Ok, MessageIcon::Warning);
}

GameLocks::GameLocks(UserInterface &ui, StateDir stateDir, SwitchTo switchTo, MakeLock makeLock)
    : m_ui(ui), m_stateDir(std::move(stateDir)), m_switchTo(std::move(switchTo)), m_makeLock(std::move(makeLock))
{
}

GameLocks::~GameLocks() = default;

void GameLocks::warn(const std::string &text, const char *caption)
{
    m_ui.playSound(kWarningSound);
    m_ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

GameAccess GameLocks::claim(const fs::path &gameFile, bool ask)
{
    // The game open already, opened again: its lock stays as it is.
    if (m_lock && gameFile == m_gameFile) {
        m_opening = true;
        return GameAccess::Write;
    }
    std::unique_ptr<GameLock> lock = m_makeLock();
    const LockResult result = lock->take(gameFile, m_stateDir());
    GameAccess access = GameAccess::Write;
    if (result == LockResult::Blocked) {
        // Never written over: the game opens, but nothing is saved from here.
        if (!ask)
            return GameAccess::None;
        warn(lock->blockedText() + "\n\nThe game opens read-only: nothing is saved from here.",
             "Game Cannot Be Locked");
        access = GameAccess::ReadOnly;
    } else if (result == LockResult::HeldHere || result == LockResult::HeldElsewhere) {
        if (!ask)
            return GameAccess::None;
        const LockHolder holder = *lock->holder();
        switch (askAboutLockedGame(m_ui, gameFile, holder, lock->self())) {
        case LockedGameChoice::SwitchToIt:
            if (!m_switchTo || !m_switchTo(gameFile))
                warn("The other Football Yardmark window does not answer.", "Game Open Elsewhere");
            return GameAccess::None;
        case LockedGameChoice::ReadOnly:
            access = GameAccess::ReadOnly;
            break;
        case LockedGameChoice::TakeOver:
            // Taken over or not at all: a game held by nobody here is never
            // written, since the other computer may still be saving it.
            if (lock->take(gameFile, m_stateDir(), true) != LockResult::Taken) {
                const std::string why = lock->blockedText().empty()
                                            ? "This game is still open " + whereGameIsOpen(holder, lock->self()) + "."
                                            : lock->blockedText();
                warn("The game cannot be taken over:\n" + gameFile.string() + "\n\n" + why +
                         "\n\nThe game opens read-only: nothing is saved from here.",
                     "Game Cannot Be Locked");
                access = GameAccess::ReadOnly;
            }
            break;
        case LockedGameChoice::Cancel:
            return GameAccess::None;
        }
    }
    m_opening = true;
    if (access == GameAccess::Write) {
        // A game that can be locked nowhere still opens: the scorer is not
        // kept from a game because its folder is read-only.
        m_lock = std::move(lock);
        m_gameFile = gameFile;
    }
    return access;
}

void GameLocks::opened(const Game *current)
{
    m_opening = false;
    follow(current);
}

bool GameLocks::maySaveTo(const fs::path &gameFile)
{
    if (gameFile == m_gameFile)
        return true;
    // Only a look: the lock follows the game once it is saved there.
    std::unique_ptr<GameLock> probe = m_makeLock();
    const LockResult result = probe->take(gameFile, m_stateDir());
    if (result == LockResult::Blocked) {
        warn(probe->blockedText() + "\n\nIt is not saved there. Choose another name.", "Game Cannot Be Locked");
        return false;
    }
    if (result != LockResult::HeldHere && result != LockResult::HeldElsewhere)
        return true;
    refuseSavingOverOpenGame(m_ui, gameFile, *probe->holder(), probe->self());
    return false;
}

void GameLocks::follow(const Game *game)
{
    if (!game) {
        if (!m_opening) {
            m_lock.reset();
            m_gameFile.clear();
        }
        return;
    }
    // After Save As the lock follows the game to its new file.
    if (game->readOnly || game->fileName.empty() || game->fileName == kUnsavedGameName ||
        fs::path(game->fileName) == m_gameFile)
        return;
    std::unique_ptr<GameLock> lock = m_makeLock();
    if (lock->take(game->fileName, m_stateDir()) == LockResult::Taken) {
        m_lock = std::move(lock);
        m_gameFile = game->fileName;
    }
}

} // namespace yardmark
