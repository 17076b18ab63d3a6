#include "schedulesession.h"

#include "filerequests.h"
#include "gamesession.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "records/gamefile.h"
#include "season/gameinfoform.h"

namespace yardmark {

bool saveScheduleReporting(const Schedule &schedule, UserInterface &ui)
{
    if (saveSchedule(schedule, schedule.fileName))
        return true;
    ui.playSound(kWarningSound);
    ui.message(kCannotSaveSchedule.text, kCannotSaveSchedule.caption, MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

ScheduleSession::ScheduleSession(UserInterface &ui, GameSession &games, SessionWindows &windows,
                                 ScheduleEditorRunner runEditor, RunLater later)
    : m_ui(ui), m_games(games), m_windows(windows), m_runEditor(std::move(runEditor)), m_later(std::move(later))
{
}

void ScheduleSession::warn(std::string_view text, std::string_view caption, int sound)
{
    m_ui.playSound(sound);
    m_ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

void ScheduleSession::newSchedule()
{
    m_ui.playSound(kClickSound);
    if (m_games.gameInProgress())
        return;
    const std::optional<FileChoice> file = m_ui.chooseSaveFile(scheduleFileRequest("New Schedule"));
    if (!file)
        return;
    m_editor.emplace();
    m_warnedMissing.clear();
    m_editor->schedule.fileName = file->path;
    m_scheduleFile = file->path;
    m_windows.fileOpened(file->path);
    runEditor();
}

void ScheduleSession::chooseScheduleToEdit()
{
    m_ui.playSound(kClickSound);
    const std::optional<FileChoice> file = m_ui.chooseOpenFile(scheduleFileRequest("Select Schedule to Edit"));
    if (file)
        openScheduleFile(file->path);
}

bool ScheduleSession::openScheduleFile(const std::string &path)
{
    if (m_games.gameInProgress()) {
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
    m_scheduleFile = path;
    m_windows.fileOpened(path);
    runEditor();
    return true;
}

void ScheduleSession::runEditor()
{
    const ScheduleEditorExit exit = m_runEditor(*m_editor, m_warnedMissing);
    saveScheduleReporting(m_editor->schedule, m_ui);
    switch (exit) {
    case ScheduleEditorExit::CreateGame:
        createGame();
        break;
    case ScheduleEditorExit::StartRecordedGame:
        startRecordedGame();
        break;
    case ScheduleEditorExit::Closed:
        m_editor.reset();
        break;
    }
}

void ScheduleSession::createGame()
{
    ScheduleEditor &editor = *m_editor;
    std::optional<Game> game =
        gameForScheduleEvent(editor, movedTeamLoader(teamFileLoader(), editor.schedule.fileName), currentDateTime());
    if (!game) {
        runEditor(); // the editor named the missing team file; it may have gone since
        return;
    }
    takeEventDetails(*game, editor.schedule.entries[static_cast<std::size_t>(editor.selected)]);
    GameInfoAnswer answer = GameInfoAnswer::Cancel;
    m_windows.editGameInformation(*game, [&answer](GameInfoAnswer given) {
        answer = given;
        return true;
    });
    // The event's game is a new one: it is always asked for its file.
    if (answer != GameInfoAnswer::Cancel && m_games.save(*game, true)) {
        setEventGameFile(editor.schedule, editor.selected, game->fileName);
        saveScheduleReporting(editor.schedule, m_ui);
        if (answer == GameInfoAnswer::StartGame) {
            startGame(std::move(*game));
            return;
        }
    }
    selectScheduleEntry(editor, editor.selected);
    runEditor();
}

void ScheduleSession::startRecordedGame()
{
    ScheduleEditor &editor = *m_editor;
    const ScheduleEntry &entry = editor.schedule.entries[static_cast<std::size_t>(editor.selected)];
    Game game = newGame();
    // The event's game is looked for where its schedule is first, then opened
    // from where it was found.
    if (loadRecordedGame(entry, gameFileLoader(), game, editor.schedule.fileName) == RecordedGame::Missing) {
        warn(missingFileText("game", entry.gameFile), kMissingGameCaption, kLoadFailedSound);
        runEditor();
        return;
    }
    const OpeningGame opening(m_games);
    switch (m_games.open(game.fileName, game)) {
    case OpenedGame::Cancelled:
        runEditor();
        return;
    case OpenedGame::Unreadable: // gone since it was found
        warn(missingFileText("game", entry.gameFile), kMissingGameCaption, kLoadFailedSound);
        runEditor();
        return;
    default:
        break;
    }
    startGame(std::move(game));
}

void ScheduleSession::startGame(Game game)
{
    m_backAfterGame = true;
    if (!m_games.start(std::move(game))) {
        m_backAfterGame = false;
        runEditor();
        return;
    }
    // A game window that did not stay open (nobody kicked off, a failure)
    // leaves the scorer in the schedule at once.
    gameWindowClosed();
}

void ScheduleSession::gameWindowClosed()
{
    if (m_games.gameInProgress() || !m_backAfterGame)
        return;
    m_backAfterGame = false;
    m_later([this] { backToSeason(); });
}

void ScheduleSession::backToSeason()
{
    if (!m_editor || m_games.gameInProgress())
        return;
    // The game may have been saved under another name or its teams renamed:
    // the schedule is read again from its file.
    Schedule stored;
    if (loadSchedule(m_editor->schedule.fileName, stored) == ScheduleLoadResult::Loaded)
        m_editor->schedule = std::move(stored);
    selectScheduleEntry(*m_editor, m_editor->selected);
    runEditor();
}

} // namespace yardmark
