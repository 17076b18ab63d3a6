// Shows the main window, its menus and every dialog of the program one after
// the other and takes a picture of the whole screen at each step, so that
// their look can be checked by eye. Run under a virtual X server by
// scripts/screenshots; the settings of the user are not touched.

#include "aboutdialog.h"
#include "datepickerdialog.h"
#include "helpwindow.h"
#include "htmloptionsdialog.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"
#include "gameflow/gamerules.h"
#include "leagueoptionsdialog.h"
#include "playdialogs.h"
#include "program.h"
#include "qtuserinterface.h"
#include "records/settingsfile.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QPrintDialog>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
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
        game.homeTeam.players = {{"Adams, Jake", 7, 1, 0, 1}, {"Baker, Luis", 22, 6, 0, 1}, {"Kemp, Ray", 4, 22, 0, 1},
                                 {"Ortega, Sam", 88, 7, 0, 1}, {"Young, Tim", 9, 23, 0, 1}};
        game.homeTeam.currentQuarterback = "Adams, Jake";
        game.visitorTeam.players = {{"Moss, Dan", 54, 0, 13, 2}, {"Nash, Eli", 90, 0, 15, 2}, {"N\xfa\xf1" "ez, Jos\xe9", 24, 0, 9, 2}};
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

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(out.path());

    // A settings file of its own in a fresh start folder, so that the tour
    // starts from the defaults and leaves the user's settings alone.
    QTemporaryDir start;
    Settings defaults;
    setDefaults(defaults);
    writeSettings(std::filesystem::path(start.path().toStdString()) / kSettingsFileName, defaults);
    Program program(start.path().toStdString(), std::make_unique<SilentSoundPlayer>());
    MainWindow &window = program.mainWindow();
    window.show();

    std::unique_ptr<QDialog> dialog;
    std::unique_ptr<QMessageBox> box;
    PlayTour plays(program);
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

    const std::vector<Step> steps = {
        {"main-window", [] {}, [] {}},
        {"menu-file", openMenu(window.fileMenu()), closeMenus},
        {"menu-options", openMenu(window.optionsMenu()), closeMenus},
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
