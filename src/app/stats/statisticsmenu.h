#pragma once

#include "app/stats/statswindowkit.h"
#include "app/stats/summarylistwindow.h"

#include "stats/individualstats.h"
#include "stats/statfiles.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QAction;

namespace yardmark {

class GameFlow;
class GameSummaryWindow;
class MainWindow;

/// The "&Statistics" menu and the summaries of File > Print. The game,
/// drive and scoring summaries open beside the game window, one of each;
/// they follow every change of the game and close with the game window. The
/// individual and team statistics run over the open game, or over game files
/// chosen in "Select Applicable Games To Analyze".
class StatisticsMenu final : public QObject {
    Q_OBJECT

public:
    explicit StatisticsMenu(MainWindow &window);

    /// The game the summaries show: the game window's, or else the current one.
    const Game *game() const;

    void openGameSummary();
    void openSummaryList(SummaryListWindow::Kind kind);
    void printGameSummary();
    void printSummaryList(SummaryListWindow::Kind kind);
    void individualStatistics();
    void teamStatistics();

private:
    enum Window { GameSummaryWin, DriveSummaryWin, ScoringSummaryWin, WindowCount };

    void createMenus();
    void followGameFlow(GameFlow *flow);
    void refreshSummaries();
    void closeSummaries();
    void updateEnabled();
    void showSummary(Window which, QDialog *window);
    /// The team analysed in the open game: "Choose Team for Stats Calculation".
    std::optional<std::string> pickTeam(const Game &game);
    /// The game files and team chosen, when no game is open.
    std::optional<Stat> chooseGameFiles(TeamChoices choices);
    void reportUnreadable(const std::vector<std::string> &unreadable);
    /// Runs an individual or team statistics window; returns how it ended.
    int runStatsWindow(QDialog &window);
    bool gameOpen() const;

    MainWindow &m_window;
    const Settings &m_settings;
    const AppContext &m_context;
    QString m_folder;
    QPointer<QDialog> m_open[WindowCount];
    QAction *m_show[WindowCount] = {};
    QAction *m_print[WindowCount] = {};
    QAction *m_individual = nullptr;
    QAction *m_team = nullptr;
    bool m_modalOpen = false;
};

} // namespace yardmark
