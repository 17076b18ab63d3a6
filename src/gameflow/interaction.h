#pragma once

#include <string>
#include <string_view>

namespace yardmark {

class EditPlayDialog;
class PlayEntryContext;
struct BallOnForm;
struct InsertPlayForm;
struct RecordTimeForm;
struct ToGoForm;

/// The sound effects of the game window and its dialogs.
namespace sound {
inline constexpr int kClick = 601;
inline constexpr int kTimeOut = 603;
inline constexpr int kWarning = 604;
} // namespace sound

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageReply { Ok, Cancel, Yes, No };
enum class MessageIcon { None, Exclamation };

/// A message box: its text and caption exactly as the user reads them.
struct Message {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

/// The answer of the choose-a-team dialog.
enum class TeamChoice { Home, Visitor, Cancelled };

/// The seven play buttons.
enum class PlayKind { KickOff, Punt, FieldGoal, Rush, Pass, OffensivePenalty, DefensivePenalty };

/// Everything the game window asks the user, and every sound it plays. The
/// desktop program answers with real dialogs, the script runner and the tests
/// with scripted answers. Each call returns when the dialog has closed.
class Interaction {
public:
    virtual ~Interaction() = default;

    /// A modal message box; the reply is one of its buttons.
    virtual MessageReply showMessage(const Message &message) = 0;

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
    virtual void runEditPlay(EditPlayDialog &dialog) = 0;

    /// The "Insert Play" chooser; true for OK, false for Cancel.
    virtual bool runInsertPlay(InsertPlayForm &form) = 0;

    /// "Ball On" and "To Go": the user fills the form; true for OK.
    virtual bool runBallOn(BallOnForm &form) = 0;
    virtual bool runToGo(ToGoForm &form) = 0;

    /// "Record Time" has only an OK button: the user fills the two fields.
    virtual void runRecordTime(RecordTimeForm &form) = 0;

    /// Plays a sound effect (the implementation honours the sound option).
    virtual void playSound(int soundNumber) = 0;
};

} // namespace yardmark
