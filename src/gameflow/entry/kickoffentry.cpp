#include "kickoffentry.h"

#include "gameflow/entry/entryfields.h"
#include "gameflow/entry/kickentry.h"
#include "gameflow/interaction.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <array>

namespace yardmark {

namespace {

constexpr std::int32_t kKickOverYards = 5;

constexpr KickResults<KickOffResult, 4> kKickOffResults{
    {KickResult::Runback, KickResult::Touchback, KickResult::OutOfBounds, KickResult::FairCatch}};

std::int32_t kickResultOf(KickOffResult result)
{
    return kKickOffResults.codeOf(result);
}

} // namespace

std::optional<KickOffResult> kickOffResultOf(std::int32_t kickResult)
{
    return kKickOffResults.resultOf(kickResult);
}

KickOffEntry::KickOffEntry(const PlayEntryContext &context) : CurrentPlayFumbleEntry(context)
{
    const bool kickingHome = context.situation().homeHasBall;
    m_form.caption = teamName(context.game(), kickingHome) + " Kicks Off";
    m_form.kicker = rememberedKicker(context.offense().players, context.offense().currentKicker);
    const bool receiversHome = !kickingHome;
    m_form.kickedTo.homeSide = receiversHome;
    m_form.finalSpot.homeSide = receiversHome;
    chooseResult(KickOffResult::TouchBack);
}

const PlayerEntry *KickOffEntry::rowEntry(int row) const
{
    switch (row) {
    case Kicker:
        return &m_form.kicker;
    case Returner:
        return &m_form.returner;
    case Tackler:
        return &m_form.tackler;
    case Assist:
        return &m_form.assist;
    default:
        return nullptr;
    }
}

void KickOffEntry::chooseResult(KickOffResult result)
{
    m_form.result = result;
    const bool indoor = m_context.league().indoorField;
    if (result == KickOffResult::TouchBack) {
        m_form.kickedTo.yardText = "0";
        m_form.finalSpot.yardText = std::to_string(touchbackYardLine(m_context.league()));
    } else if (result == KickOffResult::OutOfBounds) {
        m_form.kickedTo.yardText = "0";
        m_form.finalSpot.yardText = indoor ? "15" : "35";
    }
}

void KickOffEntry::setOnsideSuccessful(bool checked)
{
    m_form.onsideSuccessful = checked;
    if (checked) {
        m_form.onsideUnsuccessful = false;
        // The kicking team recovered its own kick.
        setRecoveredBy(m_context.situation().homeHasBall);
    }
    onsideChanged();
}

void KickOffEntry::setOnsideUnsuccessful(bool checked)
{
    m_form.onsideUnsuccessful = checked;
    if (checked) {
        m_form.onsideSuccessful = false;
        setRecoveredBy(!m_context.situation().homeHasBall);
    }
    onsideChanged();
}

void KickOffEntry::onsideChanged()
{
    // The first fumble entry records who recovered the onside kick.
    const bool onside = m_form.onsideSuccessful || m_form.onsideUnsuccessful;
    setFumbleSelector(m_form.fumbles, onside ? "Onside Kick" : "");
}

std::optional<FieldSpot> KickOffEntry::recoveryPreset() const
{
    return readSpotEntry(m_form.kickedTo, m_context.league().midfieldYardLine);
}

bool KickOffEntry::kickOverAfterOutOfBounds()
{
    Interaction &ui = m_context.ui();
    ui.playSound(kWarningSound);
    if (ui.message("Take 5 yard Penalty and Kick Over?", "Kick Off Out Of Bounds", MessageButtons::YesNo,
                   MessageIcon::Question) != MessageAnswer::Yes)
        return false;
    // Recorded as a penalty on the kicking team; the kickoff stays due.
    PlayRecord &play = m_context.currentPlay();
    FieldSpot &ballSpot = m_context.situation().ballSpot;
    play.playType = code(PlayType::OffensivePenalty);
    play.offensivePenalty = code(OffensivePenalty::KickOffOutOfBounds);
    ballSpot = advanceSpot(ballSpot, m_context.situation().homeHasBall, -kKickOverYards, m_context.league());
    play.finalSpot = ballSpot;
    // The kick is taken again on the same down and distance; stored with the
    // play so that the game reopens, and the next play follows, as it stands.
    play.downAfter = m_context.situation().down;
    play.toGoAfter = m_context.situation().toGo;
    return true;
}

std::int32_t KickOffEntry::turnoverAfterFumbles() const
{
    // The kicking team holding the ball at the last recovery is a fumble lost
    // by the receivers, or, first, its own onside kick recovered.
    constexpr KickRecoveryRule rule{code(TurnoverKind::OnsideKickRecovered), code(TurnoverKind::NoTurnover),
                                    code(TurnoverKind::Fumble), code(TurnoverKind::NoTurnover)};
    return kickTurnover(m_context.currentPlay(), m_context.situation().homeHasBall, m_form.onsideSuccessful, rule);
}

KickReturnRows KickOffEntry::returnRows() const
{
    return {m_form.returner, m_form.tackler, m_form.assist, m_form.kickedTo, m_form.finalSpot};
}

KickShape KickOffEntry::shape() const
{
    if (m_form.onsideSuccessful || m_form.onsideUnsuccessful)
        return KickShape::NoReturn;
    switch (m_form.result) {
    case KickOffResult::Returned:
        return KickShape::Returned;
    case KickOffResult::TouchBack:
        return KickShape::TouchBack;
    case KickOffResult::FairCatch:
        return KickShape::FairCatch;
    case KickOffResult::OutOfBounds:
        break;
    }
    return KickShape::NoReturn;
}

KickContradiction KickOffEntry::contradiction() const
{
    return kickContradiction(returnRows(), shape(), m_context.situation().homeHasBall, m_context.league());
}

std::string KickOffEntry::contradictionText() const
{
    return kickContradictionText(returnRows(), contradiction(), m_context.situation().homeHasBall, m_context.league());
}

bool KickOffEntry::ok()
{
    KickReturnRows rows = returnRows();
    const std::optional<KickKeep> kept = settleKickContradiction(m_context.ui(), rows, contradiction(), m_form.keep,
                                                                 m_context.situation().homeHasBall, m_context.league());
    if (!kept)
        return false;
    m_form.returner = rows.returner;
    m_form.tackler = rows.tackler;
    m_form.assist = rows.assist;
    m_form.kickedTo = rows.receivedAt;
    m_form.finalSpot = rows.finalSpot;
    if (*kept == KickKeep::Return && shape() != KickShape::Returned)
        m_form.result = KickOffResult::Returned;

    const PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    GameSituation &situation = c.situation();
    const bool kickingHome = situation.homeHasBall;

    play.players[QuarterbackSlot] = resolveRow(Kicker, "Kicker");
    play.players[CarrierSlot] = resolveRow(Returner, "Returner");
    play.players[TacklerSlot] = resolveRow(Tackler, "Tackler");
    play.players[AssistSlot] = resolveRow(Assist, "Assist");
    // The team keeps its kicker only once the play is accepted.
    const auto rememberKicker = [&] { c.offense().currentKicker = play.players[QuarterbackSlot].name; };

    if (m_form.result == KickOffResult::OutOfBounds && kickOverAfterOutOfBounds()) {
        rememberKicker();
        c.ui().playSound(kClickSound);
        accept();
        return true;
    }

    play.playType = code(PlayType::KickOff);
    play.homeHasBall = kickingHome;
    play.quarter = situation.quarter;
    if (!saveFumbleAtOk())
        return false;
    rememberKicker();
    readKickSpots(m_form.kickedTo, m_form.finalSpot, c);
    play.turnover = turnoverAfterFumbles();
    const bool kickersHoldBall = play.turnover != code(TurnoverKind::NoTurnover);
    play.scoreType = kickReturnScore(situation.ballSpot, kickingHome, kickersHoldBall);

    play.kickResult = kickResultOf(m_form.result);
    if (m_form.onsideSuccessful || m_form.onsideUnsuccessful) {
        play.playType = code(PlayType::OnsideKick);
        play.kickResult = code(m_form.onsideSuccessful ? KickResult::OnsideSuccessful : KickResult::OnsideUnsuccessful);
    }
    play.downAfter = situation.down;
    play.toGoAfter = situation.toGo;
    c.game().kickoffPending = false;

    c.recordTime();
    c.ui().playSound(kClickSound);
    accept();
    return true;
}

bool runKickOffEntry(PlayEntryContext &context, const std::function<bool(KickOffEntry &)> &fill)
{
    KickOffEntry dialog(context);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
