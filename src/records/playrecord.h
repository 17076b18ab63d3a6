#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace yardmark {

/// A place on the field: a yard line counted from the goal line of the half it
/// lies in (0 on that goal line, the midfield yard line at the middle), and
/// whether that half is the home team's. Midfield may be written with either side.
struct FieldSpot {
    std::int32_t yardLine = 0;
    bool homeSide = true;

    bool operator==(const FieldSpot &) const = default;
};

/// One player: a roster entry, or the snapshot of one kept in a play's slot.
/// An empty slot has no name, number -1 and zero codes; number -1 with a name
/// is the player wearing "00".
struct PlayerRecord {
    std::string name;
    std::int32_t number = -1;
    std::int32_t offensivePosition = 0;
    std::int32_t defensivePosition = 0;
    std::int32_t starterStatus = 0;

    bool isEmpty() const { return name.empty() && number == -1; }
    bool operator==(const PlayerRecord &) const = default;
};

/// Player slots of a play.
enum PlayerSlot : int {
    QuarterbackSlot = 0, ///< also the kicker of kicking plays
    CarrierSlot = 1,     ///< rusher, receiver, returner or player penalized
    TacklerSlot = 2,
    InterceptorSlot = 3,
    AssistSlot = 4,
    FirstRecovererSlot = 5, ///< slots 5..7: who recovered fumbles 1..3
};

constexpr int kMaxFumbles = 3;
constexpr int kPlayerSlots = 8;

/// One play. Codes are the vocabulary's stored 32-bit values, kept as they are
/// so that a code this program does not know survives a load and a save.
struct PlayRecord {
    bool homeHasBall = true;
    std::int32_t playType = 0;
    std::int32_t quarter = 0; ///< 0-based; 4 and above are overtime periods
    std::int32_t clockMinutes = 0;
    std::int32_t clockSeconds = 0;
    std::int32_t downBefore = 0; ///< 0-based
    std::int32_t downAfter = 0;
    std::int32_t toGoBefore = 0;
    std::int32_t toGoAfter = 0;
    std::int32_t rushType = 0;
    std::int32_t passResult = 0;
    std::int32_t scoreType = 0;
    std::int32_t turnover = 0;
    std::array<std::int32_t, kMaxFumbles> fumbles{}; ///< the list ends at the first 0
    std::array<bool, kMaxFumbles> fumbleRecoveredByHome{true, true, true};
    std::array<FieldSpot, kMaxFumbles> fumbleRecoveredAt{};
    std::array<FieldSpot, kMaxFumbles> fumbleReturnedTo{};
    std::int32_t kickResult = 0;
    std::int32_t firstDown = 0;
    FieldSpot initialSpot;
    FieldSpot finalSpot;
    FieldSpot receivedAt;
    FieldSpot penaltySpot{0, false};
    std::int32_t offensivePenalty = 0;
    std::int32_t offensivePenaltyYards = 0;
    std::int32_t defensivePenalty = 0;
    std::int32_t defensivePenaltyYards = 0;
    std::array<PlayerRecord, kPlayerSlots> players{};

    /// Puts fumble entry `i` back to its unused state.
    void clearFumble(int i);

    bool operator==(const PlayRecord &) const = default;
};

} // namespace yardmark
