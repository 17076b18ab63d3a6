#pragma once

#include <ctime>
#include <optional>

namespace yardmark {

/// A calendar date and wall-clock time, as the program shows and stores them.
struct DateTime {
    int year = 1970;
    int month = 1; ///< 1..12
    int day = 1;   ///< 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const DateTime &) const = default;
};

/// The moment `seconds` after the epoch, in UTC.
DateTime dateTimeFromEpochUtc(std::time_t seconds);

/// "Now" for everything the program dates: the value of SOURCE_DATE_EPOCH (UTC)
/// when that variable holds a number, so that outputs can be reproduced;
/// otherwise the local time, or the time fixed by `setFixedNow`.
DateTime currentDateTime();

/// Fixes "now" for the rest of the process (tests), or frees it again.
void setFixedNow(std::optional<DateTime> now);

} // namespace yardmark
