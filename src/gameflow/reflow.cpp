#include "reflow.h"

#include "gameflow/continuity.h"
#include "gameflow/corrections.h"
#include "gameflow/entry/fieldgoalentry.h"
#include "gameflow/entry/kickentry.h"
#include "gameflow/entry/kickoffentry.h"
#include "gameflow/entry/passentry.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/puntentry.h"
#include "gameflow/entry/runplayentry.h"
#include "gameflow/entry/rushentry.h"
#include "gameflow/gamerules.h"
#include "vocabulary/scoring.h"
#include "vocabulary/spots.h"
#include "vocabulary/vocabulary.h"

#include <optional>
#include <set>

namespace yardmark {

namespace {

/// The most player rows a play dialog has.
constexpr int kMostPlayerRows = 5;

bool isKickOver(const PlayRecord &play)
{
    return play.playType == code(PlayType::OffensivePenalty) &&
           play.offensivePenalty == code(OffensivePenalty::KickOffOutOfBounds);
}

/// The scorer at a dialog recorded once already: every question gets the
/// answer the play keeps; any other message means the play cannot be entered
/// again the way it was.
class ReplayInteraction : public Interaction {
public:
    explicit ReplayInteraction(const PlayRecord &stored) : m_stored(stored) {}

    bool refused() const { return m_refused; }

    MessageAnswer message(std::string_view, std::string_view caption, MessageButtons buttons, MessageIcon) override
    {
        if (caption == "First Down?")
            return m_stored.firstDown != code(FirstDownKind::NoFirstDown) ? MessageAnswer::Yes : MessageAnswer::No;
        if (caption == "Kick Off Out Of Bounds")
            return isKickOver(m_stored) ? MessageAnswer::Yes : MessageAnswer::No;
        m_refused = true;
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    void runRecordTime(RecordTimeForm &form) override
    {
        form.minutes = std::to_string(m_stored.clockMinutes);
        form.seconds = std::to_string(m_stored.clockSeconds);
    }
    void playSound(int) override {}
    TeamChoice chooseTeam(std::string_view, std::string_view, std::string_view, bool) override
    {
        return TeamChoice::Cancelled;
    }
    bool runPlayDialog(PlayKind, PlayEntryContext &) override { return false; }
    void runEditPlay(EditPlayEntry &) override {}
    bool runInsertPlay(InsertPlayForm &) override { return false; }
    bool runBallOn(BallOnForm &) override { return false; }
    bool runToGo(ToGoForm &) override { return false; }
    std::optional<FileChoice> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<ColorValue> chooseColor(ColorValue) override { return std::nullopt; }

private:
    const PlayRecord &m_stored;
    bool m_refused = false;
};

/// A penalty's resulting down and distance as the scorer typed them.
struct Resulting {
    std::int32_t down;
    std::int32_t toGo;
};

/// Works a play's dialog from the stored play. Scrimmage yardage moves with
/// the line of scrimmage (`shift` yards toward the offense's goal of attack);
/// kicks keep the spots they were kicked and returned to.
class ReplayWorker : public PlayEntryWorker {
public:
    ReplayWorker(const PlayRecord &stored, std::int32_t shift, const LeagueOptions &league,
                 std::optional<Resulting> resulting)
        : m_stored(stored), m_shift(shift), m_league(league), m_resulting(resulting)
    {
    }

    void work(RushEntry &entry) override
    {
        clearRows(entry);
        if (!entry.setRushType(m_stored.rushType))
            return;
        entry.setFinalSpot(moved(m_stored.finalSpot));
        if (enterFumbles(entry, true))
            entry.ok();
    }

    void work(PassEntry &entry) override
    {
        clearRows(entry);
        const std::int32_t result = m_stored.passResult;
        entry.setResult(result);
        const bool caught = result == code(PassResult::Completion) || result == code(PassResult::Interception);
        entry.setReceptionSpot(caught ? moved(m_stored.receivedAt) : showSpotEntry(m_stored.receivedAt));
        if (result != code(PassResult::Incompletion))
            entry.setFinalSpot(moved(m_stored.finalSpot));
        if (enterFumbles(entry, true))
            entry.ok();
    }

    void work(PenaltyEntry &entry) override
    {
        clearRows(entry);
        const int penalty = entry.defensive() ? m_stored.defensivePenalty : m_stored.offensivePenalty;
        if (penalty != entry.form().penalty && !entry.choosePenalty(penalty))
            return;
        // The yards the ball moved, toward the goal the penalty moves it.
        const std::int32_t gain = netGain(m_stored, m_league);
        const std::int32_t yards = entry.defensive() ? gain : -gain;
        if (!walksOffTheListedYards(entry))
            entry.setYardsPenalized(std::to_string(yards));
        entry.setPenaltySpot(moved(m_stored.penaltySpot));
        if (m_resulting) {
            entry.setResultingDown(std::to_string(m_resulting->down + 1));
            entry.setResultingToGo(std::to_string(m_resulting->toGo));
        }
        entry.ok();
    }

    void work(KickOffEntry &entry) override
    {
        clearRows(entry);
        if (isKickOver(m_stored)) {
            entry.chooseResult(KickOffResult::OutOfBounds);
            entry.ok();
            return;
        }
        if (const auto result = kickOffResultOf(m_stored.kickResult))
            entry.chooseResult(*result);
        entry.setKickedTo(showSpotEntry(m_stored.receivedAt));
        entry.setFinalSpot(showSpotEntry(m_stored.finalSpot));
        entry.form().keep = KickKeep::AsTyped;
        if (m_stored.kickResult == code(KickResult::OnsideSuccessful))
            entry.setOnsideSuccessful(true);
        else if (m_stored.kickResult == code(KickResult::OnsideUnsuccessful))
            entry.setOnsideUnsuccessful(true);
        if (enterFumbles(entry, false))
            entry.ok();
    }

    void work(PuntEntry &entry) override
    {
        clearRows(entry);
        if (const auto result = puntResultOf(m_stored.kickResult))
            entry.chooseResult(*result);
        entry.setPuntedTo(showSpotEntry(m_stored.receivedAt));
        entry.setFinalSpot(showSpotEntry(m_stored.finalSpot));
        entry.form().keep = KickKeep::AsTyped;
        if (enterFumbles(entry, false))
            entry.ok();
    }

    void work(FieldGoalEntry &entry) override
    {
        clearRows(entry);
        if (const auto result = fieldGoalResultOf(m_stored.kickResult))
            entry.chooseResult(*result);
        // A miss left where it was snapped (brought out to the touchback line)
        // stays with the line of scrimmage; a spot typed is where the ball went.
        FieldSpot brought = m_stored.initialSpot;
        brought.yardLine = std::max(brought.yardLine, touchbackYardLine(m_league));
        if (m_stored.finalSpot != m_stored.initialSpot && m_stored.finalSpot != brought)
            entry.setFinalSpot(showSpotEntry(m_stored.finalSpot));
        if (enterFumbles(entry, false))
            entry.ok();
    }

private:
    SpotEntry moved(const FieldSpot &spot) const
    {
        return showSpotEntry(advanceSpot(spot, m_stored.homeHasBall, m_shift, m_league));
    }

    /// Whether the penalty's yards as the list filled them (the goal line
    /// stopping the ball) took it where it was recorded: then they were not typed.
    bool walksOffTheListedYards(const PenaltyEntry &entry) const
    {
        const std::string &listed = entry.form().yardsPenalized;
        if (listed.empty())
            return m_stored.finalSpot == m_stored.initialSpot;
        const std::int32_t yards = typedYards(listed, m_league);
        const FieldSpot walked =
            advanceSpot(m_stored.initialSpot, m_stored.homeHasBall, entry.defensive() ? yards : -yards, m_league);
        return walked == m_stored.finalSpot;
    }

    static void clearRows(PlayEntry &entry)
    {
        for (int row = 0; row < kMostPlayerRows; ++row)
            entry.clearPlayer(row);
    }

    bool enterFumbles(FumblePlayEntry &entry, bool withScrimmage)
    {
        for (int i = 0; i < kMaxFumbles && m_stored.fumbles[static_cast<std::size_t>(i)] != 0; ++i) {
            const auto slot = static_cast<std::size_t>(i);
            if (!entry.selectFumble(i))
                return false;
            entry.setRecoveredBy(m_stored.fumbleRecoveredByHome[slot]);
            const auto place = [&](const FieldSpot &spot) { return withScrimmage ? moved(spot) : showSpotEntry(spot); };
            entry.setRecoveredAt(place(m_stored.fumbleRecoveredAt[slot]));
            entry.setReturnedTo(place(m_stored.fumbleReturnedTo[slot]));
        }
        return true;
    }

    const PlayRecord &m_stored;
    std::int32_t m_shift;
    const LeagueOptions &m_league;
    std::optional<Resulting> m_resulting;
};

/// The play recorded again from `start`; nothing when its dialog would not
/// take what is stored. The game's pending flags move on as recording moves them.
std::optional<PlayRecord> recordAgain(const PlayRecord &stored, const GameSituation &start, Game &game,
                                      const LeagueOptions &league, std::optional<Resulting> resulting)
{
    const std::optional<PlayKind> kind = entryKindOfPlay(stored);
    if (!kind)
        return std::nullopt;
    // Whether the play was the try is the scorer's answer, kept in its type.
    if (*kind == PlayKind::Rush || *kind == PlayKind::Pass || *kind == PlayKind::FieldGoal)
        game.tryPending = isTry(stored.playType);
    PlayRecord play = newPlayFromSituation(start, stored.penaltySpot);
    GameSituation situation = start;
    const bool offense = stored.homeHasBall;
    const std::int32_t shift =
        distanceFromOwnGoal(start.ballSpot, offense, league) - distanceFromOwnGoal(stored.initialSpot, offense, league);
    ReplayInteraction ui(stored);
    PlayEntryContext context(play, situation, game, league, ui);
    ReplayWorker worker(stored, shift, league, resulting);
    if (!runPlayEntry(*kind, context, worker) || ui.refused())
        return std::nullopt;
    // What no dialog derives stays as the scorer entered it.
    play.players = stored.players;
    play.clockMinutes = stored.clockMinutes;
    play.clockSeconds = stored.clockSeconds;
    play.offensivePenaltyYards = stored.offensivePenaltyYards;
    play.defensivePenaltyYards = stored.defensivePenaltyYards;
    return play;
}

bool isPenalty(const PlayRecord &play)
{
    const auto kind = entryKindOfPlay(play);
    return kind == PlayKind::OffensivePenalty || kind == PlayKind::DefensivePenalty;
}

/// Recorded again where it was recorded: the play itself when that gives it
/// back unchanged. A penalty whose resulting down and distance the scorer typed
/// is given them; `resulting` then tells so.
std::optional<PlayRecord> recordAgainInPlace(const PlayRecord &stored, Game &game, const LeagueOptions &league,
                                             std::optional<Resulting> &resulting)
{
    const bool tryPending = game.tryPending;
    const bool kickoffPending = game.kickoffPending;
    std::optional<PlayRecord> again = recordAgain(stored, situationBeforePlay(stored), game, league, std::nullopt);
    if (isPenalty(stored) && again != stored) {
        resulting = Resulting{stored.downAfter, stored.toGoAfter};
        again = recordAgain(stored, situationBeforePlay(stored), game, league, resulting);
    }
    game.tryPending = tryPending;
    game.kickoffPending = kickoffPending;
    return again;
}

/// Plays whose start the scorer set by hand: a jump already there before this
/// correction, at a play the correction did not touch.
std::set<int> handJumps(const Game &game, int from, const LeagueOptions &league)
{
    std::set<int> jumps;
    for (const ContinuityBreak &found : checkContinuity(game, league)) {
        if (found.index > from + 1 && found.field != "try" && found.field != "play" && found.field != kMissedKickField)
            jumps.insert(found.index);
    }
    return jumps;
}

/// A time-out (or a blank record) starts where it is and leaves the ball where
/// the play before it left it.
PlayRecord timeOutAt(PlayRecord play, const GameSituation &start, const PlayRecord *previous)
{
    play.homeHasBall = start.homeHasBall;
    play.quarter = start.quarter;
    play.downBefore = start.down;
    play.toGoBefore = start.toGo;
    play.initialSpot = start.ballSpot;
    if (previous) {
        play.downAfter = previous->downAfter;
        play.toGoAfter = previous->toGoAfter;
        play.finalSpot = previous->finalSpot;
    }
    return play;
}

} // namespace

ReflowResult reflowPlays(Game &game, int from, const LeagueOptions &league, const PlayRecord *asFirstRecorded)
{
    ReflowResult result;
    const int count = game.playCount();
    if (from < 0 || from >= count)
        return result;
    const std::vector<PlayRecord> recorded = game.plays;
    const std::set<int> jumps = handJumps(game, from, league);
    PlayWalker walker(game, league);
    for (int i = 1; i <= from; ++i)
        walker.startOf(recorded[static_cast<std::size_t>(i)], recorded[static_cast<std::size_t>(i) - 1]);
    Game &working = walker.game();
    const auto keep = [&](int index, std::string reason) { result.kept.push_back({index, std::move(reason)}); };

    for (int index = from; index < count; ++index) {
        const auto i = static_cast<std::size_t>(index);
        const PlayRecord stored = game.plays[i];
        if (const std::string damage = playDamage(stored, league); !damage.empty()) {
            keep(index, damage + "; left as recorded");
            continue;
        }
        GameSituation start = situationBeforePlay(stored);
        if (index > from) {
            const PlayWalker::Start next = walker.startOf(stored, game.plays[i - 1]);
            if (jumps.count(index)) {
                keep(index, "kept where the scorer put the ball by hand");
            } else if (next.quarterGoesBack) {
                keep(index, "the quarter goes back here; left as recorded");
                continue;
            } else {
                start = next.situation;
            }
        }
        if (!entryKindOfPlay(stored)) {
            game.plays[i] = timeOutAt(stored, start, index > 0 ? &game.plays[i - 1] : nullptr);
            continue;
        }
        if (start.homeHasBall != stored.homeHasBall) {
            keep(index, "the other team has the ball here now; left as recorded");
            continue;
        }
        std::optional<Resulting> resulting;
        const std::optional<PlayRecord> inPlace = recordAgainInPlace(stored, working, league, resulting);
        if (index > from && inPlace != stored) {
            keep(index, "its result cannot be worked out again from what was entered; left as recorded");
            continue;
        }
        if (index == from && asFirstRecorded && isPenalty(stored)) {
            const bool typed =
                stored.downAfter != asFirstRecorded->downAfter || stored.toGoAfter != asFirstRecorded->toGoAfter;
            resulting = typed ? std::optional<Resulting>(Resulting{stored.downAfter, stored.toGoAfter}) : std::nullopt;
        }
        std::optional<PlayRecord> again = recordAgain(stored, start, working, league, resulting);
        if (!again) {
            keep(index, "its dialog does not take what is stored; left as recorded");
            continue;
        }
        if (index == from && asFirstRecorded) {
            // What the correction itself changed in the results is the scorer's.
            const PlayRecord &first = *asFirstRecorded;
            const auto scorers = [&](std::int32_t PlayRecord::*field) {
                if (stored.*field != first.*field)
                    (*again).*field = stored.*field;
            };
            for (auto field : {&PlayRecord::downAfter, &PlayRecord::toGoAfter, &PlayRecord::firstDown,
                               &PlayRecord::turnover, &PlayRecord::scoreType})
                scorers(field);
        }
        game.plays[i] = *again;
    }
    for (int index = from + 1; index < count; ++index) {
        const auto i = static_cast<std::size_t>(index);
        if (game.plays[i] != recorded[i])
            ++result.changed;
    }
    return result;
}

std::string reflowNoteLine(const ReflowNote &note)
{
    return "play " + std::to_string(note.index + 1) + ": " + note.reason;
}

} // namespace yardmark
