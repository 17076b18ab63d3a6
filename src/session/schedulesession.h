#pragma once

#include "latestworker.h"

#include "season/scheduleform.h"

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace yardmark {

class GameSession;
class SessionWindows;
class UserInterface;

/// How the schedule editor was left: closed, or by its game button for the
/// selected event.
enum class ScheduleEditorExit { Closed, CreateGame, StartRecordedGame };

/// Runs the schedule editor on `editor`; `warnedMissing` holds the game files
/// already named as missing while this schedule is open, so that each is
/// named once.
using ScheduleEditorRunner =
    std::function<ScheduleEditorExit(ScheduleEditor &editor, std::set<std::string> &warnedMissing)>;

/// What a schedule's Save writes: the schedule to its own file, reported
/// with sound 604 when it cannot be written. False then.
bool saveScheduleReporting(const Schedule &schedule, UserInterface &ui);

/// File > Schedule, the season's launcher: the schedule editor opened on a new
/// or stored schedule while no game is in progress, the schedule written back
/// whenever the editor closes, a game created or opened from an event and
/// recorded, and the editor back with the event and its game once the game
/// window closes.
class ScheduleSession {
public:
    ScheduleSession(UserInterface &ui, GameSession &games, SessionWindows &windows, ScheduleEditorRunner runEditor,
                    RunLater later);

    void newSchedule();
    /// "Select Schedule to Edit", then openScheduleFile.
    void chooseScheduleToEdit();
    /// Opens a schedule file in the editor (File > Schedule > Edit..., a file
    /// handed to the program). A file that cannot be read is reported and
    /// nothing opens, so that it is never saved over. False then.
    bool openScheduleFile(const std::string &path);
    /// The game window has closed: a game started from the schedule goes back
    /// to the season, once the window is gone.
    void gameWindowClosed();
    /// The schedule opened last in this session, empty before one is.
    const std::string &scheduleFile() const { return m_scheduleFile; }

private:
    void runEditor();
    void createGame();
    void startRecordedGame();
    void startGame(Game game);
    void backToSeason();
    void warn(std::string_view text, std::string_view caption, int sound);

    UserInterface &m_ui;
    GameSession &m_games;
    SessionWindows &m_windows;
    ScheduleEditorRunner m_runEditor;
    RunLater m_later;
    std::optional<ScheduleEditor> m_editor; ///< the schedule open in the editor or waiting for its game
    std::set<std::string> m_warnedMissing;  ///< its game files already named as missing
    bool m_backAfterGame = false;
    std::string m_scheduleFile;
};

} // namespace yardmark
