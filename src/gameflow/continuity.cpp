#include "continuity.h"

#include "gameflow/gamerules.h"
#include "records/game.h"
#include "vocabulary/narration.h"
#include "vocabulary/scoring.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

namespace {

bool onField(const FieldSpot &spot, const LeagueOptions &league)
{
    return spot.yardLine >= 0 && spot.yardLine <= league.midfieldYardLine;
}

/// Midfield is the same spot written with either side.
bool sameSpot(const FieldSpot &a, const FieldSpot &b, const LeagueOptions &league)
{
    if (a.yardLine != b.yardLine)
        return false;
    return a.homeSide == b.homeSide || a.yardLine == league.midfieldYardLine;
}

std::string downText(std::int32_t down)
{
    const std::int32_t shown = down + 1;
    return std::to_string(shown) + std::string(ordinalSuffix(shown));
}

std::string spotText(const FieldSpot &spot, const Game &game)
{
    return teamName(game, spot.homeSide) + " " + (spot.yardLine == 0 ? "G" : std::to_string(spot.yardLine));
}

std::string tryText(bool isTryPlay)
{
    return isTryPlay ? "a try" : "no try";
}

/// The play must be the try exactly when one is due: a rush, pass or kick
/// recorded while the try is due is the try.
bool triesToScore(const PlayRecord &play)
{
    return isTry(play.playType);
}

bool takesTheTry(const PlayRecord &play)
{
    const auto kind = entryKindOfPlay(play);
    return kind == PlayKind::Rush || kind == PlayKind::Pass || kind == PlayKind::FieldGoal;
}

/// A play recorded when a missed field goal left the defense the kicking
/// team's down and distance, as older versions of the program did.
bool keptTheMissedKicksDown(const PlayRecord &play, const PlayRecord &previous, const GameSituation &s)
{
    const bool missed = previous.playType == code(PlayType::FieldGoal) &&
                        previous.kickResult != code(KickResult::FieldGoalGood) &&
                        previous.scoreType == code(ScoreType::NoScore);
    return missed && s.down == 0 && s.toGo == 10 && play.downBefore == previous.downAfter &&
           play.toGoBefore == previous.toGoAfter && (play.downBefore != 0 || play.toGoBefore != 10);
}

std::string downAndDistance(std::int32_t down, std::int32_t toGo)
{
    return downText(down) + " and " + std::to_string(toGo);
}

void compareStart(const PlayRecord &play, const PlayRecord &previous, const PlayWalker::Start &start, int index,
                  const Game &game, const LeagueOptions &league, std::vector<ContinuityBreak> &breaks)
{
    const GameSituation &s = start.situation;
    const std::string after = "does not follow from play " + std::to_string(index);
    const auto add = [&](std::string field, std::string stored, std::string expected, std::string reason) {
        breaks.push_back({index, std::move(field), std::move(stored), std::move(expected), std::move(reason)});
    };
    if (start.quarterGoesBack)
        add("quarter", periodText(play.quarter), periodText(s.quarter), "the quarter goes back");
    if (play.homeHasBall != s.homeHasBall)
        add("possession", teamName(game, play.homeHasBall), teamName(game, s.homeHasBall),
            "the ball changed hands without a play: " + after);
    if (keptTheMissedKicksDown(play, previous, s)) {
        add(std::string(kMissedKickField), downAndDistance(play.downBefore, play.toGoBefore),
            downAndDistance(s.down, s.toGo),
            "after a missed field goal the defense has 1st and 10; recorded by an older version: edit play " +
                std::to_string(index) + " and re-flow");
    } else if (play.downBefore != s.down) {
        add("down", downText(play.downBefore), downText(s.down), after + " (an arrow, or a play changed before it)");
    }
    if (play.toGoBefore != s.toGo && !keptTheMissedKicksDown(play, previous, s))
        add("to go", std::to_string(play.toGoBefore), std::to_string(s.toGo),
            after + " (To Go set by hand, or a play changed before it)");
    if (!sameSpot(play.initialSpot, s.ballSpot, league))
        add("spot", spotText(play.initialSpot, game), spotText(s.ballSpot, game),
            after + " (Ball On set by hand, or a play changed before it)");
    if (takesTheTry(play) && triesToScore(play) != start.tryPending)
        add("try", tryText(triesToScore(play)), tryText(start.tryPending),
            start.tryPending ? "a touchdown's try recorded as a play from scrimmage" : "a try without a touchdown");
}

} // namespace

std::string playDamage(const PlayRecord &play, const LeagueOptions &league)
{
    const std::int32_t field = 2 * std::max(league.midfieldYardLine, 0);
    if (play.playType < 0 || play.playType >= kPlayTypeCount)
        return "damaged: unknown play type " + std::to_string(play.playType);
    if (play.quarter < 0 || play.quarter >= kPeriodCount)
        return "damaged: quarter " + std::to_string(play.quarter) + " out of range";
    if (play.downBefore < 0 || play.downBefore > 3 || play.downAfter < 0 || play.downAfter > 3)
        return "damaged: down out of range";
    if (play.toGoBefore < 0 || play.toGoBefore > field || play.toGoAfter < 0 || play.toGoAfter > field)
        return "damaged: yards to go out of range";
    if (!onField(play.initialSpot, league) || !onField(play.finalSpot, league) || !onField(play.receivedAt, league))
        return "damaged: a spot off the field";
    for (std::size_t i = 0; i < kMaxFumbles; ++i) {
        if (!onField(play.fumbleRecoveredAt[i], league) || !onField(play.fumbleReturnedTo[i], league))
            return "damaged: a fumble spot off the field";
    }
    return {};
}

PlayWalker::PlayWalker(const Game &game, const LeagueOptions &league) : m_league(league)
{
    // The plays stay with the game walked; the working copy needs the rest.
    m_game.info = game.info;
    m_game.homeTeam = game.homeTeam;
    m_game.visitorTeam = game.visitorTeam;
    // The game opens with a kickoff due.
    m_game.tryPending = false;
    m_game.kickoffPending = true;
}

PlayWalker::Start PlayWalker::startOf(const PlayRecord &next, const PlayRecord &previous)
{
    Start start;
    GameSituation &s = start.situation;
    s = situationAfterPlay(previous, m_game, m_league);
    if (next.quarter < previous.quarter) {
        start.quarterGoesBack = true;
    } else {
        // Each press of the quarter arrow up to the next play's quarter; a
        // damaged quarter is not walked beyond the periods a game has.
        const std::int32_t first = std::max(previous.quarter, -1) + 1;
        const std::int32_t last = std::min(next.quarter, kPeriodCount);
        PeriodStart chosen = PeriodStart::Carries;
        for (std::int32_t quarter = first; quarter <= last; ++quarter) {
            s.quarter = quarter;
            const PeriodStart period = enterPeriod(s, m_game, m_league);
            if (period != PeriodStart::Carries)
                chosen = period;
        }
        if (chosen == PeriodStart::SecondHalf)
            chooseKickingTeam(s, m_game, next.homeHasBall);
        else if (chosen == PeriodStart::Overtime)
            s.homeHasBall = next.homeHasBall; // the toss
    }
    if (const auto kind = entryKindOfPlay(next))
        giveUpPendingKick(pendingKickLeftUndone(*kind, m_game), m_game);
    start.tryPending = m_game.tryPending;
    return start;
}

std::vector<ContinuityBreak> checkContinuity(const Game &game, const LeagueOptions &league)
{
    std::vector<ContinuityBreak> breaks;
    PlayWalker walker(game, league);
    bool previousDamaged = true; // the first play follows no play
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        const PlayRecord &play = game.plays[i];
        const int index = static_cast<int>(i);
        const std::string damage = playDamage(play, league);
        if (!damage.empty()) {
            breaks.push_back({index, "play", "damaged", "a sound play", damage});
        } else if (!previousDamaged) {
            const PlayWalker::Start start = walker.startOf(play, game.plays[i - 1]);
            compareStart(play, game.plays[i - 1], start, index, game, league, breaks);
        }
        previousDamaged = !damage.empty();
    }
    return breaks;
}

std::string breakLine(const ContinuityBreak &found)
{
    return "play " + std::to_string(found.index + 1) + ": " + found.field + " is " + found.stored + ", " +
           found.expected + " follows - " + found.reason;
}

} // namespace yardmark
