#pragma once

#include "playerentry.h"

#include "records/team.h"

#include <array>
#include <string>
#include <vector>

namespace yardmark {

// The team dialog ("Edit Team").

/// The four current players of a team, in the order of the dialog's lists.
enum CurrentPlayer { CurrentQuarterback, CurrentKicker, CurrentFieldGoalKicker, CurrentPunter };
inline constexpr int kCurrentPlayerCount = 4;

struct TeamForm {
    std::string name;
    std::string coach;
    std::string assistant;
    std::string logoFile;
    /// The row chosen in each current-player list, -1 for none.
    std::array<int, kCurrentPlayerCount> current{-1, -1, -1, -1};

    bool operator==(const TeamForm &) const = default;
};

/// The lines of each current-player list: every player, in roster order.
std::vector<std::string> teamPlayerList(const Team &team);

/// The dialog opened on `team`: each list selects the player whose name is
/// the team's current one.
TeamForm teamForm(const Team &team);

/// The names chosen in the lists, or the team's own where nothing is chosen.
std::array<std::string, kCurrentPlayerCount> chosenCurrentPlayers(const TeamForm &form, const Team &team);

/// Chooses again, after the roster changed, the players of these names.
void chooseCurrentPlayers(TeamForm &form, const Team &team, const std::array<std::string, kCurrentPlayerCount> &names);

/// Applies the dialog to the team: name, coach and assistant, and each
/// current player's name from its list (kept when nothing is chosen).
void applyTeamForm(const TeamForm &form, Team &team);

} // namespace yardmark
