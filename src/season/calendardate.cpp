#include "calendardate.h"

#include "base/text.h"

namespace yardmark {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads one whole number at the front of `text` and moves past it and the
// blanks after it.
bool takeNumber(std::string_view &text, int &value)
{
    if (!takeLeadingInt(text, value))
        return false;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return true;
}

bool takeSlash(std::string_view &text)
{
    if (text.empty() || text.front() != '/')
        return false;
    text.remove_prefix(1);
    return true;
}

} // namespace

std::optional<CalendarDate> parseMonthDayYear(std::string_view text)
{
    CalendarDate date;
    if (!takeNumber(text, date.month) || !takeSlash(text) || !takeNumber(text, date.day) || !takeSlash(text) ||
        !takeNumber(text, date.year))
        return std::nullopt;
    return date;
}

std::optional<CalendarDate> readTypedDate(std::string_view text)
{
    const std::optional<CalendarDate> date = parseMonthDayYear(text);
    if (!date || date->month < 1 || date->month > 12 || date->day < 1 || date->day > 31 || date->year < 0)
        return std::nullopt;
    return date;
}

CalendarDate typedDateOrToday(std::string_view text, const DateTime &today)
{
    return readTypedDate(text).value_or(dateOf(today));
}

CalendarDate dateOf(const DateTime &moment)
{
    return CalendarDate{moment.month, moment.day, moment.year};
}

std::string monthDayYearText(int month, int day, int year)
{
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}

std::string monthDayYearText(const CalendarDate &date)
{
    return monthDayYearText(date.month, date.day, date.year);
}

} // namespace yardmark
