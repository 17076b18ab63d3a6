#pragma once

#include "gameflow/corrections.h"
#include "gameflow/gameflow.h"
#include "gameflow/insertplay.h"
#include "gameflow/interaction.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace yardmark {

using Json = nlohmann::ordered_json;

/// A script line's key as the messages name it: in double quotes.
inline std::string quotedKey(std::string_view key)
{
    return "\"" + std::string(key) + "\"";
}

/// A script line that cannot be run; the text says why.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A kick line whose result its return contradicts, without a word on which
/// to keep; `contradiction` says what clashes.
class KickDoubtError : public ScriptError {
public:
    explicit KickDoubtError(std::string contradiction)
        : ScriptError(contradiction + ": say which to keep, \"keep\": \"result\" or \"return\""),
          contradiction(std::move(contradiction))
    {
    }
    std::string contradiction;
};

/// The scorer at the game window as a script plays him: every question is
/// answered from the line's "answers" (a box closed without a button when
/// they run out), every dialog is filled from the line's fields, and every
/// message, team choice, clock question and sound is logged for the line.
class ScriptInteraction : public Interaction {
public:
    /// Starts a line: `dialogFields` (may be null) are what the play or
    /// correction dialog the line opens receives.
    void beginLine(const Json &line, const Json *dialogFields);

    /// What the line has shown and played so far: [{"caption","text"}] and [numbers].
    const Json &asked() const { return m_asked; }
    const Json &sounds() const { return m_sounds; }

    MessageAnswer message(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) override;
    TeamChoice chooseTeam(std::string_view title, std::string_view homeName, std::string_view visitorName,
                          bool homeChecked) override;
    bool runPlayDialog(PlayKind kind, PlayEntryContext &context) override;
    void runEditPlay(EditPlayEntry &dialog) override;
    bool runInsertPlay(InsertPlayForm &form) override;
    bool runBallOn(BallOnForm &form) override;
    bool runToGo(ToGoForm &form) override;
    void runRecordTime(RecordTimeForm &form) override;
    void playSound(int soundNumber) override;
    std::optional<FileChoice> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<ColorValue> chooseColor(ColorValue) override { return std::nullopt; }

private:
    /// The next answer of the line, or nothing when they have run out.
    std::optional<std::string> nextAnswer();
    const Json &fields() const;

    Json m_answers = Json::array();
    std::size_t m_nextAnswer = 0;
    RecordTimeForm m_time;
    bool m_cancel = false;
    const Json *m_fields = nullptr;
    std::optional<InsertKind> m_insertKind;
    bool m_insertsEntry = false; ///< the Insert Play chooser leads to an entry dialog
    Json m_asked = Json::array();
    Json m_sounds = Json::array();
};

/// Runs a scorer's script on a game, one line at a time, through the game
/// window's engine and its dialogs, exactly as the window would.
class ScriptRunner {
public:
    ScriptRunner(Game &game, const Settings &settings);

    /// Runs one line (a JSON object) and returns the situation after it,
    /// with what it asked and played. The window opens before the first line;
    /// a first line `open` carries the opening's answers and kickoff.
    Json runLine(const Json &line);

    /// False once a `quit` has closed the window.
    bool windowOpen() const { return m_flow.isOpen(); }
    /// Whether the last line run was a `quit`; its answer decided the saving.
    bool lastLineWasQuit() const { return m_lastWasQuit; }
    GameFlow &flow() { return m_flow; }

private:
    void runOp(const std::string &op, const Json &line);
    Json situation() const;
    void runReflow(const Json &line);

    Game &m_game;
    ScriptInteraction m_ui;
    /// The settings the script runs with: a script re-flows with its own line only.
    Settings m_settings;
    GameFlow m_flow;
    bool m_opened = false;
    bool m_lastWasQuit = false;
    Json m_reflowed; ///< what the line's re-flow did, null for other lines
};

/// The play button a line's op presses; nothing for the other ops.
std::optional<PlayKind> playKindOfOp(std::string_view op);

/// The text of a field value: a JSON string (UTF-8, returned in Windows-1252)
/// or a whole number.
std::string fieldText(const Json &value, std::string_view key);
/// A code: a whole number, or text holding one.
int fieldCode(const Json &value, std::string_view key);
/// A team named by "home" / "visitor"; null for neither.
std::optional<bool> fieldSide(const Json &value, std::string_view key);
/// A spot group {"side", "yard"}; a key left out keeps what `shown` holds.
SpotEntry fieldSpot(const Json &value, std::string_view key, const SpotEntry &shown);

class FumblePlayEntry;
class PlayEntry;

/// A player row of any play entry: the number field's text, or {"number",
/// "pick"} (the first roster entry of that name); null ticks "Clear".
void enterPlayer(PlayEntry &entry, int row, const Json &value, std::string_view key);

/// The fumble section of any play entry, one object per fumble in selector
/// order; false when the shown fumble could not be stored (the scorer was told).
bool enterFumbles(FumblePlayEntry &entry, const Json &fumbles);

/// Fills and closes the entry dialog of a play button from a line's fields.
bool runScriptedPlayDialog(PlayKind kind, PlayEntryContext &context, const Json &fields, bool cancel);

} // namespace yardmark
