#include "puntentry.h"

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/kickentry.h"
#include "gameflow/interaction.h"
#include "vocabulary/vocabulary.h"

#include <array>

namespace yardmark {

namespace {

constexpr KickResults<PuntResult, 6> kPuntResults{{KickResult::Runback, KickResult::Touchback,
                                                   KickResult::DownedByKickingTeam, KickResult::OutOfBounds,
                                                   KickResult::FairCatch, KickResult::BlockedPunt}};

std::int32_t kickResultOf(PuntResult result)
{
    return kPuntResults.codeOf(result);
}

} // namespace

std::optional<PuntResult> puntResultOf(std::int32_t kickResult)
{
    return kPuntResults.resultOf(kickResult);
}

PuntEntry::PuntEntry(const PlayEntryContext &context) : CurrentPlayFumbleEntry(context)
{
    const bool puntingHome = context.situation().homeHasBall;
    m_form.caption = "Punt - " + teamName(context.game(), puntingHome);
    m_form.punter = rememberedKicker(context.offense().players, context.offense().currentPunter);
    const bool receiversHome = !context.situation().homeHasBall;
    m_form.puntedTo.homeSide = receiversHome;
    m_form.finalSpot.homeSide = receiversHome;
    m_form.result = PuntResult::Returned;
}

const PlayerEntry *PuntEntry::rowEntry(int row) const
{
    switch (row) {
    case Punter:
        return &m_form.punter;
    case Returner:
        return &m_form.returner;
    case Tackler:
        return &m_form.tackler;
    case Assist:
        return &m_form.assist;
    case BlockedBy:
        return &m_form.blockedBy;
    default:
        return nullptr;
    }
}

void PuntEntry::rowPlayerChosen(int row)
{
    if (row == BlockedBy)
        chooseResult(PuntResult::Blocked);
}

void PuntEntry::chooseResult(PuntResult result)
{
    m_form.result = result;
    if (result == PuntResult::TouchBack) {
        m_form.puntedTo.yardText = "0";
        m_form.finalSpot.yardText = std::to_string(touchbackYardLine(m_context.league()));
    }
    // The first fumble entry of a blocked punt records who recovered it.
    const bool blocked = result == PuntResult::Blocked;
    setFumbleSelector(m_form.fumbles, blocked ? "Blocked Punt" : "");
    if (blocked)
        m_context.currentPlay().kickResult = code(KickResult::BlockedPunt);
}

std::int32_t PuntEntry::turnoverAfterFumbles() const
{
    // As on a kickoff, the punting team holding the ball at the last recovery
    // is a fumble lost by the receivers. A blocked punt the receivers recover
    // is theirs as a blocked kick; one the punting team falls on is no
    // turnover, the receivers taking over.
    constexpr KickRecoveryRule rule{code(TurnoverKind::NoTurnover), code(TurnoverKind::BlockedKickLost),
                                    code(TurnoverKind::Fumble), code(TurnoverKind::NoTurnover)};
    const bool blocked = m_form.result == PuntResult::Blocked;
    return kickTurnover(m_context.currentPlay(), m_context.situation().homeHasBall, blocked, rule);
}

KickReturnRows PuntEntry::returnRows() const
{
    return {m_form.returner, m_form.tackler, m_form.assist, m_form.puntedTo, m_form.finalSpot};
}

KickShape PuntEntry::shape() const
{
    switch (m_form.result) {
    case PuntResult::Returned:
        return KickShape::Returned;
    case PuntResult::TouchBack:
        return KickShape::TouchBack;
    case PuntResult::FairCatch:
        return KickShape::FairCatch;
    default:
        break;
    }
    return KickShape::NoReturn;
}

KickContradiction PuntEntry::contradiction() const
{
    return kickContradiction(returnRows(), shape(), m_context.situation().homeHasBall, m_context.league());
}

std::string PuntEntry::contradictionText() const
{
    return kickContradictionText(returnRows(), contradiction(), m_context.situation().homeHasBall, m_context.league());
}

bool PuntEntry::ok()
{
    KickReturnRows rows = returnRows();
    const std::optional<KickKeep> kept = settleKickContradiction(m_context.ui(), rows, contradiction(), m_form.keep,
                                                                 m_context.situation().homeHasBall, m_context.league());
    if (!kept)
        return false;
    m_form.returner = rows.returner;
    m_form.tackler = rows.tackler;
    m_form.assist = rows.assist;
    m_form.puntedTo = rows.receivedAt;
    m_form.finalSpot = rows.finalSpot;
    if (*kept == KickKeep::Return && shape() != KickShape::Returned)
        m_form.result = PuntResult::Returned;

    const PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    GameSituation &situation = c.situation();
    const bool puntingHome = situation.homeHasBall;

    c.ui().playSound(kClickSound);
    play.players[QuarterbackSlot] = resolveRow(Punter, "Kicker");
    play.players[CarrierSlot] = resolveRow(Returner, "Returner");
    play.players[TacklerSlot] = resolveRow(Tackler, "Tackler");
    play.players[AssistSlot] = resolveRow(Assist, "Assist");

    play.playType = code(PlayType::Punt);
    play.homeHasBall = puntingHome;
    play.quarter = situation.quarter;
    if (!saveFumbleAtOk())
        return false;
    // The team keeps its punter only once the play is accepted.
    c.offense().currentPunter = play.players[QuarterbackSlot].name;
    readKickSpots(m_form.puntedTo, m_form.finalSpot, c);
    play.turnover = turnoverAfterFumbles();
    // Only a fumble the punting team recovered leaves it holding the ball.
    const bool puntersHoldBall = play.turnover == code(TurnoverKind::Fumble);
    play.scoreType = kickReturnScore(situation.ballSpot, puntingHome, puntersHoldBall);

    play.kickResult = kickResultOf(m_form.result);
    play.downAfter = situation.down;
    play.toGoAfter = situation.toGo;
    c.game().kickoffPending = false;

    c.recordTime();
    accept();
    return true;
}

bool runPuntEntry(PlayEntryContext &context, const std::function<bool(PuntEntry &)> &fill)
{
    PuntEntry dialog(context);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
