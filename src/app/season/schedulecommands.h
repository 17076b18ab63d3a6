#pragma once

#include "session/schedulesession.h"

#include <QObject>

class QAction;

namespace yardmark {

class MainWindow;
struct Settings;
class UserInterface;

/// File > Schedule: "&New..." and "&Edit..." open the schedule editor, the
/// season's launcher, while no game is in progress. What they do is the
/// schedule session's; here are its menu and its window.
class ScheduleCommands final : public QObject {
    Q_OBJECT

public:
    ScheduleCommands(MainWindow &window, Settings &settings, UserInterface &ui);

    void newSchedule() { m_session.newSchedule(); }
    void editSchedule() { m_session.chooseScheduleToEdit(); }
    /// Opens a schedule file in the editor; false when it cannot be read.
    bool openScheduleFile(const std::string &path) { return m_session.openScheduleFile(path); }
    const std::string &scheduleFile() const { return m_session.scheduleFile(); }

private:
    void followGameInProgress(bool inProgress);
    ScheduleEditorExit runEditor(ScheduleEditor &editor, std::set<std::string> &warnedMissing);

    MainWindow &m_window;
    Settings &m_settings;
    UserInterface &m_ui;
    ScheduleSession m_session;
    QAction *m_new = nullptr;
    QAction *m_edit = nullptr;
};

} // namespace yardmark
