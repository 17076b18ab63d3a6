#include "setupcommands.h"

#include "base/userinterface.h"
#include "gameflow/gameflow.h"
#include "gameinfodialog.h"
#include "mainwindow.h"
#include "playerdialogs.h"
#include "printouts/rosterstartersprintout.h"
#include "printrosterdialog.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "records/gamefile.h"
#include "records/settings.h"
#include "records/teamfile.h"
#include "recoveryoffer.h"
#include "season/teamexport.h"
#include "teamdialog.h"

#include <QMenu>

namespace yardmark {
namespace {

constexpr const char *kGameFilters = "Game Files (*.gam)|*.gam|";
constexpr const char *kTeamFilters = "Team Files (*.tem)|*.tem|";

FileRequest gameFileRequest(const char *title)
{
    FileRequest request;
    request.title = title;
    request.filters = kGameFilters;
    request.defaultExtension = "gam";
    return request;
}

bool isCsvPath(const std::string &path)
{
    return path.size() >= 4 && equalsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".csv");
}

} // namespace

SetupCommands::SetupCommands(MainWindow &window, Settings &settings, UserInterface &ui)
    : QObject(&window), m_window(window), m_settings(settings), m_ui(ui)
{
    createMenus();
    connect(&window, &MainWindow::gameInProgressChanged, this, [this](bool on) { followGameInProgress(on); });
    followGameInProgress(window.gameInProgress());
    window.setFileOpener(QStringLiteral("tem"), [this](const QString &path) { openTeamFile(pathFromQString(path)); });
    window.setFileOpener(QStringLiteral("gam"), [this](const QString &path) { openGameFile(pathFromQString(path)); });
}

QAction *SetupCommands::add(QMenu *menu, const char *name, const char *text, void (SetupCommands::*command)())
{
    QAction *action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
}

void SetupCommands::createMenus()
{
    QMenu *team = m_window.fileSubmenu(QStringLiteral("&Team"), "teamMenu");
    add(team, "newTeam", "&New...", &SetupCommands::newTeam);
    add(team, "editTeam", "&Edit...", &SetupCommands::editTeam);
    add(team, "importTeam", "&Import...", &SetupCommands::editTeam);

    QMenu *game = m_window.fileSubmenu(QStringLiteral("&Game"), "gameMenu");
    m_newGame = add(game, "newGame", "&New...", &SetupCommands::newGame);
    m_openGame = add(game, "editGame", "&Edit...", &SetupCommands::openGame);
    QAction *save = add(game, "saveGame", "&Save", &SetupCommands::saveGame);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction *saveAs = add(game, "saveGameAs", "&Save As...", &SetupCommands::saveGameAs);
    QAction *reload = add(game, "reloadGame", "Re&load Game from Last Save", &SetupCommands::reloadGame);
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
    QAction *addPlayer = add(players, "addPlayer", "&Add Player...", &SetupCommands::addPlayer);
    QAction *modifyPlayer = add(players, "modifyPlayer", "&Modify Player...", &SetupCommands::modifyPlayer);
    m_needGame = {save, saveAs, reload, addPlayer, modifyPlayer};
}

void SetupCommands::followGameInProgress(bool inProgress)
{
    m_newGame->setEnabled(!inProgress);
    m_openGame->setEnabled(!inProgress);
    for (QAction *action : m_needGame)
        action->setEnabled(inProgress);
}

DialogContext SetupCommands::context()
{
    return DialogContext{m_ui, m_settings.app.html, m_window.printer(),
                         [this](QDialog &dialog) { return m_window.runDialog(dialog); }};
}

void SetupCommands::warn(const char *text, const char *caption, int sound)
{
    m_ui.playSound(sound);
    m_ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

// ---- File > Game ----

void SetupCommands::newGame()
{
    m_ui.playSound(kClickSound);
    editGame(yardmark::newGame(), false);
}

void SetupCommands::openGame()
{
    m_ui.playSound(kClickSound);
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(gameFileRequest("Select Game to Edit"));
    if (!file)
        return;
    openGameFile(file->path);
}

void SetupCommands::openGameFile(const std::string &path)
{
    if (m_window.gameInProgress())
        return;
    // Unsaved plays of a session that ended unexpectedly are offered first.
    Game game = yardmark::newGame();
    switch (offerRecovery(m_ui, path, game)) {
    case RecoveryChoice::Restore:
        emit m_window.fileOpened(pathToQString(path));
        editGame(std::move(game), true);
        return;
    case RecoveryChoice::Cancel:
        return;
    default:
        break;
    }
    if (!loadGame(game, path))
        warn("Can't load game !", "File corrupt ?", kLoadFailedSound);
    else
        emit m_window.fileOpened(pathToQString(path));
    editGame(std::move(game), true);
}

void SetupCommands::editGame(Game game, bool opened)
{
    GameInfoDialog dialog(game, context(), &m_window);
    for (;;) {
        const int result = m_window.runDialog(dialog);
        if (result != GameInfoDialog::kStartGame && result != QDialog::Accepted)
            return;
        // A new game is given its file now, on OK as on Start Game: what was
        // typed is kept, never dropped without a word. An opened game keeps its
        // own file (a game whose file could not be read is asked for one).
        if (saveGameReporting(game, !opened)) {
            if (result == GameInfoDialog::kStartGame)
                startGame(std::move(game));
            return;
        }
        // No file chosen or the save failed: a new game goes back to its
        // dialog with everything kept; an opened one has its file untouched.
        if (opened)
            return;
    }
}

bool SetupCommands::saveGameReporting(Game &game, bool askName)
{
    std::string path = game.fileName;
    if (askName || path.empty() || path == kUnsavedGameName) {
        const std::optional<FileChoice> file = m_ui.chooseSaveFile(gameFileRequest("Save Game As"));
        if (!file)
            return false;
        path = file->path;
    }
    const std::string before = game.fileName;
    if (yardmark::saveGame(game, path)) {
        if (path != before)
            emit m_window.fileOpened(pathToQString(path));
        return true;
    }
    game.fileName = before;
    warn("Can't save game!", "Disk Full?", kWarningSound);
    return false;
}

void SetupCommands::startGame(Game game)
{
    m_window.setCurrentGame(std::move(game));
    if (const std::function<void()> &starter = m_window.gameStarter()) {
        starter();
        return;
    }
    // No game window to record it in: the game is kept in its file (saved
    // just now).
    m_window.setCurrentGame(std::nullopt);
}

void SetupCommands::saveGame()
{
    saveCurrentGame(false);
}

void SetupCommands::saveGameAs()
{
    saveCurrentGame(true);
}

void SetupCommands::saveCurrentGame(bool askName)
{
    m_ui.playSound(kClickSound);
    Game *game = m_window.currentGame();
    if (!game)
        return;
    if (GameFlow *flow = m_window.gameFlow())
        flow->storeSituationInGame();
    if (saveGameReporting(*game, askName))
        emit m_window.currentGameSaved();
}

void SetupCommands::reloadGame()
{
    m_ui.playSound(kClickSound);
    if (GameFlow *flow = m_window.gameFlow()) {
        flow->reload();
        return;
    }
    if (Game *game = m_window.currentGame(); game && !yardmark::reloadGame(*game))
        warn("Can't load game !", "File corrupt ?", kLoadFailedSound);
    gameChanged();
}

void SetupCommands::gameChanged()
{
    if (m_window.gameInProgress())
        emit m_window.gameWindowRefreshRequested();
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
    FileRequest request;
    request.title = "Select Team to Edit";
    request.filters = "Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv";
    request.defaultExtension = "tem";
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(request);
    if (!file)
        return;
    openTeamFile(file->path);
}

void SetupCommands::openTeamFile(const std::string &path)
{
    Team team;
    team.rosterOnly = false;
    const bool read = isCsvPath(path) ? importTeamCsv(team, path) : loadTeamFile(team, path);
    if (!read) {
        // The team is not opened empty: saving it would overwrite the file.
        warn("Can't load team !", "File corrupt ?", kLoadFailedSound);
        return;
    }
    editAndSaveTeam(std::move(team));
}

void SetupCommands::editAndSaveTeam(Team team)
{
    TeamDialog dialog(team, context(), &m_window);
    if (m_window.runDialog(dialog) != QDialog::Accepted)
        return;
    bool cancelled = false;
    const TeamFileChooser choose = [this, &cancelled](const std::string &proposed) -> std::optional<std::string> {
        FileRequest request;
        request.title = "Save Team As";
        request.filters = kTeamFilters;
        request.defaultExtension = "tem";
        request.initialPath = proposed;
        const std::optional<FileChoice> file = m_ui.chooseSaveFile(request);
        cancelled = !file;
        if (!file)
            return std::nullopt;
        return file->path;
    };
    if (!saveTeam(team, choose) && !cancelled)
        warn("Can't save team!", "Disk Full?", kWarningSound);
}

// ---- File > Print ----

void SetupCommands::printRoster(bool starters)
{
    m_ui.playSound(kClickSound);
    Team first;
    Team second;
    const Game *game = m_window.currentGame();
    if (game) {
        first = game->homeTeam;
        second = game->visitorTeam;
        first.name = teamName(*game, true);
        second.name = teamName(*game, false);
    } else {
        FileRequest request;
        request.title = "Select Team to Print";
        request.filters = kTeamFilters;
        request.defaultExtension = "tem";
        const std::optional<FileChoice> file = m_ui.chooseOpenFile(request);
        if (!file)
            return;
        if (!loadTeamFile(first, file->path)) {
            warn("Can't load team !", "File corrupt ?", kLoadFailedSound);
            return;
        }
    }
    PrintRosterDialog dialog(starters, game ? &first.name : nullptr, game ? &second.name : nullptr, m_ui, &m_window);
    const int result = m_window.runDialog(dialog);
    if (result != QDialog::Accepted && result != PrintRosterDialog::kPreview)
        return;
    RosterStartersPrintout printout(starters ? "Starters" : "Roster", dialog.teamChoice(), first, second,
                                    dialog.starterStatus());
    if (result == PrintRosterDialog::kPreview)
        previewPrintout(m_window.printer(), printout, &m_window);
    else
        printWithDialog(m_window.printer(), printout, &m_window);
}

// ---- Players ----

void SetupCommands::addPlayer()
{
    m_ui.playSound(kClickSound);
    Game *game = m_window.currentGame();
    if (!game)
        return;
    AddPlayerDialog dialog(*game, m_ui, &m_window);
    if (m_window.runDialog(dialog) == QDialog::Accepted)
        gameChanged();
}

void SetupCommands::modifyPlayer()
{
    m_ui.playSound(kClickSound);
    Game *game = m_window.currentGame();
    if (!game)
        return;
    ModifyPlayerDialog dialog(*game, m_ui, &m_window);
    if (m_window.runDialog(dialog) == QDialog::Accepted)
        gameChanged();
}

} // namespace yardmark
