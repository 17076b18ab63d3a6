#pragma once

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/playentry.h"

#include <functional>
#include <string>

namespace yardmark {

/// What the "Penalty" dialog's controls hold.
struct PenaltyForm {
    std::string caption;
    int penalty = 1; ///< the penalty list's index, which is the code
    PlayerEntry penaltyOn;
    std::string yardsPenalized;
    std::string resultingDown; ///< counted from 1
    std::string resultingToGo;
    SpotEntry penaltySpot;
    SpotEntry finalSpot;
};

/// The default yards of a penalty, and whether a defensive one gives the
/// offense a first down whatever the distance.
std::int32_t offensivePenaltyYards(int penalty);
std::int32_t defensivePenaltyYards(int penalty);
bool givesAutomaticFirstDown(int defensivePenalty);

/// The offensive and the defensive penalty dialogs without their widgets: one
/// "Penalty" dialog differing in its list, its roster, the direction the ball
/// moves and how the first down is judged. Set up by the constructor from the
/// play being entered; then the window or a script fires the handlers below,
/// in the order the scorer works the controls, and presses OK or Cancel.
///
/// Controls → handlers:
/// - the penalty list → `choosePenalty` (fills the yards, the resulting down and to go;
///   a defensive penalty exactly reaching the line to gain asks about the first down);
/// - the "Penalty On" row (`PenaltyOn`) → the `PlayEntry` verbs;
/// - the yards → `setYardsPenalized`; the resulting down → `setResultingDown`;
///   the resulting to go → `setResultingToGo`;
/// - the penalty spot → `setPenaltySpot`;
/// - Final Spot → `setFinalSpot` (fills the resulting to go);
/// - OK → `ok`, Cancel → `cancel`.
class PenaltyEntry : public CurrentPlayEntry<PlayEntry> {
public:
    enum Row : int { PenaltyOn };

    PenaltyEntry(const PlayEntryContext &context, bool defensive);

    bool defensive() const { return m_defensive; }
    const PenaltyForm &form() const { return m_form; }
    PenaltyForm &form() { return m_form; }

    /// A penalty chosen in the list; false for a code the list lacks.
    bool choosePenalty(int penalty);
    void setYardsPenalized(std::string_view text) { m_form.yardsPenalized = std::string(text); }
    void setResultingDown(std::string_view text) { m_form.resultingDown = std::string(text); }
    void setResultingToGo(std::string_view text) { m_form.resultingToGo = std::string(text); }
    void setPenaltySpot(const SpotEntry &spot) { m_form.penaltySpot = spot; }
    /// Final Spot left: the play ends there and the resulting to go is the
    /// distance left from it.
    void setFinalSpot(const SpotEntry &spot);

    /// OK: records the penalty and writes the situation; always closes.
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override { return row == PenaltyOn ? &m_form.penaltyOn : nullptr; }
    bool rowListsOffense(int) const override { return !m_defensive; }

private:
    void showResult(std::int32_t down, std::int32_t toGo);
    void showFirstDown() { showResult(0, kYardsForFirstDown); }

    PenaltyForm m_form;
    bool m_defensive;
};

/// The penalty dialogs as the engine runs them for a script: set up on the
/// play being entered, worked by `fill` (true presses OK, false Cancel).
/// True when the play was accepted.
bool runOffensivePenaltyEntry(PlayEntryContext &context, const std::function<bool(PenaltyEntry &)> &fill);
bool runDefensivePenaltyEntry(PlayEntryContext &context, const std::function<bool(PenaltyEntry &)> &fill);

} // namespace yardmark
