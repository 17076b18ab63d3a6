#include "app/shell/opengamelock.h"

#include "app/shell/mainwindow.h"
#include "app/shell/singleinstance.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"
#include "records/recoverycopy.h"

namespace yardmark {

OpenGameLock::OpenGameLock(MainWindow &main, UserInterface &ui) : QObject(&main), m_main(main), m_ui(ui)
{
    setObjectName(QStringLiteral("openGameLock"));
    connect(&main, &MainWindow::currentGameChanged, this, [this] { followCurrentGame(); });
    connect(&main, &MainWindow::currentGameSaved, this, [this] { followCurrentGame(); });
}

OpenGameLock::~OpenGameLock() = default;

OpenGameLock &OpenGameLock::of(MainWindow &main, UserInterface &ui)
{
    if (auto *keeper = main.findChild<OpenGameLock *>(QStringLiteral("openGameLock"), Qt::FindDirectChildrenOnly))
        return *keeper;
    return *new OpenGameLock(main, ui);
}

OpenGameLock::Access OpenGameLock::claim(const std::filesystem::path &gameFile, bool ask)
{
    // The game open already, opened again: its lock stays as it is.
    if (m_lock && gameFile == m_gameFile) {
        m_opening = true;
        return Access::Write;
    }
    auto lock = std::make_unique<GameLock>();
    LockResult result = lock->take(gameFile, defaultStateDir());
    Access access = Access::Write;
    if (result == LockResult::Blocked) {
        // Never written over: the game opens, but nothing is saved from here.
        if (!ask)
            return Access::None;
        m_ui.playSound(kWarningSound);
        m_ui.message(lock->blockedText() + "\n\nThe game opens read-only: nothing is saved from here.",
                     "Game Cannot Be Locked", MessageButtons::Ok, MessageIcon::Warning);
        access = Access::ReadOnly;
    } else if (result == LockResult::HeldHere || result == LockResult::HeldElsewhere) {
        if (!ask)
            return Access::None;
        switch (askAboutLockedGame(m_ui, gameFile, *lock->holder())) {
        case LockedGameChoice::SwitchToIt:
            if (!handToRunningProgram({pathToQString(gameFile.string())})) {
                m_ui.playSound(kWarningSound);
                m_ui.message("The other Football Yardmark window does not answer.", "Game Open Elsewhere",
                             MessageButtons::Ok, MessageIcon::Warning);
            }
            return Access::None;
        case LockedGameChoice::ReadOnly:
            access = Access::ReadOnly;
            break;
        case LockedGameChoice::TakeOver:
            result = lock->take(gameFile, defaultStateDir(), true);
            break;
        case LockedGameChoice::Cancel:
            return Access::None;
        }
    }
    m_opening = true;
    if (access == Access::Write) {
        // A game that can be locked nowhere still opens: the scorer is not
        // kept from a game because its folder is read-only.
        m_lock = std::move(lock);
        m_gameFile = gameFile;
    }
    return access;
}

void OpenGameLock::opened()
{
    m_opening = false;
    followCurrentGame();
}

bool OpenGameLock::maySaveTo(const std::filesystem::path &gameFile)
{
    if (gameFile == m_gameFile)
        return true;
    // Only a look: the lock follows the game once it is saved there.
    GameLock probe;
    const LockResult result = probe.take(gameFile, defaultStateDir());
    if (result == LockResult::Blocked) {
        m_ui.playSound(kWarningSound);
        m_ui.message(probe.blockedText() + "\n\nIt is not saved there. Choose another name.", "Game Cannot Be Locked",
                     MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    if (result != LockResult::HeldHere && result != LockResult::HeldElsewhere)
        return true;
    refuseSavingOverOpenGame(m_ui, gameFile, *probe.holder());
    return false;
}

void OpenGameLock::followCurrentGame()
{
    const Game *game = m_main.session().currentGame();
    if (!game) {
        if (!m_opening) {
            m_lock.reset();
            m_gameFile.clear();
        }
        return;
    }
    // After Save As the lock follows the game to its new file.
    if (game->readOnly || game->fileName.empty() || game->fileName == kUnsavedGameName ||
        std::filesystem::path(game->fileName) == m_gameFile)
        return;
    auto lock = std::make_unique<GameLock>();
    if (lock->take(game->fileName, defaultStateDir()) == LockResult::Taken) {
        m_lock = std::move(lock);
        m_gameFile = game->fileName;
    }
}

} // namespace yardmark
