#include "app/common/nightcolors.h"
#include "app/game/fieldview.h"
#include "app/game/gamewindow.h"
#include "app/game/quickentrybar.h"
#include "app/setup/setupcommands.h"
#include "app/shell/mainwindow.h"
#include "session/recoveryoffer.h"

#include "app/scripteduserinterface.h"
#include "cli/cli.h"
#include "records/game.h"
#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "script/scriptrunner.h"
#include "support/userfolders.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace yardmark {
namespace {

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

/// Runs yardmark-cli in this process and returns what it printed.
std::string cliOutput(std::vector<std::string> args)
{
    args.insert(args.begin(), "yardmark-cli");
    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli(static_cast<int>(argv.size()), argv.data(), out, err);
    EXPECT_EQ(code, 0) << err.str();
    return out.str();
}

void click(QWidget &window, const char *name)
{
    auto *button = window.findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isVisibleTo(button->window())) << name;
    // Near the left edge: a radio button takes clicks on its circle and caption only.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void typeInto(QWidget &window, const char *name, const char *text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(name));
    ASSERT_NE(edit, nullptr) << name;
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
    emit edit->editingFinished(); // the scorer leaves the field
}

QString lcd(QWidget &window, const char *name)
{
    const auto *display = window.findChild<QLCDNumber *>(QString::fromLatin1(name));
    return display ? QString::number(display->intValue()) : QString();
}

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest()
    {
        // The game window notes the game it has open in the state folder.
        qputenv(testing::kStateHomeVariable, folder.path().toLocal8Bit());
        setDefaults(settings);
        settings.app.soundEnabled = true;
        Game game = newGame();
        game.info.homeTeamName = "Tigers";
        game.info.visitorTeamName = "Bears";
        EXPECT_TRUE(saveGame(game, path("start.gam")));
        // The window plays the game as the scorer opened it from its file.
        Game opened = newGame();
        EXPECT_TRUE(loadGame(opened, path("start.gam")));
        opened.fileName = path("window.gam");
        main.session().setCurrentGame(opened);
        addGameCommands(main, settings, sounds);
    }

    std::string path(const char *name) const
    {
        return QDir::toNativeSeparators(folder.filePath(QString::fromLatin1(name))).toStdString();
    }

    /// A window started with the visitors kicking off for a touchback (the
    /// clock of the kickoff left empty).
    GameWindow *openAfterATouchback()
    {
        GameWindow *window = open();
        steps.push_back([](QDialog &d) {
            click(d, "visitor");
            click(d, "ok");
        });
        plays.push_back(Json::parse(R"({"kicker":"9","result":"touchback"})"));
        steps.push_back([](QDialog &d) { QTest::keyClick(&d, Qt::Key_Return); });
        window->start();
        return window;
    }

    /// A window whose dialogs are answered by `steps` and whose play dialogs
    /// are filled from `plays` exactly as a scoring script fills them.
    GameWindow *open(bool withPlayDialogs = true)
    {
        PlayDialogs dialogs = programPlayDialogs();
        dialogs.offers = [](PlayKind) { return false; };
        if (withPlayDialogs) {
            dialogs.offers = [](PlayKind) { return true; };
            dialogs.run = [this](PlayKind kind, PlayEntryContext &context, const AppContext &, QWidget *) {
                if (plays.empty()) {
                    ADD_FAILURE() << "unscripted play dialog";
                    return false;
                }
                const Json fields = plays.front();
                plays.pop_front();
                return runScriptedPlayDialog(kind, context, fields, false);
            };
        }
        auto *window = new GameWindow(main, settings, sounds, dialogs);
        main.context().setDialogRunner([this](QDialog &dialog) {
            if (steps.empty()) {
                ADD_FAILURE() << "unscripted dialog " << dialog.windowTitle().toStdString();
                return int(QDialog::Rejected);
            }
            const auto step = std::move(steps.front());
            steps.pop_front();
            dialog.show();
            QApplication::sendPostedEvents(); // lay the dialog out before clicking into it
            step(dialog);
            dialog.hide();
            return dialog.result();
        });
        window->interaction().setMessageRunner(
            [this](std::string_view text, std::string_view caption, MessageButtons buttons) {
                asked.push_back(std::string(caption) + ": " + std::string(text));
                if (buttons == MessageButtons::Ok)
                    return MessageAnswer::Ok;
                if (answers.empty()) {
                    ADD_FAILURE() << "unscripted question " << text;
                    return MessageAnswer::Cancel;
                }
                const MessageAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            });
        return window;
    }

    QTemporaryDir folder;
    Settings settings;
    ScriptedUserInterface mainUi;
    std::vector<int> played;
    RecordingSoundPlayer sounds{played};
    MainWindow main{settings, mainUi, path("yardmark.ini")};
    SetupCommands *commands = new SetupCommands(main, settings, mainUi);
    std::deque<std::function<void(QDialog &)>> steps;
    std::deque<Json> plays;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> asked;
};

TEST_F(GameWindowTest, ScoresAGameAsTheScriptRecordsIt)
{
    const Json kickoff = Json::parse(R"({"kicker":"9","result":"returned","returner":"22",
        "kicked_to":{"side":"home","yard":"5"},"final_spot":{"side":"home","yard":"28"}})");
    const Json rush = Json::parse(R"({"quarterback":"7","rusher":"22","rush_type":2,"yards_made":"6"})");
    const std::vector<std::string> script = {
        R"({"op":"open","answers":["visitor"],"kickoff":)" + kickoff.dump() +
            R"(,"time":{"minutes":"15","seconds":"00"}})",
        R"({"op":"rush","fields":)" + rush.dump() + "}",
        "r 22 3",
        R"({"op":"timeout","side":"left"})",
        R"({"op":"edit","index":1,"fields":{"minutes":"14","seconds":"10"}})",
        R"({"op":"ball_on","fields":{"side":"visitor","yard":"40"}})",
        R"({"op":"to_go","fields":{"value":"7"}})",
        R"({"op":"swap_sides"})",
        R"({"op":"quit","answers":["yes"]})",
    };
    {
        std::ofstream out(path("script.jsonl"));
        for (const std::string &line : script)
            out << line << '\n';
    }

    QAction *printPlayByPlay = main.findChild<QAction *>(QStringLiteral("printPlayByPlay"));
    EXPECT_FALSE(printPlayByPlay->isEnabled());
    GameWindow *window = open();
    EXPECT_TRUE(printPlayByPlay->isEnabled()); // File > Print > Play By Play follows the game
    // The opening: the Bears kick off, and the clock of the kickoff is asked.
    steps.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Who Kicks Off in First Half?"));
        click(d, "visitor");
        click(d, "ok");
    });
    plays.push_back(kickoff);
    steps.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Record Time"));
        typeInto(d, "minutes", "15");
        typeInto(d, "seconds", "00");
        QTest::keyClick(&d, Qt::Key_Return);
    });
    window->start();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tigers Versus Bears"));
    EXPECT_TRUE(main.gameInProgress());
    EXPECT_EQ(main.session().engine(), &window->flow());

    plays.push_back(rush);
    click(*window, "rush");
    // The next rush typed on the quick-entry line, filled in as the script fills it.
    auto *quick = window->findChild<QLineEdit *>(QStringLiteral("quickEntry"));
    QTest::keyClicks(quick, QStringLiteral("r 22 3"));
    QTest::keyClick(quick, Qt::Key_Return);
    click(*window, "leftTimeOut");
    auto *list = window->findChild<QListWidget *>(QStringLiteral("playList"));
    ASSERT_EQ(list->count(), 4);
    list->setCurrentRow(1);
    steps.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Edit Play"));
        typeInto(d, "minutes", "14");
        typeInto(d, "seconds", "10");
        click(d, "ok");
    });
    click(*window, "editPlay");
    steps.push_back([](QDialog &d) {
        typeInto(d, "yardLine", "40");
        click(d, "visitor");
        click(d, "ok");
    });
    click(*window, "ballOn");
    steps.push_back([](QDialog &d) {
        typeInto(d, "toGo", "7");
        click(d, "ok");
    });
    click(*window, "toGo");

    auto *field = window->findChild<FieldView *>(QStringLiteral("field"));
    field->setFixedSize(726, 338);
    window->resize(window->sizeHint());
    QApplication::processEvents();
    const QImage windowField = field->grab().toImage().convertToFormat(QImage::Format_RGB32);

    click(*window, "swapSides");
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("leftTeamName"))->text(), QStringLiteral("Bears"));
    EXPECT_EQ(lcd(*window, "rightTimeOutsLeft"), QStringLiteral("2"));
    EXPECT_EQ(lcd(*window, "ballOnDigits"), QStringLiteral("40"));
    EXPECT_EQ(lcd(*window, "toGoDigits"), QStringLiteral("7"));
    EXPECT_EQ(lcd(*window, "down"), QStringLiteral("3"));
    EXPECT_EQ(window->findChild<QLCDNumber *>(QStringLiteral("down"))->accessibleName(), QStringLiteral("Down 3"));
    EXPECT_TRUE(window->findChild<QWidget *>(QStringLiteral("rightBall"))->isVisible()); // the Tigers' ball
    EXPECT_NE(std::find(played.begin(), played.end(), kTimeOutSound), played.end());

    QMenu *menu = window->makePopupMenu();
    QStringList items;
    for (const QAction *a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    delete menu;
    EXPECT_EQ(items.join(QLatin1Char('|')).toStdString(),
              "Print &Play By Play|Printer &Setup ...|-|&Check Game ...|Season &to Date ...|E&xport Play By Play ...");

    QTest::keyClick(window, Qt::Key_Escape); // the window closes only through Quit Game
    EXPECT_TRUE(window->isVisible());
    answers.push_back(MessageAnswer::Yes);
    click(*window, "quitGame");
    EXPECT_EQ(asked.back(), "Save Game?: Save changes to game?");
    EXPECT_FALSE(main.gameInProgress());
    EXPECT_EQ(main.session().engine(), nullptr);
    const QPointer<GameWindow> closed(window);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(main.session().currentGame(), nullptr);
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(plays.empty());

    // The scoring script of the same game saves the same file, and its chart
    // is the picture the window showed.
    cliOutput({"record", path("start.gam"), path("script.jsonl"), "-o", path("script.gam")});
    EXPECT_EQ(cliOutput({"show", path("window.gam")}), cliOutput({"show", path("script.gam")}));
    EXPECT_TRUE(fileBytes(path("window.gam")) == fileBytes(path("script.gam")));
    cliOutput({"chart", path("script.gam"), "-o", path("chart.png")});
    const QImage cliField = QImage(QString::fromStdString(path("chart.png"))).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(cliField.size(), windowField.size());
    EXPECT_TRUE(cliField == windowField);
}

TEST_F(GameWindowTest, StartGameOpensTheGameWindow)
{
    // Nobody kicks off yet: the question is closed.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    ASSERT_TRUE(main.session().start(*main.session().currentGame()));
    auto *window = main.findChild<GameWindow *>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(main.session().engine(), &window->flow());
    window->interaction().setMessageRunner([](auto, auto, auto) { return MessageAnswer::No; });
    window->close();
    EXPECT_FALSE(main.gameInProgress());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(GameWindowTest, AtNightTheTeamNamesStillReadAndTheFieldIsDimmed)
{
    GameWindow *window = openAfterATouchback();
    window->resize(900, 700);
    auto *home = window->findChild<QLabel *>(QStringLiteral("leftTeamName"));
    auto *field = window->findChild<QWidget *>(QStringLiteral("field"));
    // The whole field's mean lightness: the field's height moves a few pixels
    // with each style's controls around it, the veil darkens it all.
    const auto fieldLight = [field] {
        const QImage picture = field->grab().toImage();
        long long sum = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                sum += picture.pixelColor(x, y).lightness();
        return static_cast<int>(sum / (static_cast<long long>(picture.width()) * picture.height()));
    };
    // The scorer turns them on from the game window, where the main window's
    // menus are out of reach; the day's field is measured as it is shown.
    main.show();
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // A quick line's reason on screen stays readable as the colours change.
    window->quickEntry().line()->setText(QStringLiteral("r 22 6 9"));
    window->quickEntry().enter();
    auto *reason = window->findChild<QLabel *>(QStringLiteral("quickEntryMessage"));
    const QColor dayReason = reason->palette().color(QPalette::WindowText);
    EXPECT_EQ(dayReason, errorTextColor(window->quickEntry().palette()));
    const QColor dayName = home->palette().color(QPalette::WindowText);
    const int dayField = fieldLight();

    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(settings.app.nightColors);
    QApplication::sendPostedEvents(); // the news of the new colours
    // The standard dark blue, lightened to read on the dark window.
    EXPECT_GT(home->palette().color(QPalette::WindowText).lightness(), dayName.lightness());
    EXPECT_LT(fieldLight(), dayField);
    EXPECT_NE(reason->palette().color(QPalette::WindowText), dayReason);

    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::sendPostedEvents();
    EXPECT_EQ(home->palette().color(QPalette::WindowText), dayName);
    EXPECT_NEAR(fieldLight(), dayField, 2);
    EXPECT_EQ(reason->palette().color(QPalette::WindowText), dayReason);
    window->interaction().setMessageRunner([](auto, auto, auto) { return MessageAnswer::No; });
    window->close();
}

TEST_F(GameWindowTest, TeamNamesWithMarkupShowAsTyped)
{
    Game game = *main.session().currentGame();
    game.info.homeTeamName = "<h1><u>HACKED</u></h1>";
    game.info.visitorTeamName = "<img src=x.png>";
    main.session().setCurrentGame(game);
    GameWindow *window = openAfterATouchback();
    QStringList shown;
    for (const char *name : {"leftTeamName", "rightTeamName"}) {
        auto *label = window->findChild<QLabel *>(QString::fromLatin1(name));
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        shown << label->text();
    }
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("<h1><u>HACKED</u></h1>"), QStringLiteral("<img src=x.png>")}));
}

TEST_F(GameWindowTest, OffersOnlyThePlaysThatHaveDialogs)
{
    GameWindow *window = open(false);
    steps.push_back([](QDialog &d) { d.reject(); }); // nobody kicks off yet
    window->start();
    for (const char *name : {"kickOff", "punt", "fieldGoal", "rush", "pass", "offensivePenalty", "defensivePenalty"})
        EXPECT_FALSE(window->findChild<QWidget *>(QString::fromLatin1(name))->isVisible()) << name;
    click(*window, "rightTimeOut");
    window->findChild<QListWidget *>(QStringLiteral("playList"))->setCurrentRow(-1);
    click(*window, "insertPlay");
    EXPECT_EQ(asked.back(), "No Play Selected: Select play that new play will be inserted after");
    // The close box asks as "Quit Game" does: Cancel stays, No leaves without saving.
    answers = {MessageAnswer::Cancel, MessageAnswer::No};
    window->close();
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(main.gameInProgress());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A correction that later plays no longer follow: the window asks, re-flows
// them as one undo step, and marks the plays that do not follow.
TEST_F(GameWindowTest, EditPlayOffersToReflowTheLaterPlays)
{
    GameWindow *window = openAfterATouchback(); // the Tigers first and ten on their 20
    for (const char *yards : {"3", "6", "2"}) {
        plays.push_back(Json{{"rusher", "22"}, {"yards_made", yards}});
        click(*window, "rush");
    }
    auto *list = window->findChild<QListWidget *>(QStringLiteral("playList"));
    ASSERT_EQ(list->count(), 4);
    EXPECT_GE(list->minimumHeight(), 8 * list->fontMetrics().height()); // the last eight plays in view
    const int rowHeight = list->sizeHintForRow(0);
    EXPECT_EQ(list->item(1)->text().toStdString(), "2: " + window->flow().playList()[1]);
    const Game &game = window->flow().game();
    const std::vector<std::uint8_t> recorded = encodeGame(game);

    list->setCurrentRow(1);
    answers.push_back(MessageAnswer::No);
    click(*window, "deletePlay");
    EXPECT_EQ(asked.back(), "Delete Play?: Are you sure you want to delete play?\n" + window->flow().playList()[1]);

    list->setCurrentRow(1);
    steps.push_back([](QDialog &d) {
        typeInto(d, "finalSpotYard", "28"); // the first rush went 8 yards, not 3
        click(d, "ok");
    });
    answers.push_back(MessageAnswer::Yes);
    click(*window, "editPlay");
    EXPECT_EQ(asked.back(), "Re-flow Plays?: 2 later plays no longer follow from this change. Re-flow them?");
    EXPECT_EQ(game.plays[2].initialSpot, (FieldSpot{28, true}));
    EXPECT_EQ(std::tie(game.plays[2].downBefore, game.plays[2].toGoBefore), std::make_tuple(1, 2));
    EXPECT_EQ(game.plays[3].initialSpot, (FieldSpot{34, true}));
    EXPECT_EQ(std::tie(game.plays[3].downBefore, game.plays[3].toGoBefore), std::make_tuple(0, 10));
    steps.push_back([](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Check Game"));
        EXPECT_EQ(d.findChild<QListWidget *>(QStringLiteral("breakList"))->count(), 0);
        click(d, "close");
    });
    main.findChild<QAction *>(QStringLiteral("checkGame"))->trigger();

    // The correction and its re-flow are one step.
    click(*window, "undo");
    EXPECT_TRUE(encodeGame(game) == recorded);

    // The correction kept without the re-flow leaves the next play marked.
    list->setCurrentRow(1);
    steps.push_back([](QDialog &d) {
        typeInto(d, "finalSpotYard", "28");
        click(d, "ok");
    });
    answers.push_back(MessageAnswer::No);
    click(*window, "editPlay");
    EXPECT_FALSE(list->item(2)->icon().isNull());
    EXPECT_EQ(list->item(2)->toolTip().toStdString(), window->flow().breakReason(2));
    EXPECT_TRUE(list->item(3)->toolTip().isEmpty());
    EXPECT_EQ(list->sizeHintForRow(0), rowHeight); // the mark leaves the rows as tall as they were
    steps.push_back([](QDialog &d) {
        auto *breaks = d.findChild<QListWidget *>(QStringLiteral("breakList"));
        EXPECT_EQ(breaks->count(), 1);                                       // the spot the next play was snapped at
        EXPECT_GE(breaks->viewport()->width(), breaks->sizeHintForColumn(0)) // the line reads whole
            << breaks->item(0)->text().toStdString();
        QTest::keyClick(breaks, Qt::Key_Return);
    });
    list->setCurrentRow(0);
    window->checkGame();
    EXPECT_EQ(list->currentRow(), 2);
    click(*window, "undo");
    EXPECT_TRUE(encodeGame(game) == recorded);
    steps.push_back([](QDialog &d) { click(d, "close"); });
    window->checkGame();
    EXPECT_TRUE(steps.empty());
}

// A quick line records through the same entries as the dialogs; undo takes
// it back; every change is in the recovery copy at once, which a crash leaves
// for the next start to restore, and quitting removes.
TEST_F(GameWindowTest, QuickLinesUndoAndARecoveryCopyThatOutlivesACrash)
{
    GameWindow *window = openAfterATouchback();

    auto *line = window->findChild<QLineEdit *>(QStringLiteral("quickEntry"));
    ASSERT_NE(line, nullptr);
    QTest::keyClicks(line, "r 22 6 9");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(window->quickEntry().message(), QStringLiteral("too many numbers: \"9\" is not needed"));
    EXPECT_EQ(line->text(), QStringLiteral("r 22 6 9")); // kept for correction
    line->setText(QStringLiteral("r 22 6"));
    QTest::keyClick(line, Qt::Key_Return);
    const Game &game = *main.session().currentGame();
    ASSERT_EQ(game.playCount(), 2);
    EXPECT_EQ(window->quickEntry().message().toStdString(), window->flow().playList().back());
    EXPECT_TRUE(line->text().isEmpty());

    click(*window, "undo");
    EXPECT_EQ(game.playCount(), 1);
    click(*window, "redo");
    EXPECT_EQ(game.playCount(), 2);

    // The program dies here: nothing was saved, the copy holds every play.
    const std::string gameFile = path("window.gam");
    std::optional<RecoveryOffer> offer;
    for (int i = 0; i < 200 && !(offer && offer->recovered.playCount() == 2); ++i) {
        QTest::qWait(10); // the copy is written off the window's thread
        offer = findRecovery(gameFile, defaultStateDir());
    }
    ASSERT_TRUE(offer);
    EXPECT_EQ(lastGame(defaultStateDir()), std::filesystem::path(gameFile));
    Game restored;
    mainUi.answers = {MessageAnswer::Yes};
    EXPECT_EQ(offerRecovery(mainUi, gameFile, restored), RecoveryChoice::Restore);
    EXPECT_EQ(restored.plays, game.plays);
    EXPECT_NE(mainUi.messages.back().text.find("The recovery copy holds 2 plays, the game was never saved"),
              std::string::npos);

    // A save leaves nothing to recover.
    main.findChild<QAction *>(QStringLiteral("saveGame"))->trigger();
    EXPECT_FALSE(std::filesystem::exists(recoveryPathFor(gameFile)));
    EXPECT_FALSE(findRecovery(gameFile, defaultStateDir()));

    answers.push_back(MessageAnswer::No);
    click(*window, "quitGame");
    EXPECT_FALSE(std::filesystem::exists(recoveryPathFor(gameFile)));
    EXPECT_FALSE(lastGame(defaultStateDir()));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Options > Live Output points the game window at a folder: every change is
// published there off the window's thread; a folder that goes away costs one
// warning, and scoring goes on.
TEST_F(GameWindowTest, PublishesTheLivePageAfterEveryPlayAndWarnsOnceWhenTheFolderIsGone)
{
    const std::string web = path("web");
    std::filesystem::create_directories(web);
    main.context().setDialogRunner([&](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Live Output"));
        d.show();
        QApplication::sendPostedEvents();
        typeInto(d, "folder", (web + "/missing").c_str());
        typeInto(d, "title", "Friday Night");
        QTest::keyClick(&d, Qt::Key_Return); // refused: the dialog stays
        EXPECT_TRUE(d.isVisible());
        typeInto(d, "folder", web.c_str());
        QTest::keyClick(&d, Qt::Key_Return);
        d.hide();
        return d.result();
    });
    main.findChild<QAction *>(QStringLiteral("liveOutput"))->trigger();
    ASSERT_EQ(mainUi.messages.size(), 1u);
    EXPECT_EQ(mainUi.messages[0].caption, "Live Output");
    EXPECT_EQ(settings.app.live, (LiveOutputSettings{web, "Friday Night"}));

    GameWindow *window = openAfterATouchback();
    auto *line = window->findChild<QLineEdit *>(QStringLiteral("quickEntry"));
    const auto quick = [&](const char *text) {
        QTest::keyClicks(line, QString::fromLatin1(text));
        QTest::keyClick(line, Qt::Key_Return);
        window->liveOutput().wait();
        QApplication::processEvents(); // a warning from the writer arrives
    };
    quick("r 22 6");
    Json feed = Json::parse(fileBytes(web + "/live.json"));
    EXPECT_EQ(feed["title"], "Friday Night");
    EXPECT_EQ(feed["playCount"], 2);
    EXPECT_EQ(feed["lastPlays"][0]["text"], window->flow().playList().back());
    EXPECT_NE(fileBytes(web + "/live.htm").find("<h1 id=\"title\">Friday Night</h1>"), std::string::npos);

    std::filesystem::remove_all(web); // the network drive drops out
    quick("r 22 3");
    quick("r 22 2");
    const auto warnings = [&] {
        return std::count_if(asked.begin(), asked.end(), [](const std::string &a) { return a.starts_with("Live"); });
    };
    EXPECT_EQ(warnings(), 1);
    EXPECT_EQ(main.session().currentGame()->playCount(), 4);
    EXPECT_FALSE(std::filesystem::exists(web));
    std::filesystem::create_directories(web); // back: the next play brings the page up to date
    quick("r 22 1");
    feed = Json::parse(fileBytes(web + "/live.json"));
    EXPECT_EQ(feed["playCount"], 5);

    answers.push_back(MessageAnswer::No);
    click(*window, "quitGame");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
} // namespace yardmark
