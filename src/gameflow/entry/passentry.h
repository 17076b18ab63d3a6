#pragma once

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/playentry.h"
#include "vocabulary/vocabulary.h"

#include <array>
#include <functional>
#include <string>

namespace yardmark {

/// What the Pass dialog's controls hold.
struct PassForm {
    std::string caption;
    std::array<PlayerEntry, 5> players;        ///< by `PassEntry::Row`
    int result = code(PassResult::Completion); ///< the checked result radio, by its code
    SpotEntry receptionSpot;                   ///< "Reception / Interception At"
    std::string yardsMade;
    SpotEntry finalSpot;
    FumbleSection fumbles;
};

/// The Pass dialog ("Pass", or the try by pass while a try is due) without
/// its widgets. Set up by the constructor from the play being entered; then
/// the window or a script fires the handlers below, in the order the scorer
/// works the controls, and presses OK or Cancel.
///
/// Controls → handlers:
/// - the player rows (`Row`) → the `PlayEntry` verbs;
/// - the pass result radios → `setResult` (complete 1, incomplete 2, sack 3, interception 4);
/// - the reception spot → `setReceptionSpot` (fills an empty Final Spot);
/// - "Yards Made" → `setYardsMade` (fills the Final Spot and an empty reception spot);
/// - Final Spot → `setFinalSpot` (fills "Yards Made");
/// - the fumble section → the `FumblePlayEntry` verbs;
/// - OK → `ok`, Cancel → `cancel`.
class PassEntry : public CurrentPlayFumbleEntry {
public:
    enum Row : int { Quarterback, Receiver, Tackler, Assist, Interceptor };

    explicit PassEntry(const PlayEntryContext &context);

    const PassForm &form() const { return m_form; }
    PassForm &form() { return m_form; }

    /// A result radio chosen by its `PassResult` code; false for any other code.
    bool setResult(int passResult);
    /// The reception / interception yard line left: an empty Final Spot takes
    /// that spot, and an empty "Yards Made" the gain to it.
    void setReceptionSpot(const SpotEntry &spot);
    /// "Yards Made" left: the Final Spot, and an empty reception spot, show
    /// the ball moved that far.
    void setYardsMade(std::string_view text);
    /// Final Spot left: the play ends there and "Yards Made" shows the gain.
    void setFinalSpot(const SpotEntry &spot);

    /// OK: records the pass and writes the situation; false while the dialog
    /// stays open (a fumble recovery without its spot).
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    bool rowListsOffense(int row) const override { return row == Quarterback || row == Receiver; }
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const SpotEntry &finalSpotEntry() const override { return m_form.finalSpot; }

private:
    PassForm m_form;
};

/// The Pass dialog as the engine runs it for a script: set up on the play
/// being entered, worked by `fill` (true presses OK, false Cancel), cancelled
/// when OK keeps it open. True when the play was accepted.
bool runPassEntry(PlayEntryContext &context, const std::function<bool(PassEntry &)> &fill);

} // namespace yardmark
