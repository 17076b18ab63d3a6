#include "app/game/fieldgoaldialog.h"
#include "app/game/kickoffdialog.h"
#include "app/game/passdialog.h"
#include "app/game/penaltydialog.h"
#include "app/game/puntdialog.h"
#include "app/game/qtplayentryworker.h"
#include "app/game/rushdialog.h"

#include "gameflow/gamerules.h"
#include "gameflow/scriptedinteraction.h"
#include "script/scriptrunner.h"
#include "vocabulary/narration.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

/// What a scorer does in a dialog, control by control.
using Typing = std::function<void(PlayDialog &)>;

template <typename Widget> Widget *control(PlayDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void type(PlayDialog &dialog, const char *field, const char *text)
{
    QLineEdit *edit = control<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Tab);
}

void click(PlayDialog &dialog, const char *name)
{
    // On the box or the circle: a stretched radio takes clicks only on itself and its text.
    QAbstractButton *button = control<QAbstractButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void choose(PlayDialog &dialog, const char *list, int index)
{
    QComboBox *combo = control<QComboBox>(dialog, list);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void pressEnter(PlayDialog &dialog)
{
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_Return);
}

/// A button's accelerator and a screen reader's press both click after a
/// short animation: wait for the dialog to close.
void waitForClose(PlayDialog &dialog)
{
    for (int i = 0; i < 100 && dialog.isVisible(); ++i)
        QTest::qWait(10);
}

/// What a screen reader or speech input does: the field's text set through
/// the accessibility interface, which never leaves (or even enters) it.
void setAccessibleText(PlayDialog &dialog, const char *field, const char *text)
{
    QAccessibleInterface *edit = QAccessible::queryAccessibleInterface(control<QLineEdit>(dialog, field));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(edit->editableTextInterface(), nullptr);
    edit->editableTextInterface()->replaceText(0, edit->textInterface()->characterCount(), QString::fromLatin1(text));
}

void pressAccessibly(PlayDialog &dialog, const char *button)
{
    QAccessibleInterface *ok = QAccessible::queryAccessibleInterface(control<QAbstractButton>(dialog, button));
    ASSERT_NE(ok, nullptr);
    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    waitForClose(dialog);
}

struct DialogCase {
    const char *name;
    PlayKind kind;
    std::int32_t down;
    std::int32_t toGo;
    FieldSpot spot;
    std::vector<MessageAnswer> replies;
    Typing typing;
    const char *fields; ///< the same play as a script fills the entry
};

// clang-format off
const DialogCase kCases[] = {
    {"RushByKeyboardOnly", PlayKind::Rush, 0, 10, {30, true}, {},
     [](PlayDialog &d) { QTest::keyClicks(QApplication::focusWidget(), "22"); QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                         QTest::keyClicks(QApplication::focusWidget(), "7"); pressEnter(d); },
     R"({"rusher":"22","yards_made":"7"})"},
    {"RushAcceptedByTheOkAccelerator", PlayKind::Rush, 0, 10, {30, true}, {},
     [](PlayDialog &d) { QTest::keyClicks(QApplication::focusWidget(), "22"); QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                         QTest::keyClicks(QApplication::focusWidget(), "7"); QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
                         waitForClose(d); },
     R"({"rusher":"22","yards_made":"7"})"},
    {"PassCompletedAndAcceptedByTheOkAccelerator", PlayKind::Pass, 0, 10, {30, true}, {},
     [](PlayDialog &d) { QTest::keyClicks(QApplication::focusWidget(), "58"); QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                         QTest::keyClicks(QApplication::focusWidget(), "14"); QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
                         waitForClose(d); },
     R"({"receiver":"58","yards_made":"14"})"},
    {"FumbleTypedThroughTheAccessibilityInterface", PlayKind::Rush, 0, 10, {30, true}, {},
     [](PlayDialog &d) { setAccessibleText(d, "rusherNumber", "22"); setAccessibleText(d, "yardsMade", "5");
                         click(d, "recoveredByVisitor"); setAccessibleText(d, "recovererNumber", "90");
                         setAccessibleText(d, "recoveredAtYard", "35"); pressAccessibly(d, "ok"); },
     R"({"rusher":"22","yards_made":"5","fumbles":[{"recovered_by":"visitor","recoverer":"90","recovered_at":{"yard":"35"}}]})"},
    {"ThirdAndFourCompletedForFour", PlayKind::Pass, 2, 4, {40, true}, {MessageAnswer::No},
     [](PlayDialog &d) { type(d, "receiverNumber", "22"); type(d, "yardsMade", "4"); type(d, "tacklerNumber", "54"); click(d, "ok"); },
     R"({"receiver":"22","yards_made":"4","tackler":"54"})"},
    {"FumbleRecoveredByTheDefense", PlayKind::Rush, 0, 10, {30, true}, {},
     [](PlayDialog &d) { type(d, "rusherNumber", "22"); type(d, "yardsMade", "5"); click(d, "recoveredByVisitor");
                         type(d, "recovererNumber", "90"); type(d, "recoveredAtYard", "35"); click(d, "ok"); },
     R"({"rusher":"22","yards_made":"5","fumbles":[{"recovered_by":"visitor","recoverer":"90","recovered_at":{"yard":"35"}}]})"},
    {"PuntFairCatch", PlayKind::Punt, 3, 8, {25, true}, {},
     [](PlayDialog &d) { type(d, "punterNumber", "7"); click(d, "result4"); type(d, "puntedToYard", "30"); click(d, "ok"); },
     R"({"punter":"7","result":"fair_catch","punted_to":{"yard":"30"}})"},
    {"BlockedPunt", PlayKind::Punt, 3, 8, {25, true}, {},
     [](PlayDialog &d) { choose(d, "blockedByList", 0); click(d, "recoveredByVisitor"); type(d, "recoveredAtYard", "20"); click(d, "ok"); },
     R"({"blocked_by":{"pick":"Moss"},"fumbles":[{"recovered_by":"visitor","recovered_at":{"yard":"20"}}]})"},
    {"ClippingFifteenYards", PlayKind::OffensivePenalty, 0, 10, {40, true}, {},
     [](PlayDialog &d) { choose(d, "penalty", 13); type(d, "penaltyOnNumber", "22"); click(d, "ok"); },
     R"({"penalty":13,"penalty_on":"22"})"},
    {"OnsideKickRecovered", PlayKind::KickOff, 0, 10, {35, true}, {},
     [](PlayDialog &d) { click(d, "onsideSuccessful"); type(d, "finalSpotYard", "45"); type(d, "kickedToYard", "45"); click(d, "ok"); },
     R"({"onside":"successful","final_spot":{"yard":"45"},"kicked_to":{"yard":"45"}})"},
    {"CancelRecordsNothing", PlayKind::FieldGoal, 3, 5, {20, false}, {},
     [](PlayDialog &d) { type(d, "kickerNumber", "7"); click(d, "cancel"); },
     nullptr},
};
// clang-format on

class PlayDialogTest : public ::testing::TestWithParam<DialogCase> {
protected:
    struct Side {
        Game game;
        GameSituation situation;
        PlayRecord play;
        LeagueOptions league;
        ScriptedInteraction ui;
        PlayEntryContext context{play, situation, game, league, ui};

        explicit Side(const DialogCase &c)
        {
            game.info.homeTeamName = "Tigers";
            game.info.visitorTeamName = "Bears";
            game.homeTeam.players = {{"Adams", 7, 1, 0, 1}, {"Baker", 22, 6, 0, 1}, {"Lee", -1, 21, 0, 0}};
            game.homeTeam.currentQuarterback = "Adams";
            game.visitorTeam.players = {{"Moss", 54, 0, 13, 2}, {"Nash", 90, 0, 15, 2}};
            situation.homeHasBall = true;
            situation.down = c.down;
            situation.toGo = c.toGo;
            situation.ballSpot = c.spot;
            play = newPlayFromSituation(situation, FieldSpot{});
            ui.replies.assign(c.replies.begin(), c.replies.end());
        }
    };
};

// Each dialog, worked through its controls, records the same play and
// situation as the same inputs given to its entry.
TEST_P(PlayDialogTest, RecordsWhatTheEntryRecords)
{
    const DialogCase &c = GetParam();
    Side typed(c);
    Settings settings;
    AppContext app(settings, typed.ui);
    app.setDialogRunner([&](QDialog &shown) {
        auto &dialog = static_cast<PlayDialog &>(shown);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        c.typing(dialog);
        return dialog.result();
    });
    QtPlayEntryWorker worker(app, typed.game, nullptr);
    const bool accepted = runPlayEntry(c.kind, typed.context, worker);
    if (!c.fields) {
        EXPECT_FALSE(accepted);
        EXPECT_EQ(typed.ui.sounds, std::vector<int>{kClickSound});
        return;
    }
    Side scripted(c);
    ASSERT_TRUE(runScriptedPlayDialog(c.kind, scripted.context, Json::parse(c.fields), false));
    EXPECT_TRUE(accepted);
    EXPECT_EQ(typed.play, scripted.play) << narratePlay(typed.play, typed.game.info, typed.league) << "\n"
                                         << narratePlay(scripted.play, scripted.game.info, scripted.league);
    EXPECT_EQ(typed.situation.ballSpot, scripted.situation.ballSpot);
    EXPECT_EQ(typed.situation.down, scripted.situation.down);
    EXPECT_EQ(typed.situation.toGo, scripted.situation.toGo);
    EXPECT_EQ(typed.ui.log, scripted.ui.log);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, PlayDialogTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace yardmark
