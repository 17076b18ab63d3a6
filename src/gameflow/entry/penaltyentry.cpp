#include "penaltyentry.h"

#include "base/text.h"
#include "gameflow/interaction.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <limits>

namespace yardmark {

namespace {

std::string numberText(std::int64_t value)
{
    return std::to_string(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                   std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t offensivePenaltyYards(int penalty)
{
    switch (fromCode<OffensivePenalty>(penalty)) {
    case OffensivePenalty::NoPenalty:
        return 0;
    case OffensivePenalty::Holding:
    case OffensivePenalty::IntentionalGrounding:
    case OffensivePenalty::PassInterference:
    case OffensivePenalty::Tripping:
        return 10;
    case OffensivePenalty::IllegalBlock:
    case OffensivePenalty::Clipping:
    case OffensivePenalty::FlagrantFaceMask:
    case OffensivePenalty::UnnecessaryRoughness:
    case OffensivePenalty::UnsportsmanlikeConduct:
        return 15;
    default:
        return 5;
    }
}

std::int32_t defensivePenaltyYards(int penalty)
{
    switch (fromCode<DefensivePenalty>(penalty)) {
    case DefensivePenalty::NoPenalty:
        return 0;
    case DefensivePenalty::Tripping:
        return 10;
    case DefensivePenalty::PassInterference:
    case DefensivePenalty::RoughingThePasser:
    case DefensivePenalty::RoughingTheKicker:
    case DefensivePenalty::PilingOn:
    case DefensivePenalty::UnnecessaryRoughness:
    case DefensivePenalty::FlagrantFaceMask:
    case DefensivePenalty::UnsportsmanlikeConduct:
    case DefensivePenalty::InvalidFairCatch:
        return 15;
    default:
        return 5;
    }
}

bool givesAutomaticFirstDown(int defensivePenalty)
{
    switch (fromCode<DefensivePenalty>(defensivePenalty)) {
    case DefensivePenalty::Holding:
    case DefensivePenalty::RoughingThePasser:
    case DefensivePenalty::RoughingTheKicker:
    case DefensivePenalty::PilingOn:
        return true;
    default:
        return false;
    }
}

PenaltyEntry::PenaltyEntry(const PlayEntryContext &context, bool defensive)
    : CurrentPlayEntry(context), m_defensive(defensive)
{
    PlayRecord &play = m_context.currentPlay();
    play.toGoBefore = m_context.situation().toGo;
    const bool penalizedHome = m_context.situation().homeHasBall != defensive;
    m_form.caption =
        std::string(defensive ? "Defensive" : "Offensive") + " Penalty on " + teamName(m_context.game(), penalizedHome);
    // The list opens on the plain "Penalty" without filling its yards.
    m_form.penalty = 1;
    showResult(play.downBefore, play.toGoBefore);
    m_form.finalSpot.homeSide = play.initialSpot.homeSide;
    m_form.penaltySpot = showSpotEntry(play.initialSpot);
}

void PenaltyEntry::showResult(std::int32_t down, std::int32_t toGo)
{
    m_form.resultingDown = numberText(std::int64_t{down} + 1);
    m_form.resultingToGo = numberText(toGo);
}

bool PenaltyEntry::choosePenalty(int penalty)
{
    if (penalty < 0 || penalty >= (m_defensive ? kDefensivePenaltyCount : kOffensivePenaltyCount))
        return false;
    m_form.penalty = penalty;
    const PlayRecord &play = m_context.currentPlay();
    if (!m_defensive) {
        const std::int32_t yards = offensivePenaltyYards(penalty);
        m_form.yardsPenalized = std::to_string(yards);
        m_form.resultingToGo = numberText(std::int64_t{play.toGoBefore} + yards);
        return true;
    }
    const std::int32_t yards = defensivePenaltyYards(penalty);
    m_form.yardsPenalized = std::to_string(yards);
    const std::int64_t left = std::int64_t{play.toGoBefore} - yards;
    if (givesAutomaticFirstDown(penalty) || left < 0 ||
        (left == 0 && m_context.ui().message("Did Play Result in First Down", "First Down?", MessageButtons::YesNo,
                                             MessageIcon::Question) == MessageAnswer::Yes)) {
        showFirstDown();
        return true;
    }
    // The down is played again, the distance shortened by the penalty.
    showResult(play.downBefore, static_cast<std::int32_t>(left));
    return true;
}

void PenaltyEntry::setFinalSpot(const SpotEntry &spot)
{
    m_form.finalSpot = spot;
    if (spot.yardText.empty())
        return;
    PlayRecord &play = m_context.currentPlay();
    play.finalSpot = readSpotEntry(spot, m_context.league().midfieldYardLine);
    m_form.resultingToGo = numberText(std::int64_t{play.toGoBefore} - netGain(play, m_context.league()));
}

bool PenaltyEntry::ok()
{
    PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    GameSituation &situation = c.situation();
    const LeagueOptions &league = c.league();
    c.ui().playSound(kClickSound);
    play.playType = code(m_defensive ? PlayType::DefensivePenalty : PlayType::OffensivePenalty);
    (m_defensive ? play.defensivePenalty : play.offensivePenalty) = m_form.penalty;
    play.penaltySpot = readSpotEntry(m_form.penaltySpot, league.midfieldYardLine);

    std::optional<std::int32_t> yards;
    if (!m_form.yardsPenalized.empty())
        yards = typedYards(m_form.yardsPenalized, league);
    const bool movedByYards = m_form.finalSpot.yardText.empty() && yards;
    // An offensive penalty moves the ball back toward the offense's goal, a
    // defensive one forward; the goal line stops it.
    if (yards && !m_defensive)
        *yards = -*yards;
    moveBallToFinalSpot(situation.ballSpot, m_form.finalSpot, yards, play.homeHasBall, league);
    if (movedByYards && m_defensive) {
        // Enforced from the spot without asking: no automatic first down here.
        const std::int64_t left = std::int64_t{play.toGoBefore} - *yards;
        if (left < 0)
            showFirstDown();
        else
            showResult(play.downBefore, static_cast<std::int32_t>(left));
    }
    play.finalSpot = situation.ballSpot;

    const std::int32_t field = 2 * std::max(league.midfieldYardLine, 0);
    situation.down = m_form.resultingDown.empty() ? play.downBefore : leadingInt(m_form.resultingDown) - 1;
    const std::int64_t toGo = m_form.resultingToGo.empty() ? std::int64_t{play.toGoBefore} - netGain(play, league)
                                                           : leadingInt(m_form.resultingToGo);
    if (toGo < 0) {
        // The ball ended beyond the line to gain: a new set of downs.
        situation.down = 0;
        situation.toGo = kYardsForFirstDown;
    } else {
        situation.down = std::clamp(situation.down, 0, kFourthDown);
        situation.toGo = static_cast<std::int32_t>(std::min<std::int64_t>(toGo, field));
    }
    play.toGoAfter = situation.toGo;
    play.downAfter = situation.down;
    play.players[CarrierSlot] = resolveRow(PenaltyOn, "Tackler");
    if (m_defensive && play.downAfter == 0)
        play.firstDown = code(FirstDownKind::ByPenalty);
    accept();
    return true;
}

bool runOffensivePenaltyEntry(PlayEntryContext &context, const std::function<bool(PenaltyEntry &)> &fill)
{
    PenaltyEntry dialog(context, false);
    return driveEntry(dialog, fill);
}

bool runDefensivePenaltyEntry(PlayEntryContext &context, const std::function<bool(PenaltyEntry &)> &fill)
{
    PenaltyEntry dialog(context, true);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
