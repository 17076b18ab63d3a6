#include "app/game/gameinteraction.h"

#include "app/game/ballondialog.h"
#include "app/game/editplaywindow.h"
#include "app/game/insertplaydialog.h"
#include "app/game/pickteamdialog.h"
#include "app/game/qtplayentryworker.h"
#include "app/game/recordtimedialog.h"
#include "app/game/togodialog.h"
#include "gameflow/entry/editplayentry.h"
#include "gameflow/entry/runplayentry.h"
#include "qtbase/qtext.h"
#include "script/quickentry.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

namespace yardmark {

PlayDialogs programPlayDialogs()
{
    PlayDialogs dialogs;
    dialogs.offers = [](PlayKind) { return true; };
    dialogs.run = [](PlayKind kind, PlayEntryContext &context, const AppContext &app, QWidget *parent) {
        QtPlayEntryWorker worker(app, context.game(), parent);
        return runPlayEntry(kind, context, worker);
    };
    return dialogs;
}

GameInteraction::GameInteraction(const Game &game, const AppContext &context, SoundPlayer &sounds,
                                 PlayDialogs playDialogs)
    : QtUserInterface(context.settings.app, sounds), m_game(game), m_context(context),
      m_playDialogs(std::move(playDialogs))
{
}

bool GameInteraction::offers(PlayKind kind) const
{
    return m_playDialogs.offers && m_playDialogs.run && m_playDialogs.offers(kind);
}

bool GameInteraction::offers(InsertKind kind) const
{
    switch (kind) {
    case InsertKind::KickOff:
        return offers(PlayKind::KickOff);
    case InsertKind::Punt:
        return offers(PlayKind::Punt);
    case InsertKind::FieldGoal:
    case InsertKind::ExtraPoint:
        return offers(PlayKind::FieldGoal);
    case InsertKind::Rush:
        return offers(PlayKind::Rush);
    case InsertKind::Pass:
        return offers(PlayKind::Pass);
    case InsertKind::OffensivePenalty:
        return offers(PlayKind::OffensivePenalty);
    case InsertKind::DefensivePenalty:
        return offers(PlayKind::DefensivePenalty);
    default:
        return true; // time-outs need no dialog
    }
}

MessageAnswer GameInteraction::message(std::string_view text, std::string_view caption, MessageButtons buttons,
                                       MessageIcon icon)
{
    if (m_messageRunner)
        return m_messageRunner(text, caption, buttons);
    return QtUserInterface::message(text, caption, buttons, icon);
}

ReflowChoice GameInteraction::askReflow(std::string_view text)
{
    constexpr std::string_view caption = "Re-flow Plays?";
    if (m_messageRunner)
        return m_messageRunner(text, caption, MessageButtons::YesNo) == MessageAnswer::Yes ? ReflowChoice::Reflow
                                                                                           : ReflowChoice::Keep;
    QMessageBox box(QMessageBox::Question, toQString(caption), toQString(text), QMessageBox::NoButton, parentWindow());
    box.setObjectName(QStringLiteral("reflowQuestion"));
    QPushButton *reflow = box.addButton(QStringLiteral("&Re-flow"), QMessageBox::AcceptRole);
    reflow->setObjectName(QStringLiteral("reflow"));
    QPushButton *keep = box.addButton(QStringLiteral("&Keep as recorded"), QMessageBox::RejectRole);
    keep->setObjectName(QStringLiteral("keepAsRecorded"));
    box.setDefaultButton(reflow);
    box.setEscapeButton(keep);
    auto *remember = new QCheckBox(QStringLiteral("Re&member my choice"));
    remember->setObjectName(QStringLiteral("rememberChoice"));
    box.setCheckBox(remember);
    box.exec();
    const ReflowChoice choice = box.clickedButton() == reflow ? ReflowChoice::Reflow : ReflowChoice::Keep;
    if (remember->isChecked() && m_rememberReflow)
        m_rememberReflow(choice);
    return choice;
}

TeamChoice GameInteraction::chooseTeam(std::string_view title, std::string_view homeName, std::string_view visitorName,
                                       bool homeChecked)
{
    PickTeamDialog dialog(title, homeName, visitorName, homeChecked, parentWindow());
    dialog.setResult(runDialog(dialog));
    return dialog.choice();
}

bool GameInteraction::runPlayDialog(PlayKind kind, PlayEntryContext &context)
{
    if (m_quickEntry && m_quickEntry->pendingFields())
        return runScriptedPlayDialog(kind, context, *m_quickEntry->pendingFields(), false);
    // A kind without a dialog has no button; an insert of it is refused the same way.
    return offers(kind) && m_playDialogs.run(kind, context, m_context, parentWindow());
}

void GameInteraction::runEditPlay(EditPlayEntry &entry)
{
    EditPlayWindow window(entry, m_game, parentWindow());
    runDialog(window);
    if (!entry.closed())
        entry.cancel();
}

bool GameInteraction::runInsertPlay(InsertPlayForm &form)
{
    InsertPlayDialog dialog(
        form, [this](InsertKind kind) { return offers(kind); }, parentWindow());
    return runDialog(dialog) == QDialog::Accepted;
}

bool GameInteraction::runBallOn(BallOnForm &form)
{
    BallOnDialog dialog(form, parentWindow());
    return runDialog(dialog) == QDialog::Accepted;
}

bool GameInteraction::runToGo(ToGoForm &form)
{
    ToGoDialog dialog(form, parentWindow());
    return runDialog(dialog) == QDialog::Accepted;
}

void GameInteraction::runRecordTime(RecordTimeForm &form)
{
    RecordTimeDialog dialog(form, parentWindow());
    runDialog(dialog);
}

} // namespace yardmark
