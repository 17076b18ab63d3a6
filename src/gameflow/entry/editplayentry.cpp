#include "editplayentry.h"

#include "base/text.h"
#include "gameflow/interaction.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>

namespace yardmark {

namespace {

enum class SecondList { None, Rush, Pass, Kick, OffensivePenalty, DefensivePenalty };

SecondList secondListOf(int playType)
{
    switch (fromCode<PlayType>(playType)) {
    case PlayType::Rush:
    case PlayType::TryByRush:
        return SecondList::Rush;
    case PlayType::Pass:
    case PlayType::TryByPass:
        return SecondList::Pass;
    case PlayType::Punt:
    case PlayType::KickOff:
    case PlayType::OnsideKick:
    case PlayType::FieldGoal:
    case PlayType::ExtraPoint:
        return SecondList::Kick;
    case PlayType::OffensivePenalty:
        return SecondList::OffensivePenalty;
    case PlayType::DefensivePenalty:
        return SecondList::DefensivePenalty;
    default:
        return SecondList::None;
    }
}

/// Punts, kickoffs and onside kicks: the kicking team's players kick and tackle.
bool isKickoffOrPunt(int playType)
{
    return playType == code(PlayType::Punt) || playType == code(PlayType::KickOff) ||
           playType == code(PlayType::OnsideKick);
}

std::string twoDigits(std::int32_t value)
{
    return value > 9 ? std::to_string(value) : "0" + std::to_string(value);
}

/// Text fields are stored only when something was typed, as typed (no range
/// check); `offset` turns a 1-based quarter or down into the stored 0-based one.
void storeIfTyped(const std::string &text, std::int32_t &field, std::int32_t offset = 0)
{
    if (text.empty())
        return;
    const std::int64_t value = std::int64_t{leadingInt(text)} - offset;
    field = static_cast<std::int32_t>(std::max<std::int64_t>(value, std::numeric_limits<std::int32_t>::min()));
}

} // namespace

EditPlayLabels editPlayLabels(int playType)
{
    switch (secondListOf(playType)) {
    case SecondList::Rush:
        return {"Rush Type", std::nullopt, "Quarterback", "Rusher"};
    case SecondList::Pass:
        return {"Pass Type", "Reception At", "Quarterback", "Receiver"};
    case SecondList::Kick:
        return {"Kick Result", "Kicked To", "Kicker", "Returner"};
    case SecondList::OffensivePenalty:
        return {"Off Pen", "Penalty Spot", std::nullopt, "Penalty On"};
    case SecondList::DefensivePenalty:
        return {"Def Pen", "Penalty Spot", std::nullopt, "Penalty On"};
    case SecondList::None:
        break;
    }
    return {};
}

std::span<const std::string_view> secondListEntries(int playType)
{
    switch (secondListOf(playType)) {
    case SecondList::Rush:
        return rushTypeNames();
    case SecondList::Pass:
        return passResultNames();
    case SecondList::Kick:
        return kickResultNames();
    case SecondList::OffensivePenalty:
        return offensivePenaltyNames();
    case SecondList::DefensivePenalty:
        return defensivePenaltyNames();
    case SecondList::None:
        break;
    }
    return {};
}

std::array<std::string_view, 3> fumbleSelectorEntries(int kickResult)
{
    switch (fromCode<KickResult>(kickResult)) {
    case KickResult::OnsideSuccessful:
    case KickResult::OnsideUnsuccessful:
        return {"Onside Kick", "Fumble 1", "Fumble 2"};
    case KickResult::BlockedPunt:
        return {"Blocked Punt", "Fumble 1", "Fumble 2"};
    case KickResult::BlockedFieldGoal:
        return {"Blocked FG", "Fumble 1", "Fumble 2"};
    default:
        return {"Fumble 1", "Fumble 2", "Fumble 3"};
    }
}

std::pair<std::string, std::string> clockTexts(const PlayRecord &play)
{
    if (play.clockMinutes == 0 && play.clockSeconds == 0)
        return {};
    return {twoDigits(play.clockMinutes), twoDigits(play.clockSeconds)};
}

EditPlayEntry::EditPlayEntry(PlayRecord &play, const Game &game, const LeagueOptions &league, Interaction &ui)
    : FumblePlayEntry(ui, game), m_play(play), m_league(league)
{
    EditPlayForm &f = m_form;
    f.homeHasBall = play.homeHasBall;
    f.playType = play.playType;
    f.scoreType = play.scoreType;
    f.turnover = play.turnover;
    f.firstDown = play.firstDown;
    switch (secondListOf(play.playType)) {
    case SecondList::Rush:
        f.secondList = play.rushType;
        break;
    case SecondList::Pass:
        f.secondList = play.passResult;
        break;
    case SecondList::Kick:
        f.secondList = play.kickResult;
        break;
    case SecondList::OffensivePenalty:
        f.secondList = play.offensivePenalty;
        break;
    case SecondList::DefensivePenalty:
        f.secondList = play.defensivePenalty;
        break;
    case SecondList::None:
        f.secondList = 0;
        break;
    }
    const bool penalty =
        play.playType == code(PlayType::OffensivePenalty) || play.playType == code(PlayType::DefensivePenalty);
    f.initialSpot = showSpotEntry(play.initialSpot);
    f.middleSpot = showSpotEntry(penalty ? play.penaltySpot : play.receivedAt);
    f.finalSpot = showSpotEntry(play.finalSpot);
    f.quarter = std::to_string(play.quarter + 1);
    f.initialDown = std::to_string(play.downBefore + 1);
    f.resultingDown = std::to_string(play.downAfter + 1);
    f.initialToGo = std::to_string(play.toGoBefore);
    f.resultingToGo = std::to_string(play.toGoAfter);
    if (play.offensivePenalty != 0)
        f.penaltyYards = std::to_string(play.offensivePenaltyYards);
    else if (play.defensivePenalty != 0)
        f.penaltyYards = std::to_string(play.defensivePenaltyYards);
    std::tie(f.minutes, f.seconds) = clockTexts(play);
    fillRowTeams();
    for (int row = 0; row < kEditPlayerRows; ++row)
        f.players[static_cast<std::size_t>(row)] =
            showPlayerEntry(play.players[static_cast<std::size_t>(row)], rowRoster(row));
    const auto selector = fumbleSelectorEntries(play.kickResult);
    std::copy(selector.begin(), selector.end(), f.fumbles.selectorEntries.begin());
    f.fumbles.form = showFumble(play, 0, game);
}

void EditPlayEntry::fillRowTeams()
{
    const bool offense = m_form.homeHasBall;
    const int type = m_form.playType;
    if (isKickoffOrPunt(type)) {
        m_rowHome = {offense, !offense, offense, !offense, offense};
        return;
    }
    bool secondRow = offense;
    if (secondListOf(type) == SecondList::Kick || type == code(PlayType::DefensivePenalty))
        secondRow = !offense; // the returner of a field goal, the defender penalized
    m_rowHome = {offense, secondRow, !offense, !offense, !offense};
}

const std::vector<PlayerRecord> &EditPlayEntry::rowRoster(int row) const
{
    const bool home = row >= 0 && row < kEditPlayerRows ? m_rowHome[static_cast<std::size_t>(row)] : true;
    return rosterOf(game(), home);
}

const PlayerEntry *EditPlayEntry::rowEntry(int row) const
{
    return row >= 0 && row < kEditPlayerRows ? &m_form.players[static_cast<std::size_t>(row)] : nullptr;
}

const std::vector<PlayerRecord> &EditPlayEntry::recovererRoster() const
{
    return rosterOf(game(), m_form.fumbles.form.recoveredByHome.value_or(true));
}

void EditPlayEntry::setPossession(bool home)
{
    m_form.homeHasBall = home;
    fillRowTeams();
    for (PlayerEntry &entry : m_form.players)
        entry.listIndex = -1;
}

void EditPlayEntry::setPlayType(int playType)
{
    if (secondListOf(playType) != secondListOf(m_form.playType))
        m_form.secondList = 0;
    m_form.playType = playType;
}

bool EditPlayEntry::storeShownFumble()
{
    const FumbleSection &section = m_form.fumbles;
    return storeFumble(section.form, section.shown, m_form.homeHasBall, m_play, game(), m_league, ui());
}

bool EditPlayEntry::ok()
{
    ui().playSound(kClickSound);
    const EditPlayForm &f = m_form;
    PlayRecord &play = m_play;
    const int type = f.playType;

    // Players first, as the entry dialogs do; a kick leaves the interceptor alone.
    const bool kick = isKickoffOrPunt(type);
    const auto resolve = [&](int slot, std::string_view role) {
        const auto i = static_cast<std::size_t>(slot);
        play.players[i] = resolveRow(slot, role);
    };
    if (kick) {
        resolve(QuarterbackSlot, "Kicker");
        resolve(CarrierSlot, "Returner");
        resolve(TacklerSlot, "Tackler");
        resolve(AssistSlot, "Assist");
    } else {
        resolve(QuarterbackSlot, "Passer");
        resolve(CarrierSlot, type == code(PlayType::Pass) ? "Receiver" : "Rusher");
        resolve(TacklerSlot, "Tackler");
        resolve(AssistSlot, "Assist");
        resolve(InterceptorSlot, "Interceptor");
    }
    if (!storeShownFumble())
        return false;

    play.homeHasBall = f.homeHasBall;
    play.playType = type;
    play.scoreType = f.scoreType;
    play.turnover = f.turnover;
    play.firstDown = f.firstDown;

    const SecondList list = secondListOf(type);
    play.rushType = list == SecondList::Rush ? f.secondList : 0;
    play.passResult = list == SecondList::Pass ? f.secondList : 0;
    play.kickResult = list == SecondList::Kick ? f.secondList : 0;
    play.offensivePenalty = list == SecondList::OffensivePenalty ? f.secondList : 0;
    play.defensivePenalty = list == SecondList::DefensivePenalty ? f.secondList : 0;
    if (list == SecondList::OffensivePenalty || list == SecondList::DefensivePenalty) {
        play.penaltySpot = readSpotEntry(f.middleSpot, m_league.midfieldYardLine);
        storeIfTyped(f.penaltyYards,
                     list == SecondList::OffensivePenalty ? play.offensivePenaltyYards : play.defensivePenaltyYards);
    }

    storeIfTyped(f.quarter, play.quarter, 1);
    storeIfTyped(f.initialDown, play.downBefore, 1);
    storeIfTyped(f.resultingDown, play.downAfter, 1);
    storeIfTyped(f.initialToGo, play.toGoBefore);
    storeIfTyped(f.resultingToGo, play.toGoAfter);
    storeIfTyped(f.minutes, play.clockMinutes);
    storeIfTyped(f.seconds, play.clockSeconds);

    play.turnover = turnoverAfterFumbles(play, play.turnover);

    play.initialSpot = readSpotEntry(f.initialSpot, m_league.midfieldYardLine);
    play.receivedAt = readSpotEntry(f.middleSpot, m_league.midfieldYardLine);
    play.finalSpot = readSpotEntry(f.finalSpot, m_league.midfieldYardLine);
    accept();
    return true;
}

} // namespace yardmark
