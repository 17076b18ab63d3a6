#pragma once

#include "records/userinterface.h"

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
};

} // namespace yardmark
