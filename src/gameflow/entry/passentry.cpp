#include "passentry.h"

#include "gameflow/entry/scrimmageplay.h"
#include "gameflow/interaction.h"
#include "vocabulary/spots.h"

namespace yardmark {

PassEntry::PassEntry(const PlayEntryContext &context) : CurrentPlayFumbleEntry(context)
{
    PlayRecord &play = m_context.currentPlay();
    play.toGoBefore = m_context.situation().toGo;
    m_form.caption = scrimmageCaption(m_context, "Passes", "PAT Pass Attempt");
    m_form.players[Quarterback] = currentQuarterbackEntry(m_context);
    m_form.finalSpot.homeSide = play.initialSpot.homeSide;
    m_form.receptionSpot.homeSide = play.initialSpot.homeSide;
}

const PlayerEntry *PassEntry::rowEntry(int row) const
{
    if (row < Quarterback || row > Interceptor)
        return nullptr;
    return &m_form.players[static_cast<std::size_t>(row)];
}

bool PassEntry::setResult(int passResult)
{
    if (passResult < code(PassResult::Completion) || passResult > code(PassResult::Interception))
        return false;
    m_form.result = passResult;
    return true;
}

void PassEntry::setReceptionSpot(const SpotEntry &spot)
{
    m_form.receptionSpot = spot;
    if (spot.yardText.empty() || !m_form.finalSpot.yardText.empty())
        return;
    PlayRecord &play = m_context.currentPlay();
    play.finalSpot = readSpotEntry(spot, m_context.league().midfieldYardLine);
    m_form.finalSpot = showSpotEntry(play.finalSpot);
    if (m_form.yardsMade.empty())
        m_form.yardsMade = std::to_string(netGain(play, m_context.league()));
}

void PassEntry::setYardsMade(std::string_view text)
{
    m_form.yardsMade = std::string(text);
    const auto spot = spotAfterYards(m_context, text);
    if (!spot)
        return;
    m_form.finalSpot = showSpotEntry(*spot);
    if (m_form.receptionSpot.yardText.empty())
        m_form.receptionSpot = showSpotEntry(*spot);
}

void PassEntry::setFinalSpot(const SpotEntry &spot)
{
    m_form.finalSpot = spot;
    if (auto yards = recordFinalSpot(m_context, spot))
        m_form.yardsMade = std::move(*yards);
}

bool PassEntry::ok()
{
    PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    c.ui().playSound(kClickSound);
    play.players[QuarterbackSlot] = resolveRow(Quarterback, "Passer");
    play.players[CarrierSlot] = resolveRow(Receiver, "Receiver");
    play.players[TacklerSlot] = resolveRow(Tackler, "Tackler");
    play.players[InterceptorSlot] = resolveRow(Interceptor, "Interceptor");
    play.players[AssistSlot] = resolveRow(Assist, "Assist");
    play.playType = code(c.game().tryPending ? PlayType::TryByPass : PlayType::Pass);
    if (!saveFumbleAtOk())
        return false;
    // The team keeps its quarterback only once the play is accepted.
    c.offense().currentQuarterback = play.players[QuarterbackSlot].name;

    // An incomplete pass leaves the ball where it was snapped, whatever was typed.
    if (m_form.result == code(PassResult::Incompletion))
        play.finalSpot = c.situation().ballSpot;
    else
        moveBallForScrimmage(c, m_form.finalSpot, m_form.yardsMade);
    play.receivedAt = readSpotEntry(m_form.receptionSpot, c.league().midfieldYardLine);
    play.passResult = m_form.result;
    if (m_form.result == code(PassResult::Interception))
        play.turnover = code(TurnoverKind::Interception);
    settleScrimmagePlay(c);
    accept();
    return true;
}

bool runPassEntry(PlayEntryContext &context, const std::function<bool(PassEntry &)> &fill)
{
    PassEntry dialog(context);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
