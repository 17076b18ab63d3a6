#pragma once

#include "gameflow/playentrycontext.h"
#include "gameflow/spotentry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// What every play entry dialog shares beyond the single entry operations:
// the team names on its Home and Visitor controls, typed yardages, the way a
// Final Spot group moves the ball, and how a scripted scorer works a dialog.

namespace yardmark {

/// A first down always leaves 10 yards to go, whatever the field; downs are
/// kept 0-based, the fourth being 3.
inline constexpr std::int32_t kYardsForFirstDown = 10;
inline constexpr std::int32_t kFourthDown = 3;

/// A typed yardage ("Yards Made", "Yards Penalized"): its leading whole number,
/// held within the length of the field, so that moving a spot by it or turning
/// it round can never overflow.
std::int32_t typedYards(std::string_view text, const LeagueOptions &league);

/// A Final Spot group read into the ball spot at OK. A checked radio sets the
/// half; a yard line starting "g" or "G" is the goal line and a number is held
/// within the half. An empty yard line moves the ball `yardsWhenEmpty` toward
/// the offense's goal of attack, or, with no yards, keeps the yard line.
void moveBallToFinalSpot(FieldSpot &ballSpot, const SpotEntry &finalSpot, std::optional<std::int32_t> yardsWhenEmpty,
                         bool offenseHome, const LeagueOptions &league);

/// Drives a dialog the way a scorer does: `fill` works its fields and handlers
/// and returns true to press OK, false to press Cancel. When OK keeps the
/// dialog open (a message told the scorer what is missing), it is cancelled.
/// True when the play was accepted.
template <typename Dialog> bool driveEntry(Dialog &dialog, const std::function<bool(Dialog &)> &fill)
{
    if (!fill || !fill(dialog) || !dialog.ok()) {
        dialog.cancel();
        return false;
    }
    return true;
}

} // namespace yardmark
