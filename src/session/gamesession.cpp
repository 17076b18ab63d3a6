#include "gamesession.h"

#include "filerequests.h"
#include "recoveryoffer.h"

#include "base/safefile.h"
#include "base/userinterface.h"
#include "gameflow/gameflow.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/recoverycopy.h"

namespace yardmark {

GameSession::GameSession(UserInterface &ui, SessionWindows &windows) : m_ui(ui), m_windows(windows)
{
}

void GameSession::setCurrentGame(std::optional<Game> game)
{
    m_game = std::move(game);
    m_windows.currentGameChanged();
}

void GameSession::setEngine(GameFlow *engine)
{
    if (m_engine == engine)
        return;
    m_engine = engine;
    m_windows.engineChanged(engine);
}

void GameSession::setGameInProgress(bool inProgress)
{
    if (m_inProgress == inProgress)
        return;
    m_inProgress = inProgress;
    m_windows.gameInProgressChanged(inProgress);
}

void GameSession::warn(const char *text, const char *caption, int sound)
{
    m_ui.playSound(sound);
    m_ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

void GameSession::newGame()
{
    m_ui.playSound(kClickSound);
    editGame(yardmark::newGame(), false);
}

void GameSession::chooseGameToEdit()
{
    m_ui.playSound(kClickSound);
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(gameFileRequest("Select Game to Edit"));
    if (file)
        editGameFile(file->path);
}

OpenedGame GameSession::open(const std::string &given, Game &game)
{
    // A game reached through a link is opened, locked and saved where it
    // really is: the link stays a link.
    const std::string path = realGamePath(given).string();
    // One game, one writer: a game another program has open is switched to
    // or opened read-only.
    const GameAccess access = m_windows.claimGame(path, true);
    if (access == GameAccess::None)
        return OpenedGame::Cancelled;
    game.readOnly = access == GameAccess::ReadOnly;
    // Unsaved plays of a session that ended unexpectedly are offered first
    // (a read-only game's copy is the other program's).
    switch (game.readOnly ? RecoveryChoice::NoCopy : offerRecovery(m_ui, path, game)) {
    case RecoveryChoice::Restore:
        return OpenedGame::Restored;
    case RecoveryChoice::Cancel:
        return OpenedGame::Cancelled;
    default:
        return loadGame(game, path) ? OpenedGame::Loaded : OpenedGame::Unreadable;
    }
}

void GameSession::editGameFile(const std::string &path)
{
    if (m_inProgress)
        return;
    Game game = yardmark::newGame();
    const OpeningGame opening(m_windows);
    switch (open(path, game)) {
    case OpenedGame::Cancelled:
        return;
    case OpenedGame::Unreadable:
        // Set up afresh; saving it asks for a file, so the damaged one stays.
        // A pipe, device or huge file is named as what it is.
        if (const std::string refused = fileRefusalText(path); !refused.empty())
            warn(refused.c_str(), "Can't load game !", kLoadFailedSound);
        else
            warn("Can't load game !", "File corrupt ?", kLoadFailedSound);
        break;
    default:
        m_windows.fileOpened(path);
        break;
    }
    editGame(std::move(game), true);
}

void GameSession::editGame(Game game, bool opened)
{
    bool startIt = false;
    m_windows.editGameInformation(game, [this, &game, &startIt, opened](GameInfoAnswer answer) {
        if (answer == GameInfoAnswer::Cancel)
            return true;
        // A new game is given its file now, on OK as on Start Game: what was
        // typed is kept, never dropped without a word. An opened game keeps its
        // own file (a game whose file could not be read is asked for one).
        if (game.readOnly || save(game, !opened)) { // a read-only game starts unsaved
            startIt = answer == GameInfoAnswer::StartGame;
            return true;
        }
        // No file chosen or the save failed: a new game goes back to its
        // dialog with everything kept; an opened one has its file untouched.
        return opened;
    });
    if (startIt)
        start(std::move(game));
}

bool GameSession::save(Game &game, bool askName)
{
    if (game.readOnly) {
        warn(kReadOnlySaveText, kReadOnlySaveCaption, kWarningSound);
        return false;
    }
    std::string path = game.fileName;
    if (askName || path.empty() || path == kUnsavedGameName) {
        const std::optional<FileChoice> file = m_ui.chooseSaveFile(gameFileRequest("Save Game As"));
        if (!file)
            return false;
        path = file->path;
    }
    const std::string before = game.fileName;
    if (path != before && !m_windows.maySaveGameTo(path))
        return false;
    if (saveGame(game, path)) {
        if (path != before)
            m_windows.fileOpened(path);
        return true;
    }
    game.fileName = before;
    warn(kCannotSaveGameText, kCannotSaveGameCaption, kWarningSound);
    return false;
}

bool GameSession::start(Game game)
{
    setCurrentGame(std::move(game));
    if (m_recorder) {
        m_recorder();
        return true;
    }
    // No game window to record it in: the game is kept in its file (saved
    // just now).
    setCurrentGame(std::nullopt);
    return false;
}

void GameSession::saveCurrentGame(bool askName)
{
    m_ui.playSound(kClickSound);
    if (!m_game)
        return;
    if (m_engine)
        m_engine->storeSituationInGame();
    if (save(*m_game, askName))
        m_windows.currentGameSaved();
}

void GameSession::reload()
{
    m_ui.playSound(kClickSound);
    if (m_engine) {
        m_engine->reload();
        return;
    }
    if (m_game && !reloadGame(*m_game))
        warn("Can't load game !", "File corrupt ?", kLoadFailedSound);
    gameEdited();
}

void GameSession::gameEdited()
{
    if (m_inProgress)
        m_windows.refreshGameWindow();
}

void GameSession::offerLastGameRecovery()
{
    const std::optional<std::filesystem::path> last = lastGame(defaultStateDir());
    if (!last || m_inProgress)
        return;
    // A game still open in another running program ended nothing: no offer.
    if (m_windows.claimGame(last->string(), false) != GameAccess::Write)
        return;
    const OpeningGame opening(m_windows);
    Game restored;
    if (offerRecovery(m_ui, *last, restored) != RecoveryChoice::Restore)
        return;
    start(std::move(restored));
}

} // namespace yardmark
