#include "fumblesection.h"

#include "gameflow/interaction.h"
#include "vocabulary/vocabulary.h"

namespace yardmark {

const std::vector<PlayerRecord> &rosterOf(const Game &game, bool home)
{
    return home ? game.homeTeam.players : game.visitorTeam.players;
}

FumbleForm showFumble(const PlayRecord &play, int slot, const Game &game)
{
    FumbleForm form;
    const auto i = static_cast<std::size_t>(slot);
    if (slot < 0 || slot >= kMaxFumbles || play.fumbles[i] == 0)
        return form;
    const bool home = play.fumbleRecoveredByHome[i];
    form.recoveredByHome = home;
    form.recoverer = showPlayerEntry(play.players[FirstRecovererSlot + i], rosterOf(game, home));
    form.recoveredAt = showSpotEntry(play.fumbleRecoveredAt[i]);
    form.returnedTo = showSpotEntry(play.fumbleReturnedTo[i]);
    return form;
}

void checkRecoveredBy(FumbleForm &form, std::optional<bool> recoveredByHome)
{
    form.recoveredByHome = recoveredByHome;
    form.recoverer = PlayerEntry{};
}

bool storeFumble(const FumbleForm &form, int slot, bool possessionHome, PlayRecord &play, const Game &game,
                 const LeagueOptions &league, Interaction &ui)
{
    if (slot < 0 || slot >= kMaxFumbles)
        return true;
    const auto i = static_cast<std::size_t>(slot);
    if (!form.recoveredByHome) {
        play.clearFumble(slot);
        return true;
    }
    if (form.recoveredAt.yardText.empty()) {
        ui.playSound(kWarningSound);
        ui.message("Must Enter Where Recovery was Made", "Recovered At?", MessageButtons::Ok);
        return false;
    }
    const bool recoverer = *form.recoveredByHome;
    const bool hadBall = slot == 0 ? possessionHome : play.fumbleRecoveredByHome[i - 1];
    play.fumbles[i] = code(recoverer == hadBall ? FumbleRecovery::ByOffense : FumbleRecovery::ByDefense);
    play.fumbleRecoveredByHome[i] = recoverer;
    play.players[FirstRecovererSlot + i] = resolvePlayerEntry(form.recoverer, rosterOf(game, recoverer), "", ui);
    play.fumbleRecoveredAt[i] = readSpotEntry(form.recoveredAt, league.midfieldYardLine);
    play.fumbleReturnedTo[i] = form.returnedTo.yardText.empty()
                                   ? play.fumbleRecoveredAt[i]
                                   : readSpotEntry(form.returnedTo, league.midfieldYardLine);
    return true;
}

std::int32_t turnoverAfterFumbles(const PlayRecord &play, std::int32_t turnover)
{
    const std::int32_t lost = code(TurnoverKind::Fumble);
    for (std::size_t i = 0; i < kMaxFumbles && play.fumbles[i] != 0; ++i) {
        if (play.fumbleRecoveredByHome[i] != play.homeHasBall)
            turnover = lost;
        else if (turnover == lost)
            turnover = 0;
    }
    return turnover;
}

} // namespace yardmark
