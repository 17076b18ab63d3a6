#pragma once

#include "season/scheduleform.h"

#include <QObject>

#include <optional>
#include <set>
#include <string>

class QAction;

namespace yardmark {

class MainWindow;
struct Settings;
class UserInterface;

/// File > Schedule: "&New..." and "&Edit..." open the schedule editor, the
/// season's launcher, while no game is in progress. The schedule is written
/// back whenever the editor closes; a game created or opened from an event
/// plays in the game window, and once that closes the editor comes back with
/// the event and its game.
class ScheduleCommands final : public QObject {
public:
    ScheduleCommands(MainWindow &window, Settings &settings, UserInterface &ui);

    void newSchedule();
    void editSchedule();
    /// Opens a schedule file in the editor (File > Schedule > Edit..., a file
    /// handed to the program). A file that cannot be read is reported and
    /// nothing opens, so that it is never saved over. False then.
    bool openScheduleFile(const std::string &path);

private:
    void followGameInProgress(bool inProgress);
    void runEditor();
    void createGame();
    void startRecordedGame();
    void startGame(Game game);
    void warn(std::string_view text, std::string_view caption, int sound);

    MainWindow &m_window;
    Settings &m_settings;
    UserInterface &m_ui;
    QAction *m_new = nullptr;
    QAction *m_edit = nullptr;
    std::optional<ScheduleEditor> m_editor; ///< the schedule open in the editor or waiting for its game
    std::set<std::string> m_warnedMissing;  ///< its game files already named as missing
    bool m_backAfterGame = false;
};

} // namespace yardmark
