#include "schedulecommands.h"

#include "gameinfodialog.h"
#include "mainwindow.h"
#include "qtbase/qtext.h"
#include "recoveryoffer.h"
#include "schedulewindow.h"

#include "base/userinterface.h"
#include "records/gamefile.h"
#include "records/settings.h"
#include "season/gameinfoform.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

namespace yardmark {
namespace {

FileRequest scheduleFileRequest(const char *title)
{
    FileRequest request;
    request.title = title;
    request.filters = "Schedule Files (*.sch)|*.sch|";
    request.defaultExtension = "sch";
    return request;
}

} // namespace

ScheduleCommands::ScheduleCommands(MainWindow &window, Settings &settings, UserInterface &ui)
    : QObject(&window), m_window(window), m_settings(settings), m_ui(ui)
{
    // The season comes first in the File menu.
    QMenu *menu = m_window.fileSubmenu(QStringLiteral("Sche&dule"), "scheduleMenu");
    QMenu *file = m_window.fileMenu();
    file->removeAction(menu->menuAction());
    file->insertMenu(file->actions().value(0), menu);
    m_new = menu->addAction(QStringLiteral("&New..."));
    m_new->setObjectName(QStringLiteral("newSchedule"));
    connect(m_new, &QAction::triggered, this, [this] { newSchedule(); });
    m_edit = menu->addAction(QStringLiteral("&Edit..."));
    m_edit->setObjectName(QStringLiteral("editSchedule"));
    connect(m_edit, &QAction::triggered, this, [this] { editSchedule(); });
    connect(&window, &MainWindow::gameInProgressChanged, this, [this](bool on) { followGameInProgress(on); });
    followGameInProgress(window.gameInProgress());
    window.setFileOpener(QStringLiteral("sch"),
                         [this](const QString &path) { openScheduleFile(pathFromQString(path)); });
}

void ScheduleCommands::followGameInProgress(bool inProgress)
{
    m_new->setEnabled(!inProgress);
    m_edit->setEnabled(!inProgress);
    if (inProgress || !m_backAfterGame)
        return;
    // The game window has closed: back to the season, once the window is gone.
    m_backAfterGame = false;
    QTimer::singleShot(0, this, [this] {
        if (!m_editor || m_window.gameInProgress())
            return;
        // The game may have been saved under another name or its teams renamed:
        // the schedule is read again from its file.
        Schedule stored;
        if (loadSchedule(m_editor->schedule.fileName, stored) == ScheduleLoadResult::Loaded)
            m_editor->schedule = std::move(stored);
        selectScheduleEntry(*m_editor, m_editor->selected);
        runEditor();
    });
}

void ScheduleCommands::warn(std::string_view text, std::string_view caption, int sound)
{
    m_ui.playSound(sound);
    m_ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

void ScheduleCommands::newSchedule()
{
    m_ui.playSound(kClickSound);
    if (m_window.gameInProgress())
        return;
    const std::optional<FileChoice> file = m_ui.chooseSaveFile(scheduleFileRequest("New Schedule"));
    if (!file)
        return;
    m_editor.emplace();
    m_warnedMissing.clear();
    m_editor->schedule.fileName = file->path;
    emit m_window.fileOpened(pathToQString(file->path));
    runEditor();
}

void ScheduleCommands::editSchedule()
{
    m_ui.playSound(kClickSound);
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(scheduleFileRequest("Select Schedule to Edit"));
    if (file)
        openScheduleFile(file->path);
}

bool ScheduleCommands::openScheduleFile(const std::string &path)
{
    if (m_window.gameInProgress()) {
        // Handed over by the file manager while a game is being recorded.
        warn("A game is being recorded: quit the game window first, then open the schedule.\n" + path,
             "Game in Progress", kWarningSound);
        return false;
    }
    Schedule schedule;
    if (loadSchedule(path, schedule) != ScheduleLoadResult::Loaded) {
        // Shown empty, the damaged file would be saved over when the editor closes.
        warn(kCannotLoadSchedule.text + std::string("\n") + path, kCannotLoadSchedule.caption, kLoadFailedSound);
        return false;
    }
    m_editor.emplace();
    m_warnedMissing.clear();
    m_editor->schedule = std::move(schedule);
    emit m_window.fileOpened(pathToQString(path));
    runEditor();
    return true;
}

void ScheduleCommands::runEditor()
{
    const StatsContext context{m_settings, m_ui, m_window.printer(),
                               [this](QDialog &dialog) { return m_window.runDialog(dialog); }};
    int result = QDialog::Rejected;
    {
        ScheduleWindow window(*m_editor, context, m_warnedMissing, &m_window);
        result = m_window.runDialog(window);
    }
    saveScheduleReporting(m_editor->schedule, m_ui);
    switch (result) {
    case ScheduleWindow::kCreateGame:
        createGame();
        break;
    case ScheduleWindow::kStartRecordedGame:
        startRecordedGame();
        break;
    default:
        m_editor.reset();
        break;
    }
}

void ScheduleCommands::createGame()
{
    ScheduleEditor &editor = *m_editor;
    std::optional<Game> game =
        gameForScheduleEvent(editor, movedTeamLoader(teamFileLoader(), editor.schedule.fileName), currentDateTime());
    if (!game) {
        runEditor(); // the editor named the missing team file; it may have gone since
        return;
    }
    takeEventDetails(*game, editor.schedule.entries[static_cast<std::size_t>(editor.selected)]);
    const DialogContext dialogContext{m_ui, m_settings.app.html, m_window.printer(),
                                      [this](QDialog &dialog) { return m_window.runDialog(dialog); }};
    int result = QDialog::Rejected;
    {
        GameInfoDialog info(*game, dialogContext, &m_window);
        result = m_window.runDialog(info);
    }
    if (result == QDialog::Accepted || result == GameInfoDialog::kStartGame) {
        FileRequest request;
        request.title = "Save Game As";
        request.filters = "Game Files (*.gam)|*.gam|";
        request.defaultExtension = "gam";
        const std::optional<FileChoice> file = m_ui.chooseSaveFile(request);
        if (file && !saveGame(*game, file->path)) {
            warn("Can't save game!", "Disk Full?", kWarningSound);
        } else if (file) {
            setEventGameFile(editor.schedule, editor.selected, file->path);
            saveScheduleReporting(editor.schedule, m_ui);
            if (result == GameInfoDialog::kStartGame) {
                startGame(std::move(*game));
                return;
            }
        }
    }
    selectScheduleEntry(editor, editor.selected);
    runEditor();
}

void ScheduleCommands::startRecordedGame()
{
    ScheduleEditor &editor = *m_editor;
    const ScheduleEntry &entry = editor.schedule.entries[static_cast<std::size_t>(editor.selected)];
    Game game = newGame();
    const RecordedGame found = loadRecordedGame(entry, gameFileLoader(), game, editor.schedule.fileName);
    if (found == RecordedGame::Missing) {
        warn(missingFileText("game", entry.gameFile), kMissingGameCaption, kLoadFailedSound);
        runEditor();
        return;
    }
    // Unsaved plays of a session that ended unexpectedly are offered first.
    Game restored = newGame();
    switch (offerRecovery(m_ui, game.fileName, restored)) {
    case RecoveryChoice::Restore:
        game = std::move(restored);
        break;
    case RecoveryChoice::Cancel:
        runEditor();
        return;
    default:
        break;
    }
    startGame(std::move(game));
}

void ScheduleCommands::startGame(Game game)
{
    m_window.setCurrentGame(std::move(game));
    const std::function<void()> &starter = m_window.gameStarter();
    if (!starter) {
        m_window.setCurrentGame(std::nullopt);
        runEditor();
        return;
    }
    m_backAfterGame = true;
    starter();
    // A game window that did not stay open (nobody kicked off, a failure)
    // leaves the scorer in the schedule at once.
    if (!m_window.gameInProgress() && m_backAfterGame)
        followGameInProgress(false);
}

} // namespace yardmark
