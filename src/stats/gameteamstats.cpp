#include "gameteamstats.h"

#include "average.h"
#include "clocktime.h"
#include "points.h"
#include "saturatingadd.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace yardmark {

namespace {

constexpr std::int32_t kFirstOvertime = code(Period::Overtime1);

bool inRange(const PlayRecord &play, std::int32_t first, std::int32_t last)
{
    return play.quarter >= first && play.quarter <= last;
}

/// Time of possession over regulation time. A mark follows the game clock as
/// the ball changes hands; the team is credited from its mark to the play on
/// which it lost the ball, and to the end of a quarter it held the ball into.
/// Counted in whole seconds so that odd clock entries never leave the seconds
/// out of range.
ClockTime possessionTime(const std::vector<PlayRecord> &plays, bool home, std::int32_t first, std::int32_t last,
                         std::int64_t minutesPerQuarter)
{
    if (first > kLastRegularQuarter)
        return {};
    const std::size_t count = plays.size();
    std::size_t start = count;
    for (std::size_t i = 0; i < count && start == count; ++i) {
        if (plays[i].quarter == first)
            start = i;
    }
    // A range whose first period has no play starts at its first play.
    for (std::size_t i = 0; i < count && start == count; ++i) {
        if (inRange(plays[i], first, last))
            start = i;
    }
    if (start == count)
        return {};
    std::size_t stop = count - 1;
    for (std::size_t i = start; i < count; ++i) {
        if (plays[i].quarter > last || plays[i].quarter > kLastRegularQuarter) {
            stop = i;
            break;
        }
    }

    const auto remaining = [&](const PlayRecord &play) { return regulationSecondsLeft(play, minutesPerQuarter); };
    const auto endOfQuarter = [&](std::int32_t quarter) {
        return (kLastRegularQuarter - static_cast<std::int64_t>(quarter)) * minutesPerQuarter * 60;
    };

    std::int64_t mark = (kLastRegularQuarter + 1 - static_cast<std::int64_t>(first)) * minutesPerQuarter * 60;
    std::int64_t credited = 0;
    for (std::size_t j = std::max<std::size_t>(start, 1); j <= stop; ++j) {
        const PlayRecord &play = plays[j];
        const PlayRecord &before = plays[j - 1];
        if (play.homeHasBall != before.homeHasBall) {
            if (before.homeHasBall == home)
                credited += mark - remaining(before);
            mark = remaining(before);
        }
        if (play.homeHasBall == home && (j == stop || play.quarter > before.quarter)) {
            credited += mark - endOfQuarter(before.quarter);
            mark = endOfQuarter(before.quarter);
        }
    }
    return clockTimeFromSeconds(credited);
}

/// The fumbles of one play and how many of them the defence recovered.
void countFumbles(const PlayRecord &play, GameTeamStats &stats)
{
    const auto lost = [&] {
        ++stats.fumbles;
        ++stats.fumblesLost;
    };
    const std::int32_t f1 = play.fumbles[0];
    const std::int32_t f2 = play.fumbles[1];
    const std::int32_t f3 = play.fumbles[2];
    const bool laterLost = is(f2, FumbleRecovery::ByOffense) && is(f3, FumbleRecovery::ByDefense);
    if (is(f1, FumbleRecovery::ByOffense)) {
        ++stats.fumbles;
        if (is(f2, FumbleRecovery::ByDefense) || laterLost)
            lost();
    } else if (is(f1, FumbleRecovery::ByDefense)) {
        lost();
        if (laterLost)
            lost();
    }
}

void countOwnPlay(const PlayRecord &play, const LeagueOptions &options, GameTeamStats &stats)
{
    const bool rush = is(play.playType, PlayType::Rush);
    const bool pass = is(play.playType, PlayType::Pass);
    const bool firstDown = play.firstDown != code(FirstDownKind::NoFirstDown);
    if (firstDown) {
        ++stats.firstDowns;
        // The play type decides, not the kind of first down recorded.
        ++(rush ? stats.firstDownsRush : pass ? stats.firstDownsPass : stats.firstDownsPenalty);
    }
    if (rush || pass) {
        if (play.downBefore == 2) {
            ++stats.thirdDownsAttempted;
            stats.thirdDownsMade += firstDown ? 1 : 0;
        } else if (play.downBefore == 3) {
            ++stats.fourthDownsAttempted;
            stats.fourthDownsMade += firstDown ? 1 : 0;
        }
    }

    const bool touchdown = is(play.scoreType, ScoreType::Touchdown);
    if (rush) {
        const std::int32_t gain = netGain(play, options);
        ++stats.totalPlays;
        ++stats.rushingAttempts;
        saturatingAdd(stats.totalYards, gain);
        saturatingAdd(stats.rushingYards, gain);
        if (touchdown) {
            ++stats.touchdowns;
            ++stats.rushingTouchdowns;
        }
    } else if (pass) {
        // A sack is a play but not a pass attempt, and its loss is not passing yardage.
        ++stats.totalPlays;
        if (!is(play.passResult, PassResult::NoPass) && !is(play.passResult, PassResult::Sack))
            ++stats.passAttempts;
        if (is(play.passResult, PassResult::Completion)) {
            const std::int32_t gain = netGain(play, options);
            ++stats.passCompletions;
            saturatingAdd(stats.passingYards, gain);
            saturatingAdd(stats.totalYards, gain);
            if (touchdown) {
                ++stats.touchdowns;
                ++stats.passingTouchdowns;
            }
        } else if (is(play.passResult, PassResult::Interception)) {
            ++stats.passesIntercepted;
        }
    } else if (is(play.playType, PlayType::Punt)) {
        ++stats.punts;
        if (is(play.kickResult, KickResult::BlockedPunt))
            ++stats.puntsBlocked;
        else
            saturatingAdd(stats.puntYards, kickDistance(play, options));
    } else if (is(play.playType, PlayType::OffensivePenalty)) {
        ++stats.penalties;
        saturatingAdd(stats.penaltyYards, -static_cast<std::int64_t>(netGain(play, options)));
    } else if (is(play.playType, PlayType::FieldGoal)) {
        ++stats.fieldGoalsAttempted;
        stats.fieldGoalsMade += is(play.kickResult, KickResult::FieldGoalGood) ? 1 : 0;
    }

    countFumbles(play, stats);
    if (play.turnover != code(TurnoverKind::NoTurnover))
        ++stats.turnovers;
}

void countOpponentPlay(const PlayRecord &play, const LeagueOptions &options, GameTeamStats &stats)
{
    const bool runback = is(play.kickResult, KickResult::Runback);
    if (is(play.playType, PlayType::Punt) && runback) {
        ++stats.puntReturns;
        saturatingAdd(stats.puntReturnYards, returnYards(play, options));
    }
    if (is(play.playType, PlayType::KickOff) && runback) {
        ++stats.kickoffReturns;
        saturatingAdd(stats.kickoffReturnYards, returnYards(play, options));
    }
    if (is(play.scoreType, ScoreType::RunbackTouchdown) || is(play.scoreType, ScoreType::DefensiveTouchdown))
        ++stats.touchdowns;
    if (is(play.playType, PlayType::DefensivePenalty)) {
        ++stats.penalties;
        saturatingAdd(stats.penaltyYards, netGain(play, options));
    }
    if (is(play.passResult, PassResult::Sack)) {
        ++stats.sacks;
        saturatingAdd(stats.sackYards, -static_cast<std::int64_t>(netGain(play, options)));
    }
}

} // namespace

GameTeamStats initGameTeamStats()
{
    return GameTeamStats{};
}

GameTeamStats computeGameTeamStats(const Game &game, bool home, std::int32_t firstQuarter, std::int32_t lastQuarter,
                                   const LeagueOptions &options)
{
    GameTeamStats stats = initGameTeamStats();
    const bool anyPlay = std::any_of(game.plays.begin(), game.plays.end(),
                                     [&](const PlayRecord &play) { return inRange(play, firstQuarter, lastQuarter); });
    if (!anyPlay)
        return stats;

    const ClockTime possession = possessionTime(game.plays, home, firstQuarter, lastQuarter, options.minutesPerQuarter);
    stats.possessionMinutes = possession.minutes;
    stats.possessionSeconds = possession.seconds;

    // All overtime periods count once, as one period.
    for (std::int32_t quarter = firstQuarter; quarter <= std::min(lastQuarter, kLastRegularQuarter); ++quarter)
        stats.totalPoints += pointsInPeriod(game, quarter, home, options);
    if (lastQuarter >= kFirstOvertime)
        stats.totalPoints += pointsInPeriod(game, kFirstOvertime, home, options);

    for (const PlayRecord &play : game.plays) {
        if (!inRange(play, firstQuarter, lastQuarter))
            continue;
        if (play.homeHasBall == home)
            countOwnPlay(play, options, stats);
        else
            countOpponentPlay(play, options, stats);
    }
    finishGameTeamStats(stats);
    return stats;
}

void finishGameTeamStats(GameTeamStats &stats)
{
    average(stats.thirdDownEfficiency, stats.thirdDownsMade, stats.thirdDownsAttempted, 100.0);
    average(stats.fourthDownEfficiency, stats.fourthDownsMade, stats.fourthDownsAttempted, 100.0);
    average(stats.yardsPerPlay, stats.totalYards, stats.totalPlays);
    average(stats.yardsPerRush, stats.rushingYards, stats.rushingAttempts);
    average(stats.yardsPerPass, stats.passingYards, stats.passAttempts);
    average(stats.yardsPerPunt, stats.puntYards, stats.punts);
    average(stats.yardsPerPuntReturn, stats.puntReturnYards, stats.puntReturns);
    average(stats.yardsPerKickoffReturn, stats.kickoffReturnYards, stats.kickoffReturns);

    const ClockTime possession = clockTimeFromSeconds(totalSeconds({stats.possessionMinutes, stats.possessionSeconds}));
    stats.possessionMinutes = possession.minutes;
    stats.possessionSeconds = possession.seconds;
    stats.possessionText = clockText(possession);
}

void addGameTeamStats(GameTeamStats &total, const GameTeamStats &more)
{
    saturatingAdd(total.firstDowns, more.firstDowns);
    saturatingAdd(total.firstDownsRush, more.firstDownsRush);
    saturatingAdd(total.firstDownsPass, more.firstDownsPass);
    saturatingAdd(total.firstDownsPenalty, more.firstDownsPenalty);
    saturatingAdd(total.thirdDownsMade, more.thirdDownsMade);
    saturatingAdd(total.thirdDownsAttempted, more.thirdDownsAttempted);
    saturatingAdd(total.fourthDownsMade, more.fourthDownsMade);
    saturatingAdd(total.fourthDownsAttempted, more.fourthDownsAttempted);
    saturatingAdd(total.totalYards, more.totalYards);
    saturatingAdd(total.totalPlays, more.totalPlays);
    saturatingAdd(total.rushingYards, more.rushingYards);
    saturatingAdd(total.rushingAttempts, more.rushingAttempts);
    saturatingAdd(total.passingYards, more.passingYards);
    saturatingAdd(total.passAttempts, more.passAttempts);
    saturatingAdd(total.passCompletions, more.passCompletions);
    saturatingAdd(total.passesIntercepted, more.passesIntercepted);
    saturatingAdd(total.punts, more.punts);
    saturatingAdd(total.puntYards, more.puntYards);
    saturatingAdd(total.puntReturns, more.puntReturns);
    saturatingAdd(total.puntReturnYards, more.puntReturnYards);
    saturatingAdd(total.puntsBlocked, more.puntsBlocked);
    saturatingAdd(total.kickoffReturns, more.kickoffReturns);
    saturatingAdd(total.kickoffReturnYards, more.kickoffReturnYards);
    saturatingAdd(total.fumbles, more.fumbles);
    saturatingAdd(total.fumblesLost, more.fumblesLost);
    saturatingAdd(total.turnovers, more.turnovers);
    saturatingAdd(total.penalties, more.penalties);
    saturatingAdd(total.penaltyYards, more.penaltyYards);
    saturatingAdd(total.sacks, more.sacks);
    saturatingAdd(total.sackYards, more.sackYards);
    saturatingAdd(total.touchdowns, more.touchdowns);
    saturatingAdd(total.rushingTouchdowns, more.rushingTouchdowns);
    saturatingAdd(total.passingTouchdowns, more.passingTouchdowns);
    saturatingAdd(total.fieldGoalsAttempted, more.fieldGoalsAttempted);
    saturatingAdd(total.fieldGoalsMade, more.fieldGoalsMade);
    saturatingAdd(total.totalPoints, more.totalPoints);
    const ClockTime possession = clockTimeFromSeconds(totalSeconds({total.possessionMinutes, total.possessionSeconds}) +
                                                      totalSeconds({more.possessionMinutes, more.possessionSeconds}));
    total.possessionMinutes = possession.minutes;
    total.possessionSeconds = possession.seconds;
}

} // namespace yardmark
