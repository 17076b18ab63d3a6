#include "fieldgoalentry.h"

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/kickentry.h"
#include "gameflow/interaction.h"
#include "vocabulary/vocabulary.h"

#include <array>

namespace yardmark {

namespace {

constexpr KickResults<FieldGoalResult, 6> kFieldGoalResults{
    {KickResult::FieldGoalGood, KickResult::BlockedFieldGoal, KickResult::NoKick, KickResult::FieldGoalWideLeft,
     KickResult::FieldGoalWideRight, KickResult::FieldGoalShort}};

std::int32_t kickResultOf(FieldGoalResult result)
{
    return kFieldGoalResults.codeOf(result);
}

} // namespace

std::optional<FieldGoalResult> fieldGoalResultOf(std::int32_t kickResult)
{
    return kFieldGoalResults.resultOf(kickResult);
}

FieldGoalEntry::FieldGoalEntry(const PlayEntryContext &context) : CurrentPlayFumbleEntry(context)
{
    const std::string_view what = context.game().tryPending ? "Extra Point Attempt - " : "Field Goal Attempt - ";
    m_form.caption = std::string(what) + teamName(context.game(), context.situation().homeHasBall);
    m_form.kicker = rememberedKicker(context.offense().players, context.offense().currentFieldGoalKicker);
    m_form.result = FieldGoalResult::Good;
    m_form.finalSpot.homeSide = context.situation().ballSpot.homeSide;
}

const PlayerEntry *FieldGoalEntry::rowEntry(int row) const
{
    switch (row) {
    case Kicker:
        return &m_form.kicker;
    case BlockedBy:
        return &m_form.blockedBy;
    default:
        return nullptr;
    }
}

void FieldGoalEntry::chooseResult(FieldGoalResult result)
{
    m_form.result = result;
    // The first fumble entry of a blocked kick records who recovered it.
    const bool blocked = result == FieldGoalResult::Blocked;
    setFumbleSelector(m_form.fumbles, blocked ? "Blocked Field Goal" : "");
    if (blocked)
        m_context.currentPlay().kickResult = code(KickResult::BlockedFieldGoal);
}

void FieldGoalEntry::recoveredByChecked()
{
    // A loose ball that was not blocked never became a kick.
    if (m_form.result != FieldGoalResult::Blocked)
        chooseResult(FieldGoalResult::NoKick);
}

std::int32_t FieldGoalEntry::turnoverAfterFumbles() const
{
    // A recovery by the defense is a fumble lost, or first a blocked kick
    // lost; one by the kicking team is none.
    constexpr KickRecoveryRule rule{code(TurnoverKind::NoTurnover), code(TurnoverKind::BlockedKickLost),
                                    code(TurnoverKind::NoTurnover), code(TurnoverKind::Fumble)};
    const bool blocked = m_form.result == FieldGoalResult::Blocked;
    return kickTurnover(m_context.currentPlay(), m_context.situation().homeHasBall, blocked, rule);
}

std::int32_t FieldGoalEntry::returnScore(bool tryPending) const
{
    const PlayRecord &play = m_context.currentPlay();
    const FieldSpot ballSpot = m_context.situation().ballSpot;
    if (ballSpot.yardLine != 0)
        return code(ScoreType::NoScore);
    const bool kickersGoal = ballSpot.homeSide == m_context.situation().homeHasBall;
    const bool turnover = play.turnover != code(TurnoverKind::NoTurnover);
    // On a try the loose ball can only be worth the try's points.
    if (tryPending) {
        if (kickersGoal)
            return code(ScoreType::DefensiveConversion);
        return code(turnover ? ScoreType::NoScore : ScoreType::Conversion);
    }
    if (kickersGoal)
        return code(ScoreType::RunbackTouchdown);
    return code(turnover ? ScoreType::Touchdown : ScoreType::RunbackSafety);
}

bool FieldGoalEntry::ok()
{
    const PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    GameSituation &situation = c.situation();
    const LeagueOptions &league = c.league();
    const bool kickingHome = situation.homeHasBall;
    const bool tryPending = c.game().tryPending;

    c.ui().playSound(kClickSound);
    play.players[QuarterbackSlot] = resolveRow(Kicker, "Kicker");
    play.players[TacklerSlot] = resolveRow(BlockedBy, "Tackler");
    play.playType = code(tryPending ? PlayType::ExtraPoint : PlayType::FieldGoal);
    if (!saveFumbleAtOk())
        return false;

    const bool good = m_form.result == FieldGoalResult::Good;
    if (good) {
        // The ball stays at the line of scrimmage; the kick went through the defense's goal.
        play.kickResult = code(KickResult::FieldGoalGood);
        play.scoreType = code(tryPending ? ScoreType::ExtraPoint : ScoreType::FieldGoal);
        play.finalSpot = FieldSpot{0, !kickingHome};
    } else {
        moveBallToFinalSpot(situation.ballSpot, m_form.finalSpot, std::nullopt, kickingHome, league);
        play.finalSpot = situation.ballSpot;
    }
    play.turnover = turnoverAfterFumbles();
    if (!good) {
        play.scoreType = returnScore(tryPending);
        play.kickResult = kickResultOf(m_form.result);
    }
    play.downAfter = situation.down;
    play.toGoAfter = situation.toGo;
    c.game().kickoffPending = false;

    if (play.playType == code(PlayType::FieldGoal) && !good) {
        c.recordTime();
        // A missed field goal never leaves the ball inside the 20.
        const std::int32_t least = touchbackYardLine(league);
        if (play.finalSpot.yardLine < least) {
            play.finalSpot.yardLine = least;
            situation.ballSpot.yardLine = least;
        }
    }
    accept();
    return true;
}

bool runFieldGoalEntry(PlayEntryContext &context, const std::function<bool(FieldGoalEntry &)> &fill)
{
    FieldGoalEntry dialog(context);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
