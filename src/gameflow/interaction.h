#pragma once

#include "base/userinterface.h"

#include <string_view>

namespace yardmark {

class EditPlayEntry;
class PlayEntryContext;
struct BallOnForm;
struct InsertPlayForm;
struct RecordTimeForm;
struct ToGoForm;

/// The answer of the choose-a-team dialog.
enum class TeamChoice { Home, Visitor, Cancelled };

/// What to do with later plays that no longer follow from a correction: ask
/// each time, re-flow them, or keep them as recorded. The setting's values.
enum class ReflowChoice : int { Ask = 0, Reflow = 1, Keep = 2 };

/// The seven play buttons.
enum class PlayKind { KickOff, Punt, FieldGoal, Rush, Pass, OffensivePenalty, DefensivePenalty };

/// Everything the game window asks the user beyond messages and sounds: the
/// choose-a-team dialog, the play dialogs and the corrections. The desktop
/// program answers with real dialogs, the script runner and the tests with
/// scripted answers. Each call returns when the dialog has closed. The base is
/// virtual so that the program's implementation can take messages, files and
/// sounds from its plain `UserInterface` without forwarding them by hand.
class Interaction : public virtual UserInterface {
public:
    /// The choose-a-team dialog: two radio buttons with the team names, home
    /// first, `homeChecked` telling which starts checked.
    virtual TeamChoice chooseTeam(std::string_view title, std::string_view homeName, std::string_view visitorName,
                                  bool homeChecked) = 0;

    /// The entry dialog of a play button, run on `context.currentPlay()`.
    /// True when it was accepted; the dialog has then completed the play and
    /// written the resulting situation.
    virtual bool runPlayDialog(PlayKind kind, PlayEntryContext &context) = 0;

    /// The "Edit Play" dialog: the user works the dialog's fields and handlers
    /// and ends with its `ok()` (which may keep it open) or `cancel()`.
    virtual void runEditPlay(EditPlayEntry &dialog) = 0;

    /// The "Insert Play" chooser; true for OK, false for Cancel.
    virtual bool runInsertPlay(InsertPlayForm &form) = 0;

    /// "Ball On" and "To Go": the user fills the form; true for OK.
    virtual bool runBallOn(BallOnForm &form) = 0;
    virtual bool runToGo(ToGoForm &form) = 0;

    /// "Record Time" has only an OK button: the user fills the two fields.
    virtual void runRecordTime(RecordTimeForm &form) = 0;

    /// After a correction: `text` asks whether to re-flow the later plays,
    /// with the buttons "Re-flow" and "Keep as recorded"; the answer is
    /// Reflow or Keep. The desktop program may also remember the answer in
    /// the settings. Without a person to ask (a script re-flows with its own
    /// line) the plays are kept as recorded.
    virtual ReflowChoice askReflow(std::string_view /*text*/) { return ReflowChoice::Keep; }
};

} // namespace yardmark
