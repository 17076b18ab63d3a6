#pragma once

#include "gameflow/entry/playentry.h"
#include "gameflow/spotentry.h"
#include "records/game.h"
#include "records/settings.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace yardmark {

class Interaction;

inline constexpr int kEditPlayerRows = 5;

/// What the "Edit Play" dialog's controls hold. The code lists hold list
/// indexes, which are the codes; texts are as typed; quarter and downs 1-based.
struct EditPlayForm {
    bool homeHasBall = true;
    int playType = 0;
    int secondList = 0; ///< rush type, pass result, kick result or penalty, by play type
    int scoreType = 0;
    int turnover = 0;
    int firstDown = 0;
    SpotEntry initialSpot;
    SpotEntry middleSpot; ///< "Reception At", "Kicked To" or "Penalty Spot"
    SpotEntry finalSpot;
    std::string quarter;
    std::string initialDown;
    std::string resultingDown;
    std::string initialToGo;
    std::string resultingToGo;
    std::string penaltyYards;
    std::string minutes;
    std::string seconds;
    std::array<PlayerEntry, kEditPlayerRows> players; ///< rows for player slots 0..4
    FumbleSection fumbles;                            ///< the slot shown and its controls
};

/// The captions that follow the play type; no value keeps the caption shown.
struct EditPlayLabels {
    std::optional<std::string_view> secondList;
    std::optional<std::string_view> middleSpot;
    std::optional<std::string_view> firstPlayer;
    std::optional<std::string_view> secondPlayer;
};
EditPlayLabels editPlayLabels(int playType);

/// The entries of the second list for a play type (empty for types without one).
std::span<const std::string_view> secondListEntries(int playType);

/// The fumble selector's entries; the first names the kick's own loose ball
/// for onside kicks and blocked kicks.
std::array<std::string_view, 3> fumbleSelectorEntries(int kickResult);

/// The clock as the dialog shows it: two digits each, or both empty when no
/// time was recorded.
std::pair<std::string, std::string> clockTexts(const PlayRecord &play);

/// The "Edit Play" dialog working on a copy of one recorded play. The window
/// or a script sets the form's plain fields and works the rows and the fumble
/// section with the verbs every play entry has; `ok()` writes the play, or
/// keeps the dialog open when a fumble lacks its recovery spot.
class EditPlayEntry : public FumblePlayEntry {
public:
    EditPlayEntry(PlayRecord &play, const Game &game, const LeagueOptions &league, Interaction &ui);

    EditPlayForm &form() { return m_form; }
    const EditPlayForm &form() const { return m_form; }

    /// The roster offered in a player row (rows follow the slots 0..4).
    const std::vector<PlayerRecord> &rowRoster(int row) const override;
    /// The recoverer's list: the checked team's roster, the home team's while
    /// no box is checked.
    const std::vector<PlayerRecord> &recovererRoster() const override;

    /// The possession radio changed: the player lists are refilled.
    void setPossession(bool home);
    /// A play type chosen: the second list is refilled when its kind changes.
    void setPlayType(int playType);

    /// OK: true when the dialog closes accepted.
    bool ok();

protected:
    const PlayerEntry *rowEntry(int row) const override;
    const FumbleSection &fumbleSection() const override { return m_form.fumbles; }
    const PlayRecord &fumblePlay() const override { return m_play; }
    bool storeShownFumble() override;

private:
    void fillRowTeams();

    PlayRecord &m_play;
    const LeagueOptions &m_league;
    EditPlayForm m_form;
    std::array<bool, kEditPlayerRows> m_rowHome{};
};

} // namespace yardmark
