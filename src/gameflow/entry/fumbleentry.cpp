#include "fumbleentry.h"

namespace yardmark {

bool saveShownFumble(FumbleSection &section, SpotEntry &finalSpot, const PlayEntryContext &context)
{
    PlayRecord &play = context.currentPlay();
    if (!storeFumble(section.form, section.shown, play.homeHasBall, play, context.game(), context.league(),
                     context.ui()))
        return false;
    // The ball ends where the last recovery's return ended; without a fumble
    // the Final Spot controls keep what the scorer typed.
    for (int i = kMaxFumbles - 1; i >= 0; --i) {
        const auto slot = static_cast<std::size_t>(i);
        if (play.fumbles[slot] != 0) {
            play.finalSpot = play.fumbleReturnedTo[slot];
            finalSpot = showSpotEntry(play.finalSpot);
            break;
        }
    }
    return true;
}

void setRecoveredBy(FumbleSection &section, std::optional<bool> home, const FieldSpot &preset)
{
    checkRecoveredBy(section.form, home);
    if (!home)
        return;
    section.form.recoveredAt = showSpotEntry(preset);
    section.form.returnedTo = showSpotEntry(preset);
}

void clearFumbleSection(FumbleSection &section)
{
    section.form = FumbleForm{};
}

const std::vector<PlayerRecord> &recovererRoster(const FumbleSection &section, const Game &game)
{
    static const std::vector<PlayerRecord> none;
    return section.form.recoveredByHome ? rosterOf(game, *section.form.recoveredByHome) : none;
}

} // namespace yardmark
