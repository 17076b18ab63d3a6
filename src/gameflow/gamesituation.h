#pragma once

#include "records/playrecord.h"

#include <cstdint>
#include <string_view>

namespace yardmark {

/// The running situation of the game being recorded. It lives only while the
/// game window is open and is rebuilt from the plays whenever it opens.
struct GameSituation {
    std::int32_t quarter = 0; ///< 0-based; 4 and above are overtime periods
    std::int32_t down = 0;    ///< 0-based
    std::int32_t toGo = 10;
    bool homeHasBall = true; ///< also the kicking team while a kickoff is due
    FieldSpot ballSpot;
    bool homeOnLeft = true; ///< the home team is drawn on the left

    bool operator==(const GameSituation &) const = default;
};

/// The captions of the three play buttons that change while a try is due.
struct ButtonLabels {
    std::string_view fieldGoal;
    std::string_view rush;
    std::string_view pass;

    bool operator==(const ButtonLabels &) const = default;
};

constexpr ButtonLabels kScrimmageLabels{"&Field Goal", "&Rush", "&Pass"};
constexpr ButtonLabels kTryLabels{"E&xtra Point", "PAT &Rush", "PAT &Pass"};

/// The play buttons read the try labels exactly while a try is due.
constexpr ButtonLabels buttonLabels(bool tryPending)
{
    return tryPending ? kTryLabels : kScrimmageLabels;
}

} // namespace yardmark
