#include "individualstats.h"

#include "average.h"
#include "gameset.h"
#include "saturatingadd.h"

#include "base/text.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

namespace {

const PlayerRecord &slot(const PlayRecord &play, int index)
{
    return play.players[static_cast<std::size_t>(index)];
}

void longest(std::int32_t &longestSoFar, std::int32_t value)
{
    longestSoFar = std::max(longestSoFar, value);
}

/// A gain adds to the yards, a loss (or no gain) to the yards lost.
void addRush(RusherLine &line, std::int32_t gain)
{
    ++line.attempts;
    if (gain < 1)
        saturatingAdd(line.lost, -static_cast<std::int64_t>(gain));
    else
        saturatingAdd(line.yards, gain);
}

bool isKickingPlay(const PlayRecord &play)
{
    return is(play.playType, PlayType::Punt) || is(play.playType, PlayType::KickOff) ||
           is(play.playType, PlayType::OnsideKick);
}

/// The tackler, the assisting tackler and the recoverers of fumbles on a play
/// where the analysed side is defending or covering a kick. `kickingTeam` is
/// true on its own kicks: there its recoveries are those of the team with the
/// ball, and the first entry of an onside kick or a blocked punt records the
/// recovery of the kick itself, which is no fumble.
void countDefence(Stat &stat, const PlayRecord &play, bool kickingTeam)
{
    if (DefenderLine *tackler = stat.defenders.lineFor(slot(play, TacklerSlot)))
        ++tackler->tackles;
    if (DefenderLine *assist = stat.defenders.lineFor(slot(play, AssistSlot)))
        ++assist->assists;
    const bool kickRecovery = is(play.kickResult, KickResult::BlockedPunt) ||
                              is(play.kickResult, KickResult::OnsideSuccessful) ||
                              is(play.kickResult, KickResult::OnsideUnsuccessful);
    for (int i = 0; i < kMaxFumbles; ++i) {
        const auto entry = static_cast<std::size_t>(i);
        if (play.fumbles[entry] == code(FumbleRecovery::NoFumble))
            continue;
        const bool recoveredByTeamWithBall = play.fumbleRecoveredByHome[entry] == play.homeHasBall;
        const bool ours = kickingTeam ? recoveredByTeamWithBall && !(i == 0 && kickRecovery) : !recoveredByTeamWithBall;
        if (!ours)
            continue;
        if (DefenderLine *recoverer = stat.defenders.lineFor(slot(play, FirstRecovererSlot + i)))
            ++recoverer->fumbleRecoveries;
    }
}

void countOwnPlay(Stat &stat, const PlayRecord &play, const LeagueOptions &options)
{
    const bool touchdown = is(play.scoreType, ScoreType::Touchdown);
    const PlayerRecord &kickerOrPasser = slot(play, QuarterbackSlot);
    if (is(play.playType, PlayType::Pass)) {
        const std::int32_t gain = netGain(play, options);
        if (is(play.passResult, PassResult::Sack)) {
            if (!options.sacksAreRushes)
                return;
            if (RusherLine *rusher = stat.rushers.lineFor(kickerOrPasser))
                addRush(*rusher, gain);
            return;
        }
        const bool completion = is(play.passResult, PassResult::Completion);
        if (!completion && !is(play.passResult, PassResult::Incompletion) &&
            !is(play.passResult, PassResult::Interception))
            return;
        if (PasserLine *passer = stat.passers.lineFor(kickerOrPasser)) {
            ++passer->attempts;
            if (completion) {
                ++passer->completions;
                saturatingAdd(passer->yards, gain);
                longest(passer->longest, gain);
                passer->touchdowns += touchdown ? 1 : 0;
            } else if (is(play.passResult, PassResult::Interception)) {
                ++passer->interceptions;
            }
        }
        if (!completion)
            return;
        if (ReceiverLine *receiver = stat.receivers.lineFor(slot(play, CarrierSlot))) {
            ++receiver->receptions;
            saturatingAdd(receiver->yards, gain);
            longest(receiver->longest, gain);
            receiver->touchdowns += touchdown ? 1 : 0;
        }
    } else if (is(play.playType, PlayType::Rush)) {
        if (RusherLine *rusher = stat.rushers.lineFor(slot(play, CarrierSlot))) {
            const std::int32_t gain = netGain(play, options);
            addRush(*rusher, gain);
            longest(rusher->longest, gain);
            rusher->touchdowns += touchdown ? 1 : 0;
        }
    } else if (is(play.playType, PlayType::FieldGoal)) {
        if (KickerLine *kicker = stat.kickers.lineFor(kickerOrPasser)) {
            ++kicker->fieldGoalAttempts;
            if (is(play.kickResult, KickResult::BlockedFieldGoal)) {
                ++kicker->fieldGoalsBlocked;
            } else if (is(play.kickResult, KickResult::FieldGoalGood)) {
                ++kicker->fieldGoalsGood;
                // The end zone's 10 yards and the holder's 7 beyond the yard line kicked from.
                std::int32_t distance = play.initialSpot.yardLine;
                saturatingAdd(distance, 17);
                longest(kicker->longestFieldGoal, distance);
            }
        }
    } else if (is(play.playType, PlayType::ExtraPoint)) {
        if (KickerLine *kicker = stat.kickers.lineFor(kickerOrPasser)) {
            ++kicker->extraPointAttempts;
            if (is(play.kickResult, KickResult::BlockedFieldGoal))
                ++kicker->extraPointsBlocked;
            else if (is(play.kickResult, KickResult::FieldGoalGood))
                ++kicker->extraPointsGood;
        }
    }

    if (is(play.playType, PlayType::Punt)) {
        if (PunterLine *punter = stat.punters.lineFor(kickerOrPasser)) {
            ++punter->punts;
            const bool blocked = is(play.kickResult, KickResult::BlockedPunt);
            if (blocked)
                ++punter->blocked;
            else if (is(play.kickResult, KickResult::Touchback))
                ++punter->touchbacks;
            else if (play.receivedAt.yardLine < 20)
                ++punter->inside20; // whichever half it came down in
            if (!blocked) {
                const std::int32_t distance = kickDistance(play, options);
                saturatingAdd(punter->yards, distance);
                longest(punter->longest, distance);
            }
        }
    }
    if (isKickingPlay(play))
        countDefence(stat, play, true);
}

void countOtherPlay(Stat &stat, const PlayRecord &play, const LeagueOptions &options)
{
    if (isKickingPlay(play)) {
        // Only a runback counts, for the returner; the tacklers belong to the kicking team.
        if (!is(play.kickResult, KickResult::Runback) || is(play.playType, PlayType::OnsideKick))
            return;
        ReturnerLine *returner = stat.returners.lineFor(slot(play, CarrierSlot));
        if (returner == nullptr)
            return;
        const std::int32_t yards = returnYards(play, options);
        const int touchdown = is(play.scoreType, ScoreType::RunbackTouchdown) ? 1 : 0;
        if (is(play.playType, PlayType::Punt)) {
            ++returner->puntReturns;
            saturatingAdd(returner->puntReturnYards, yards);
            longest(returner->longestPuntReturn, yards);
            returner->puntReturnTouchdowns += touchdown;
        } else {
            ++returner->kickoffReturns;
            saturatingAdd(returner->kickoffReturnYards, yards);
            longest(returner->longestKickoffReturn, yards);
            returner->kickoffReturnTouchdowns += touchdown;
        }
        return;
    }
    countDefence(stat, play, false);
    if (is(play.passResult, PassResult::Sack)) {
        if (DefenderLine *tackler = stat.defenders.lineFor(slot(play, TacklerSlot)))
            ++tackler->sacks;
    } else if (is(play.passResult, PassResult::Interception)) {
        if (DefenderLine *interceptor = stat.defenders.lineFor(slot(play, InterceptorSlot))) {
            ++interceptor->interceptions;
            interceptor->interceptionTouchdowns += is(play.scoreType, ScoreType::DefensiveTouchdown) ? 1 : 0;
        }
    }
}

/// The plays of one side of a game: its possessions are the own plays.
void countSide(Stat &stat, const Game &game, bool ownSideIsHome, const LeagueOptions &options)
{
    for (const PlayRecord &play : game.plays) {
        if (play.homeHasBall == ownSideIsHome)
            countOwnPlay(stat, play, options);
        else
            countOtherPlay(stat, play, options);
    }
}

void sum(PasserLine &total, const PasserLine &line)
{
    saturatingAdd(total.attempts, line.attempts);
    saturatingAdd(total.completions, line.completions);
    saturatingAdd(total.interceptions, line.interceptions);
    saturatingAdd(total.yards, line.yards);
    longest(total.longest, line.longest);
    saturatingAdd(total.touchdowns, line.touchdowns);
}

void sum(RusherLine &total, const RusherLine &line)
{
    saturatingAdd(total.attempts, line.attempts);
    saturatingAdd(total.yards, line.yards);
    saturatingAdd(total.lost, line.lost);
    longest(total.longest, line.longest);
    saturatingAdd(total.touchdowns, line.touchdowns);
}

void sum(ReceiverLine &total, const ReceiverLine &line)
{
    saturatingAdd(total.receptions, line.receptions);
    saturatingAdd(total.yards, line.yards);
    longest(total.longest, line.longest);
    saturatingAdd(total.touchdowns, line.touchdowns);
}

void sum(PunterLine &total, const PunterLine &line)
{
    saturatingAdd(total.punts, line.punts);
    saturatingAdd(total.yards, line.yards);
    longest(total.longest, line.longest);
    saturatingAdd(total.touchbacks, line.touchbacks);
    saturatingAdd(total.inside20, line.inside20);
    saturatingAdd(total.blocked, line.blocked);
}

void sum(KickerLine &total, const KickerLine &line)
{
    saturatingAdd(total.fieldGoalAttempts, line.fieldGoalAttempts);
    saturatingAdd(total.fieldGoalsGood, line.fieldGoalsGood);
    longest(total.longestFieldGoal, line.longestFieldGoal);
    saturatingAdd(total.fieldGoalsBlocked, line.fieldGoalsBlocked);
    saturatingAdd(total.extraPointAttempts, line.extraPointAttempts);
    saturatingAdd(total.extraPointsGood, line.extraPointsGood);
    saturatingAdd(total.extraPointsBlocked, line.extraPointsBlocked);
}

void sum(ReturnerLine &total, const ReturnerLine &line)
{
    saturatingAdd(total.puntReturns, line.puntReturns);
    saturatingAdd(total.puntReturnYards, line.puntReturnYards);
    longest(total.longestPuntReturn, line.longestPuntReturn);
    saturatingAdd(total.puntReturnTouchdowns, line.puntReturnTouchdowns);
    saturatingAdd(total.kickoffReturns, line.kickoffReturns);
    saturatingAdd(total.kickoffReturnYards, line.kickoffReturnYards);
    longest(total.longestKickoffReturn, line.longestKickoffReturn);
    saturatingAdd(total.kickoffReturnTouchdowns, line.kickoffReturnTouchdowns);
}

void sum(DefenderLine &total, const DefenderLine &line)
{
    saturatingAdd(total.tackles, line.tackles);
    saturatingAdd(total.assists, line.assists);
    saturatingAdd(total.sacks, line.sacks);
    saturatingAdd(total.interceptions, line.interceptions);
    saturatingAdd(total.interceptionTouchdowns, line.interceptionTouchdowns);
    saturatingAdd(total.fumbleRecoveries, line.fumbleRecoveries);
    saturatingAdd(total.blockedPunts, line.blockedPunts);
    saturatingAdd(total.blockedFieldGoals, line.blockedFieldGoals);
}

void derive(PasserLine &line, std::int32_t)
{
    average(line.completionPercent, line.completions, line.attempts, 100.0);
    average(line.average, line.yards, line.completions);
}

void derive(RusherLine &line, std::int32_t)
{
    line.net = line.yards;
    saturatingAdd(line.net, -static_cast<std::int64_t>(line.lost));
    average(line.average, line.net, line.attempts);
}

void derive(ReceiverLine &line, std::int32_t)
{
    average(line.average, line.yards, line.receptions);
}

void derive(PunterLine &line, std::int32_t)
{
    average(line.average, line.yards, line.punts);
}

void derive(KickerLine &line, std::int32_t)
{
    average(line.fieldGoalPercent, line.fieldGoalsGood, line.fieldGoalAttempts, 100.0);
    average(line.extraPointPercent, line.extraPointsGood, line.extraPointAttempts, 100.0);
}

void derive(ReturnerLine &line, std::int32_t)
{
    average(line.puntReturnAverage, line.puntReturnYards, line.puntReturns);
    average(line.kickoffReturnAverage, line.kickoffReturnYards, line.kickoffReturns);
}

void derive(DefenderLine &line, std::int32_t gameCount)
{
    if (gameCount < 1) {
        line.tacklesPerGame = static_cast<float>(line.tackles);
        line.sacksPerGame = static_cast<float>(line.sacks);
        return;
    }
    average(line.tacklesPerGame, line.tackles, gameCount);
    average(line.sacksPerGame, line.sacks, gameCount);
}

template <typename Line> void finishList(StatList<Line> &list, std::int32_t gameCount)
{
    std::vector<Line> &lines = list.lines();
    if (lines.size() >= 2) {
        Line totals{};
        totals.name = kTeamTotalsName;
        totals.teamTotals = true;
        for (const Line &line : lines) {
            if (!line.teamTotals)
                sum(totals, line);
        }
        const auto found = std::find_if(lines.begin(), lines.end(), [](const Line &line) { return line.teamTotals; });
        if (found == lines.end())
            list.append(totals);
        else
            *found = totals;
    }
    for (Line &line : lines)
        derive(line, gameCount);
}

template <typename Line> void copyList(const StatList<Line> &source, StatList<Line> &target, bool skipTotals)
{
    for (const Line &line : source.lines()) {
        if (!(skipTotals && line.teamTotals))
            target.append(line);
    }
}

/// Calls `action` with the member of each category list, in tab order: the
/// one place that lists them, for one set or for two side by side.
template <typename Action> void forEachList(Action action)
{
    action(&Stat::passers);
    action(&Stat::rushers);
    action(&Stat::receivers);
    action(&Stat::punters);
    action(&Stat::kickers);
    action(&Stat::returners);
    action(&Stat::defenders);
}

/// A set with the choice of `chosen` and no lines.
Stat emptyLike(const Stat &chosen)
{
    Stat stat;
    stat.allTeams = chosen.allTeams;
    stat.teamName = chosen.teamName;
    stat.gamePaths = chosen.gamePaths;
    return stat;
}

/// Whether a game counts towards the per-game figures: every game for "All
/// Teams", otherwise the games the team played in.
bool countsAsGame(const Stat &stat, const Game &game)
{
    return stat.allTeams || teamIsHome(game, stat.teamName).has_value();
}

void finishViews(StatViews &views, bool allTeams)
{
    finishIndividualStats(views.team);
    // "All Teams" already holds both sides of every game: it has no opponents
    // to add, and every view is the team's, each player once.
    if (allTeams) {
        views.opponents = views.team;
        views.combined = views.team;
        return;
    }
    finishIndividualStats(views.opponents);
    views.combined.gameCount = views.team.gameCount;
    copyStatLines(views.opponents, views.combined, true);
    copyStatLines(views.team, views.combined, true);
    finishIndividualStats(views.combined);
}

} // namespace

bool isAllTeams(std::string_view teamName)
{
    return equalsIgnoringCase(teamName, kAllTeamsName);
}

void Stat::clearLines()
{
    forEachList([this](auto list) { (this->*list).clear(); });
}

void accumulateGame(Stat &stat, const Game &game, bool opponents, const LeagueOptions &options)
{
    if (stat.allTeams) {
        // Each side once, whatever the two teams are called.
        countSide(stat, game, true, options);
        countSide(stat, game, false, options);
        return;
    }
    const std::optional<bool> teamHome = teamIsHome(game, stat.teamName);
    if (teamHome)
        countSide(stat, game, opponents ? !*teamHome : *teamHome, options);
}

void accumulateSide(Stat &stat, const Game &game, bool home, const LeagueOptions &options)
{
    countSide(stat, game, home, options);
}

void accumulateIndividualStats(Stat &stat, const Game &openGame, bool opponents, const LeagueOptions &options)
{
    stat.gameCount = 1;
    accumulateGame(stat, openGame, opponents, options);
    finishIndividualStats(stat);
}

int accumulateIndividualStats(Stat &stat, bool opponents, const LeagueOptions &options)
{
    stat.gameCount = 0;
    const int skipped = forEachGameFile(stat.gamePaths, [&](const Game &game) {
        stat.gameCount += countsAsGame(stat, game) ? 1 : 0;
        accumulateGame(stat, game, opponents, options);
    });
    finishIndividualStats(stat);
    return skipped;
}

void finishIndividualStats(Stat &stat)
{
    forEachList([&stat](auto list) { finishList(stat.*list, stat.gameCount); });
}

void copyStatLines(const Stat &source, Stat &target, bool skipTotals)
{
    forEachList([&](auto list) { copyList(source.*list, target.*list, skipTotals); });
}

const Stat &StatViews::view(StatView which) const
{
    switch (which) {
    case StatView::Team:
        return team;
    case StatView::Opponents:
        return opponents;
    case StatView::Combined:
        return combined;
    }
    return team;
}

StatViews individualStatViews(const Stat &chosen, const LeagueOptions &options,
                              const std::function<bool(std::size_t)> &progress)
{
    StatViews views{emptyLike(chosen), emptyLike(chosen), emptyLike(chosen), 0, {}, false};
    std::int32_t played = 0;
    GameFileReading reading = readGameFiles(
        chosen.gamePaths,
        [&](const Game &game) {
            played += countsAsGame(chosen, game) ? 1 : 0;
            accumulateGame(views.team, game, false, options);
            // "All Teams" has no opponents of its own: both sides are in the team's lines.
            if (!chosen.allTeams)
                accumulateGame(views.opponents, game, true, options);
        },
        progress);
    views.skipped = static_cast<int>(reading.unreadable.size());
    views.unreadable = std::move(reading.unreadable);
    views.cancelled = reading.cancelled;
    views.team.gameCount = played;
    views.opponents.gameCount = played;
    finishViews(views, chosen.allTeams);
    return views;
}

StatViews individualStatViews(const Stat &chosen, const Game &openGame, const LeagueOptions &options)
{
    StatViews views{emptyLike(chosen), emptyLike(chosen), emptyLike(chosen), 0, {}, false};
    views.team.gameCount = 1;
    views.opponents.gameCount = 1;
    accumulateGame(views.team, openGame, false, options);
    accumulateGame(views.opponents, openGame, true, options);
    finishViews(views, chosen.allTeams);
    return views;
}

} // namespace yardmark
