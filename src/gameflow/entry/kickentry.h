#pragma once

#include "gameflow/entry/fumbleentry.h"
#include "gameflow/playentrycontext.h"
#include "gameflow/playerentry.h"
#include "gameflow/spotentry.h"
#include "vocabulary/vocabulary.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the kickoff, punt and field goal dialogs share.

namespace yardmark {

/// The result radios of a kick dialog with the kick result each records, in
/// radio order; read both ways, so a stored play is shown on the radio that
/// recorded it.
template <typename Result, std::size_t N> struct KickResults {
    std::array<KickResult, N> codes;

    std::int32_t codeOf(Result result) const { return code(codes[static_cast<std::size_t>(result)]); }
    /// The radio that records `kickResult`; none for a code the dialog never writes.
    std::optional<Result> resultOf(std::int32_t kickResult) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (code(codes[i]) == kickResult)
                return static_cast<Result>(i);
        }
        return std::nullopt;
    }
};

/// The yard line a touchback puts the ball on, which is also where a missed
/// field goal comes out to: the 20, or the 15 on the indoor field.
std::int32_t touchbackYardLine(const LeagueOptions &league);

/// The fumble selector's entries. A kick's own loose ball (an onside kick, a
/// blocked kick) takes the first entry and leaves room for two fumbles after
/// it; an empty `kickEntry` gives "Fumble 1" to "Fumble 3".
void setFumbleSelector(FumbleSection &section, std::string_view kickEntry);

/// Reads "Kicked To" (or "Punted To") into `receivedAt` and "Final Spot" into
/// the ball spot and `finalSpot`. When only one of the two has a yard line,
/// the kick ended where it was received, and the other takes its spot.
void readKickSpots(const SpotEntry &kickedTo, const SpotEntry &finalSpot, const PlayEntryContext &context);

/// What a recovery by either team makes of a kick's turnover, for the kick's
/// own loose ball (an onside kick, a blocked kick: the first fumble entry)
/// and for a fumble after it.
struct KickRecoveryRule {
    std::int32_t kickersRecoverKick;
    std::int32_t receiversRecoverKick;
    std::int32_t kickersRecoverFumble;
    std::int32_t receiversRecoverFumble;
};

/// The turnover a kick's fumbles leave, walking the recorded entries in
/// order; the last one decides. `firstIsKick` says the first entry records
/// the kick's own loose ball.
std::int32_t kickTurnover(const PlayRecord &play, bool kickingHome, bool firstIsKick, const KickRecoveryRule &rule);

/// A kicker row as the dialog opens: the team's remembered kicker (or punter)
/// chosen with his number, when he is on the roster.
PlayerEntry rememberedKicker(const std::vector<PlayerRecord> &roster, std::string_view name);

/// The score of a kickoff or punt whose return ends on a goal line: the
/// receivers carrying it into the kickers' end zone is their touchdown
/// ("TD on Runback"); in their own end zone it is a touchdown when the kickers
/// hold the ball, otherwise a "Safety on Runback". No score elsewhere.
std::int32_t kickReturnScore(FieldSpot ballSpot, bool kickingIsHome, bool kickersHoldBall);

/// What a kickoff's or punt's result radio says about a return.
enum class KickShape { Returned, TouchBack, FairCatch, NoReturn };

/// A result that the return typed beside it contradicts.
enum class KickContradiction {
    None,
    TouchbackReturned,    ///< a returner, a tackler or a return spot on a touchback
    FairCatchReturned,    ///< a tackler or return yards on a fair catch
    ReturnWithoutReturner ///< return yards and nobody who ran them
};

/// Which side of a contradiction to record: the result radio (a touchback or
/// fair catch drops the return), the return (recorded as "&Returned"), or
/// both as typed (a play recorded so once, entered again).
enum class KickKeep { Result, Return, AsTyped };

/// The return rows of a kickoff or punt form.
struct KickReturnRows {
    PlayerEntry returner;
    PlayerEntry tackler;
    PlayerEntry assist;
    SpotEntry receivedAt; ///< "Kicked To" or "Punted To"
    SpotEntry finalSpot;
};

/// The contradiction between the result radio and the return typed; a
/// fair catch may name the player who made it.
KickContradiction kickContradiction(const KickReturnRows &rows, KickShape shape, bool kickingHome,
                                    const LeagueOptions &league);

/// The contradiction in the user's words, e.g. "Touch Back is checked, but a
/// returner and a tackler are typed".
std::string kickContradictionText(const KickReturnRows &rows, KickContradiction contradiction, bool kickingHome,
                                  const LeagueOptions &league);

/// OK's word on a contradiction: `keep` decides when set, otherwise the user
/// is asked whether to record the result as checked (no value: back to the
/// dialog). Keeping the result of a touchback or fair catch clears its return
/// from the rows.
std::optional<KickKeep> settleKickContradiction(Interaction &ui, KickReturnRows &rows, KickContradiction contradiction,
                                                std::optional<KickKeep> keep, bool kickingHome,
                                                const LeagueOptions &league);

} // namespace yardmark
