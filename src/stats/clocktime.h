#pragma once

#include "records/playrecord.h"

#include <cstdint>
#include <string>

namespace yardmark {

/// A span of game time as the reports show it: whole minutes and 0..59 seconds.
struct ClockTime {
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    bool operator==(const ClockTime &) const = default;
};

/// A number of seconds as minutes and seconds; a span below zero (clock
/// entries that run backwards) is 0:00, and a span too long for the minutes
/// field is held at its largest value.
ClockTime clockTimeFromSeconds(std::int64_t totalSeconds);

/// The whole span in seconds.
constexpr std::int64_t totalSeconds(const ClockTime &time)
{
    return static_cast<std::int64_t>(time.minutes) * 60 + time.seconds;
}

/// The regulation time left at a play, in seconds: its clock plus the
/// quarters still to come. Overtime plays give a negative time.
constexpr std::int64_t regulationSecondsLeft(const PlayRecord &play, std::int64_t minutesPerQuarter)
{
    const std::int64_t quartersAfter = 3 - static_cast<std::int64_t>(play.quarter);
    return (play.clockMinutes + quartersAfter * minutesPerQuarter) * 60 + play.clockSeconds;
}

/// "m:ss": the seconds get a leading zero below 10.
std::string clockText(const ClockTime &time);

} // namespace yardmark
