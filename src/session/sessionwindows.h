#pragma once

#include <functional>
#include <string>

namespace yardmark {

struct Game;
class GameFlow;

/// How the scorer left the Edit Game Information dialog.
enum class GameInfoAnswer { Cancel, Ok, StartGame };

/// How a game file may open: one game has one writer.
enum class GameAccess { Write, ReadOnly, None };

/// What the program's use cases ask of its windows: the Edit Game
/// Information dialog, and the news the windows follow (which game is open,
/// whether it is being recorded, which files were opened). The program
/// implements it with its main window; tests with a script.
class SessionWindows {
public:
    virtual ~SessionWindows() = default;

    /// Runs Edit Game Information on `game` (OK and Start Game store its boxes
    /// in the game) until `ended` takes how the scorer left it; one that is
    /// not taken opens the same dialog again, with everything typed kept.
    virtual void editGameInformation(Game &game, const std::function<bool(GameInfoAnswer)> &ended) = 0;

    /// A game or schedule was opened, or saved under a name of its own.
    virtual void fileOpened(const std::string &path) = 0;
    /// Another game became current, or none.
    virtual void currentGameChanged() = 0;
    /// The current game was saved to its file (Save, Save As).
    virtual void currentGameSaved() = 0;
    /// A game window opened (its engine) or closed (null).
    virtual void engineChanged(GameFlow *engine) = 0;
    /// A game window opened or closed.
    virtual void gameInProgressChanged(bool inProgress) = 0;
    /// The season before the game being recorded has been read (or its
    /// reading ended without it).
    virtual void seasonRead() {}
    /// The game being recorded changed outside its engine (players added,
    /// renamed): the game window shows it again.
    virtual void refreshGameWindow() = 0;

    /// Hands the game file at `path` to this user's program that has it
    /// open, which shows it; false when that program does not answer.
    virtual bool switchToProgramWith(const std::string & /*path*/) { return false; }
};

} // namespace yardmark
