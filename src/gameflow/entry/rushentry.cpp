#include "rushentry.h"

#include "gameflow/entry/scrimmageplay.h"
#include "gameflow/interaction.h"

namespace yardmark {

RushEntry::RushEntry(const PlayEntryContext &context) : CurrentPlayFumbleEntry(context)
{
    PlayRecord &play = m_context.currentPlay();
    play.toGoBefore = m_context.situation().toGo;
    m_form.caption = scrimmageCaption(m_context, "Rushes", "PAT Rush Attempt");
    m_form.players[Quarterback] = currentQuarterbackEntry(m_context);
    m_form.finalSpot.homeSide = play.initialSpot.homeSide;
}

const PlayerEntry *RushEntry::rowEntry(int row) const
{
    if (row < Quarterback || row > Assist)
        return nullptr;
    return &m_form.players[static_cast<std::size_t>(row)];
}

bool RushEntry::setRushType(int rushType)
{
    if (rushType < 0 || rushType >= kRushTypeCount)
        return false;
    m_form.rushType = rushType;
    return true;
}

void RushEntry::setYardsMade(std::string_view text)
{
    m_form.yardsMade = std::string(text);
    if (const auto spot = spotAfterYards(m_context, text))
        m_form.finalSpot = showSpotEntry(*spot);
}

void RushEntry::setFinalSpot(const SpotEntry &spot)
{
    m_form.finalSpot = spot;
    if (auto yards = recordFinalSpot(m_context, spot))
        m_form.yardsMade = std::move(*yards);
}

bool RushEntry::ok()
{
    PlayEntryContext &c = m_context;
    PlayRecord &play = c.currentPlay();
    c.ui().playSound(kClickSound);
    play.players[QuarterbackSlot] = resolveRow(Quarterback, "Passer");
    play.players[CarrierSlot] = resolveRow(Rusher, "Receiver");
    play.players[TacklerSlot] = resolveRow(Tackler, "Tackler");
    play.players[AssistSlot] = resolveRow(Assist, "Assist");
    play.playType = code(c.game().tryPending ? PlayType::TryByRush : PlayType::Rush);
    if (!saveFumbleAtOk())
        return false;
    // The team keeps its quarterback only once the play is accepted.
    c.offense().currentQuarterback = play.players[QuarterbackSlot].name;
    moveBallForScrimmage(c, m_form.finalSpot, m_form.yardsMade);
    play.rushType = m_form.rushType;
    settleScrimmagePlay(c);
    accept();
    return true;
}

bool runRushEntry(PlayEntryContext &context, const std::function<bool(RushEntry &)> &fill)
{
    RushEntry dialog(context);
    return driveEntry(dialog, fill);
}

} // namespace yardmark
