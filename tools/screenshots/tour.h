#pragma once

#include "app/game/ballondialog.h"
#include "app/game/gamewindow.h"
#include "app/game/insertplaydialog.h"
#include "app/game/pickteamdialog.h"
#include "app/game/recordtimedialog.h"
#include "app/game/togodialog.h"
#include "app/program.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/insertplay.h"
#include "printouts/printout.h"
#include "records/game.h"
#include "records/team.h"
#include "samples.h"
#include "season/scheduleform.h"
#include "stats/individualstats.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QMenu;

namespace yardmark::tour {

/// One picture: what to show before it is taken, and how to put it away
/// after, so that the next step starts from the main window alone.
struct Step {
    QString name;
    std::function<void()> show;
    std::function<void()> hide;
};

/// Every window, menu and dialog of the program, in the order the pictures
/// are taken. `season` is a folder of simulated games with their schedule,
/// which the statistics and schedule windows show.
class Tour {
public:
    Tour(Program &program, const QDir &season);

    std::vector<Step> steps();

private:
    std::vector<Step> menuSteps();
    std::vector<Step> setupSteps();
    std::vector<Step> optionSteps();
    std::vector<Step> playDialogSteps();
    std::vector<Step> gameWindowSteps();
    std::vector<Step> statisticsSteps();
    std::vector<Step> wallpaperSteps();

    /// A dialog made by `make`, shown near the top-left corner.
    Step dialogStep(const char *name, std::function<QDialog *()> make);
    /// A dialog made by `make` over an open game window.
    Step onGameStep(const char *name, std::function<QDialog *()> make);
    std::function<void()> openGame(bool indoor, bool homeOnLeft);
    void closeGame();
    /// Night colours on or off, as the Options menu turns them.
    void night(bool on);
    std::function<void()> openMenu(QMenu *menu);
    std::function<void()> openFileSubmenu(const char *name);
    void closeMenus();
    QMenu *menu(const char *name) const;

    Program &m_program;
    MainWindow &m_window;
    QDir m_season;
    QString m_startDirectory;
    std::unique_ptr<QDialog> m_dialog;
    std::unique_ptr<QMessageBox> m_box;
    PlayTour m_plays;
    QPointer<GameWindow> m_game;
    std::unique_ptr<EditPlayEntry> m_editPlay;
    BallOnForm m_ballOn;
    ToGoForm m_toGo;
    RecordTimeForm m_recordTime;
    InsertPlayForm m_insertPlay;
    Team m_home;
    bool m_nightFromStart; ///< the whole tour at night: the night steps go back to it
    Game m_setupGame;
    std::vector<std::string> m_seasonGames;
    Game m_seasonGame;
    Stat m_chosen;
    ScheduleEditor m_schedule;
    std::set<std::string> m_missingGames;
    std::unique_ptr<Printout> m_drivesOut;
};

} // namespace yardmark::tour
