#include "runplayentry.h"

#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/rushentry.h"

namespace yardmark {

namespace {

template <typename Entry, typename... Setup>
bool work(PlayEntryWorker &worker, const PlayEntryContext &context, Setup... setup)
{
    Entry entry(context, setup...);
    worker.work(entry);
    if (!entry.closed())
        entry.cancel();
    return entry.accepted();
}

} // namespace

bool runPlayEntry(PlayKind kind, PlayEntryContext &context, PlayEntryWorker &worker)
{
    switch (kind) {
    case PlayKind::KickOff:
        return work<KickOffEntry>(worker, context);
    case PlayKind::Punt:
        return work<PuntEntry>(worker, context);
    case PlayKind::FieldGoal:
        return work<FieldGoalEntry>(worker, context);
    case PlayKind::Rush:
        return work<RushEntry>(worker, context);
    case PlayKind::Pass:
        return work<PassEntry>(worker, context);
    case PlayKind::OffensivePenalty:
        return work<PenaltyEntry>(worker, context, false);
    case PlayKind::DefensivePenalty:
        return work<PenaltyEntry>(worker, context, true);
    }
    return false;
}

} // namespace yardmark
