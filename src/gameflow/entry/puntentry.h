#pragma once

#include "gameflow/entry/kickentry.h"
#include "gameflow/entry/playentry.h"

#include <functional>
#include <optional>
#include <string>

namespace yardmark {

/// The result radios of the "Punt" dialog.
enum class PuntResult { Returned, TouchBack, Downed, OutOfBounds, FairCatch, Blocked };

/// The radio that records a stored play's kick result; none for a code this
/// dialog never writes.
std::optional<PuntResult> puntResultOf(std::int32_t kickResult);

/// What the "Punt" dialog's controls hold.
struct PuntForm {
    std::string caption;
    PlayerEntry punter;    ///< punting team
    PlayerEntry returner;  ///< receiving team
    PlayerEntry tackler;   ///< punting team
    PlayerEntry assist;    ///< punting team
    PlayerEntry blockedBy; ///< receiving team; only selects "&Blocked By:"
    SpotEntry puntedTo;
    SpotEntry finalSpot;
    PuntResult result = PuntResult::Returned;
    FumbleSection fumbles;
    /// Which side of a contradiction between the result and the return to
    /// record; unset, OK asks.
    std::optional<KickKeep> keep;
};

/// The "Punt" dialog without its widgets. Set up by the constructor; then the
/// window or a script fires the handlers below and presses OK or Cancel.
///
/// Controls → handlers:
/// - the player rows (`Row`) → the `PlayEntry` verbs; choosing the "Blocked By:"
///   player in the drop-down also chooses "&Blocked By:";
/// - the "Punted To" spot → `setPuntedTo`, Final Spot → `setFinalSpot`;
/// - the result radios → `chooseResult` ("&Touch Back" fills both spots; "&Blocked By:"
///   makes the first fumble entry the blocked punt's recovery);
/// - the fumble section → the `FumblePlayEntry` verbs;
/// - OK → `ok`, Cancel → `cancel`.
class PuntEntry : public CurrentPlayFumbleEntry {
public:
    enum Row : int { Punter, Returner, Tackler, Assist, BlockedBy };

    /// Set-up: caption, the remembered punter, both spots on the receivers'
    /// half and "&Returned" chosen.
    explicit PuntEntry(const PlayEntryContext &context);

    const PuntForm &form() const { return m_form; }
    PuntForm &form() { return m_form; }

    void setPuntedTo(const SpotEntry &spot) { m_form.puntedTo = spot; }
    void setFinalSpot(const SpotEntry &spot) { m_form.finalSpot = spot; }
    void chooseResult(PuntResult result);

    /// The contradiction between the result radio and the return typed.
    KickContradiction contradiction() const;
    /// The contradiction in the user's words.
    std::string contradictionText() const;

    /// OK: a contradiction between the result and the return is settled
    /// first (asked unless `keep` says); then OK records the punt and writes the situation; false while the dialog
    /// stays open.
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    bool rowListsOffense(int row) const override { return row != Returner && row != BlockedBy; }
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const SpotEntry &finalSpotEntry() const override { return m_form.finalSpot; }
    void rowPlayerChosen(int row) override;

private:
    KickReturnRows returnRows() const;
    KickShape shape() const;
    std::int32_t turnoverAfterFumbles() const;

    PuntForm m_form;
};

/// The punt dialog as a script drives it (see `runKickOffEntry`).
bool runPuntEntry(PlayEntryContext &context, const std::function<bool(PuntEntry &)> &fill);

} // namespace yardmark
