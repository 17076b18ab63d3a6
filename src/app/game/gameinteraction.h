#pragma once

#include "app/common/appcontext.h"
#include "app/common/qtuserinterface.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"
#include "records/game.h"
#include "records/settings.h"

#include <functional>

class QDialog;

namespace yardmark {
class QuickEntryRunner;
}

namespace yardmark {

/// The play entry dialogs the program offers: which play buttons have one,
/// and how one runs on the play being entered, over the game window.
struct PlayDialogs {
    std::function<bool(PlayKind)> offers;
    std::function<bool(PlayKind, PlayEntryContext &, const AppContext &, QWidget *parent)> run;
};

/// The entry dialogs built into the program: every play button's.
PlayDialogs programPlayDialogs();

/// The game window's answers to the engine: the choose-a-team dialog, the
/// play entry dialogs, "Edit Play", "Insert Play" and the corrections as Qt
/// dialogs over the window; messages, files and sounds as everywhere else in
/// the program (QtUserInterface).
class GameInteraction final : public QtUserInterface, public Interaction {
public:
    GameInteraction(const Game &game, const AppContext &context, SoundPlayer &sounds, PlayDialogs playDialogs);

    /// Whether a play button's dialog exists; a button without one is not shown.
    bool offers(PlayKind kind) const;
    bool offers(InsertKind kind) const;

    /// A play typed on the quick-entry line fills its dialog from the line
    /// instead of showing it.
    void setQuickEntry(const QuickEntryRunner *runner) { m_quickEntry = runner; }

    /// Answers message boxes instead of showing them (tests).
    using MessageRunner = std::function<MessageAnswer(std::string_view text, std::string_view caption, MessageButtons)>;
    void setMessageRunner(MessageRunner runner) { m_messageRunner = std::move(runner); }

    /// Where "Remember my choice" of the re-flow question keeps the answer.
    void setReflowRemembered(std::function<void(ReflowChoice)> remember) { m_rememberReflow = std::move(remember); }

    MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) override;
    /// "Re-flow Plays?" with "Re-flow", "Keep as recorded" and "Remember my
    /// choice"; a message runner (tests) answers it as a Yes/No question.
    ReflowChoice askReflow(std::string_view text) override;
    TeamChoice chooseTeam(std::string_view title, std::string_view homeName, std::string_view visitorName,
                          bool homeChecked) override;
    bool runPlayDialog(PlayKind kind, PlayEntryContext &context) override;
    void runEditPlay(EditPlayEntry &entry) override;
    bool runInsertPlay(InsertPlayForm &form) override;
    bool runBallOn(BallOnForm &form) override;
    bool runToGo(ToGoForm &form) override;
    void runRecordTime(RecordTimeForm &form) override;

private:
    int runDialog(QDialog &dialog) { return m_context.runDialog(dialog); }

    const Game &m_game;
    const AppContext &m_context;
    PlayDialogs m_playDialogs;
    MessageRunner m_messageRunner;
    std::function<void(ReflowChoice)> m_rememberReflow;
    const QuickEntryRunner *m_quickEntry = nullptr;
};

} // namespace yardmark
