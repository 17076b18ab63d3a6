// What a dialog shows when it is accepted is what it keeps, however it was
// accepted: by the OK button's accelerator with the typing still in the last
// field, or by a screen reader that sets the text and presses OK through the
// accessibility interface. One case per family of dialogs; the play dialogs
// have theirs beside their other cases.
#include "app/game/ballondialog.h"
#include "app/game/insertplaydialog.h"
#include "app/game/pickteamdialog.h"
#include "app/game/recordtimedialog.h"
#include "app/game/togodialog.h"
#include "app/setup/addplayerdialog.h"
#include "app/setup/gameinfodialog.h"
#include "app/setup/modifyplayerdialog.h"
#include "app/setup/personalinfodialog.h"
#include "app/setup/rosterdialog.h"
#include "app/setup/teamdialog.h"
#include "app/shell/liveoutputdialog.h"
#include "app/stats/statfilesdialog.h"

#include "app/scripteduserinterface.h"
#include "app/widgetlookup.h"
#include "records/settings.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>

#include <gtest/gtest.h>

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
        if (!isInput || qobject_cast<QComboBox *>(input->parentWidget()) || qobject_cast<QHeaderView *>(input) ||
            input->window() != &window)
            continue;
        if (QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name).isEmpty())
            unnamed << input->objectName();
    }
    return unnamed;
}

TEST(DialogAcceptTest, EveryInputHasANameAScreenReaderSays)
{
    Kept k;
    k.game.info.homeTeamName = "Tigers";
    k.game.info.visitorTeamName = "Bears";
    k.game.homeTeam.players = {{"Adams", 7, 1, 0, 1}};
    k.team.rosterOnly = false;
    const AppContext &context = k.context;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<GameInfoDialog>(k.game, context));
    dialogs.push_back(std::make_unique<StatFilesDialog>(k.ui, QDir::currentPath(), TeamChoices::WithAllTeams));
    dialogs.push_back(std::make_unique<TeamDialog>(k.team, context));
    dialogs.push_back(std::make_unique<RosterDialog>(k.team, context));
    dialogs.push_back(std::make_unique<PersonalInfoDialog>(k.team, context));
    dialogs.push_back(std::make_unique<AddPlayerDialog>(k.game, k.ui));
    dialogs.push_back(std::make_unique<ModifyPlayerDialog>(k.game, k.ui));
    dialogs.push_back(std::make_unique<BallOnDialog>(k.ballOn));
    dialogs.push_back(std::make_unique<RecordTimeDialog>(k.recordTime));
    dialogs.push_back(std::make_unique<LiveOutputDialog>(k.live, k.ui));
    for (const auto &dialog : dialogs)
        EXPECT_EQ(unnamedInputs(*dialog), QStringList()) << dialog->windowTitle().toStdString();
}

} // namespace
} // namespace yardmark
