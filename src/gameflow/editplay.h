#pragma once

#include "gameflow/fumblesection.h"
#include "gameflow/playerentry.h"
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
    int fumbleIndex = 0;                              ///< the fumble slot shown
    FumbleForm fumble;
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
/// or script sets the form's fields and calls the handlers the dialog's
/// controls fire; `ok()` writes the play, or keeps the dialog open when a
/// fumble lacks its recovery spot.
class EditPlayDialog {
public:
    EditPlayDialog(PlayRecord &play, const Game &game, const LeagueOptions &league, Interaction &ui);

    EditPlayForm &form() { return m_form; }
    const EditPlayForm &form() const { return m_form; }

    /// The roster offered in a player row, and to the fumble recoverer.
    const std::vector<PlayerRecord> &rowRoster(int row) const;
    const std::vector<PlayerRecord> &recovererRoster() const;

    /// The possession radio changed: the player lists are refilled.
    void setPossession(bool home);
    /// A play type chosen: the second list is refilled when its kind changes.
    void setPlayType(int playType);
    /// A drop-down entry chosen in a player row, or its number field left.
    void choosePlayer(int row, int index);
    void leavePlayerNumber(int row);
    /// The same for the fumble recoverer.
    void chooseRecoverer(int index);
    void leaveRecovererNumber();
    /// Shows another fumble slot after storing the shown one; false, with the
    /// shown slot kept, when it could not be stored.
    bool selectFumble(int slot);
    void setRecoveredBy(std::optional<bool> home);

    /// OK: true when the dialog closes accepted.
    bool ok();
    void cancel();
    bool accepted() const { return m_accepted; }
    bool closed() const { return m_closed; }

private:
    void fillRowTeams();

    PlayRecord &m_play;
    const Game &m_game;
    const LeagueOptions &m_league;
    Interaction &m_ui;
    EditPlayForm m_form;
    std::array<bool, kEditPlayerRows> m_rowHome{};
    bool m_accepted = false;
    bool m_closed = false;
};

} // namespace yardmark
