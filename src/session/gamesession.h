#pragma once

#include "gamelocks.h"
#include "latestworker.h"
#include "livekeeper.h"
#include "records/game.h"
#include "recoverykeeper.h"
#include "sessionwindows.h"

#include <functional>
#include <optional>
#include <string>

namespace yardmark {

class GameFlow;
class UserInterface;

/// How a game file opened.
enum class OpenedGame {
    Loaded,     ///< as it was last saved
    Restored,   ///< the recovery copy of a session that ended unexpectedly
    Unreadable, ///< damaged or gone; the game is left as it was
    Cancelled,  ///< the scorer opened neither the copy nor the file
};

class GameSession;

/// Held while a game file is opened and set up: when it goes, the program's
/// lock on the file stays only if the game became the current one.
class OpeningGame {
public:
    explicit OpeningGame(GameSession &session) : m_session(session) {}
    ~OpeningGame();
    OpeningGame(const OpeningGame &) = delete;
    OpeningGame &operator=(const OpeningGame &) = delete;

private:
    GameSession &m_session;
};

/// The game the program has open and what is done with it: File > Game
/// (New, Edit, Save, Save As, Reload), the game set up in Edit Game
/// Information and started, the recovery of a game a session left unsaved.
/// It owns the current game, knows the engine of the game window recording it
/// and whether one is open, and asks and tells the scorer through the
/// `UserInterface` and the program's windows.
class GameSession {
public:
    /// `later` hands what the work on the disk finds back to the windows'
    /// thread; `makeLock` makes the locks of the games opened (tests name the
    /// program and its running processes).
    GameSession(
        UserInterface &ui, SessionWindows &windows, RunLater later = {},
        GameLocks::MakeLock makeLock = [] { return std::make_unique<GameLock>(); });

    /// The windows the session shows itself in (for the use cases beside it).
    SessionWindows &windows() { return m_windows; }

    /// The game being set up or recorded; null when none is open.
    Game *currentGame() { return m_game ? &*m_game : nullptr; }
    void setCurrentGame(std::optional<Game> game);

    /// The engine of the open game window, null while none is open. While
    /// one records the current game, its recovery copy follows every change;
    /// when it goes the copy goes too, unless the last save failed.
    /// The live page and feed follow it too, by `settings` (the live output
    /// folder; without them no page is written), and what goes wrong is said
    /// through `told` (the game window's own questions; the session's when none).
    GameFlow *engine() const { return m_engine; }
    void setEngine(GameFlow *engine, const Settings *settings = nullptr, UserInterface *told = nullptr);
    /// The live page and feed of the game being recorded; null while none is.
    LiveKeeper *live() { return m_live.get(); }
    /// Writes the live page of the game being recorded again (its settings
    /// or players changed).
    void publish();

    /// Whether a game window is open, recording the current game.
    bool gameInProgress() const { return m_inProgress; }
    void setGameInProgress(bool inProgress);

    /// What a started game is handed to: the game window opens on the current
    /// game. Without one a started game is only kept in its file.
    void setRecorder(std::function<void()> recorder) { m_recorder = std::move(recorder); }
    bool canRecord() const { return static_cast<bool>(m_recorder); }

    // File > Game
    void newGame();
    /// "Select Game to Edit", then editGameFile.
    void chooseGameToEdit();
    /// Opens the game at `path` in Edit Game Information (File > Game >
    /// Edit, a file handed to the program, the recent list).
    void editGameFile(const std::string &path);
    void save() { saveCurrentGame(false); }
    void saveAs() { saveCurrentGame(true); }
    /// Re-load Game from Last Save.
    void reload();

    /// The one way a game file is opened: a game another program has open is
    /// switched to or opened read-only; the recovery copy a session that
    /// ended unexpectedly left is offered first, then the file is read into
    /// `game` (left as it was when the file cannot be read). Hold an
    /// OpeningGame over the open and what follows it.
    OpenedGame open(const std::string &path, Game &game);

    /// Saves `game` to its own file or, when it has none or `askName`, under a
    /// name asked with "Save Game As". A failed save is reported and the game
    /// keeps its old name; a cancelled question, a read-only game and a file
    /// another program has open save nothing. True when saved.
    bool save(Game &game, bool askName);

    /// Makes `game` current and hands it to the game window. False when there
    /// is none: the game is closed again (it is kept in its file).
    bool start(Game game);

    /// The game was changed outside the engine (the Players menu): an open
    /// game window shows it again.
    void gameEdited();

    /// The lock of the open game: one game has one writer.
    GameLocks &locks() { return m_locks; }
    /// The recovery copy of the game being recorded.
    RecoveryKeeper &recovery() { return m_recovery; }

    /// At start: when the game open at the end of the last session has a
    /// recovery copy, offers it and, restored, records it.
    void offerLastGameRecovery();

private:
    void editGame(Game game, bool opened);
    void saveCurrentGame(bool askName);
    void startLive(UserInterface &told);
    void warn(const char *text, const char *caption, int sound);

    UserInterface &m_ui;
    SessionWindows &m_windows;
    std::optional<Game> m_game;
    GameFlow *m_engine = nullptr;
    bool m_inProgress = false;
    std::function<void()> m_recorder;
    GameLocks m_locks;
    RecoveryKeeper m_recovery;
    RunLater m_later;
    std::unique_ptr<LiveKeeper> m_live;
    const Settings *m_settings = nullptr;
};

/// How long closing waits for the disk of the recovery copy.
inline constexpr std::chrono::milliseconds kCloseDiskBound{2000};

} // namespace yardmark
