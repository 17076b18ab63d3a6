#include "app/common/helpwindow.h"
#include "app/common/nightcolors.h"
#include "app/season/schedulecommands.h"
#include "app/setup/setupcommands.h"
#include "app/shell/htmloptionsdialog.h"
#include "app/shell/leagueoptionsdialog.h"
#include "app/shell/mainwindow.h"
#include "app/shell/startpanel.h"
#include "app/shell/wallpaperview.h"
#include "qtprint/printing.h"

#include "app/scripteduserinterface.h"
#include "records/gamefile.h"
#include "records/settingsfile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace yardmark {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(settings, ui, settingsFile()) { new SetupCommands(window, settings, ui); }

    std::filesystem::path settingsFile() const { return folder.filePath(QStringLiteral("yardmark.ini")).toStdString(); }

    QAction *action(const char *name)
    {
        QAction *found = window.findChild<QAction *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Items of a menu as the user sees them, separators as "-".
    static QStringList texts(const QMenu *menu)
    {
        QStringList list;
        for (const QAction *a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedUserInterface ui;
    MainWindow window;
};

TEST_F(MainWindowTest, HasItsTitleAndMenus)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Football Yardmark"));
    QStringList top;
    for (const QAction *a : window.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Players", "&Options", "&Help"}));
    EXPECT_EQ(texts(window.fileMenu()),
              (QStringList{"&Team", "&Game", "&Print", "-", "Printer &Setup...", "-", "E&xit"}));
    EXPECT_EQ(texts(window.optionsMenu()),
              (QStringList{"&Use Sound Effects", "&Swap Sides After Each Quarter", "&Night Colors",
                           "&Re-flow After Corrections", "-", "&League Options", "&HTML Options", "Li&ve Output...",
                           "&Colors", "&Wallpaper"}));
    EXPECT_EQ(texts(window.findChild<QMenu *>(QStringLiteral("reflowMenu"))),
              (QStringList{"&Ask Each Time", "Always &Re-flow", "Always &Keep as Recorded"}));
    EXPECT_EQ(texts(window.findChild<QMenu *>(QStringLiteral("colorsMenu"))),
              (QStringList{"&Home Color ...", "&Visitor Color ..."}));
    EXPECT_EQ(texts(window.findChild<QMenu *>(QStringLiteral("wallpaperMenu"))),
              (QStringList{"&Change ...", "-", "&Fit to Window", "&Tile in Window", "C&enter in Window"}));
    EXPECT_EQ(texts(window.helpMenu()), (QStringList{"&Contents", "&About..."}));
    EXPECT_EQ(action("exit")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(action("helpContents")->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(action("nightColors")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
}

TEST_F(MainWindowTest, LaterMenusGoBeforeOptions)
{
    window.addMenuBeforeOptions(QStringLiteral("&Statistics"));
    QStringList top;
    for (const QAction *a : window.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"&File", "&Players", "&Statistics", "&Options", "&Help"}));
}

TEST_F(MainWindowTest, SoundToggleKeepsItsCheckMarkAndClicksWhenTurnedOn)
{
    QAction *sound = action("useSoundEffects");
    EXPECT_TRUE(sound->isCheckable());
    EXPECT_TRUE(sound->isChecked());
    sound->trigger();
    EXPECT_FALSE(settings.app.soundEnabled);
    EXPECT_FALSE(sound->isChecked());
    EXPECT_TRUE(ui.sounds.empty());
    sound->trigger();
    EXPECT_TRUE(settings.app.soundEnabled);
    EXPECT_TRUE(sound->isChecked());
    EXPECT_EQ(ui.sounds, std::vector<int>{601});
}

TEST_F(MainWindowTest, SwapSidesToggles)
{
    QAction *swap = action("swapSides");
    EXPECT_TRUE(swap->isChecked());
    swap->trigger();
    EXPECT_FALSE(settings.app.swapSidesEachQuarter);
    EXPECT_FALSE(swap->isChecked());
    swap->trigger();
    EXPECT_TRUE(settings.app.swapSidesEachQuarter);
}

TEST_F(MainWindowTest, NightColorsDarkenTheProgramFromTheMenuOrAtStartAndGiveTheDayBack)
{
    const QString dayStyle = QApplication::style()->name();
    const QPalette dayPalette = QApplication::palette();
    // A small wallpaper in the middle: the corner shows the window around it.
    const auto background = [](MainWindow &w) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        auto *view = w.findChild<WallpaperView *>();
        view->setImage(picture);
        view->setMode(static_cast<int>(WallpaperMode::Center));
        view->resize(300, 200);
        QApplication::sendPostedEvents(); // the news of new colours
        return view->grab().toImage().pixelColor(1, 1).lightness();
    };
    EXPECT_EQ(background(window), 255);

    action("nightColors")->trigger();
    EXPECT_TRUE(settings.app.nightColors);
    EXPECT_TRUE(isDark(QApplication::palette()));
    EXPECT_LT(background(window), 64);
    action("nightColors")->trigger();
    EXPECT_FALSE(settings.app.nightColors);
    EXPECT_EQ(QApplication::style()->name(), dayStyle);
    EXPECT_EQ(QApplication::palette(), dayPalette);

    // Kept in the settings, they are on from the start.
    settings.app.nightColors = true;
    {
        MainWindow started(settings, ui, settingsFile());
        EXPECT_TRUE(started.findChild<QAction *>(QStringLiteral("nightColors"))->isChecked());
        EXPECT_TRUE(isDark(QApplication::palette()));
        started.findChild<QAction *>(QStringLiteral("nightColors"))->trigger();
    }
    EXPECT_EQ(QApplication::palette(), dayPalette);
}

TEST_F(MainWindowTest, WallpaperModesMoveTheSingleCheckMark)
{
    const char *names[] = {"fitWallpaper", "tileWallpaper", "centerWallpaper"};
    for (int mode : {1, 2, 0, 2}) {
        action(names[mode])->trigger();
        EXPECT_EQ(settings.app.wallpaperMode, mode);
        EXPECT_EQ(window.wallpaper().mode(), mode);
        for (int other = 0; other < 3; ++other)
            EXPECT_EQ(action(names[other])->isChecked(), other == mode) << mode << " " << other;
    }
}

TEST(MainWindowStartTest, ChecksTheStoredSwitchesAndMode)
{
    for (int mode = 0; mode < 3; ++mode) {
        Settings settings;
        settings.app.soundEnabled = false;
        settings.app.swapSidesEachQuarter = false;
        settings.app.wallpaperMode = mode;
        ScriptedUserInterface ui;
        MainWindow window(settings, ui, "unused.ini");
        const auto checked = [&](const char *name) {
            return window.findChild<QAction *>(QString::fromLatin1(name))->isChecked();
        };
        EXPECT_FALSE(checked("useSoundEffects"));
        EXPECT_FALSE(checked("swapSides"));
        EXPECT_EQ(checked("fitWallpaper"), mode == 0);
        EXPECT_EQ(checked("tileWallpaper"), mode == 1);
        EXPECT_EQ(checked("centerWallpaper"), mode == 2);
        EXPECT_TRUE(ui.sounds.empty());
    }
}

TEST_F(MainWindowTest, ChangeWallpaperAsksForABitmapAndShowsIt)
{
    QImage picture(3, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString path = folder.filePath(QStringLiteral("field.bmp"));
    ASSERT_TRUE(picture.save(path, "BMP"));

    ui.files = {std::nullopt, FileChoice{path.toStdString(), 0}};
    action("changeWallpaper")->trigger(); // cancelled
    EXPECT_EQ(settings.app.wallpaperFile, "logo.bmp");
    action("changeWallpaper")->trigger();
    EXPECT_EQ(settings.app.wallpaperFile, path.toStdString());
    EXPECT_EQ(window.wallpaper().image().size(), QSize(3, 4));
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].filters, "Bitmap Files (*.bmp)|*.bmp|");
    EXPECT_EQ(ui.fileRequests[0].defaultExtension, "bmp");
}

TEST_F(MainWindowTest, TeamColoursComeFromTheChooserAndRefreshAnOpenGame)
{
    QSignalSpy refresh(&window, &MainWindow::gameWindowRefreshRequested);
    ui.colors = {colorValue(1, 2, 3), std::nullopt, colorValue(4, 5, 6)};
    action("homeColor")->trigger();
    EXPECT_EQ(settings.app.homeColor, colorValue(1, 2, 3));
    EXPECT_EQ(refresh.count(), 0); // no game open

    window.setGameInProgress(true);
    action("visitorColor")->trigger(); // cancelled
    EXPECT_EQ(settings.app.visitorColor, colorValue(255, 0, 0));
    EXPECT_EQ(refresh.count(), 0);
    action("visitorColor")->trigger();
    EXPECT_EQ(settings.app.visitorColor, colorValue(4, 5, 6));
    EXPECT_EQ(refresh.count(), 1);
    EXPECT_EQ(ui.colorsOffered,
              (std::vector<ColorValue>{colorValue(0, 0, 255), colorValue(255, 0, 0), colorValue(255, 0, 0)}));
}

TEST_F(MainWindowTest, LeagueOptionsCommandOpensTheDialogAndRefreshesAnOpenGameAfterOk)
{
    QSignalSpy refresh(&window, &MainWindow::gameWindowRefreshRequested);
    window.setGameInProgress(true);
    const char *button = "cancel";
    window.context().setDialogRunner([&](QDialog &dialog) {
        EXPECT_NE(dynamic_cast<LeagueOptionsDialog *>(&dialog), nullptr);
        dialog.findChild<QComboBox *>(QStringLiteral("minutesPerQuarter"))->setEditText(QStringLiteral("12"));
        dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
        return dialog.result();
    });
    action("leagueOptions")->trigger();
    EXPECT_EQ(settings.league.minutesPerQuarter, 15);
    EXPECT_EQ(refresh.count(), 0);
    button = "ok";
    action("leagueOptions")->trigger();
    EXPECT_EQ(settings.league.minutesPerQuarter, 12);
    EXPECT_EQ(refresh.count(), 1);
}

TEST_F(MainWindowTest, HtmlOptionsCommandEditsTheHtmlSettings)
{
    window.context().setDialogRunner([&](QDialog &dialog) {
        EXPECT_NE(dynamic_cast<HtmlOptionsDialog *>(&dialog), nullptr);
        dialog.findChild<QComboBox *>(QStringLiteral("fontFace"))->setEditText(QStringLiteral("Variable Width"));
        dialog.findChild<QPushButton *>(QStringLiteral("ok"))->click();
        return dialog.result();
    });
    action("htmlOptions")->trigger();
    EXPECT_EQ(settings.app.html.htmlFontFace, "Variable Width");
}

TEST_F(MainWindowTest, GameInProgressIsAnnouncedOnChangeOnly)
{
    QSignalSpy changed(&window, &MainWindow::gameInProgressChanged);
    window.setGameInProgress(true);
    window.setGameInProgress(true);
    window.setGameInProgress(false);
    EXPECT_TRUE(!window.gameInProgress());
    ASSERT_EQ(changed.count(), 2);
    EXPECT_TRUE(changed.at(0).at(0).toBool());
    EXPECT_FALSE(changed.at(1).at(0).toBool());
}

TEST_F(MainWindowTest, HelpContentsOpensTheGuideAtItsContents)
{
    action("helpContents")->trigger();
    HelpWindow *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *h = dynamic_cast<HelpWindow *>(w); h && h->isVisible())
            help = h;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source(), HelpWindow::contentsUrl());
    EXPECT_FALSE(help->browser()->toPlainText().isEmpty());
    help->browser()->setSource(QUrl(QStringLiteral("qrc:/help/index.html#x")));
    action("helpContents")->trigger(); // one window, back at the contents
    EXPECT_EQ(help->browser()->source(), HelpWindow::contentsUrl());
    help->close();
}

TEST_F(MainWindowTest, ClosingWritesTheSettingsFileOnce)
{
    settings.league.timeOutsPerHalf = 5;
    window.move(30, 40);
    window.resize(500, 300);
    window.show();
    window.close();
    Settings read;
    readSettings(settingsFile(), read);
    EXPECT_EQ(read.league.timeOutsPerHalf, 5);
    EXPECT_EQ(read.app.mainWindowRect, (WindowRect{30, 40, 530, 340}));

    std::filesystem::remove(settingsFile());
    window.show();
    window.close();
    EXPECT_FALSE(std::filesystem::exists(settingsFile()));
}

TEST_F(MainWindowTest, AMaximizedWindowStoresItsLastNormalRectangle)
{
    window.move(30, 40);
    window.resize(300, 200);
    window.show();
    window.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(window.isMaximized());
    window.close();
    EXPECT_EQ(settings.app.mainWindowRect, (WindowRect{30, 40, 330, 240}));
}

TEST_F(MainWindowTest, FilesFromTheFileManagerGoToTheCommandForTheirType)
{
    QStringList opened;
    window.setFileOpener(QStringLiteral("gam"), [&](const QString &path) { opened << path; });
    window.openFile(QStringLiteral("/games/Week 1.gam"));
    window.openFile(QStringLiteral("/games/FINAL.GAM"));
    EXPECT_EQ(opened, (QStringList{"/games/Week 1.gam", "/games/FINAL.GAM"}));
    EXPECT_TRUE(ui.messages.empty());

    window.openFile(QStringLiteral("/teams/eagles.txt"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Football Yardmark cannot open this file:\n/teams/eagles.txt");
    EXPECT_EQ(ui.sounds, std::vector<int>{604});
}

// The way in: New Game, Open Game and Open Season at first start; a game
// opened once is offered again, in the panel (its teams read by a worker) and
// in File > Game > Open Recent, and one deleted since is said and taken off
// the list. A panel that goes while its worker reads is not reached.
TEST_F(MainWindowTest, TheStartPanelOffersTheWayInAndTheGamesOpenedLast)
{
    new ScheduleCommands(window, settings, ui);
    auto *panel = new StartPanel(window, ui, folder.path().toStdString(), {});
    auto *list = panel->findChild<QTreeWidget *>(QStringLiteral("recentFiles"));
    EXPECT_EQ(list->topLevelItemCount(), 0);
    panel->findChild<QPushButton *>(QStringLiteral("startOpenGame"))->click();
    panel->findChild<QPushButton *>(QStringLiteral("startOpenSeason"))->click();
    ASSERT_EQ(ui.fileRequests.size(), 2u);
    EXPECT_EQ(ui.fileRequests[0].title, "Select Game to Edit");
    EXPECT_EQ(ui.fileRequests[1].title, "Select Schedule to Edit");

    Game game = newGame();
    game.info.homeTeamName = "Tigers";
    game.info.visitorTeamName = "Bears";
    const std::string gameFile = folder.filePath(QStringLiteral("week1.gam")).toStdString();
    ASSERT_TRUE(saveGame(game, gameFile));
    emit window.fileOpened(QString::fromStdString(gameFile));
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return list->topLevelItem(0)->text(1) == QStringLiteral("Tigers Versus Bears"); }));
    EXPECT_EQ(readRecentFiles(recentFilesPath(folder.path().toStdString())).size(), 1u) << "kept for the next start";

    QStringList opened;
    window.context().setDialogRunner([&opened](QDialog &dialog) {
        opened << dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    auto *recent = window.findChild<QMenu *>(QStringLiteral("recentGames"));
    emit recent->aboutToShow();
    ASSERT_EQ(texts(recent), QStringList{QStringLiteral("&1 week1.gam")});
    recent->actions().front()->trigger();
    EXPECT_EQ(opened, QStringList{QStringLiteral("Edit Game Information")});

    // Opening it listed it anew, and the panel reads it again; on Windows a
    // file being read stays in its folder until it is closed, even deleted.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return list->topLevelItem(0)->text(1) == QStringLiteral("Tigers Versus Bears"); }));
    std::filesystem::remove(gameFile);
    recent->actions().front()->trigger();
    EXPECT_NE(ui.messages.back().text.find("not there any more"), std::string::npos);
    EXPECT_EQ(list->topLevelItemCount(), 0);

    ASSERT_TRUE(saveGame(game, gameFile));
    emit window.fileOpened(QString::fromStdString(gameFile));
    delete panel;
    QTest::qWait(100);
}

TEST(PrinterSetupTest, ChoosesThePrinterWithoutPrinting)
{
    QPrinter printer;
    const auto dialog = makePrinterSetupDialog(printer, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Printer Setup"));
#ifndef _WIN32 // Windows shows its own print dialog, with the system's buttons.
    QStringList buttons;
    for (const QPushButton *button : dialog->findChildren<QPushButton *>())
        buttons << button->text();
    EXPECT_TRUE(buttons.contains(QStringLiteral("&OK")));
    EXPECT_FALSE(buttons.contains(QStringLiteral("&Print")));
#endif
}

TEST(UsableWindowRectTest, KeepsTheWindowOnTheScreen)
{
    const QRect screen(0, 0, 1024, 768);
    struct Case {
        const char *name;
        WindowRect stored, usable;
    } cases[] = {
        {"default", {0, 0, 640, 480}, {0, 0, 640, 480}},
        {"stored elsewhere", {100, 50, 700, 450}, {100, 50, 700, 450}},
        {"partly off the right", {900, 100, 1300, 500}, {900, 100, 1300, 500}},
        {"wholly off the right", {2000, 100, 2400, 500}, {0, 0, 400, 400}},
        {"above the screen", {100, -900, 500, -500}, {0, 0, 400, 400}},
        {"too small", {10, 20, 10, 20}, {10, 20, 650, 500}},
        {"upside down", {100, 100, 50, 50}, {100, 100, 740, 580}},
        {"larger than the screen", {0, 0, 5000, 4000}, {0, 0, 1024, 768}},
        {"extreme numbers", {-2147483647, -2147483647, 2147483647, 2147483647}, {0, 0, 1024, 768}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(usableWindowRect(c.stored, screen), c.usable) << c.name;
    EXPECT_EQ(usableWindowRect({5000, 5000, 5400, 5400}, QRect()), (WindowRect{5000, 5000, 5400, 5400}));
}

} // namespace
} // namespace yardmark
