#pragma once

#include "app/common/textentry.h"
#include "records/team.h"

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenu;

namespace yardmark {

class MainWindow;
struct Settings;
class UserInterface;

/// The menus of the commands that prepare teams and games: File > Game,
/// File > Team, File > Print > Roster and Starters, and the Players menu.
/// File > Game is the main window's game session; the others borrow its
/// current game and follow its game-in-progress state.
class SetupCommands final : public QObject {
    Q_OBJECT

public:
    SetupCommands(MainWindow &window, Settings &settings, UserInterface &ui);

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

private:
    void createMenus();
    QAction *add(QMenu *menu, const char *name, const char *text, std::function<void()> command);
    void followGameInProgress(bool inProgress);
    void editAndSaveTeam(Team team);

    MainWindow &m_window;
    Settings &m_settings;
    UserInterface &m_ui;
    QAction *m_newGame = nullptr;
    QAction *m_openGame = nullptr;
    std::vector<QAction *> m_needGame;
};

} // namespace yardmark
