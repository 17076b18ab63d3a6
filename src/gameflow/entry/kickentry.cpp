#include "kickentry.h"

#include "gameflow/interaction.h"
#include "vocabulary/vocabulary.h"

#include <vector>

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

namespace {

bool typed(const PlayerEntry &entry)
{
    return !entry.numberText.empty() || entry.listIndex >= 0;
}

FieldSpot touchbackSpot(bool kickingHome, const LeagueOptions &league)
{
    return FieldSpot{touchbackYardLine(league), !kickingHome};
}

/// A final spot other than `from`; an empty yard line is no spot.
bool endsElsewhere(const SpotEntry &finalSpot, FieldSpot from, const LeagueOptions &league)
{
    return !finalSpot.yardText.empty() && readSpotEntry(finalSpot, league.midfieldYardLine) != from;
}

bool returnYards(const KickReturnRows &rows, const LeagueOptions &league)
{
    return !rows.receivedAt.yardText.empty() &&
           endsElsewhere(rows.finalSpot, readSpotEntry(rows.receivedAt, league.midfieldYardLine), league);
}

std::string listed(const std::vector<std::string> &items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return text + (items.size() > 1 ? " are typed" : " is typed");
}

} // namespace

KickContradiction kickContradiction(const KickReturnRows &rows, KickShape shape, bool kickingHome,
                                    const LeagueOptions &league)
{
    const bool tackled = typed(rows.tackler) || typed(rows.assist);
    switch (shape) {
    case KickShape::TouchBack:
        // The radio fills both spots; only a final spot moved from there is a return.
        if (typed(rows.returner) || tackled ||
            endsElsewhere(rows.finalSpot, touchbackSpot(kickingHome, league), league))
            return KickContradiction::TouchbackReturned;
        return KickContradiction::None;
    case KickShape::FairCatch:
        return tackled || returnYards(rows, league) ? KickContradiction::FairCatchReturned : KickContradiction::None;
    case KickShape::Returned:
        return !typed(rows.returner) && returnYards(rows, league) ? KickContradiction::ReturnWithoutReturner
                                                                  : KickContradiction::None;
    case KickShape::NoReturn:
        break;
    }
    return KickContradiction::None;
}

std::string kickContradictionText(const KickReturnRows &rows, KickContradiction contradiction, bool kickingHome,
                                  const LeagueOptions &league)
{
    std::vector<std::string> items;
    const bool tackled = typed(rows.tackler) || typed(rows.assist);
    switch (contradiction) {
    case KickContradiction::TouchbackReturned:
        if (typed(rows.returner))
            items.push_back("a returner");
        if (tackled)
            items.push_back("a tackler");
        if (endsElsewhere(rows.finalSpot, touchbackSpot(kickingHome, league), league))
            items.push_back("a return spot");
        return "Touch Back is checked, but " + listed(items);
    case KickContradiction::FairCatchReturned:
        if (tackled)
            items.push_back("a tackler");
        if (returnYards(rows, league))
            items.push_back("return yards");
        return "Fair Catch is checked, but " + listed(items);
    case KickContradiction::ReturnWithoutReturner:
        return "The kick is returned, but no returner is typed";
    case KickContradiction::None:
        break;
    }
    return {};
}

std::optional<KickKeep> settleKickContradiction(Interaction &ui, KickReturnRows &rows, KickContradiction contradiction,
                                                std::optional<KickKeep> keep, bool kickingHome,
                                                const LeagueOptions &league)
{
    if (contradiction == KickContradiction::None)
        return KickKeep::Result;
    if (!keep) {
        const std::string question =
            kickContradictionText(rows, contradiction, kickingHome, league) +
            (contradiction == KickContradiction::ReturnWithoutReturner ? ".\nRecord the return without a returner?"
                                                                       : ".\nRecord it as checked, with no return?");
        ui.playSound(kWarningSound);
        if (ui.message(question, "Kick Result", MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
            return std::nullopt;
        keep = KickKeep::Result;
    }
    if (*keep != KickKeep::Result)
        return keep;
    if (contradiction == KickContradiction::TouchbackReturned) {
        rows.returner = {};
        rows.receivedAt.yardText = "0";
        rows.finalSpot = SpotEntry{!kickingHome, std::to_string(touchbackYardLine(league))};
    }
    if (contradiction != KickContradiction::ReturnWithoutReturner) {
        rows.tackler = {};
        rows.assist = {};
        // A fair catch ends where the ball was caught.
        if (contradiction == KickContradiction::FairCatchReturned && !rows.receivedAt.yardText.empty())
            rows.finalSpot = rows.receivedAt;
    }
    return keep;
}

} // namespace yardmark
