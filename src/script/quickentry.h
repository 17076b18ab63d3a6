#pragma once

#include "script/scriptrunner.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace yardmark {

/// A quick-entry line that could not be read: what is wrong, for the scorer.
struct QuickEntryError {
    std::string message;
};

/// Reads one line of the short play notation (a scorer typing at the game
/// window, or a line of a script that does not start with "{") into the
/// script line it stands for: the same op and dialog fields a script would
/// give, so the play is recorded through the same entries and engine.
///
///   r 22 7            rush by 22 for 7 yards (quarterback as preselected)
///   p 12>88 15        pass from 12 to 88 for 15; "p 88 15" keeps the quarterback
///   p inc / p sack -7 t90 / p int 24 at h30
///   ko 4 to v5 22 at v30    kickoff by 4 to the visitor 5, returned by 22 to the 30
///   ko tb / ko oob / ko onside+ / ko onside-
///   pu 9 to v30 fc    punt by 9 to the visitor 30, fair catch
///   ko 4 tb 22 keep=result    a result its return contradicts, and which to
///                     record (keep=return records the return)
///   fg 4 good / fg 4 wl / fg 4 blocked b90
///   op 13 / dp 7      offensive penalty 13 (Clipping), defensive penalty 7
///   timeout h / timeout v
///
/// Players: a bare number fills the play's next player (rush: rusher; pass:
/// receiver; kicks: kicker then returner), or with a letter: q quarterback,
/// t tackler, a assist, i interceptor, k kicker, r returner, b blocked by,
/// on penalty on. Yards: the next number (or any signed one). Spots: "to" the
/// reception, kick or punt spot, "at" where the ball ends, each as h30, v30,
/// hg or vg (the goal line of that half).
std::variant<Json, QuickEntryError> readQuickEntry(std::string_view line);

class GameFlow;
struct Game;

/// The hint beside the quick line while a number is typed: the players of
/// both rosters whose number starts with `digits` ("#22 Baker, #2 Cole";
/// the first eight), and a warning when two players of one team wear the
/// number typed, since the line then records the first of them.
std::string quickEntryPlayerHint(const Game &game, std::string_view digits);

/// What a quick-entry line did at the game window.
struct QuickEntryOutcome {
    std::string error;              ///< the line could not be read; nothing was recorded
    bool recorded = false;          ///< a play or a time-out was added
    std::vector<std::string> notes; ///< what the scorer should know, e.g. a number not on the roster
};

/// Runs quick-entry lines on the game window's engine: the line's button is
/// pressed and its dialog filled from the line, through the same entries as
/// the dialogs. The window's `Interaction` asks `pendingFields` whether a
/// play dialog is to be filled from a line rather than shown.
class QuickEntryRunner {
public:
    QuickEntryOutcome run(GameFlow &flow, std::string_view line);

    /// The dialog fields of the line being run; null between lines.
    const Json *pendingFields() const { return m_pending; }

private:
    const Json *m_pending = nullptr;
};

} // namespace yardmark
