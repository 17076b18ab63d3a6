#pragma once

#include "base/datetime.h"

#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

/// A date as the season dialogs type and show it: month, day and year.
struct CalendarDate {
    int month = 1;
    int day = 1;
    int year = 1970;

    bool operator==(const CalendarDate &) const = default;
};

/// The three numbers of a text typed as month/day/year (blanks allowed around
/// each number); nothing when a number or a "/" is missing.
std::optional<CalendarDate> parseMonthDayYear(std::string_view text);

/// A typed date when month is 1-12, day 1-31 and the year not negative; only
/// the ranges are tested, not the calendar, so 2/30/1990 is taken as it is.
std::optional<CalendarDate> readTypedDate(std::string_view text);

/// The typed date, or today's when the box does not hold a valid one.
CalendarDate typedDateOrToday(std::string_view text, const DateTime &today);

CalendarDate dateOf(const DateTime &moment);

/// "%d/%d/%d": month, day, year.
std::string monthDayYearText(int month, int day, int year);
std::string monthDayYearText(const CalendarDate &date);

} // namespace yardmark
