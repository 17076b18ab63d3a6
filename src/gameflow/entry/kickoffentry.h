#pragma once

#include "gameflow/entry/kickentry.h"
#include "gameflow/entry/playentry.h"

#include <functional>
#include <optional>
#include <string>

namespace yardmark {

/// The result radios of the "Kick Off" dialog.
enum class KickOffResult { Returned, TouchBack, OutOfBounds, FairCatch };

/// The radio that records a stored play's kick result; none for a code this
/// dialog never writes.
std::optional<KickOffResult> kickOffResultOf(std::int32_t kickResult);

/// What the "Kick Off" dialog's controls hold.
struct KickOffForm {
    std::string caption;
    PlayerEntry kicker;   ///< kicking team
    PlayerEntry returner; ///< receiving team
    PlayerEntry tackler;  ///< kicking team
    PlayerEntry assist;   ///< kicking team
    SpotEntry kickedTo;
    SpotEntry finalSpot;
    KickOffResult result = KickOffResult::TouchBack;
    bool onsideSuccessful = false;
    bool onsideUnsuccessful = false;
    FumbleSection fumbles;
    /// Which side of a contradiction between the result and the return to
    /// record; unset, OK asks.
    std::optional<KickKeep> keep;
};

/// The "Kick Off" dialog without its widgets: kickoffs and onside kicks by the
/// team with the ball. Set up by the constructor; then the window or a script
/// fires the handlers below and presses OK or Cancel.
///
/// Controls → handlers:
/// - the player rows (`Row`) → the `PlayEntry` verbs;
/// - the "Kicked To" spot → `setKickedTo`, Final Spot → `setFinalSpot`;
/// - the result radios → `chooseResult` ("&Touch Back" and "&Kicked Out Of Bounds" fill
///   both spots);
/// - the onside kick boxes → `setOnsideSuccessful` / `setOnsideUnsuccessful` (checks the
///   recovering team's "Recovered By:" box);
/// - the fumble section → the `FumblePlayEntry` verbs;
/// - OK → `ok`, Cancel → `cancel`.
class KickOffEntry : public CurrentPlayFumbleEntry {
public:
    enum Row : int { Kicker, Returner, Tackler, Assist };

    /// Set-up: caption, the remembered kicker, both spots on the receivers'
    /// half and "&Touch Back" chosen.
    explicit KickOffEntry(const PlayEntryContext &context);

    const KickOffForm &form() const { return m_form; }
    KickOffForm &form() { return m_form; }

    void setKickedTo(const SpotEntry &spot) { m_form.kickedTo = spot; }
    void setFinalSpot(const SpotEntry &spot) { m_form.finalSpot = spot; }
    void chooseResult(KickOffResult result);
    void setOnsideSuccessful(bool checked);
    void setOnsideUnsuccessful(bool checked);

    /// The contradiction between the result radio and the return typed.
    KickContradiction contradiction() const;
    /// The contradiction in the user's words.
    std::string contradictionText() const;

    /// OK: a contradiction between the result and the return is settled
    /// first (asked unless `keep` says); then OK records the kick (or, out of bounds, the kick-over penalty) and
    /// writes the situation; false while the dialog stays open.
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    bool rowListsOffense(int row) const override { return row != Returner; }
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const SpotEntry &finalSpotEntry() const override { return m_form.finalSpot; }
    std::optional<FieldSpot> recoveryPreset() const override;

private:
    KickReturnRows returnRows() const;
    KickShape shape() const;
    void onsideChanged();
    bool kickOverAfterOutOfBounds();
    std::int32_t turnoverAfterFumbles() const;

    KickOffForm m_form;
};

/// The kickoff dialog as a script drives it: `fill` works the fields and
/// returns true for OK, false for Cancel; an OK that stays open is cancelled.
/// True when the play was accepted.
bool runKickOffEntry(PlayEntryContext &context, const std::function<bool(KickOffEntry &)> &fill);

} // namespace yardmark
