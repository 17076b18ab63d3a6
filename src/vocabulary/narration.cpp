#include "vocabulary/narration.h"

#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <initializer_list>
#include <variant>

namespace yardmark {
namespace {

using Arg = std::variant<std::string_view, std::int64_t>;

/// `format` with each "%s" and "%d" replaced by the next argument, in order.
std::string fill(std::string_view format, std::initializer_list<Arg> args)
{
    std::string out;
    out.reserve(format.size() + 64);
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool placeholder =
            format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 's' || format[i + 1] == 'd');
        if (!placeholder) {
            out += format[i];
            continue;
        }
        ++i;
        if (next == args.end())
            continue;
        if (const auto *text = std::get_if<std::string_view>(&*next))
            out += *text;
        else
            out += std::to_string(std::get<std::int64_t>(*next));
        ++next;
    }
    return out;
}

/// The carrier's or the defense's touchdown; a runback touchdown has a line of its own.
bool narratedAsTouchdown(const PlayRecord &play)
{
    return is(play.scoreType, ScoreType::Touchdown) || is(play.scoreType, ScoreType::DefensiveTouchdown);
}

/// What the lines of one play are built from.
struct Parts {
    const PlayRecord &play;
    const LeagueOptions &league;
    std::string period;       // P
    std::string_view side;    // L
    std::string_view down;    // D
    std::string_view offense; // O
    std::string_view defense; // X

    std::string_view name(int slot) const { return play.players[static_cast<std::size_t>(slot)].name; }
    std::int64_t gain() const { return netGain(play, league); }
};

std::string rushLine(const Parts &p)
{
    const PlayRecord &play = p.play;
    const int fumbles = fumbleCount(play);
    std::string line;
    // Only a lost fumble changes the text; every other turnover code, an
    // interception entered by mistake included, reads as a plain run.
    if (is(play.turnover, TurnoverKind::Fumble)) {
        line = fumbles == 1
                   ? fill("%s, %s, %s D, %s fumbles, recovered by defense",
                          {p.period, p.side, p.down, p.name(CarrierSlot)})
                   : fill("%s, %s, %s D, after %d fumbles, recovered by defense", {p.period, p.side, p.down, fumbles});
    } else if (fumbles == 0) {
        const std::string_view verb = rushVerb(play.rushType);
        const std::int64_t gain = p.gain();
        if (gain < 0)
            line = fill("%s, %s, %s D, %s %s for %d yard loss",
                        {p.period, p.side, p.down, p.name(CarrierSlot), verb, -gain});
        else if (gain == 0)
            line = fill("%s, %s, %s D, %s %s for no gain", {p.period, p.side, p.down, p.name(CarrierSlot), verb});
        else
            line = fill("%s, %s, %s D, %s %s for %d", {p.period, p.side, p.down, p.name(CarrierSlot), verb, gain});
    } else if (fumbles == 1) {
        line = fill("%s, %s, %s D, %s fumbles, recovered by offense", {p.period, p.side, p.down, p.name(CarrierSlot)});
    } else {
        line = fill("%s, %s, %s D, after %d fumbles, recovered by offense", {p.period, p.side, p.down, fumbles});
    }
    if (narratedAsTouchdown(play))
        line += " for a TD";
    else if (play.firstDown != 0)
        line += ", 1st Down";
    if (is(play.turnover, TurnoverKind::OnDowns))
        line += ", turnover on downs";
    return line;
}

std::string passMainText(const Parts &p)
{
    const PlayRecord &play = p.play;
    const bool fumbled = fumbleCount(play) >= 1;
    if (is(play.turnover, TurnoverKind::Fumble))
        return fill("%s, %s, %s D, %s fumbles, recovered by defense", {p.period, p.side, p.down, p.name(CarrierSlot)});
    if (is(play.turnover, TurnoverKind::Interception)) {
        std::string line = fill("%s, %s, %s D, %s intercepted by %s",
                                {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(InterceptorSlot)});
        if (fumbled)
            line += ", fumble, recovered by defense";
        return line;
    }
    std::string line;
    switch (fromCode<PassResult>(play.passResult)) {
    case PassResult::Completion: {
        const std::int64_t gain = p.gain();
        if (gain < 0)
            line = fill("%s, %s, %s D, %s passes to %s for %d yard loss",
                        {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(CarrierSlot), -gain});
        else if (gain == 0)
            line = fill("%s, %s, %s D, %s passes to %s for no gain",
                        {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(CarrierSlot)});
        else
            line = fill("%s, %s, %s D, %s passes to %s for %d",
                        {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(CarrierSlot), gain});
        break;
    }
    case PassResult::Sack:
        line = fill("%s, %s, %s D, %s sacked by %s for %d yard loss",
                    {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(TacklerSlot), -p.gain()});
        break;
    case PassResult::Interception:
        line = fill("%s, %s, %s D, %s intercepted by %s",
                    {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(InterceptorSlot)});
        break;
    case PassResult::Incompletion:
        line = p.name(CarrierSlot).empty()
                   ? fill("%s, %s, %s D, %s pass incomplete", {p.period, p.side, p.down, p.name(QuarterbackSlot)})
                   : fill("%s, %s, %s D, %s pass incomplete to %s",
                          {p.period, p.side, p.down, p.name(QuarterbackSlot), p.name(CarrierSlot)});
        break;
    default:
        line = fill("%s, %s, %s D, %s pass attempt, no result", {p.period, p.side, p.down, p.name(QuarterbackSlot)});
        break;
    }
    if (fumbled)
        line += ", fumble, recovered by offense";
    return line;
}

std::string passLine(const Parts &p)
{
    std::string line = passMainText(p);
    if (narratedAsTouchdown(p.play))
        line += ", TD";
    else if (p.play.firstDown != 0)
        line += ", 1st Down";
    if (is(p.play.turnover, TurnoverKind::OnDowns))
        line += ", turnover on downs";
    return line;
}

std::string kickoffLine(const Parts &p)
{
    const PlayRecord &play = p.play;
    if (is(play.kickResult, KickResult::Touchback) || is(play.kickResult, KickResult::FairCatch) ||
        is(play.kickResult, KickResult::OutOfBounds))
        return fill("%s, %s, %s kicks off for %s", {p.period, p.side, p.name(QuarterbackSlot), p.offense});
    return fill("%s, %s, %s kicks off to the %d, returned by %s for %d",
                {p.period, p.side, p.name(QuarterbackSlot), play.receivedAt.yardLine, p.name(CarrierSlot),
                 returnYards(play, p.league)});
}

std::string onsideKickLine(const Parts &p)
{
    if (is(p.play.kickResult, KickResult::OnsideSuccessful))
        return fill("%s, %s, %s onside kicks, recovered by kicking team", {p.period, p.side, p.name(QuarterbackSlot)});
    if (is(p.play.kickResult, KickResult::OnsideUnsuccessful))
        return fill("%s, %s, %s onside kicks, recovered by receiving team",
                    {p.period, p.side, p.name(QuarterbackSlot)});
    return fill("%s, %s, %s onside kicks", {p.period, p.side, p.name(QuarterbackSlot)});
}

std::string puntLine(const Parts &p)
{
    const PlayRecord &play = p.play;
    const std::int64_t kicked = kickDistance(play, p.league);
    switch (fromCode<KickResult>(play.kickResult)) {
    case KickResult::Touchback:
    case KickResult::FairCatch:
    case KickResult::OutOfBounds:
    case KickResult::DownedByKickingTeam:
        return fill("%s, %s, %s punts for %d yards, no return", {p.period, p.side, p.name(QuarterbackSlot), kicked});
    case KickResult::BlockedPunt:
        return fill("%s, %s, %s punt is blocked, %d net yard punt",
                    {p.period, p.side, p.name(QuarterbackSlot), kicked});
    default:
        return fill(
            "%s, %s, %s %d yard punt, returned by %s for %d",
            {p.period, p.side, p.name(QuarterbackSlot), kicked, p.name(CarrierSlot), returnYards(play, p.league)});
    }
}

std::string fieldGoalLine(const Parts &p)
{
    const PlayRecord &play = p.play;
    const std::int64_t length = fieldGoalDistance(play, p.league);
    if (is(play.kickResult, KickResult::FieldGoalGood))
        return fill("%s, %s, %s D, %s makes %d yard field goal",
                    {p.period, p.side, p.down, p.name(QuarterbackSlot), length});
    if (play.fumbles[0] == 0)
        return fill("%s, %s, %s D, %s %d yard FG attempt is %s",
                    {p.period, p.side, p.down, p.name(QuarterbackSlot), length, missedKickReason(play.kickResult)});
    // The first fumble entry holds who recovered the loose ball. A blocked kick
    // lost to the defense is recorded as a fumble lost or as a blocked kick lost.
    if (is(play.kickResult, KickResult::BlockedFieldGoal)) {
        const bool lost = is(play.turnover, TurnoverKind::Fumble) || is(play.turnover, TurnoverKind::BlockedKickLost);
        return lost ? fill("%s, %s, %s D, %s %d yard FG attempt is blocked, recovered by defense",
                           {p.period, p.side, p.down, p.name(QuarterbackSlot), length})
                    : fill("%s, %s, %s D, %s %d yard FG attempt is blocked, recovered by offense",
                           {p.period, p.side, p.down, p.name(QuarterbackSlot), length});
    }
    if (is(play.turnover, TurnoverKind::Fumble))
        return fill("%s, %s, %s D, %s %d yard FG attempt is fumbled, recovered by defense",
                    {p.period, p.side, p.down, p.name(QuarterbackSlot), length});
    return fill("%s, %s, %s D, %s %d yard FG attempt is fumbled, recovered by offense",
                {p.period, p.side, p.down, p.name(QuarterbackSlot), length});
}

std::string extraPointLine(const Parts &p)
{
    if (is(p.play.kickResult, KickResult::FieldGoalGood))
        return fill("%s, %s, %s makes extra point", {p.period, p.side, p.name(QuarterbackSlot)});
    return fill("%s, %s, %s extra point is %s",
                {p.period, p.side, p.name(QuarterbackSlot), missedKickReason(p.play.kickResult)});
}

std::string tryLine(const Parts &p, std::string_view good, std::string_view noGood)
{
    return fill(is(p.play.scoreType, ScoreType::Conversion) ? good : noGood, {p.period, p.side, p.offense});
}

} // namespace

std::string periodText(std::int32_t quarter)
{
    std::string text{periodName(quarter)};
    if (quarter >= 0 && quarter < kRegularQuarters)
        text += " Q";
    return text;
}

int fumbleCount(const PlayRecord &play)
{
    int count = 0;
    while (count < kMaxFumbles && play.fumbles[static_cast<std::size_t>(count)] != 0)
        ++count;
    return count;
}

std::string narratePlay(const PlayRecord &play, std::string_view homeTeamName, std::string_view visitorTeamName,
                        const LeagueOptions &league)
{
    const Parts p{
        play,
        league,
        periodText(play.quarter),
        play.homeHasBall ? "H" : "V",
        periodName(play.downBefore),
        play.homeHasBall ? homeTeamName : visitorTeamName,
        play.homeHasBall ? visitorTeamName : homeTeamName,
    };
    switch (fromCode<PlayType>(play.playType)) {
    case PlayType::Rush:
        return rushLine(p);
    case PlayType::Pass:
        return passLine(p);
    case PlayType::Punt:
        return puntLine(p);
    case PlayType::KickOff:
        return kickoffLine(p);
    case PlayType::OnsideKick:
        return onsideKickLine(p);
    case PlayType::FieldGoal:
        return fieldGoalLine(p);
    case PlayType::ExtraPoint:
        return extraPointLine(p);
    case PlayType::TryByRush:
        return tryLine(p, "%s, %s, %s PAT rush attempt good", "%s, %s, %s PAT rush attempt no good");
    case PlayType::TryByPass:
        return tryLine(p, "%s, %s, %s PAT pass attempt good", "%s, %s, %s PAT pass attempt no good");
    case PlayType::HomeTimeOut:
        return fill("%s, Time Out - %s", {p.period, homeTeamName});
    case PlayType::VisitorTimeOut:
        return fill("%s, Time Out - %s", {p.period, visitorTeamName});
    // Penalty lines give the net movement of the ball, not the yards called.
    case PlayType::OffensivePenalty:
        return fill("%s, %s, %s D, %s - %s for %d",
                    {p.period, p.side, p.down, p.offense, offensivePenaltyName(play.offensivePenalty), p.gain()});
    case PlayType::DefensivePenalty:
        return fill("%s, %s, %s D, %s - %s for %d",
                    {p.period, p.side, p.down, p.defense, defensivePenaltyName(play.defensivePenalty), p.gain()});
    case PlayType::NoPlay:
    default:
        return std::string{playTypeName(code(PlayType::NoPlay))};
    }
}

std::string narratePlay(const PlayRecord &play, const GameInfo &info, const LeagueOptions &league)
{
    return narratePlay(play, info.homeTeamName, info.visitorTeamName, league);
}

} // namespace yardmark
