#pragma once

#include "records/game.h"
#include "textentry.h"

#include <QObject>

#include <optional>
#include <string>

class QAction;
class QMenu;

namespace yardmark {

class MainWindow;
struct Settings;
class UserInterface;

/// The commands that prepare teams and games: File > Game, File > Team,
/// File > Print > Roster and Starters, and the Players menu. They borrow the
/// main window's current game and follow its game-in-progress state.
class SetupCommands final : public QObject {
public:
    SetupCommands(MainWindow &window, Settings &settings, UserInterface &ui);

    // File > Game
    void newGame();
    void openGame();
    void saveGame();
    void saveGameAs();
    void reloadGame();
    // File > Team
    void newTeam();
    void editTeam();
    // File > Print
    void printRoster(bool starters);
    // Players
    void addPlayer();
    void modifyPlayer();

    /// Opens a team file handed to the program (the file manager).
    void openTeamFile(const std::string &path);
    /// Opens a game file handed to the program.
    void openGameFile(const std::string &path);

private:
    void createMenus();
    QAction *add(QMenu *menu, const char *name, const char *text, void (SetupCommands::*command)());
    void followGameInProgress(bool inProgress);
    void editGame(Game game, bool opened);
    void startGame(Game game);
    bool saveGameReporting(Game &game, bool askName);
    /// Save and Save As: the open game with the window's situation in it.
    void saveCurrentGame(bool askName);
    void editAndSaveTeam(Team team);
    void warn(const char *text, const char *caption, int sound);
    void gameChanged();

    MainWindow &m_window;
    Settings &m_settings;
    UserInterface &m_ui;
    QAction *m_newGame = nullptr;
    QAction *m_openGame = nullptr;
    std::vector<QAction *> m_needGame;
};

} // namespace yardmark
