// Shows the main window, its menus and every dialog of the program one after
// the other and takes a picture of the whole screen at each step, so that
// their look can be checked by eye. Run under a virtual X server by
// scripts/screenshots; the settings of the user are not touched.

#include "aboutdialog.h"
#include "correctiondialogs.h"
#include "datepickerdialog.h"
#include "editplaywindow.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"
#include "gameflow/gamerules.h"
#include "gameinfodialog.h"
#include "gamesummarywindow.h"
#include "gamewindow.h"
#include "helpwindow.h"
#include "htmloptionsdialog.h"
#include "leagueoptionsdialog.h"
#include "liveoutputdialog.h"
#include "personalinfodialog.h"
#include "playdialogs.h"
#include "playerdialogs.h"
#include "printouts/printout.h"
#include "printrosterdialog.h"
#include "program.h"
#include "qtprint/printing.h"
#include "qtuserinterface.h"
#include "records/game.h"
#include "records/gamefile.h"
#include "records/recentfiles.h"
#include "records/recoverycopy.h"
#include "records/roster.h"
#include "records/settingsfile.h"
#include "rosterdialog.h"
#include "schedulewindow.h"
#include "showstatsdialog.h"
#include "statfilesdialog.h"
#include "summarylistwindow.h"
#include "teamdialog.h"
#include "teamstatswindow.h"
#include "vocabulary/vocabulary.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

using namespace yardmark;

namespace {

struct Step {
    QString name;
    std::function<void()> show;
    std::function<void()> hide;
};

void shoot(const QString &path)
{
    // The whole screen, menus included, as the X server shows it.
    if (QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path}) == 0)
        return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
}

template <typename T> std::function<void()> showDialog(std::unique_ptr<T> &holder, std::function<T *()> make)
{
    return [&holder, make] {
        holder.reset(make());
        holder->move(60, 60);
        holder->show();
    };
}

/// The game window's questions, unanswered: the tour only shows dialogs.
class TourInteraction : public QtUserInterface, public Interaction {
public:
    using QtUserInterface::QtUserInterface;
    TeamChoice chooseTeam(std::string_view, std::string_view, std::string_view, bool) override
    {
        return TeamChoice::Cancelled;
    }
    bool runPlayDialog(PlayKind, PlayEntryContext &) override { return false; }
    void runEditPlay(EditPlayEntry &) override {}
    bool runInsertPlay(InsertPlayForm &) override { return false; }
    bool runBallOn(BallOnForm &) override { return false; }
    bool runToGo(ToGoForm &) override { return false; }
    void runRecordTime(RecordTimeForm &) override {}
};

/// A play being entered between two teams with rosters, for the play dialogs.
struct PlayTour {
    explicit PlayTour(Program &program) : ui(program.settings().app, silent)
    {
        game = newGame();
        game.info.homeTeamName = "Cedar Creek Wolves";
        game.info.visitorTeamName = "Lakeside Bears";
        game.homeTeam.players = {{"Adams, Jake", 7, 1, 0, 1},
                                 {"Baker, Luis", 22, 6, 0, 1},
                                 {"Kemp, Ray", 4, 22, 0, 1},
                                 {"Ortega, Sam", 88, 7, 0, 1},
                                 {"Young, Tim", 9, 23, 0, 1}};
        game.homeTeam.currentQuarterback = "Adams, Jake";
        game.visitorTeam.players = {{"Moss, Dan", 54, 0, 13, 2},
                                    {"Nash, Eli", 90, 0, 15, 2},
                                    {"N\xfa\xf1"
                                     "ez, Jos\xe9",
                                     24, 0, 9, 2}};
        situation.homeHasBall = true;
        situation.down = 2;
        situation.toGo = 4;
        situation.ballSpot = FieldSpot{40, false};
        play = newPlayFromSituation(situation, FieldSpot{});
    }

    SilentSoundPlayer silent;
    TourInteraction ui;
    Game game;
    GameSituation situation;
    PlayRecord play;
    LeagueOptions league;
    PlayEntryContext context{play, situation, game, league, ui};
    std::unique_ptr<PlayEntry> entry;
};

/// A play dialog filled in as a scorer would, on a fresh play.
template <typename Entry, typename Dialog>
std::function<QDialog *()> playDialog(PlayTour &tour, std::function<void(Entry &)> fill, bool defensive = false)
{
    return [&tour, fill, defensive]() -> QDialog * {
        tour.play = newPlayFromSituation(tour.situation, FieldSpot{});
        std::unique_ptr<Entry> entry;
        if constexpr (std::is_same_v<Entry, PenaltyEntry>)
            entry = std::make_unique<Entry>(tour.context, defensive);
        else
            entry = std::make_unique<Entry>(tour.context);
        fill(*entry);
        auto *dialog = new Dialog(*entry, tour.game);
        tour.entry = std::move(entry);
        return dialog;
    };
}

PlayRecord play(PlayType type, bool home, FieldSpot from, FieldSpot to, int scale)
{
    PlayRecord p;
    p.playType = code(type);
    p.homeHasBall = home;
    p.quarter = 1;
    p.initialSpot = {from.yardLine / scale, from.homeSide};
    p.finalSpot = {to.yardLine / scale, to.homeSide};
    return p;
}

/// A second quarter with a kickoff return, a completion, an interception, a
/// loss, a punt return and a field goal; on the indoor field every spot is
/// halved.
Game sampleGame(bool indoor)
{
    const int scale = indoor ? 2 : 1;
    Game game = newGame();
    game.info.homeTeamName = "Riverton Tigers";
    game.info.visitorTeamName = "Lakeside Bears";
    game.homeTeam.name = game.info.homeTeamName;
    game.visitorTeam.name = game.info.visitorTeamName;
    PlayRecord kickoff = play(PlayType::KickOff, false, {35, false}, {28, true}, scale);
    kickoff.receivedAt = {5 / scale, true};
    kickoff.kickResult = code(KickResult::Runback);
    PlayRecord pass = play(PlayType::Pass, true, {35, true}, {45, false}, scale);
    pass.passResult = code(PassResult::Completion);
    PlayRecord interception = play(PlayType::Pass, true, {45, false}, {35, false}, scale);
    interception.passResult = code(PassResult::Interception);
    interception.turnover = code(TurnoverKind::Interception);
    interception.receivedAt = {20 / scale, false};
    PlayRecord punt = play(PlayType::Punt, false, {32, false}, {38, true}, scale);
    punt.receivedAt = {30 / scale, true};
    punt.kickResult = code(KickResult::Runback);
    PlayRecord fieldGoal = play(PlayType::FieldGoal, true, {22, false}, {22, false}, scale);
    fieldGoal.kickResult = code(KickResult::FieldGoalGood);
    fieldGoal.scoreType = code(ScoreType::FieldGoal);
    game.plays = {kickoff,
                  play(PlayType::Rush, true, {28, true}, {35, true}, scale),
                  pass,
                  interception,
                  play(PlayType::Rush, false, {35, false}, {32, false}, scale),
                  punt,
                  play(PlayType::Rush, true, {38, true}, {40, false}, scale),
                  play(PlayType::Rush, true, {40, false}, {22, false}, scale),
                  fieldGoal};
    // Downs and distances as recording left them, so that every play follows
    // from the one before it (the indoor field's halved spots gain less).
    struct Downs {
        int downBefore, toGoBefore, downAfter, toGoAfter;
    };
    constexpr Downs outdoor[] = {{0, 10, 0, 10}, {0, 10, 1, 3},  {1, 3, 0, 10},  {0, 10, 0, 10}, {0, 10, 1, 13},
                                 {1, 13, 1, 13}, {0, 10, 0, 10}, {0, 10, 0, 10}, {0, 10, 0, 10}};
    constexpr Downs indoors[] = {{0, 10, 0, 10}, {0, 10, 1, 7},  {1, 7, 0, 10}, {0, 10, 0, 10}, {0, 10, 1, 11},
                                 {1, 11, 1, 11}, {0, 10, 0, 10}, {0, 10, 1, 1}, {1, 1, 1, 1}};
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        const Downs &d = (indoor ? indoors : outdoor)[i];
        PlayRecord &p = game.plays[i];
        std::tie(p.downBefore, p.toGoBefore, p.downAfter, p.toGoAfter) =
            std::tie(d.downBefore, d.toGoBefore, d.downAfter, d.toGoAfter);
        if (p.playType == code(PlayType::Rush) || p.playType == code(PlayType::Pass))
            p.firstDown = code(d.downAfter == 0 && !p.turnover ? FirstDownKind::FirstDown : FirstDownKind::NoFirstDown);
    }
    game.homeScore = 3;
    game.savedQuarter = 1;
    game.kickoffPending = true;
    game.savedBallSpot = {35 / scale, true};
    game.isNewGame = false;
    return game;
}

// A team as a scorer keeps it: staff, current players and contact details.
Team sampleTeam(const char *name, const char *coach, bool home)
{
    Team team;
    team.rosterOnly = false;
    team.name = name;
    team.coach = coach;
    team.assistant = home ? "Buddy Ryan" : "Dick LeBeau";
    const PlayerRecord players[] = {
        {home ? "Jim McMahon" : "Lynn Dickey", 9, 1, 0, 3},
        {home ? "Walter Payton" : "Eddie Lee Ivery", 34, 6, 0, 1},
        {home ? "Mike Singletary" : "John Anderson", 50, 0, 13, 2},
        {home ? "Kevin Butler" : "Al Del Greco", 6, 3, 0, 0},
        {home ? "Willie Gault" : "James Lofton", 83, 20, 0, 1},
        {home ? "Richard Dent" : "Ezra Johnson", 95, 0, 22, 2},
        {home ? "Dave Finzer" : "Bucky Scribner", -1, 4, 0, 0},
    };
    int n = 0;
    for (const PlayerRecord &player : players) {
        PersonalInfo info = newPersonalInfo();
        info.phone = "312-555-01" + std::to_string(10 + n);
        info.address = std::to_string(100 + 7 * n) + " Lake Shore Dr";
        info.city = home ? "Chicago" : "Green Bay";
        info.state = home ? "IL" : "WI";
        info.zip = home ? "60611" : "54304";
        info.birthMonth = static_cast<std::uint8_t>(1 + n);
        info.birthDay = static_cast<std::uint8_t>(3 + 2 * n);
        info.birthYear = 1958 + n;
        info.email = "player" + std::to_string(n) + "@example.com";
        ++n;
        addPlayer(team, player, info);
    }
    sortRoster(team, RosterSortKey::Name);
    team.currentQuarterback = players[0].name;
    team.currentKicker = team.currentFieldGoalKicker = players[3].name;
    team.currentPunter = players[6].name;
    return team;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Absolute: a step may show a window from another working directory.
    const QDir out(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots")).absolutePath());
    QDir().mkpath(out.path());

    // A settings file of its own in a fresh start folder, so that the tour
    // starts from the defaults and leaves the user's settings alone.
    QTemporaryDir start;
    // The same for the per-user state (recent files, recovery copies); the
    // start panel lists two games of the season given, as after a week's use.
    qputenv("XDG_STATE_HOME", QFile::encodeName(start.filePath(QStringLiteral("state"))));
    if (argc > 2) {
        std::vector<RecentFile> recent;
        const QDir games(QString::fromLocal8Bit(argv[2]));
        const QStringList names = games.entryList({QStringLiteral("*.gam")}, QDir::Files, QDir::Name);
        const std::int64_t week = 7 * 24 * 3600;
        const std::int64_t now = QDateTime::currentSecsSinceEpoch();
        noteRecentFile(recent, RecentKind::Schedule, games.filePath(QStringLiteral("season.sch")).toStdString(),
                       now - 2 * week);
        for (int i = 0; i < 2 && i < names.size(); ++i)
            noteRecentFile(recent, RecentKind::Game, games.filePath(names[i]).toStdString(), now - (1 - i) * week);
        writeRecentFiles(recentFilesPath(defaultStateDir()), recent);
    }
    Settings defaults;
    setDefaults(defaults);
    writeSettings(std::filesystem::path(start.path().toStdString()) / kSettingsFileName, defaults);
    Program program(start.path().toStdString(), std::make_unique<SilentSoundPlayer>());
    MainWindow &window = program.mainWindow();
    window.show();

    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<QMessageBox> box;
    PlayTour plays(program);
    QPointer<GameWindow> game;
    EditPlayEntry *editPlay = nullptr;
    BallOnForm ballOn;
    ToGoForm toGo;
    RecordTimeForm recordTime{"11", "42", "Bears punt 42 yards to the Tigers 18, fair catch by #22 Baker",
                              "Clock at the change of possession, minutes and seconds left in the 2nd Q. Leave both "
                              "empty when the time was not taken."};
    InsertPlayForm insertPlay;
    const auto openGame = [&](bool indoor, bool homeOnLeft) {
        return [&, indoor, homeOnLeft] {
            program.settings().league.indoorField = indoor;
            program.settings().league.midfieldYardLine = midfieldFor(indoor);
            window.session().setCurrentGame(sampleGame(indoor));
            game = new GameWindow(window, program.settings(), program.sounds(), programPlayDialogs());
            game->move(20, 20);
            game->resize(game->sizeHint().expandedTo(QSize(980, 0)));
            game->start();
            if (!homeOnLeft)
                game->flow().swapSides();
        };
    };
    const auto closeGame = [&] {
        program.settings().league.indoorField = false;
        program.settings().league.midfieldYardLine = midfieldFor(false);
        delete editPlay;
        editPlay = nullptr;
        dialog.reset();
        if (game) {
            game->interaction().setMessageRunner(
                [](std::string_view, std::string_view, MessageButtons) { return MessageAnswer::No; });
            game->close();
        }
    };
    const auto onGame = [&](std::function<QDialog *()> make) {
        return [&, make] {
            openGame(false, true)();
            dialog.reset(make());
            dialog->move(160, 120);
            dialog->show();
        };
    };
    QMenu *wallpaperMenu = window.findChild<QMenu *>(QStringLiteral("wallpaperMenu"));
    const auto openMenu = [&window](QMenu *menu) {
        return [&window, menu] { window.menuBar()->setActiveAction(menu->menuAction()); };
    };
    const auto closeMenus = [&window] {
        for (QMenu *menu : window.findChildren<QMenu *>())
            menu->hide();
        window.menuBar()->setActiveAction(nullptr);
    };
    const auto setMode = [&window](const char *action) {
        return [&window, action] {
            window.resize(900, 700);
            window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        };
    };

    Team bears = sampleTeam("Bears", "Mike Ditka", true);
    Game setupGame = newGame();
    copyTeamForGame(bears, setupGame.homeTeam);
    copyTeamForGame(sampleTeam("Packers", "Forrest Gregg", false), setupGame.visitorTeam);
    setupGame.info.homeTeamName = "Bears";
    setupGame.info.visitorTeamName = "Packers";
    setupGame.info.fieldName = "Soldier Field";
    setupGame.info.referee = "Jerry Markbreit";
    setupGame.isNewGame = false;
    const DialogContext context{program.ui(), program.settings().app.html, window.printer(),
                                [](QDialog &d) { return d.exec(); }};
    const auto openFileSubmenu = [&window](const char *name) {
        return [&window, name] {
            QMenu *sub = window.findChild<QMenu *>(QString::fromLatin1(name));
            window.menuBar()->setActiveAction(window.fileMenu()->menuAction());
            window.fileMenu()->setActiveAction(sub->menuAction());
            press(window.fileMenu(), Qt::Key_Right);
        };
    };
    // A season recorded by the simulator (scripts/screenshots makes one) gives
    // the statistics windows real games to show.
    const QDir season(argc > 2 ? QDir(QString::fromLocal8Bit(argv[2])).absolutePath() : QString());
    std::vector<std::string> seasonGames;
    for (const QString &name : season.entryList({QStringLiteral("*.gam")}, QDir::Files, QDir::Name))
        seasonGames.push_back(season.filePath(name).toStdString());
    Game seasonGame;
    loadGame(seasonGame, seasonGames.empty() ? std::string() : seasonGames.front());
    const Game &shown = seasonGame;
    const StatsContext stats{program.settings(), program.ui(), window.printer(), {}};
    Stat chosen;
    chosen.gamePaths = seasonGames;
    chosen.teamName = shown.info.homeTeamName;
    // The season's schedule, with next week's game still to be played.
    ScheduleEditor schedule;
    std::set<std::string> missingGames;
    loadSchedule(season.filePath(QStringLiteral("season.sch")).toStdString(), schedule.schedule);
    if (!schedule.schedule.entries.empty()) {
        ScheduleEntry tonight = schedule.schedule.entries.back();
        tonight.gameFile.clear();
        std::swap(tonight.homeTeamName, tonight.visitorTeamName);
        std::swap(tonight.homeTeamFile, tonight.visitorTeamFile);
        tonight.field = tonight.homeTeamName.substr(0, tonight.homeTeamName.rfind(' ')) + " Stadium";
        tonight.day = static_cast<std::uint8_t>(std::min(tonight.day + 7, 28));
        tonight.note = "Tonight's game: bring the spare pencils";
        schedule.schedule.append(tonight);
        selectScheduleEntry(schedule, schedule.schedule.count() - 1);
    }
    const QString startDirectory = QDir::currentPath();
    QMenu *statisticsMenu = window.findChild<QMenu *>(QStringLiteral("statisticsMenu"));
    QMenu *printMenu = window.findChild<QMenu *>(QStringLiteral("printMenu"));
    std::unique_ptr<Printout> drivesOut;

    const std::vector<Step> steps = {
        {"main-window", [] {}, [] {}},
        {"menu-file", openMenu(window.fileMenu()), closeMenus},
        {"menu-file-schedule", openFileSubmenu("scheduleMenu"), closeMenus},
        {"schedule",
         showDialog<QDialog>(dialog,
                             [&] {
                                 // The season's files are named from its folder.
                                 QDir::setCurrent(season.path());
                                 return new ScheduleWindow(schedule, stats, missingGames);
                             }),
         [&] {
             dialog.reset();
             QDir::setCurrent(startDirectory);
         }},
        {"menu-file-team", openFileSubmenu("teamMenu"), closeMenus},
        {"menu-file-game", openFileSubmenu("gameMenu"), closeMenus},
        {"menu-file-print", openFileSubmenu("printMenu"), closeMenus},
        {"menu-players",
         [&] {
             window.setGameInProgress(true);
             openMenu(window.findChild<QMenu *>(QStringLiteral("playersMenu")))();
         },
         [&] {
             closeMenus();
             window.setGameInProgress(false);
         }},
        {"menu-options", openMenu(window.optionsMenu()), closeMenus},
        {"edit-game-information", showDialog<QDialog>(dialog, [&] { return new GameInfoDialog(setupGame, context); }),
         [&] { dialog.reset(); }},
        {"edit-team", showDialog<QDialog>(dialog, [&] { return new TeamDialog(bears, context); }),
         [&] { dialog.reset(); }},
        {"edit-roster",
         showDialog<QDialog>(dialog,
                             [&] {
                                 auto *roster = new RosterDialog(bears, context);
                                 auto *list = roster->findChild<QTreeWidget *>(QStringLiteral("currentRoster"));
                                 list->setCurrentItem(list->topLevelItem(2));
                                 return roster;
                             }),
         [&] { dialog.reset(); }},
        {"personal-info",
         showDialog<QDialog>(dialog,
                             [&] {
                                 auto *info = new PersonalInfoDialog(bears, context);
                                 auto *list = info->findChild<QTreeWidget *>(QStringLiteral("addressList"));
                                 list->setCurrentItem(list->topLevelItem(1));
                                 return info;
                             }),
         [&] { dialog.reset(); }},
        {"add-player", showDialog<QDialog>(dialog, [&] { return new AddPlayerDialog(setupGame, program.ui()); }),
         [&] { dialog.reset(); }},
        {"modify-player", showDialog<QDialog>(dialog, [&] { return new ModifyPlayerDialog(setupGame, program.ui()); }),
         [&] { dialog.reset(); }},
        {"print-starters",
         showDialog<QDialog>(dialog,
                             [&] {
                                 return new PrintRosterDialog(true, &setupGame.info.homeTeamName, &setupGame.info.visitorTeamName,
                                                              program.ui());
                             }),
         [&] { dialog.reset(); }},
        {"menu-wallpaper",
         [&] {
             window.menuBar()->setActiveAction(window.optionsMenu()->menuAction());
             window.optionsMenu()->setActiveAction(wallpaperMenu->menuAction());
             press(window.optionsMenu(), Qt::Key_Right);
         },
         closeMenus},
        {"menu-help", openMenu(window.helpMenu()), closeMenus},
        {"league-options",
         showDialog<QDialog>(dialog, [&] { return new LeagueOptionsDialog(program.settings().league, program.ui()); }),
         [&] { dialog.reset(); }},
        {"html-options",
         showDialog<QDialog>(
             dialog,
             [&] { return new HtmlOptionsDialog(program.settings().app.html, program.ui(), installedFontFaces()); }),
         [&] { dialog.reset(); }},
        {"live-output", showDialog<QDialog>(dialog,
                                            [&] {
                                                static LiveOutputSettings sample{"/srv/www/football/live",
                                                                                 "Homecoming: Riverton at Ironwood"};
                                                return new LiveOutputDialog(sample, program.ui());
                                            }),
         [&] { dialog.reset(); }},
        {"about", showDialog<QDialog>(dialog, [] { return new AboutDialog; }), [&] { dialog.reset(); }},
        {"date-picker",
         showDialog<QDialog>(dialog, [&] { return new DatePickerDialog(QDate(2026, 9, 12), program.ui()); }),
         [&] { dialog.reset(); }},
        {"color-chooser",
         showDialog<QDialog>(dialog,
                             [] {
                                 prepareCustomColors();
                                 auto *chooser = new QColorDialog(Qt::blue);
                                 chooser->setOption(QColorDialog::DontUseNativeDialog);
                                 return chooser;
                             }),
         [&] { dialog.reset(); }},
        {"printer-setup",
         showDialog<QDialog>(dialog, [&] { return makePrinterSetupDialog(window.printer(), nullptr).release(); }),
         [&] { dialog.reset(); }},
        {"message-box",
         [&] {
             box = makeMessageBox("This file already exists.  Would you like to append to it?", "/home/coach/week1.htm",
                                  MessageButtons::YesNo, MessageIcon::Question, &window);
             box->show();
         },
         [&] { box.reset(); }},
        {"help", [&] { HelpWindow::showContents(&window)->move(40, 40); },
         [] {
             for (QWidget *w : QApplication::topLevelWidgets()) {
                 if (dynamic_cast<HelpWindow *>(w))
                     w->close();
             }
         }},
        {"play-rush", showDialog<QDialog>(dialog, playDialog<RushEntry, RushClass>(plays, [](RushEntry &e) {
             e.typePlayerNumber(RushEntry::Rusher, "22");
             e.setYardsMade("7");
             e.typePlayerNumber(RushEntry::Tackler, "54");
         })),
         [&] { dialog.reset(); }},
        {"play-pass", showDialog<QDialog>(dialog, playDialog<PassEntry, PassClass>(plays, [](PassEntry &e) {
             e.typePlayerNumber(PassEntry::Receiver, "88");
             e.setYardsMade("15");
             e.setRecoveredBy(false);
             e.typeRecovererNumber("24");
         })),
         [&] { dialog.reset(); }},
        {"play-kickoff", showDialog<QDialog>(dialog, playDialog<KickOffEntry, KickOffClass>(plays, [](KickOffEntry &e) {
             e.chooseResult(KickOffResult::Returned);
             e.typePlayerNumber(KickOffEntry::Kicker, "4");
             e.setKickedTo(SpotEntry{false, "5"});
             e.typePlayerNumber(KickOffEntry::Returner, "24");
             e.setFinalSpot(SpotEntry{false, "31"});
         })),
         [&] { dialog.reset(); }},
        {"play-punt", showDialog<QDialog>(dialog, playDialog<PuntEntry, PuntClass>(plays, [](PuntEntry &e) {
             e.typePlayerNumber(PuntEntry::Punter, "9");
             e.chooseResult(PuntResult::FairCatch);
             e.setPuntedTo(SpotEntry{false, "12"});
         })),
         [&] { dialog.reset(); }},
        {"play-fieldgoal", showDialog<QDialog>(dialog, playDialog<FieldGoalEntry, FieldGoalClass>(plays, [](FieldGoalEntry &e) {
             e.typePlayerNumber(FieldGoalEntry::Kicker, "4");
             e.chooseResult(FieldGoalResult::WideLeft);
         })),
         [&] { dialog.reset(); }},
        {"play-offensive-penalty",
         showDialog<QDialog>(dialog, playDialog<PenaltyEntry, OffensivePenaltyClass>(plays, [](PenaltyEntry &e) {
             e.choosePenalty(13);
             e.typePlayerNumber(PenaltyEntry::PenaltyOn, "88");
         })),
         [&] { dialog.reset(); }},
        {"play-defensive-penalty",
         showDialog<QDialog>(dialog, playDialog<PenaltyEntry, DefensivePenaltyClass>(
                                         plays, [](PenaltyEntry &e) { e.choosePenalty(7); }, true)),
         [&] { dialog.reset(); }},
        {"game-window", openGame(false, true), closeGame},
        {"game-window-home-right", openGame(false, false), closeGame},
        // A play that does not follow: the Tigers' rush snapped three yards
        // beyond where the punt return ended, marked in the play list.
        {"game-window-break",
         [&] {
             openGame(false, true)();
             Game broken = sampleGame(false);
             broken.plays[6].initialSpot.yardLine += 3;
             game->flow().game().plays = broken.plays;
             game->flow().swapSides(); // any command shows the play list again
             game->flow().swapSides();
             game->findChild<QListWidget *>(QStringLiteral("playList"))->setCurrentRow(6);
         },
         closeGame},
        {"game-window-indoor", openGame(true, true), closeGame},
        {"game-popup-menu",
         [&] {
             openGame(false, true)();
             game->makePopupMenu()->popup(game->mapToGlobal(QPoint(300, 300)));
         },
         closeGame},
        {"edit-play", onGame([&] {
             editPlay = new EditPlayEntry(game->flow().game().plays[3], game->flow().game(),
                                          program.settings().league, game->interaction());
             return new EditPlayWindow(*editPlay, game->flow().game(), game);
         }),
         closeGame},
        {"insert-play", onGame([&] {
             return new InsertPlayDialog(insertPlay, [&](InsertKind k) { return game->interaction().offers(k); },
                                         game);
         }),
         closeGame},
        {"ball-on", onGame([&] {
             ballOn = openBallOn(game->flow().situation(), game->flow().game().info);
             return new BallOnDialog(ballOn, game);
         }),
         closeGame},
        {"to-go", onGame([&] {
             toGo = openToGo(game->flow().situation(), program.settings().league);
             return new ToGoDialog(toGo, game);
         }),
         closeGame},
        {"record-time", onGame([&] { return new RecordTimeDialog(recordTime, game); }), closeGame},
        {"pick-team", onGame([&] {
             return new PickTeamDialog("Who Kicks Off in Second Half?", "Riverton Tigers", "Lakeside Bears", false,
                                       game);
         }),
         closeGame},
        {"menu-statistics", openMenu(statisticsMenu), closeMenus},
        {"menu-print",
         [&] {
             window.menuBar()->setActiveAction(window.fileMenu()->menuAction());
             window.fileMenu()->setActiveAction(printMenu->menuAction());
             press(window.fileMenu(), Qt::Key_Right);
         },
         closeMenus},
        {"game-summary", showDialog<QDialog>(dialog, [&] { return new GameSummaryWindow(shown, stats); }),
         [&] { dialog.reset(); }},
        {"drive-summary",
         showDialog<QDialog>(dialog,
                             [&] { return new SummaryListWindow(SummaryListWindow::Kind::Drives, shown, stats); }),
         [&] { dialog.reset(); }},
        {"scoring-summary",
         showDialog<QDialog>(dialog,
                             [&] { return new SummaryListWindow(SummaryListWindow::Kind::Scoring, shown, stats); }),
         [&] { dialog.reset(); }},
        {"stat-files",
         showDialog<QDialog>(dialog,
                             [&] {
                                 auto *files = new StatFilesDialog(program.ui(), season.path(), TeamChoices::WithAllTeams);
                                 files->findChild<QPushButton *>(QStringLiteral("selectAll"))->click();
                                 return files;
                             }),
         [&] { dialog.reset(); }},
        {"show-stats",
         showDialog<QDialog>(dialog,
                             [&] {
                                 return new ShowStatsDialog(chosen,
                                                            individualStatViews(chosen, program.settings().league),
                                                            stats, ShowStatsPlace{});
                             }),
         [] {}},
        {"show-stats-returns",
         [&] {
             dialog->findChild<QTabBar *>(QStringLiteral("categories"))->setCurrentIndex(5);
             dialog->findChild<QComboBox *>(QStringLiteral("statType"))->setCurrentIndex(2);
         },
         [&] { dialog.reset(); }},
        {"team-stats",
         showDialog<QDialog>(dialog,
                             [&] {
                                 return new TeamStatsWindow(
                                     teamStatsByPeriodOverFiles(seasonGames, chosen.teamName,
                                                                program.settings().league),
                                     stats, SummaryPeriod::Game);
                             }),
         [&] { dialog.reset(); }},
        {"print-preview-drives",
         showDialog<QDialog>(dialog,
                             [&] {
                                 drivesOut = SummaryListWindow::makePrintout(SummaryListWindow::Kind::Drives, shown,
                                                                             program.settings().league);
                                 auto *preview = new QPrintPreviewDialog(&window.printer());
                                 QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                                                  [&](QPrinter *printer) { printOn(*printer, *drivesOut); });
                                 preview->resize(800, 650);
                                 return preview;
                             }),
         [&] { dialog.reset(); }},
        {"wallpaper-tile", setMode("tileWallpaper"), [] {}},
        {"wallpaper-center", setMode("centerWallpaper"), [] {}},
        {"wallpaper-fit", setMode("fitWallpaper"), [] {}},
    };

    std::size_t next = 0;
    QTimer timer;
    timer.setInterval(700);
    // Each tick photographs the step shown at the last tick, then shows the next.
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (next > 0) {
            shoot(out.filePath(steps[next - 1].name + QStringLiteral(".png")));
            steps[next - 1].hide();
        }
        if (next == steps.size()) {
            window.close();
            QApplication::quit();
            return;
        }
        steps[next++].show();
    });
    timer.start();
    return QApplication::exec();
}
