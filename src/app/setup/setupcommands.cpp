#include "app/setup/setupcommands.h"
#include "app/setup/gameinfodialog.h"

#include "app/common/printdialogs.h"
#include "app/setup/addplayerdialog.h"
#include "app/setup/modifyplayerdialog.h"
#include "app/setup/printrosterdialog.h"
#include "app/setup/teamdialog.h"
#include "app/shell/mainwindow.h"
#include "base/userinterface.h"
#include "printouts/rosterstartersprintout.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "records/settings.h"
#include "records/teamfile.h"
#include "session/filerequests.h"
#include "session/teamsaving.h"

#include <QMenu>

namespace yardmark {

SetupCommands::SetupCommands(MainWindow &window, Settings &settings, UserInterface &ui)
    : QObject(&window), m_window(window), m_settings(settings), m_ui(ui)
{
    createMenus();
    window.setGameInfoEditor([this](Game &game, const std::function<bool(GameInfoAnswer)> &ended) {
        GameInfoDialog dialog(game, m_window.context(), &m_window);
        for (;;) {
            const int result = m_window.context().runDialog(dialog);
            const GameInfoAnswer answer = result == GameInfoDialog::kStartGame ? GameInfoAnswer::StartGame
                                          : result == QDialog::Accepted        ? GameInfoAnswer::Ok
                                                                               : GameInfoAnswer::Cancel;
            if (ended(answer))
                return;
        }
    });
    connect(&window, &MainWindow::gameInProgressChanged, this, [this](bool on) { followGameInProgress(on); });
    followGameInProgress(window.gameInProgress());
    window.setFileOpener(QStringLiteral("tem"), [this](const QString &path) { openTeamFile(pathFromQString(path)); });
    window.setFileOpener(QStringLiteral("gam"),
                         [&window](const QString &path) { window.session().editGameFile(pathFromQString(path)); });
}

QAction *SetupCommands::add(QMenu *menu, const char *name, const char *text, std::function<void()> command)
{
    QAction *action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void SetupCommands::createMenus()
{
    QMenu *team = m_window.fileSubmenu(QStringLiteral("&Team"), "teamMenu");
    add(team, "newTeam", "&New...", [this] { newTeam(); });
    add(team, "editTeam", "&Edit...", [this] { editTeam(); });
    add(team, "importTeam", "&Import...", [this] { editTeam(); });

    GameSession &session = m_window.session();
    QMenu *game = m_window.fileSubmenu(QStringLiteral("&Game"), "gameMenu");
    m_newGame = add(game, "newGame", "&New...", [&session] { session.newGame(); });
    m_openGame = add(game, "editGame", "&Edit...", [&session] { session.chooseGameToEdit(); });
    QAction *save = add(game, "saveGame", "&Save", [&session] { session.save(); });
    MainCommands &commands = m_window.commands();
    commands.newGame = m_newGame;
    commands.editGame = m_openGame;
    commands.saveGame = save;
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *saveAs = add(game, "saveGameAs", "&Save As...", [&session] { session.saveAs(); });
    QAction *reload = add(game, "reloadGame", "Re&load Game from Last Save", [&session] { session.reload(); });
    reload->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_L));
    for (QAction *action : {save, saveAs, reload})
        action->setShortcutContext(Qt::ApplicationShortcut);

    QMenu *print = m_window.printMenu();
    QAction *roster = print->addAction(QStringLiteral("R&oster..."));
    roster->setObjectName(QStringLiteral("printRoster"));
    connect(roster, &QAction::triggered, this, [this] { printRoster(false); });
    QAction *starters = print->addAction(QStringLiteral("Starters..."));
    starters->setObjectName(QStringLiteral("printStarters"));
    connect(starters, &QAction::triggered, this, [this] { printRoster(true); });

    QMenu *players = m_window.addMenuBeforeOptions(QStringLiteral("&Players"));
    players->setObjectName(QStringLiteral("playersMenu"));
    QAction *addPlayer = add(players, "addPlayer", "&Add Player...", [this] { this->addPlayer(); });
    QAction *modifyPlayer = add(players, "modifyPlayer", "&Modify Player...", [this] { this->modifyPlayer(); });
    m_needGame = {save, saveAs, reload, addPlayer, modifyPlayer};
}

void SetupCommands::followGameInProgress(bool inProgress)
{
    m_newGame->setEnabled(!inProgress);
    m_openGame->setEnabled(!inProgress);
    for (QAction *action : m_needGame)
        action->setEnabled(inProgress);
}

// ---- File > Team ----

void SetupCommands::newTeam()
{
    m_ui.playSound(kClickSound);
    Team team;
    team.rosterOnly = false;
    editAndSaveTeam(std::move(team));
}

void SetupCommands::editTeam()
{
    m_ui.playSound(kClickSound);
    FileRequest request = teamFileRequest("Select Team to Edit");
    request.filters = "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv";
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(request);
    if (!file)
        return;
    openTeamFile(file->path);
}

void SetupCommands::openTeamFile(const std::string &path)
{
    if (std::optional<Team> team = readTeamToEdit(m_ui, path))
        editAndSaveTeam(std::move(*team));
}

void SetupCommands::editAndSaveTeam(Team team)
{
    yardmark::editAndSaveTeam(m_ui, team, [this](Team &edited) {
        TeamDialog dialog(edited, m_window.context(), &m_window);
        return m_window.context().runDialog(dialog) == QDialog::Accepted;
    });
}

// ---- File > Print ----

void SetupCommands::printRoster(bool starters)
{
    m_ui.playSound(kClickSound);
    Team first;
    Team second;
    const Game *game = m_window.session().currentGame();
    if (game) {
        first = game->homeTeam;
        second = game->visitorTeam;
        first.name = teamName(*game, true);
        second.name = teamName(*game, false);
    } else {
        const std::optional<FileChoice> file = m_ui.chooseOpenFile(teamFileRequest("Select Team to Print"));
        if (!file)
            return;
        if (!loadTeamFile(first, file->path)) {
            m_ui.playSound(kLoadFailedSound);
            m_ui.message("Can't load team !", "File corrupt ?", MessageButtons::Ok, MessageIcon::Warning);
            return;
        }
    }
    PrintRosterDialog dialog(starters, game ? &first.name : nullptr, game ? &second.name : nullptr, m_ui, &m_window);
    const int result = m_window.context().runDialog(dialog);
    if (result != QDialog::Accepted && result != PrintRosterDialog::kPreview)
        return;
    RosterStartersPrintout printout(starters ? "Starters" : "Roster", dialog.teamChoice(), first, second,
                                    dialog.starterStatus());
    if (result == PrintRosterDialog::kPreview)
        previewPrintout(m_window.context(), printout, &m_window);
    else
        printWithDialog(m_window.context(), printout, &m_window);
}

// ---- Players ----

void SetupCommands::addPlayer()
{
    m_ui.playSound(kClickSound);
    Game *game = m_window.session().currentGame();
    if (!game)
        return;
    AddPlayerDialog dialog(*game, m_ui, &m_window);
    if (m_window.context().runDialog(dialog) == QDialog::Accepted)
        m_window.session().gameEdited();
}

void SetupCommands::modifyPlayer()
{
    m_ui.playSound(kClickSound);
    Game *game = m_window.session().currentGame();
    if (!game)
        return;
    ModifyPlayerDialog dialog(*game, m_ui, &m_window);
    if (m_window.context().runDialog(dialog) == QDialog::Accepted)
        m_window.session().gameEdited();
}

} // namespace yardmark
