#include "tour.h"

#include "app/common/datepickerdialog.h"
#include "app/common/helpwindow.h"
#include "app/common/qtuserinterface.h"
#include "app/game/editplaywindow.h"
#include "app/game/fieldgoaldialog.h"
#include "app/game/kickoffdialog.h"
#include "app/game/passdialog.h"
#include "app/game/penaltydialog.h"
#include "app/game/puntdialog.h"
#include "app/game/quickentrybar.h"
#include "app/game/rushdialog.h"
#include "app/game/seasontodatedialog.h"
#include "app/season/schedulewindow.h"
#include "app/setup/addplayerdialog.h"
#include "app/setup/gameinfodialog.h"
#include "app/setup/modifyplayerdialog.h"
#include "app/setup/personalinfodialog.h"
#include "app/setup/printrosterdialog.h"
#include "app/setup/rosterdialog.h"
#include "app/setup/teamdialog.h"
#include "app/shell/aboutdialog.h"
#include "app/shell/htmloptionsdialog.h"
#include "app/shell/leagueoptionsdialog.h"
#include "app/shell/liveoutputdialog.h"
#include "app/stats/gamesummarywindow.h"
#include "app/stats/showstatsdialog.h"
#include "app/stats/statfilesdialog.h"
#include "app/stats/summarylistwindow.h"
#include "app/stats/teamstatswindow.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"
#include "gameflow/gamerules.h"
#include "qtprint/printing.h"
#include "records/gamefile.h"
#include "records/roster.h"
#include "season/schedule.h"
#include "season/seasontodate.h"
#include "stats/teamstats.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

#include <algorithm>

namespace yardmark::tour {
namespace {

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

void append(std::vector<Step> &to, std::vector<Step> more)
{
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

} // namespace

Tour::Tour(Program &program, const QDir &season)
    : m_program(program), m_window(program.mainWindow()), m_season(season), m_startDirectory(QDir::currentPath()),
      m_plays(program),
      m_recordTime{"11", "42", "Bears punt 42 yards to the Tigers 18, fair catch by #22 Baker",
                   "Clock at the change of possession, minutes and seconds left in the 2nd Q. Leave both "
                   "empty when the time was not taken."},
      m_home(sampleTeam("Bears", "Hank Sorensen", true)), m_nightFromStart(program.settings().app.nightColors)
{
    m_setupGame = newGame();
    copyTeamForGame(m_home, m_setupGame.homeTeam);
    copyTeamForGame(sampleTeam("Foresters", "Walt Brennan", false), m_setupGame.visitorTeam);
    m_setupGame.info.homeTeamName = "Bears";
    m_setupGame.info.visitorTeamName = "Foresters";
    m_setupGame.info.fieldName = "Lakefront Stadium";
    m_setupGame.info.referee = "Lou Pellegrino";
    m_setupGame.isNewGame = false;

    // The statistics windows show the simulated season.
    for (const QString &name : m_season.entryList({QStringLiteral("*.gam")}, QDir::Files, QDir::Name))
        m_seasonGames.push_back(m_season.filePath(name).toStdString());
    loadGame(m_seasonGame, m_seasonGames.empty() ? std::string() : m_seasonGames.front());
    m_chosen.gamePaths = m_seasonGames;
    m_chosen.teamName = m_seasonGame.info.homeTeamName;

    // The season's schedule, with next week's game still to be played.
    loadSchedule(m_season.filePath(QStringLiteral("season.sch")).toStdString(), m_schedule.schedule);
    if (!m_schedule.schedule.entries.empty()) {
        ScheduleEntry tonight = m_schedule.schedule.entries.back();
        tonight.gameFile.clear();
        std::swap(tonight.homeTeamName, tonight.visitorTeamName);
        std::swap(tonight.homeTeamFile, tonight.visitorTeamFile);
        tonight.field = tonight.homeTeamName.substr(0, tonight.homeTeamName.rfind(' ')) + " Stadium";
        tonight.day = static_cast<std::uint8_t>(std::min(tonight.day + 7, 28));
        tonight.note = "Tonight's game: bring the spare pencils";
        m_schedule.schedule.append(tonight);
        selectScheduleEntry(m_schedule, m_schedule.schedule.count() - 1);
    }
}

std::vector<Step> Tour::steps()
{
    std::vector<Step> all;
    append(all, menuSteps());
    append(all, setupSteps());
    append(all, optionSteps());
    append(all, playDialogSteps());
    append(all, gameWindowSteps());
    append(all, statisticsSteps());
    append(all, wallpaperSteps()); // last: they resize the main window
    return all;
}

Step Tour::dialogStep(const char *name, std::function<QDialog *()> make)
{
    return {QString::fromLatin1(name),
            [this, make] {
                m_dialog.reset(make());
                m_dialog->move(60, 60);
                m_dialog->show();
            },
            [this] { m_dialog.reset(); }};
}

Step Tour::onGameStep(const char *name, std::function<QDialog *()> make)
{
    return {QString::fromLatin1(name),
            [this, make] {
                openGame(false, true)();
                m_dialog.reset(make());
                m_dialog->move(160, 120);
                m_dialog->show();
            },
            [this] { closeGame(); }};
}

std::function<void()> Tour::openGame(bool indoor, bool homeOnLeft)
{
    return [this, indoor, homeOnLeft] {
        m_program.settings().league.indoorField = indoor;
        m_program.settings().league.midfieldYardLine = midfieldFor(indoor);
        m_window.session().setCurrentGame(sampleGame(indoor));
        m_game = new GameWindow(m_window, m_program.settings(), m_program.sounds(), programPlayDialogs());
        m_game->move(20, 20);
        m_game->resize(m_game->sizeHint().expandedTo(QSize(980, 0)));
        m_game->start();
        if (!homeOnLeft)
            m_game->flow().swapSides();
    };
}

void Tour::closeGame()
{
    m_program.settings().league.indoorField = false;
    m_program.settings().league.midfieldYardLine = midfieldFor(false);
    m_editPlay.reset();
    m_dialog.reset();
    if (m_game) {
        m_game->interaction().setMessageRunner(
            [](std::string_view, std::string_view, MessageButtons) { return MessageAnswer::No; });
        m_game->close();
    }
}

void Tour::night(bool on)
{
    QAction *night = m_window.findChild<QAction *>(QStringLiteral("nightColors"));
    if (night->isChecked() != on)
        night->trigger();
}

QMenu *Tour::menu(const char *name) const
{
    return m_window.findChild<QMenu *>(QString::fromLatin1(name));
}

std::function<void()> Tour::openMenu(QMenu *menu)
{
    return [this, menu] { m_window.menuBar()->setActiveAction(menu->menuAction()); };
}

std::function<void()> Tour::openFileSubmenu(const char *name)
{
    return [this, name] {
        m_window.menuBar()->setActiveAction(m_window.fileMenu()->menuAction());
        m_window.fileMenu()->setActiveAction(menu(name)->menuAction());
        press(m_window.fileMenu(), Qt::Key_Right);
    };
}

void Tour::closeMenus()
{
    for (QMenu *open : m_window.findChildren<QMenu *>())
        open->hide();
    m_window.menuBar()->setActiveAction(nullptr);
}

std::vector<Step> Tour::menuSteps()
{
    const auto close = [this] { closeMenus(); };
    return {
        {"main-window", [] {}, [] {}},
        {"menu-file", openMenu(m_window.fileMenu()), close},
        {"menu-file-schedule", openFileSubmenu("scheduleMenu"), close},
        {"menu-file-team", openFileSubmenu("teamMenu"), close},
        {"menu-file-game", openFileSubmenu("gameMenu"), close},
        {"menu-file-print", openFileSubmenu("printMenu"), close},
        {"menu-players",
         [this] {
             m_window.setGameInProgress(true);
             openMenu(menu("playersMenu"))();
         },
         [this] {
             closeMenus();
             m_window.setGameInProgress(false);
         }},
        {"menu-options", openMenu(m_window.optionsMenu()), close},
        {"menu-wallpaper",
         [this] {
             m_window.menuBar()->setActiveAction(m_window.optionsMenu()->menuAction());
             m_window.optionsMenu()->setActiveAction(menu("wallpaperMenu")->menuAction());
             press(m_window.optionsMenu(), Qt::Key_Right);
         },
         close},
        {"menu-help", openMenu(m_window.helpMenu()), close},
        {"menu-statistics", openMenu(menu("statisticsMenu")), close},
    };
}

std::vector<Step> Tour::setupSteps()
{
    Step schedule = dialogStep("schedule", [this] {
        // The season's files are named from its folder.
        QDir::setCurrent(m_season.path());
        return new ScheduleWindow(m_schedule, m_window.context(), m_missingGames);
    });
    schedule.hide = [this] {
        m_dialog.reset();
        QDir::setCurrent(m_startDirectory);
    };
    return {
        schedule,
        dialogStep("edit-game-information", [this] { return new GameInfoDialog(m_setupGame, m_window.context()); }),
        dialogStep("edit-team", [this] { return new TeamDialog(m_home, m_window.context()); }),
        dialogStep("edit-roster",
                   [this] {
                       auto *roster = new RosterDialog(m_home, m_window.context());
                       auto *list = roster->findChild<QTreeWidget *>(QStringLiteral("currentRoster"));
                       list->setCurrentItem(list->topLevelItem(2));
                       return roster;
                   }),
        dialogStep("personal-info",
                   [this] {
                       auto *info = new PersonalInfoDialog(m_home, m_window.context());
                       auto *list = info->findChild<QTreeWidget *>(QStringLiteral("addressList"));
                       list->setCurrentItem(list->topLevelItem(1));
                       return info;
                   }),
        dialogStep("add-player", [this] { return new AddPlayerDialog(m_setupGame, m_program.ui()); }),
        dialogStep("modify-player", [this] { return new ModifyPlayerDialog(m_setupGame, m_program.ui()); }),
        dialogStep("print-starters",
                   [this] {
                       return new PrintRosterDialog(true, &m_setupGame.info.homeTeamName,
                                                    &m_setupGame.info.visitorTeamName, m_program.ui());
                   }),
    };
}

std::vector<Step> Tour::optionSteps()
{
    return {
        dialogStep("league-options",
                   [this] { return new LeagueOptionsDialog(m_program.settings().league, m_program.ui()); }),
        dialogStep("html-options",
                   [this] {
                       return new HtmlOptionsDialog(m_program.settings().app.html, m_program.ui(),
                                                    installedFontFaces());
                   }),
        dialogStep("live-output",
                   [this] {
                       static LiveOutputSettings sample{"/srv/www/football/live", "Homecoming: Riverton at Ironwood"};
                       return new LiveOutputDialog(sample, m_program.ui());
                   }),
        dialogStep("about", [] { return new AboutDialog; }),
        dialogStep("date-picker", [this] { return new DatePickerDialog(QDate(2026, 9, 12), m_program.ui()); }),
        dialogStep("color-chooser",
                   [] {
                       prepareCustomColors();
                       auto *chooser = new QColorDialog(Qt::blue);
                       chooser->setOption(QColorDialog::DontUseNativeDialog);
                       return chooser;
                   }),
        dialogStep("printer-setup",
                   [this] { return makePrinterSetupDialog(m_window.context().printer, nullptr).release(); }),
        {"message-box",
         [this] {
             m_box = makeMessageBox("This file already exists.  Would you like to append to it?",
                                    "/home/coach/week1.htm", MessageButtons::YesNo, MessageIcon::Question, &m_window);
             m_box->show();
         },
         [this] { m_box.reset(); }},
        {"help", [this] { HelpWindow::showContents(&m_window)->move(40, 40); },
         [] {
             for (QWidget *w : QApplication::topLevelWidgets()) {
                 if (dynamic_cast<HelpWindow *>(w))
                     w->close();
             }
         }},
    };
}

std::vector<Step> Tour::playDialogSteps()
{
    PlayTour &plays = m_plays;
    return {
        dialogStep("play-rush", playDialog<RushEntry, RushDialog>(plays,
                                                                  [](RushEntry &e) {
                                                                      e.typePlayerNumber(RushEntry::Rusher, "22");
                                                                      e.setYardsMade("7");
                                                                      e.typePlayerNumber(RushEntry::Tackler, "54");
                                                                  })),
        dialogStep("play-pass", playDialog<PassEntry, PassDialog>(plays,
                                                                  [](PassEntry &e) {
                                                                      e.typePlayerNumber(PassEntry::Receiver, "88");
                                                                      e.setYardsMade("15");
                                                                      e.setRecoveredBy(false);
                                                                      e.typeRecovererNumber("24");
                                                                  })),
        dialogStep("play-kickoff",
                   playDialog<KickOffEntry, KickOffDialog>(plays,
                                                           [](KickOffEntry &e) {
                                                               e.chooseResult(KickOffResult::Returned);
                                                               e.typePlayerNumber(KickOffEntry::Kicker, "4");
                                                               e.setKickedTo(SpotEntry{false, "5"});
                                                               e.typePlayerNumber(KickOffEntry::Returner, "24");
                                                               e.setFinalSpot(SpotEntry{false, "31"});
                                                           })),
        dialogStep("play-punt", playDialog<PuntEntry, PuntDialog>(plays,
                                                                  [](PuntEntry &e) {
                                                                      e.typePlayerNumber(PuntEntry::Punter, "9");
                                                                      e.chooseResult(PuntResult::FairCatch);
                                                                      e.setPuntedTo(SpotEntry{false, "12"});
                                                                  })),
        dialogStep("play-fieldgoal",
                   playDialog<FieldGoalEntry, FieldGoalDialog>(plays,
                                                               [](FieldGoalEntry &e) {
                                                                   e.typePlayerNumber(FieldGoalEntry::Kicker, "4");
                                                                   e.chooseResult(FieldGoalResult::WideLeft);
                                                               })),
        dialogStep("play-offensive-penalty",
                   playDialog<PenaltyEntry, PenaltyDialog>(plays,
                                                           [](PenaltyEntry &e) {
                                                               e.choosePenalty(13);
                                                               e.typePlayerNumber(PenaltyEntry::PenaltyOn, "88");
                                                           })),
        dialogStep("play-defensive-penalty", playDialog<PenaltyEntry, PenaltyDialog>(
                                                 plays, [](PenaltyEntry &e) { e.choosePenalty(7); }, true)),
    };
}

std::vector<Step> Tour::gameWindowSteps()
{
    const auto close = [this] { closeGame(); };
    // A quick line the game cannot take, its reason shown beside it: the
    // reason's colour by day and at night.
    const auto refusedQuickLine = [this] {
        m_game->quickEntry().line()->setText(QStringLiteral("r 22 6 9"));
        m_game->quickEntry().enter();
    };
    return {
        {"game-window", openGame(false, true), close},
        {"game-window-home-right", openGame(false, false), close},
        // A play that does not follow: the Tigers' rush snapped three yards
        // beyond where the punt return ended, marked in the play list.
        {"game-window-break",
         [this] {
             openGame(false, true)();
             Game broken = sampleGame(false);
             broken.plays[6].initialSpot.yardLine += 3;
             m_game->flow().game().plays = broken.plays;
             m_game->flow().swapSides(); // any command shows the play list again
             m_game->flow().swapSides();
             m_game->findChild<QListWidget *>(QStringLiteral("playList"))->setCurrentRow(6);
         },
         close},
        {"game-window-crowded",
         [this, refusedQuickLine] {
             openGame(false, true)();
             m_game->flow().game().plays = crowdedGame().plays;
             m_game->flow().swapSides(); // any command draws the chart again
             m_game->flow().swapSides();
             refusedQuickLine();
         },
         close},
        {"game-window-indoor", openGame(true, true), close},
        {"game-window-night",
         [this, refusedQuickLine] {
             night(true);
             openGame(false, true)();
             refusedQuickLine();
         },
         [this, close] {
             close();
             night(m_nightFromStart);
         }},
        {"game-popup-menu",
         [this] {
             openGame(false, true)();
             m_game->makePopupMenu()->popup(m_game->mapToGlobal(QPoint(300, 300)));
         },
         close},
        onGameStep("edit-play",
                   [this] {
                       m_editPlay =
                           std::make_unique<EditPlayEntry>(m_game->flow().game().plays[3], m_game->flow().game(),
                                                           m_program.settings().league, m_game->interaction());
                       return new EditPlayWindow(*m_editPlay, m_game->flow().game(), m_game);
                   }),
        onGameStep("insert-play",
                   [this] {
                       return new InsertPlayDialog(
                           m_insertPlay, [this](InsertKind k) { return m_game->interaction().offers(k); }, m_game);
                   }),
        onGameStep("ball-on",
                   [this] {
                       m_ballOn = openBallOn(m_game->flow().situation(), m_game->flow().game().info);
                       return new BallOnDialog(m_ballOn, m_game);
                   }),
        onGameStep("to-go",
                   [this] {
                       m_toGo = openToGo(m_game->flow().situation(), m_program.settings().league);
                       return new ToGoDialog(m_toGo, m_game);
                   }),
        onGameStep("record-time", [this] { return new RecordTimeDialog(m_recordTime, m_game); }),
        onGameStep("pick-team",
                   [this] {
                       return new PickTeamDialog("Who Kicks Off in Second Half?", "Riverton Tigers", "Lakeside Bears",
                                                 false, m_game);
                   }),
    };
}

std::vector<Step> Tour::statisticsSteps()
{
    Step showStats = dialogStep("show-stats", [this] {
        return new ShowStatsDialog(m_chosen, individualStatViews(m_chosen, m_program.settings().league),
                                   m_window.context(), ShowStatsPlace{});
    });
    showStats.hide = [] {}; // the next step turns to its returns
    return {
        {"menu-print",
         [this] {
             m_window.menuBar()->setActiveAction(m_window.fileMenu()->menuAction());
             m_window.fileMenu()->setActiveAction(menu("printMenu")->menuAction());
             press(m_window.fileMenu(), Qt::Key_Right);
         },
         [this] { closeMenus(); }},
        dialogStep("game-summary", [this] { return new GameSummaryWindow(m_seasonGame, m_window.context()); }),
        dialogStep("season-to-date",
                   [this] {
                       // The season's last game, with the season before it.
                       Game last;
                       loadGame(last, m_seasonGames.back());
                       SeasonToDate toDate(m_season.filePath(QStringLiteral("season.sch")).toStdString(),
                                           m_seasonGames.back(), m_program.settings().league);
                       auto *dialog = new SeasonToDateDialog(nullptr);
                       dialog->refresh(last, toDate.figures(last), false);
                       return dialog;
                   }),
        dialogStep("drive-summary",
                   [this] {
                       return new SummaryListWindow(SummaryListWindow::Kind::Drives, m_seasonGame, m_window.context());
                   }),
        dialogStep("scoring-summary",
                   [this] {
                       return new SummaryListWindow(SummaryListWindow::Kind::Scoring, m_seasonGame, m_window.context());
                   }),
        dialogStep("stat-files",
                   [this] {
                       auto *files = new StatFilesDialog(m_program.ui(), m_season.path(), TeamChoices::WithAllTeams);
                       files->findChild<QPushButton *>(QStringLiteral("selectAll"))->click();
                       return files;
                   }),
        showStats,
        {"show-stats-returns",
         [this] {
             m_dialog->findChild<QTabBar *>(QStringLiteral("categories"))->setCurrentIndex(5);
             m_dialog->findChild<QComboBox *>(QStringLiteral("statType"))->setCurrentIndex(2);
         },
         [this] { m_dialog.reset(); }},
        dialogStep("team-stats",
                   [this] {
                       return new TeamStatsWindow(
                           teamStatsByPeriodOverFiles(m_seasonGames, m_chosen.teamName, m_program.settings().league),
                           m_window.context(), SummaryPeriod::Game);
                   }),
        dialogStep("print-preview-drives",
                   [this] {
                       m_drivesOut = SummaryListWindow::makePrintout(SummaryListWindow::Kind::Drives, m_seasonGame,
                                                                     m_program.settings().league);
                       auto *preview = new QPrintPreviewDialog(&m_window.context().printer);
                       QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                                        [this](QPrinter *printer) { printOn(*printer, *m_drivesOut); });
                       preview->resize(800, 650);
                       return preview;
                   }),
    };
}

std::vector<Step> Tour::wallpaperSteps()
{
    const auto mode = [this](const char *action) {
        return [this, action] {
            m_window.resize(900, 700);
            m_window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        };
    };
    return {
        {"wallpaper-tile", mode("tileWallpaper"), [] {}},
        {"wallpaper-center", mode("centerWallpaper"), [] {}},
        {"wallpaper-fit", mode("fitWallpaper"), [] {}},
        {"main-window-night", [this] { night(true); }, [this] { night(m_nightFromStart); }},
    };
}

} // namespace yardmark::tour
