#include "kickentry.h"

#include "vocabulary/vocabulary.h"

namespace yardmark {

std::int32_t touchbackYardLine(const LeagueOptions &league)
{
    return league.indoorField ? 15 : 20;
}

void setFumbleSelector(FumbleSection &section, std::string_view kickEntry)
{
    if (kickEntry.empty())
        section.selectorEntries = {"Fumble 1", "Fumble 2", "Fumble 3"};
    else
        section.selectorEntries = {std::string(kickEntry), "Fumble 1", "Fumble 2"};
}

void readKickSpots(const SpotEntry &kickedTo, const SpotEntry &finalSpot, const PlayEntryContext &context)
{
    PlayRecord &play = context.currentPlay();
    FieldSpot &ballSpot = context.situation().ballSpot;
    const std::int32_t midfield = context.league().midfieldYardLine;
    play.receivedAt = readSpotEntry(kickedTo, midfield);
    ballSpot = readSpotEntry(finalSpot, midfield);
    play.finalSpot = ballSpot;
    const bool received = !kickedTo.yardText.empty();
    const bool ended = !finalSpot.yardText.empty();
    if (received && !ended) {
        play.finalSpot = play.receivedAt;
        ballSpot = play.receivedAt;
    } else if (ended && !received) {
        play.receivedAt = play.finalSpot;
    }
}

std::int32_t kickTurnover(const PlayRecord &play, bool kickingHome, bool firstIsKick, const KickRecoveryRule &rule)
{
    std::int32_t turnover = code(TurnoverKind::NoTurnover);
    for (std::size_t i = 0; i < kMaxFumbles && play.fumbles[i] != 0; ++i) {
        const bool kickersRecovered = play.fumbleRecoveredByHome[i] == kickingHome;
        if (i == 0 && firstIsKick)
            turnover = kickersRecovered ? rule.kickersRecoverKick : rule.receiversRecoverKick;
        else
            turnover = kickersRecovered ? rule.kickersRecoverFumble : rule.receiversRecoverFumble;
    }
    return turnover;
}

PlayerEntry rememberedKicker(const std::vector<PlayerRecord> &roster, std::string_view name)
{
    PlayerRecord kicker;
    kicker.name = std::string(name);
    return showPlayerEntry(kicker, roster);
}

std::int32_t kickReturnScore(FieldSpot ballSpot, bool kickingIsHome, bool kickersHoldBall)
{
    if (ballSpot.yardLine != 0)
        return code(ScoreType::NoScore);
    if (ballSpot.homeSide == kickingIsHome)
        return code(kickersHoldBall ? ScoreType::NoScore : ScoreType::RunbackTouchdown);
    return code(kickersHoldBall ? ScoreType::Touchdown : ScoreType::RunbackSafety);
}

} // namespace yardmark
