#include "app/game/qtplayentryworker.h"

#include "app/game/fieldgoaldialog.h"
#include "app/game/kickoffdialog.h"
#include "app/game/passdialog.h"
#include "app/game/penaltydialog.h"
#include "app/game/puntdialog.h"
#include "app/game/rushdialog.h"

#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"

namespace yardmark {

template <typename Dialog, typename Entry> void QtPlayEntryWorker::show(Entry &entry)
{
    Dialog dialog(entry, m_game, m_parent);
    m_context.runDialog(dialog);
}

void QtPlayEntryWorker::work(RushEntry &entry)
{
    show<RushDialog>(entry);
}
void QtPlayEntryWorker::work(PassEntry &entry)
{
    show<PassDialog>(entry);
}
void QtPlayEntryWorker::work(KickOffEntry &entry)
{
    show<KickOffDialog>(entry);
}
void QtPlayEntryWorker::work(PuntEntry &entry)
{
    show<PuntDialog>(entry);
}
void QtPlayEntryWorker::work(FieldGoalEntry &entry)
{
    show<FieldGoalDialog>(entry);
}

void QtPlayEntryWorker::work(PenaltyEntry &entry)
{
    show<PenaltyDialog>(entry);
}

} // namespace yardmark
