#pragma once

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/playentry.h"
#include "vocabulary/vocabulary.h"

#include <array>
#include <functional>
#include <string>

namespace yardmark {

/// What the Rush dialog's controls hold.
struct RushForm {
    std::string caption;
    std::array<PlayerEntry, 4> players;  ///< by `RushEntry::Row`
    int rushType = code(RushType::Rush); ///< "Rush Description": the list index is the code
    std::string yardsMade;
    SpotEntry finalSpot;
    FumbleSection fumbles;
};

/// The Rush dialog ("Rush", or the try by rush while a try is due) without
/// its widgets. Set up by the constructor from the play being entered; then
/// the window or a script fires the handlers below, in the order the scorer
/// works the controls, and presses OK or Cancel.
///
/// Controls → handlers:
/// - the player rows (`Row`) → the `PlayEntry` verbs;
/// - "Rush Description" → `setRushType`;
/// - "Yards Made" → `setYardsMade` (fills the Final Spot);
/// - Final Spot → `setFinalSpot` (fills "Yards Made");
/// - the fumble section → the `FumblePlayEntry` verbs;
/// - OK → `ok`, Cancel → `cancel`.
class RushEntry : public CurrentPlayFumbleEntry {
public:
    enum Row : int { Quarterback, Rusher, Tackler, Assist };

    explicit RushEntry(const PlayEntryContext &context);

    const RushForm &form() const { return m_form; }
    RushForm &form() { return m_form; }

    /// A "Rush Description" entry chosen; false for a code the list lacks.
    bool setRushType(int rushType);
    /// "Yards Made" left: the Final Spot shows the ball moved that far.
    void setYardsMade(std::string_view text);
    /// Final Spot left: the play ends there and "Yards Made" shows the gain.
    void setFinalSpot(const SpotEntry &spot);

    /// OK: records the rush and writes the situation; false while the dialog
    /// stays open (a fumble recovery without its spot).
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    bool rowListsOffense(int row) const override { return row == Quarterback || row == Rusher; }
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const SpotEntry &finalSpotEntry() const override { return m_form.finalSpot; }

private:
    RushForm m_form;
};

/// The Rush dialog as the engine runs it for a script: set up on the play
/// being entered, worked by `fill` (true presses OK, false Cancel), cancelled
/// when OK keeps it open. True when the play was accepted.
bool runRushEntry(PlayEntryContext &context, const std::function<bool(RushEntry &)> &fill);

} // namespace yardmark
