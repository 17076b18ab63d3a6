#include "gamesession.h"

#include "filerequests.h"
#include "recoveryoffer.h"

#include "base/safefile.h"
#include "base/text.h"
#include "base/userinterface.h"
#include "gameflow/gameflow.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/recoverycopy.h"

namespace yardmark {

OpeningGame::~OpeningGame()
{
    m_session.locks().opened(m_session.currentGame());
}

GameSession::GameSession(UserInterface &ui, SessionWindows &windows, RunLater later, GameLocks::MakeLock makeLock)
    : m_ui(ui), m_windows(windows),
      m_locks(
          ui, defaultStateDir,
          [&windows](const std::filesystem::path &path) { return windows.switchToProgramWith(path.string()); },
          std::move(makeLock)),
      m_recovery(ui, later, defaultStateDir), m_later(std::move(later))
{
}

void GameSession::setCurrentGame(std::optional<Game> game)
{
    m_game = std::move(game);
    m_locks.follow(currentGame());
    m_windows.currentGameChanged();
}

void GameSession::setEngine(GameFlow *engine, const Settings *settings, UserInterface *told)
{
    if (m_engine == engine)
        return;
    // Saved or deliberately left unsaved: no copy to recover. A save that
    // failed as the program closed keeps it for the next start.
    if (m_engine)
        m_recovery.close(m_engine->lastSaveFailed(), kCloseDiskBound);
    m_live.reset();
    m_engine = engine;
    m_settings = settings;
    if (m_engine && m_game) {
        startLive(told ? *told : m_ui);
        // Every change is copied at once, so that a crash or a power cut
        // loses nothing; a read-only game's copy is its own program's.
        m_recovery.follow(*m_game);
        m_engine->addChangeListener([this, engine] {
            if (m_engine == engine && !engine->game().readOnly)
                m_recovery.changed(engine->gameAsSaved());
            if (m_engine == engine)
                publish();
        });
    }
    m_windows.engineChanged(engine);
}

void GameSession::setGameInProgress(bool inProgress)
{
    if (m_inProgress == inProgress)
        return;
    m_inProgress = inProgress;
    m_windows.gameInProgressChanged(inProgress);
}

void GameSession::startLive(UserInterface &told)
{
    UserInterface *ui = &told;
    LiveKeeper::Told tell;
    tell.cannotWrite = [ui](const std::string &folder) {
        ui->playSound(kWarningSound);
        ui->message("The live page cannot be written to " + utf8ToCp1252(folder) +
                        ".\n\nScoring goes on; the page is brought up to date once the folder can be written "
                        "again (Options > Live Output).",
                    "Live Output", MessageButtons::Ok, MessageIcon::Warning);
    };
    tell.leftOut = [ui](const std::vector<std::string> &files) {
        std::string names;
        for (const std::string &file : files)
            names += "\n" + utf8ToCp1252(file);
        ui->playSound(kWarningSound);
        ui->message("These game files of the season cannot be read and are left out of the season to date:" + names,
                    "Season to Date", MessageButtons::Ok, MessageIcon::Warning);
    };
    tell.seasonRead = [this] {
        // Counted from now on: the page shows the season at once.
        publish();
        m_windows.seasonRead();
    };
    m_live = std::make_unique<LiveKeeper>(m_later, std::move(tell));
    // The season before this game is read once, in the background.
    m_live->openSeason(m_engine->game().fileName, m_engine->league());
}

void GameSession::publish()
{
    if (m_live && m_engine && m_settings)
        m_live->changed(m_engine->game(), m_engine->situation(), *m_settings);
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
    const GameAccess access = m_locks.claim(path, true);
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
    const OpeningGame opening(*this);
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
    if (path != before && !m_locks.maySaveTo(path))
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
    if (save(*m_game, askName)) {
        m_locks.follow(currentGame());
        // Nothing to recover until the next change; after Save As the copy
        // follows the game to its new file.
        if (m_engine)
            m_recovery.saved(*m_game);
        m_windows.currentGameSaved();
    }
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
    if (m_locks.claim(*last, false) != GameAccess::Write)
        return;
    const OpeningGame opening(*this);
    Game restored;
    if (offerRecovery(m_ui, *last, restored) != RecoveryChoice::Restore)
        return;
    start(std::move(restored));
}

} // namespace yardmark
