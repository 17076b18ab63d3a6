#pragma once

#include "gameflow/entry/playentry.h"

#include <functional>
#include <optional>
#include <string>

namespace yardmark {

/// The result radios of the "Field Goal Attempt" dialog.
enum class FieldGoalResult { Good, Blocked, NoKick, WideLeft, WideRight, Short };

/// The radio that records a stored play's kick result; none for a code this
/// dialog never writes.
std::optional<FieldGoalResult> fieldGoalResultOf(std::int32_t kickResult);

/// What the "Field Goal Attempt" dialog's controls hold.
struct FieldGoalForm {
    std::string caption;
    PlayerEntry kicker;    ///< kicking team
    PlayerEntry blockedBy; ///< defending team
    SpotEntry finalSpot;
    FieldGoalResult result = FieldGoalResult::Good;
    FumbleSection fumbles;
};

/// The "Field Goal Attempt" dialog without its widgets: field goals, and extra
/// points while a try is due. Set up by the constructor; then the window or a
/// script fires the handlers below and presses OK or Cancel.
///
/// Controls → handlers:
/// - the player rows (`Row`) → the `PlayEntry` verbs;
/// - Final Spot → `setFinalSpot`;
/// - the result radios → `chooseResult` ("&Blocked" makes the first fumble entry the
///   blocked kick's recovery);
/// - the fumble section → the `FumblePlayEntry` verbs; checking a "Recovered By:"
///   box also chooses "&No Kick" unless the kick was blocked;
/// - OK → `ok`, Cancel → `cancel`.
class FieldGoalEntry : public CurrentPlayFumbleEntry {
public:
    enum Row : int { Kicker, BlockedBy };

    /// Set-up: caption, the remembered field goal kicker, "&Good" chosen and
    /// the final spot on the half the ball is on.
    explicit FieldGoalEntry(const PlayEntryContext &context);

    const FieldGoalForm &form() const { return m_form; }
    FieldGoalForm &form() { return m_form; }

    void setFinalSpot(const SpotEntry &spot) { m_form.finalSpot = spot; }
    void chooseResult(FieldGoalResult result);

    /// OK: records the attempt and writes the situation; false while the
    /// dialog stays open.
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    bool rowListsOffense(int row) const override { return row == Kicker; }
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const SpotEntry &finalSpotEntry() const override { return m_form.finalSpot; }
    void recoveredByChecked() override;

private:
    std::int32_t turnoverAfterFumbles() const;
    std::int32_t returnScore(bool tryPending) const;

    FieldGoalForm m_form;
};

/// The field goal dialog as a script drives it (see `runKickOffEntry`).
bool runFieldGoalEntry(PlayEntryContext &context, const std::function<bool(FieldGoalEntry &)> &fill);

} // namespace yardmark
