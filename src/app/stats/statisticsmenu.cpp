#include "app/stats/statisticsmenu.h"

#include "app/game/ballondialog.h"
#include "app/game/insertplaydialog.h"
#include "app/game/pickteamdialog.h"
#include "app/game/recordtimedialog.h"
#include "app/game/togodialog.h"
#include "app/shell/mainwindow.h"
#include "app/stats/gamesummarywindow.h"
#include "app/stats/showstatsdialog.h"
#include "app/stats/statfilesdialog.h"
#include "app/stats/statsreading.h"
#include "app/stats/teamstatswindow.h"

#include "base/userinterface.h"
#include "gameflow/gameflow.h"
#include "printouts/gamesummaryprintout.h"
#include "printouts/individualstatsprintout.h"
#include "qtbase/qtext.h"
#include "stats/gameresult.h"
#include "stats/gameset.h"
#include "stats/individualstatsreport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrinter>

namespace yardmark {
namespace {

constexpr const char *kStatsPrintJob = "Quillet Yardmark Stats";

QAction *addItem(QMenu *menu, const char *name, const char *text, QObject *owner, std::function<void()> command)
{
    QAction *action = menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, owner, [command = std::move(command)] { command(); });
    return action;
}

} // namespace

StatisticsMenu::StatisticsMenu(MainWindow &window)
    : QObject(&window), m_window(window), m_settings(window.context().settings), m_context(window.context())
{
    createMenus();
    connect(&window, &MainWindow::gameInProgressChanged, this, [this] { updateEnabled(); });
    // A game replaced or closed takes its summaries with it.
    connect(&window, &MainWindow::currentGameChanged, this, [this] { closeSummaries(); });
    connect(&window, &MainWindow::gameFlowChanged, this, [this](GameFlow *flow) { followGameFlow(flow); });
    // New league rules change the figures.
    connect(&window, &MainWindow::gameWindowRefreshRequested, this, [this] { refreshSummaries(); });
    followGameFlow(window.session().engine());
    updateEnabled();
}

void StatisticsMenu::createMenus()
{
    QMenu *stats = m_window.addMenuBeforeOptions(QStringLiteral("&Statistics"));
    stats->setObjectName(QStringLiteral("statisticsMenu"));
    m_show[GameSummaryWin] = addItem(stats, "gameSummary", "&Game Summary...", this, [this] { openGameSummary(); });
    m_show[ScoringSummaryWin] = addItem(stats, "scoringSummary", "&Scoring Summary...", this,
                                        [this] { openSummaryList(SummaryListWindow::Kind::Scoring); });
    m_show[DriveSummaryWin] = addItem(stats, "driveSummary", "&Drive Summary...", this,
                                      [this] { openSummaryList(SummaryListWindow::Kind::Drives); });
    stats->addSeparator();
    m_individual =
        addItem(stats, "individualStatistics", "&Individual Statistics...", this, [this] { individualStatistics(); });
    m_team = addItem(stats, "teamStatistics", "&Team Statistics...", this, [this] { teamStatistics(); });

    QMenu *print = m_window.printMenu();
    m_print[GameSummaryWin] =
        addItem(print, "printGameSummary", "&Game Summary...", this, [this] { printGameSummary(); });
    m_print[ScoringSummaryWin] = addItem(print, "printScoringSummary", "&Scoring Summary...", this,
                                         [this] { printSummaryList(SummaryListWindow::Kind::Scoring); });
    m_print[DriveSummaryWin] = addItem(print, "printDriveSummary", "&Drive Summary...", this,
                                       [this] { printSummaryList(SummaryListWindow::Kind::Drives); });
}

const Game *StatisticsMenu::game() const
{
    if (const GameFlow *flow = m_window.session().engine())
        return &flow->game();
    return m_window.session().currentGame();
}

bool StatisticsMenu::gameOpen() const
{
    return m_window.gameInProgress() && game() != nullptr;
}

void StatisticsMenu::followGameFlow(GameFlow *flow)
{
    if (!flow) {
        closeSummaries();
        updateEnabled();
        return;
    }
    // The listeners outlive neither this menu nor matter after the game window
    // closed: a guard keeps a late call harmless.
    const QPointer<StatisticsMenu> guard(this);
    flow->addChangeListener([guard] {
        if (guard)
            guard->refreshSummaries();
    });
    flow->addCloseListener([guard] {
        if (guard)
            guard->closeSummaries();
    });
    updateEnabled();
}

void StatisticsMenu::refreshSummaries()
{
    if (auto *summary = static_cast<GameSummaryWindow *>(m_open[GameSummaryWin].data()))
        summary->refresh();
    for (const Window which : {DriveSummaryWin, ScoringSummaryWin}) {
        if (auto *list = static_cast<SummaryListWindow *>(m_open[which].data()))
            list->refresh();
    }
}

void StatisticsMenu::closeSummaries()
{
    for (QPointer<QDialog> &window : m_open) {
        if (window)
            window->close();
    }
}

void StatisticsMenu::updateEnabled()
{
    const bool open = gameOpen();
    for (int w = 0; w < WindowCount; ++w) {
        m_show[w]->setEnabled(open && !m_open[w]);
        m_print[w]->setEnabled(open);
    }
    m_individual->setEnabled(!m_modalOpen);
    m_team->setEnabled(!m_modalOpen);
}

void StatisticsMenu::showSummary(Window which, QDialog *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open[which] = window;
    // A widget tells of its end before its pointers forget it: forget it here.
    connect(window, &QObject::destroyed, this, [this, which] {
        m_open[which] = nullptr;
        updateEnabled();
    });
    updateEnabled();
    window->show();
    window->raise();
    window->activateWindow();
}

void StatisticsMenu::openGameSummary()
{
    m_context.ui.playSound(kClickSound);
    if (!gameOpen() || m_open[GameSummaryWin])
        return;
    showSummary(GameSummaryWin, new GameSummaryWindow(*game(), m_context, &m_window));
}

void StatisticsMenu::openSummaryList(SummaryListWindow::Kind kind)
{
    m_context.ui.playSound(kClickSound);
    const Window which = kind == SummaryListWindow::Kind::Drives ? DriveSummaryWin : ScoringSummaryWin;
    if (!gameOpen() || m_open[which])
        return;
    showSummary(which, new SummaryListWindow(kind, *game(), m_context, &m_window));
}

void StatisticsMenu::printGameSummary()
{
    if (!gameOpen())
        return;
    const Game &shown = *game();
    const QuarterRange range = summaryPeriodRange(shown, SummaryPeriod::Game);
    GameSummaryPrintout printout("Game Summary", shown.info.homeTeamName, shown.info.visitorTeamName,
                                 computeGameTeamStats(shown, true, range.first, range.last, m_settings.league),
                                 computeGameTeamStats(shown, false, range.first, range.last, m_settings.league));
    previewPrint(m_context, printout, &m_window);
}

void StatisticsMenu::printSummaryList(SummaryListWindow::Kind kind)
{
    if (!gameOpen())
        return;
    const std::unique_ptr<Printout> printout = SummaryListWindow::makePrintout(kind, *game(), m_settings.league);
    previewPrint(m_context, *printout, &m_window);
}

std::optional<std::string> StatisticsMenu::pickTeam(const Game &shown)
{
    PickTeamDialog dialog("Choose Team for Stats Calculation", shown.info.homeTeamName, shown.info.visitorTeamName,
                          true, &m_window);
    dialog.setObjectName(QStringLiteral("pickTeam"));
    m_context.runDialog(dialog);
    switch (dialog.choice()) {
    case TeamChoice::Home:
        return shown.info.homeTeamName;
    case TeamChoice::Visitor:
        return shown.info.visitorTeamName;
    case TeamChoice::Cancelled:
        break;
    }
    return std::nullopt;
}

std::optional<Stat> StatisticsMenu::chooseGameFiles(TeamChoices choices)
{
    ChooserFolders folders;
    if (const ScheduleSession *schedules = m_window.scheduleSession())
        folders.scheduleFile = schedules->scheduleFile();
    if (const Game *current = m_window.session().currentGame())
        folders.gameFile = current->fileName;
    folders.lastFolder = pathFromQString(m_folder);
    folders.startFolder = pathFromQString(QDir::currentPath());
    StatFilesDialog files(m_context.ui, pathToQString(gameChooserFolder(folders)), choices, &m_window);
    const int result = m_context.runDialog(files);
    m_folder = files.folder();
    if (result != QDialog::Accepted)
        return std::nullopt;
    return files.chosen();
}

void StatisticsMenu::reportUnreadable(const std::vector<std::string> &unreadable)
{
    if (unreadable.empty())
        return;
    m_context.ui.playSound(kLoadFailedSound);
    m_context.ui.message(unreadableFilesMessage(unreadable), "Statistics", MessageButtons::Ok, MessageIcon::Warning);
}

int StatisticsMenu::runStatsWindow(QDialog &window)
{
    // While one runs, neither statistics command starts another.
    m_modalOpen = true;
    updateEnabled();
    const int result = m_context.runDialog(window);
    m_modalOpen = false;
    updateEnabled();
    return result;
}

void StatisticsMenu::individualStatistics()
{
    m_context.ui.playSound(kClickSound);
    Stat chosen;
    std::optional<StatViews> views;
    if (gameOpen()) {
        const Game &open = *game();
        const std::optional<std::string> team = pickTeam(open);
        if (!team)
            return;
        chosen.teamName = *team;
        chosen.gameCount = 1;
        views = individualStatViews(chosen, open, m_settings.league);
    } else {
        std::optional<Stat> files = chooseGameFiles(TeamChoices::WithAllTeams);
        if (!files)
            return;
        chosen = std::move(*files);
        const LeagueOptions league = m_settings.league;
        views = readWithProgress<StatViews>(&m_window, chosen.gamePaths.size(),
                                            [&chosen, league](const ReadingProgress &progress) {
                                                return individualStatViews(chosen, league, progress);
                                            });
        if (!views)
            return;
        reportUnreadable(views->unreadable);
    }
    // After a print the window comes back as it stood, over the same games.
    ShowStatsPlace place;
    for (;;) {
        ShowStatsDialog dialog(chosen, *views, m_context, place, &m_window);
        if (runStatsWindow(dialog) != ShowStatsDialog::kPrintResult)
            return;
        place = dialog.place();
        m_context.printer.setDocName(QString::fromLatin1(kStatsPrintJob));
        IndividualStatsPrintout printout(individualStatsTitle(chosen, dialog.shownView()), dialog.shown(),
                                         kAllStatCategories, gamesText(dialog.shown().gameCount));
        previewPrint(m_context, printout, &m_window);
    }
}

void StatisticsMenu::teamStatistics()
{
    m_context.ui.playSound(kClickSound);
    std::optional<TeamStatsByPeriod> totals;
    if (gameOpen()) {
        const Game &open = *game();
        const std::optional<std::string> team = pickTeam(open);
        if (!team)
            return;
        totals = teamStatsByPeriodOfOpenGame(open, *team, m_settings.league);
    } else {
        const std::optional<Stat> chosen = chooseGameFiles(TeamChoices::TeamsOnly);
        if (!chosen)
            return;
        const LeagueOptions league = m_settings.league;
        totals = readWithProgress<TeamStatsByPeriod>(
            &m_window, chosen->gamePaths.size(), [&chosen, league](const ReadingProgress &progress) {
                return teamStatsByPeriodOverFiles(chosen->gamePaths, chosen->teamName, league, progress);
            });
        if (!totals)
            return;
        reportUnreadable(totals->unreadable);
    }
    // After a print the window comes back on the same period, over the same games.
    SummaryPeriod period = SummaryPeriod::Game;
    for (;;) {
        TeamStatsWindow window(*totals, m_context, period, &m_window);
        if (runStatsWindow(window) != TeamStatsWindow::kPrintResult)
            return;
        period = window.period();
        const TeamStatsTotals &shown = window.shown();
        m_context.printer.setDocName(QString::fromLatin1(kStatsPrintJob));
        GameSummaryPrintout printout(teamStatsCaption(shown.teamName), shown.teamName, shown.opponentsCaption,
                                     shown.team, shown.opponents, teamRecordHeading(shown));
        previewPrint(m_context, printout, &m_window);
    }
}

} // namespace yardmark
