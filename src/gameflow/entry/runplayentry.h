#pragma once

#include "gameflow/interaction.h"

namespace yardmark {

class FieldGoalEntry;
class KickOffEntry;
class PassEntry;
class PenaltyEntry;
class PlayEntryContext;
class PuntEntry;
class RushEntry;

/// Whoever works the entry of a play button: the desktop program shows its
/// dialog, a script fills it from a line's fields. Each call returns when the
/// person is done; an entry still open then is cancelled.
class PlayEntryWorker {
public:
    virtual ~PlayEntryWorker() = default;

    virtual void work(RushEntry &entry) = 0;
    virtual void work(PassEntry &entry) = 0;
    /// The offensive and the defensive penalty (`PenaltyEntry::defensive`).
    virtual void work(PenaltyEntry &entry) = 0;
    virtual void work(KickOffEntry &entry) = 0;
    virtual void work(PuntEntry &entry) = 0;
    virtual void work(FieldGoalEntry &entry) = 0;
};

/// The entry of a play button set up on the play being entered and worked:
/// true when it was accepted, the play then completed and the resulting
/// situation written.
bool runPlayEntry(PlayKind kind, PlayEntryContext &context, PlayEntryWorker &worker);

} // namespace yardmark
