#include "scrimmageplay.h"

#include "gameflow/entry/entryfields.h"
#include "gameflow/interaction.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <limits>

namespace yardmark {

namespace {

std::int32_t goalLineScore(const PlayRecord &play, bool tryPending)
{
    const bool defenseGoal = play.finalSpot.homeSide != play.homeHasBall;
    const bool turnover = play.turnover != 0;
    if (defenseGoal)
        return turnover ? code(ScoreType::NoScore) : code(tryPending ? ScoreType::Conversion : ScoreType::Touchdown);
    if (turnover)
        return code(tryPending ? ScoreType::DefensiveConversion : ScoreType::DefensiveTouchdown);
    return code(ScoreType::Safety);
}

void firstDown(GameSituation &situation, PlayRecord &play)
{
    situation.down = 0;
    situation.toGo = kYardsForFirstDown;
    play.firstDown = code(FirstDownKind::FirstDown);
}

void advanceDown(const PlayEntryContext &context)
{
    GameSituation &situation = context.situation();
    PlayRecord &play = context.currentPlay();
    // The line to gain is measured from where the play started.
    const std::int32_t gain = netGain(play, context.league());
    if (gain > play.toGoBefore) {
        firstDown(situation, play);
        return;
    }
    if (gain == play.toGoBefore &&
        context.ui().message("Did Play Result in First Down", "First Down?", MessageButtons::YesNo,
                             MessageIcon::Question) == MessageAnswer::Yes) {
        firstDown(situation, play);
        return;
    }
    play.firstDown = code(FirstDownKind::NoFirstDown);
    if (situation.down >= kFourthDown) {
        play.turnover = code(TurnoverKind::OnDowns);
        return;
    }
    ++situation.down;
    situation.toGo = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(std::int64_t{play.toGoBefore} - gain, 0, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::string scrimmageCaption(const PlayEntryContext &context, std::string_view verb, std::string_view tryName)
{
    const std::string &offense = teamName(context.game(), context.situation().homeHasBall);
    if (context.game().tryPending)
        return offense + " - " + std::string(tryName);
    const std::int32_t down = context.situation().down + 1;
    return offense + " " + std::string(verb) + " on " + std::to_string(down) + std::string(ordinalSuffix(down)) +
           " down";
}

PlayerEntry currentQuarterbackEntry(const PlayEntryContext &context)
{
    PlayerEntry entry;
    const auto &roster = context.offense().players;
    const int index = preselectedRosterIndex(roster, context.offense().currentQuarterback);
    if (index >= 0)
        playerChosen(entry, roster, index);
    return entry;
}

std::optional<FieldSpot> spotAfterYards(const PlayEntryContext &context, std::string_view yardsMade)
{
    if (yardsMade.empty())
        return std::nullopt;
    const PlayRecord &play = context.currentPlay();
    return advanceSpot(play.initialSpot, play.homeHasBall, typedYards(yardsMade, context.league()), context.league());
}

std::optional<std::string> recordFinalSpot(const PlayEntryContext &context, const SpotEntry &finalSpot)
{
    if (finalSpot.yardText.empty())
        return std::nullopt;
    PlayRecord &play = context.currentPlay();
    play.finalSpot = readSpotEntry(finalSpot, context.league().midfieldYardLine);
    return std::to_string(netGain(play, context.league()));
}

void moveBallForScrimmage(const PlayEntryContext &context, const SpotEntry &finalSpot, std::string_view yardsMade)
{
    PlayRecord &play = context.currentPlay();
    std::optional<std::int32_t> yards;
    if (!yardsMade.empty())
        yards = typedYards(yardsMade, context.league());
    moveBallToFinalSpot(context.situation().ballSpot, finalSpot, yards, play.homeHasBall, context.league());
    play.finalSpot = context.situation().ballSpot;
}

std::int32_t scrimmageTurnover(const PlayRecord &play, std::int32_t turnover)
{
    for (std::size_t i = 0; i < kMaxFumbles && play.fumbles[i] != 0; ++i)
        turnover = play.fumbleRecoveredByHome[i] == play.homeHasBall ? code(TurnoverKind::NoTurnover)
                                                                     : code(TurnoverKind::Fumble);
    return turnover;
}

void settleScrimmagePlay(const PlayEntryContext &context)
{
    PlayRecord &play = context.currentPlay();
    GameSituation &situation = context.situation();
    const bool tryPending = context.game().tryPending;

    play.turnover = scrimmageTurnover(play, play.turnover);
    if (situation.ballSpot.yardLine == 0)
        play.scoreType = goalLineScore(play, tryPending);
    // A try is one snap: it never changes the down or the distance.
    if (play.turnover == 0 && !tryPending)
        advanceDown(context);
    play.toGoAfter = situation.toGo;
    play.downAfter = situation.down;
    if (play.turnover != 0)
        context.recordTime();
}

} // namespace yardmark
