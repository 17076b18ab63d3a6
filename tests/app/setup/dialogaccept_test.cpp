// What a dialog shows when it is accepted is what it keeps, however it was
// accepted: by the OK button's accelerator with the typing still in the last
// field, or by a screen reader that sets the text and presses OK through the
// accessibility interface. One case per family of dialogs; the play dialogs
// have theirs beside their other cases.
#include "app/common/datepickerdialog.h"
#include "app/game/ballondialog.h"
#include "app/game/checkgamedialog.h"
#include "app/game/editplaywindow.h"
#include "app/game/fieldgoaldialog.h"
#include "app/game/gamewindow.h"
#include "app/game/insertplaydialog.h"
#include "app/game/kickoffdialog.h"
#include "app/game/passdialog.h"
#include "app/game/penaltydialog.h"
#include "app/game/pickteamdialog.h"
#include "app/game/puntdialog.h"
#include "app/game/recordtimedialog.h"
#include "app/game/rushdialog.h"
#include "app/game/togodialog.h"
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
#include "app/shell/mainwindow.h"
#include "app/stats/gamesummarywindow.h"
#include "app/stats/showstatsdialog.h"
#include "app/stats/statfilesdialog.h"
#include "app/stats/summarylistwindow.h"
#include "app/stats/teamstatswindow.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"
#include "gameflow/gamerules.h"
#include "gameflow/scriptedinteraction.h"

#include "app/scripteduserinterface.h"
#include "app/widgetlookup.h"
#include "records/settings.h"
#include "support/userfolders.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cxxabi.h>
#include <typeinfo>

#include <cstdlib>
#include <functional>
#include <memory>

namespace yardmark {
namespace {

struct Kept {
    BallOnForm ballOn;
    RecordTimeForm recordTime;
    Team team;
    Game game;
    LiveOutputSettings live;
    ScriptedUserInterface ui;
    Settings settings;
    AppContext context{settings, ui};
};

struct AcceptCase {
    const char *family;
    std::function<std::unique_ptr<QDialog>(Kept &)> open;
    const char *field;
    Qt::Key accelerator; ///< of the button that accepts
    const char *button;  ///< its object name
    std::function<std::string(const Kept &)> kept;
};

const AcceptCase kCases[] = {
    {"Ball On", [](Kept &k) { return std::make_unique<BallOnDialog>(k.ballOn); }, "yardLine", Qt::Key_O, "ok",
     [](const Kept &k) { return k.ballOn.spot.yardText; }},
    {"Record Time", [](Kept &k) { return std::make_unique<RecordTimeDialog>(k.recordTime); }, "seconds", Qt::Key_O,
     "ok", [](const Kept &k) { return k.recordTime.seconds; }},
    {"Edit Team", [](Kept &k) { return std::make_unique<TeamDialog>(k.team, k.context); }, "assistant", Qt::Key_O, "ok",
     [](const Kept &k) { return k.team.assistant; }},
    {"Add Player", [](Kept &k) { return std::make_unique<AddPlayerDialog>(k.game, k.ui); }, "name", Qt::Key_A, "ok",
     [](const Kept &k) { return k.game.homeTeam.players.empty() ? "" : k.game.homeTeam.players.front().name; }},
    {"Live Output", [](Kept &k) { return std::make_unique<LiveOutputDialog>(k.live, k.ui); }, "title", Qt::Key_O, "ok",
     [](const Kept &k) { return k.live.title; }},
};

void waitForClose(const QDialog &dialog)
{
    for (int i = 0; i < 100 && dialog.isVisible(); ++i)
        QTest::qWait(10);
}

TEST(DialogAcceptTest, WhatTheFieldShowsIsKeptByAcceleratorAndByScreenReader)
{
    for (const AcceptCase &c : kCases) {
        for (const bool screenReader : {false, true}) {
            SCOPED_TRACE(std::string(c.family) + (screenReader ? " by screen reader" : " by accelerator"));
            Kept kept;
            const std::unique_ptr<QDialog> dialog = c.open(kept);
            dialog->show();
            QApplication::setActiveWindow(dialog.get());
            QLineEdit *field = child<QLineEdit>(*dialog, c.field);
            ASSERT_NE(field, nullptr);
            if (screenReader) {
                QAccessibleInterface *edit = QAccessible::queryAccessibleInterface(field);
                edit->editableTextInterface()->replaceText(0, edit->textInterface()->characterCount(),
                                                           QStringLiteral("27"));
                QAccessible::queryAccessibleInterface(child<QWidget>(*dialog, c.button))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
            } else {
                field->setFocus();
                field->selectAll();
                QTest::keyClicks(field, QStringLiteral("27"));
                QTest::keyClick(field, c.accelerator, Qt::AltModifier);
            }
            waitForClose(*dialog);
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(c.kept(kept), "27");
        }
    }
}

/// The inputs of `window` a screen reader would read as blank.
QStringList unnamedInputs(QWidget &window)
{
    QStringList unnamed;
    for (QWidget *input : window.findChildren<QWidget *>()) {
        const bool isInput = qobject_cast<QLineEdit *>(input) || qobject_cast<QComboBox *>(input) ||
                             qobject_cast<QAbstractItemView *>(input) || qobject_cast<QAbstractSpinBox *>(input);
        // The parts of a drop-down (its line and its popup list) and a list's
        // header speak through it.
        if (!isInput || qobject_cast<QComboBox *>(input->parentWidget()) ||
            qobject_cast<QAbstractSpinBox *>(input->parentWidget()) || qobject_cast<QHeaderView *>(input) ||
            input->window() != &window)
            continue;
        if (QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name).isEmpty())
            unnamed << input->objectName();
    }
    return unnamed;
}

/// The accelerator letters of `window` that more than one control answers to.
QStringList doubledLetters(QWidget &window)
{
    QMap<QKeySequence, int> uses;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window)
            continue;
        QString text;
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            text = button->text();
        else if (auto *box = qobject_cast<QGroupBox *>(control))
            text = box->title();
        else if (auto *label = qobject_cast<QLabel *>(control); label && label->buddy())
            text = label->text();
        const QKeySequence letter = QKeySequence::mnemonic(text);
        if (!letter.isEmpty())
            ++uses[letter];
    }
    QStringList doubled;
    for (auto use = uses.cbegin(); use != uses.cend(); ++use)
        if (use.value() > 1)
            doubled << use.key().toString();
    return doubled;
}

/// The classes of the program in `root`'s tree that lack Q_OBJECT: their
/// meta-object is their base's, so findChild and qobject_cast by their type
/// would take any object of that base for them.
QStringList classesWithoutQObject(QObject &root)
{
    QStringList missing;
    QList<QObject *> objects = root.findChildren<QObject *>();
    objects << &root;
    for (QObject *object : objects) {
        int status = 0;
        char *name = abi::__cxa_demangle(typeid(*object).name(), nullptr, nullptr, &status);
        const QString type =
            status == 0 ? QString::fromLatin1(name).remove(QStringLiteral("(anonymous namespace)::")) : QString();
        std::free(name);
        if (type.startsWith(QStringLiteral("yardmark::")) && type != QLatin1String(object->metaObject()->className()))
            missing << type;
    }
    return missing;
}

// Every dialog of the program, the game window among them: a screen reader
// names each input, no accelerator letter belongs to two controls, and each
// class of the program is known to Qt by its own name.
TEST(DialogAcceptTest, EveryDialogNamesItsInputsAndGivesEachLetterOnce)
{
    Kept k;
    k.game.info.homeTeamName = "Tigers";
    k.game.info.visitorTeamName = "Bears";
    k.game.homeTeam.players = {{"Adams", 7, 1, 0, 1}};
    k.team.rosterOnly = false;
    const AppContext &context = k.context;
    GameSituation situation;
    PlayRecord play = newPlayFromSituation(situation, FieldSpot{});
    LeagueOptions league;
    ScriptedInteraction interaction;
    const PlayEntryContext entry{play, situation, k.game, league, interaction};
    RushEntry rush(entry);
    PassEntry pass(entry);
    PuntEntry punt(entry);
    KickOffEntry kickOff(entry);
    FieldGoalEntry fieldGoal(entry);
    PenaltyEntry offensive(entry, false);
    PenaltyEntry defensive(entry, true);
    PlayRecord edited = play;
    EditPlayEntry editPlay(edited, k.game, league, interaction);
    ToGoForm toGo{{"0", "1"}, 0, "1"};
    InsertPlayForm insert;
    HtmlOptions html;
    ScheduleEditor schedule;
    std::set<std::string> warned;
    const Stat stat;
    const StatViews views;
    QTemporaryDir folder;
    qputenv(testing::kStateHomeVariable, folder.path().toLocal8Bit());
    MainWindow main(k.settings, k.ui, folder.filePath(QStringLiteral("yardmark.ini")).toStdString());
    main.session().setCurrentGame(k.game);
    std::vector<int> played;
    RecordingSoundPlayer sounds(played);

    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<GameInfoDialog>(k.game, context));
    dialogs.push_back(std::make_unique<StatFilesDialog>(k.ui, QDir::currentPath(), TeamChoices::WithAllTeams));
    dialogs.push_back(std::make_unique<TeamDialog>(k.team, context));
    dialogs.push_back(std::make_unique<RosterDialog>(k.team, context));
    dialogs.push_back(std::make_unique<PersonalInfoDialog>(k.team, context));
    dialogs.push_back(std::make_unique<AddPlayerDialog>(k.game, k.ui));
    dialogs.push_back(std::make_unique<ModifyPlayerDialog>(k.game, k.ui));
    dialogs.push_back(
        std::make_unique<PrintRosterDialog>(true, &k.game.info.homeTeamName, &k.game.info.visitorTeamName, k.ui));
    dialogs.push_back(std::make_unique<BallOnDialog>(k.ballOn));
    dialogs.push_back(std::make_unique<RecordTimeDialog>(k.recordTime));
    dialogs.push_back(std::make_unique<ToGoDialog>(toGo));
    dialogs.push_back(std::make_unique<InsertPlayDialog>(insert, [](InsertKind) { return true; }));
    dialogs.push_back(std::make_unique<PickTeamDialog>("Choose Team", "Tigers", "Bears", true));
    dialogs.push_back(std::make_unique<CheckGameDialog>(std::vector<ContinuityBreak>{}, nullptr));
    dialogs.push_back(std::make_unique<RushDialog>(rush, k.game));
    dialogs.push_back(std::make_unique<PassDialog>(pass, k.game));
    dialogs.push_back(std::make_unique<PuntDialog>(punt, k.game));
    dialogs.push_back(std::make_unique<KickOffDialog>(kickOff, k.game));
    dialogs.push_back(std::make_unique<FieldGoalDialog>(fieldGoal, k.game));
    dialogs.push_back(std::make_unique<PenaltyDialog>(offensive, k.game));
    dialogs.push_back(std::make_unique<PenaltyDialog>(defensive, k.game));
    dialogs.push_back(std::make_unique<EditPlayWindow>(editPlay, k.game));
    dialogs.push_back(std::make_unique<LiveOutputDialog>(k.live, k.ui));
    dialogs.push_back(std::make_unique<LeagueOptionsDialog>(league, k.ui));
    dialogs.push_back(std::make_unique<HtmlOptionsDialog>(html, k.ui, std::vector<std::string>{}));
    dialogs.push_back(std::make_unique<DatePickerDialog>(QDate(1998, 11, 26), k.ui));
    dialogs.push_back(std::make_unique<AboutDialog>());
    dialogs.push_back(std::make_unique<ScheduleWindow>(schedule, context, warned));
    dialogs.push_back(std::make_unique<ShowStatsDialog>(stat, views, context, ShowStatsPlace{}));
    dialogs.push_back(std::make_unique<TeamStatsWindow>(TeamStatsByPeriod{}, context, SummaryPeriod{}));
    dialogs.push_back(std::make_unique<GameSummaryWindow>(k.game, context));
    dialogs.push_back(std::make_unique<SummaryListWindow>(SummaryListWindow::Kind{}, k.game, context));
    dialogs.push_back(std::make_unique<GameWindow>(main, k.settings, sounds, programPlayDialogs()));
    for (const auto &dialog : dialogs) {
        dialog->show();
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        EXPECT_EQ(unnamedInputs(*dialog).join(' ').toStdString(), "");
        EXPECT_EQ(doubledLetters(*dialog).join(' ').toStdString(), "");
        EXPECT_EQ(classesWithoutQObject(*dialog).join(' ').toStdString(), "");
        dialog->hide();
    }
    EXPECT_EQ(classesWithoutQObject(main).join(' ').toStdString(), "");
}

} // namespace
} // namespace yardmark
