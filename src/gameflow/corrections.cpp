#include "corrections.h"

#include "base/text.h"
#include "gameflow/interaction.h"
#include "records/game.h"
#include "vocabulary/narration.h"

#include <algorithm>

namespace yardmark {

namespace {

constexpr int kBallOnEntries = 51;

bool validIndex(const std::vector<std::string> &entries, int index)
{
    return index >= 0 && index < static_cast<int>(entries.size());
}

} // namespace

BallOnForm openBallOn(const GameSituation &situation, const GameInfo &info)
{
    BallOnForm form;
    form.homeName = info.homeTeamName;
    form.visitorName = info.visitorTeamName;
    form.entries.reserve(kBallOnEntries);
    form.entries.emplace_back("G");
    for (int yard = 1; yard < kBallOnEntries; ++yard)
        form.entries.push_back(std::to_string(yard));
    form.spot.homeSide = situation.ballSpot.homeSide;
    if (validIndex(form.entries, situation.ballSpot.yardLine))
        chooseBallOnEntry(form, situation.ballSpot.yardLine);
    else
        form.spot.yardText = std::to_string(situation.ballSpot.yardLine);
    return form;
}

void chooseBallOnEntry(BallOnForm &form, int index)
{
    if (!validIndex(form.entries, index))
        return;
    form.listIndex = index;
    form.spot.yardText = listEntryPrefix(form.entries[static_cast<std::size_t>(index)]);
}

FieldSpot ballOnSpot(const BallOnForm &form, const LeagueOptions &league)
{
    return readSpotEntry(form.spot, league.midfieldYardLine);
}

ToGoForm openToGo(const GameSituation &situation, const LeagueOptions &league)
{
    ToGoForm form;
    const int count = 2 * league.midfieldYardLine;
    for (int yards = 0; yards < count; ++yards)
        form.entries.push_back(std::to_string(yards));
    if (validIndex(form.entries, situation.toGo))
        chooseToGoEntry(form, situation.toGo);
    else
        form.text = std::to_string(situation.toGo);
    return form;
}

void chooseToGoEntry(ToGoForm &form, int index)
{
    if (!validIndex(form.entries, index))
        return;
    form.listIndex = index;
    form.text = listEntryPrefix(form.entries[static_cast<std::size_t>(index)]);
}

std::int32_t toGoValue(const ToGoForm &form, const LeagueOptions &league)
{
    return std::clamp(leadingInt(form.text), 0, std::max(league.midfieldYardLine, 0));
}

void applyRecordTime(const RecordTimeForm &form, const LeagueOptions &league, PlayRecord &play)
{
    play.clockMinutes = std::clamp(leadingInt(form.minutes), 0, std::max(league.minutesPerQuarter, 0));
    play.clockSeconds = std::clamp(leadingInt(form.seconds), 0, 60);
}

void recordTime(Interaction &ui, const LeagueOptions &league, PlayRecord &play, const GameInfo &info)
{
    RecordTimeForm form;
    form.play = narratePlay(play, info, league);
    form.explanation = "Clock at the change of possession, minutes and seconds left in the " +
                       periodText(play.quarter) + ". Leave both empty when the time was not taken.";
    ui.runRecordTime(form);
    applyRecordTime(form, league, play);
}

} // namespace yardmark
