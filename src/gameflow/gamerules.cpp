#include "gamerules.h"

#include "vocabulary/scoring.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

namespace {

bool isOtherScore(std::int32_t scoreType)
{
    return scoreType >= code(ScoreType::FieldGoal) && scoreType <= code(ScoreType::RunbackSafety);
}

bool isKick(std::int32_t playType)
{
    // The onside kick is a kickoff too: without it here a recovery by the
    // receiving team would leave the ball with the kicking team.
    return playType == code(PlayType::Punt) || playType == code(PlayType::KickOff) ||
           playType == code(PlayType::OnsideKick);
}

} // namespace

PlayRecord newPlayFromSituation(const GameSituation &situation, const FieldSpot &previousPenaltySpot)
{
    PlayRecord play;
    play.homeHasBall = situation.homeHasBall;
    play.quarter = situation.quarter;
    play.downBefore = situation.down;
    play.toGoBefore = situation.toGo;
    play.initialSpot = situation.ballSpot;
    play.finalSpot = FieldSpot{0, true};
    play.receivedAt = FieldSpot{0, true};
    play.penaltySpot = previousPenaltySpot;
    return play;
}

void applyPlayOutcome(const PlayRecord &play, GameSituation &situation, Game &game, const LeagueOptions &league)
{
    const bool team = play.homeHasBall;
    const bool other = !team;
    const std::int32_t type = play.playType;

    // Score step: a touchdown makes a try due; any other score or any try
    // makes a kickoff due from the kicking team's own half.
    if (isAnyTouchdown(play.scoreType)) {
        game.tryPending = true;
        game.kickoffPending = false;
        situation.down = 0;
        situation.toGo = league.tryYardLine;
        situation.ballSpot.yardLine = league.tryYardLine;
        const bool offenseScored = play.scoreType == code(ScoreType::Touchdown);
        situation.homeHasBall = offenseScored ? team : other;
        situation.ballSpot.homeSide = offenseScored ? other : team;
    } else if (isOtherScore(play.scoreType) || isTry(type)) {
        game.tryPending = false;
        game.kickoffPending = true;
        situation.toGo = 10;
        situation.down = 0;
        if (play.scoreType == code(ScoreType::Safety)) {
            situation.ballSpot.yardLine = league.safetyKickYardLine;
            situation.homeHasBall = team;
        } else if (play.scoreType == code(ScoreType::RunbackSafety)) {
            situation.ballSpot.yardLine = league.safetyKickYardLine;
            situation.homeHasBall = other;
        } else {
            situation.ballSpot.yardLine = league.kickoffYardLine;
            situation.homeHasBall = team;
        }
        situation.ballSpot.homeSide = situation.homeHasBall;
    }

    // Kick step: the receiving team gets first and ten unless the kicking
    // team kept the ball.
    if (isKick(type)) {
        const bool kickingTeamKeeps =
            (play.turnover >= code(TurnoverKind::Fumble) && play.turnover <= code(TurnoverKind::OnDowns)) ||
            play.kickResult == code(KickResult::OnsideSuccessful);
        situation.homeHasBall = kickingTeamKeeps ? team : other;
        situation.down = 0;
        situation.toGo = 10;
    }

    // A field goal that is not good (blocked ones included) hands the ball
    // over where it lies, and the team taking it has first and ten; a score
    // on the return has already set the try or the kickoff.
    if (type == code(PlayType::FieldGoal) && play.kickResult != code(KickResult::FieldGoalGood)) {
        situation.homeHasBall = other;
        if (play.scoreType == code(ScoreType::NoScore)) {
            situation.down = 0;
            situation.toGo = 10;
        }
    }

    if (isTry(type))
        situation.homeHasBall = team;

    if (type == code(PlayType::Rush) || type == code(PlayType::Pass)) {
        if (play.turnover != 0) {
            situation.homeHasBall = other;
            situation.down = 0;
            situation.toGo = 10;
        } else {
            situation.homeHasBall = team;
        }
    }
}

GameSituation situationBeforePlay(const PlayRecord &play)
{
    GameSituation s;
    s.homeHasBall = play.homeHasBall;
    s.quarter = play.quarter;
    s.down = play.downBefore;
    s.toGo = play.toGoBefore;
    s.ballSpot = play.initialSpot;
    return s;
}

GameSituation situationAfterPlay(const PlayRecord &play, Game &game, const LeagueOptions &league)
{
    GameSituation s = situationBeforePlay(play);
    if (!entryKindOfPlay(play))
        return s;
    s.down = play.downAfter;
    s.toGo = play.toGoAfter;
    s.ballSpot = play.finalSpot;
    applyPlayOutcome(play, s, game, league);
    return s;
}

PeriodStart enterPeriod(GameSituation &situation, Game &game, const LeagueOptions &league)
{
    const int quarter = situation.quarter;
    if (quarter >= kRegularQuarters) {
        situation.down = 0;
        situation.toGo = 10;
        situation.ballSpot = FieldSpot{league.kickoffYardLine, true};
        situation.homeHasBall = true;
        game.kickoffPending = false;
        game.tryPending = false;
        return PeriodStart::Overtime;
    }
    if (quarter != 2)
        return PeriodStart::Carries;
    situation.down = 0;
    situation.toGo = 10;
    situation.ballSpot.yardLine = league.kickoffYardLine;
    return PeriodStart::SecondHalf;
}

void chooseKickingTeam(GameSituation &situation, Game &game, bool home)
{
    situation.ballSpot.homeSide = home;
    situation.homeHasBall = home;
    game.tryPending = false;
    game.kickoffPending = true;
}

PendingKick pendingKickLeftUndone(PlayKind kind, const Game &game)
{
    if (kind == PlayKind::KickOff && game.tryPending)
        return PendingKick::Try;
    if ((kind == PlayKind::Rush || kind == PlayKind::Pass) && game.kickoffPending)
        return PendingKick::KickOff;
    return PendingKick::None;
}

void giveUpPendingKick(PendingKick kick, Game &game)
{
    if (kick == PendingKick::Try)
        game.tryPending = false;
    else if (kick == PendingKick::KickOff)
        game.kickoffPending = false;
}

std::optional<PlayKind> entryKindOfPlay(const PlayRecord &play)
{
    switch (play.playType) {
    case code(PlayType::Rush):
    case code(PlayType::TryByRush):
        return PlayKind::Rush;
    case code(PlayType::Pass):
    case code(PlayType::TryByPass):
        return PlayKind::Pass;
    case code(PlayType::Punt):
        return PlayKind::Punt;
    case code(PlayType::KickOff):
    case code(PlayType::OnsideKick):
        return PlayKind::KickOff;
    case code(PlayType::FieldGoal):
    case code(PlayType::ExtraPoint):
        return PlayKind::FieldGoal;
    case code(PlayType::OffensivePenalty):
        if (play.offensivePenalty == code(OffensivePenalty::KickOffOutOfBounds))
            return PlayKind::KickOff;
        return PlayKind::OffensivePenalty;
    case code(PlayType::DefensivePenalty):
        return PlayKind::DefensivePenalty;
    default:
        return std::nullopt;
    }
}

GameSituation situationOnOpening(Game &game, const LeagueOptions &league, bool &kickoffNeeded)
{
    GameSituation s;
    if (game.plays.empty()) {
        kickoffNeeded = true;
    } else {
        const PlayRecord &last = game.plays.back();
        s.quarter = game.savedQuarter;
        s.homeHasBall = last.homeHasBall;
        // A time-out keeps the down it was taken on; the down its record
        // carries over from the play before may be the kicking team's.
        const bool asItStarted = !entryKindOfPlay(last);
        s.down = asItStarted ? last.downBefore : last.downAfter;
        s.toGo = asItStarted ? last.toGoBefore : last.toGoAfter;
        s.ballSpot = game.savedBallSpot;
        applyPlayOutcome(last, s, game, league);
        // Saved at half time: the second half has not been kicked off yet.
        kickoffNeeded = s.quarter == 2 && noPlayFromQuarter(game, 2);
    }
    if (kickoffNeeded) {
        s.down = 0;
        s.toGo = 10;
        s.ballSpot.yardLine = league.kickoffYardLine;
    }
    return s;
}

void recomputeScore(Game &game, const LeagueOptions &league)
{
    game.homeScore = 0;
    game.visitorScore = 0;
    for (const PlayRecord &play : game.plays) {
        const PlayPoints points = pointsOfPlay(play, league);
        game.homeScore += points.home;
        game.visitorScore += points.visitor;
    }
}

int timeOutsUsed(const Game &game, bool home, int quarter)
{
    int first = quarter;
    int last = quarter;
    if (quarter < 2) {
        first = 0;
        last = 1;
    } else if (quarter < 4) {
        first = 2;
        last = 3;
    }
    const std::int32_t type = code(home ? PlayType::HomeTimeOut : PlayType::VisitorTimeOut);
    return static_cast<int>(std::count_if(game.plays.begin(), game.plays.end(), [&](const PlayRecord &play) {
        return play.playType == type && play.quarter >= first && play.quarter <= last;
    }));
}

bool noPlayFromQuarter(const Game &game, int quarter)
{
    return std::none_of(game.plays.begin(), game.plays.end(),
                        [&](const PlayRecord &play) { return play.quarter >= quarter; });
}

int highestPlayQuarter(const Game &game)
{
    int highest = -1;
    for (const PlayRecord &play : game.plays)
        highest = std::max(highest, static_cast<int>(play.quarter));
    return highest;
}

} // namespace yardmark
