#pragma once

#include "app/stats/statswindowkit.h"
#include "base/userinterface.h"
#include "season/scheduleform.h"

#include <QDialog>

#include <set>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace yardmark {

/// The schedule editor: the season's events in a list sorted by a click on a
/// column header, the form of one event above it with its teams and game,
/// and the buttons that add, change, save, export and print them. It is also
/// the season's launcher: "Start" / "Edit" beside the game box closes it
/// with kCreateGame or kStartRecordedGame for the selected event.
class ScheduleWindow final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCreateGame = 2;
    static constexpr int kStartRecordedGame = 3;

    /// `warnedMissing` holds the game files already named as missing while
    /// this schedule is open, so that each is named once.
    ScheduleWindow(ScheduleEditor &editor, const AppContext &context, std::set<std::string> &warnedMissing,
                   QWidget *parent = nullptr);

    /// The boxes as typed (the game box is shown only).
    ScheduleForm form() const;

private:
    QPushButton *button(const char *name, const char *caption, void (ScheduleWindow::*command)());
    QLineEdit *box(const char *name, int maxLength);
    void showForm();
    void readForm();
    void showList();
    void showTitle();
    void rowChosen();
    void sortBy(int column);
    void warn(const Notice &notice, int sound = kLoadFailedSound);

    void chooseDate();
    void chooseHomeTeam() { chooseTeam(ScheduleSide::Home); }
    void chooseVisitorTeam() { chooseTeam(ScheduleSide::Visitor); }
    void chooseTeam(ScheduleSide side);
    void homeTeamEditor() { teamEditor(ScheduleSide::Home); }
    void visitorTeamEditor() { teamEditor(ScheduleSide::Visitor); }
    void teamEditor(ScheduleSide side);
    void selectGame();
    void launchGame();
    void addEvent();
    void deleteEvent();
    void updateEvent();
    void clearAll();
    void save();
    void saveAs();
    void exportSchedule();
    void print();
    void setupPrinter();
    void closeEditor();

    ScheduleEditor &m_editor;
    const AppContext &m_context;
    UserInterface &m_ui;
    std::set<std::string> &m_warnedMissing;
    QTreeWidget *m_list = nullptr;
    QLineEdit *m_date = nullptr;
    QLineEdit *m_time = nullptr;
    QLineEdit *m_field = nullptr;
    QComboBox *m_event = nullptr;
    QLineEdit *m_note = nullptr;
    QLineEdit *m_homeTeam = nullptr;
    QLineEdit *m_visitorTeam = nullptr;
    QLineEdit *m_game = nullptr;
    QPushButton *m_homeTeamEditor = nullptr;
    QPushButton *m_visitorTeamEditor = nullptr;
    QPushButton *m_gameButton = nullptr;
};

} // namespace yardmark
