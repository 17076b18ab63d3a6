#include "season/calendardate.h"
#include "today.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(CalendarDateTest, TypedDatesKeepOnlyTheirRanges)
{
    struct Case {
        const char *typed;
        CalendarDate stored;
    } cases[] = {
        {"9/12/2026", {9, 12, 2026}}, {" 9 / 12 / 2026 ", {9, 12, 2026}},
        {"2/30/1990", {2, 30, 1990}}, // the calendar is not checked
        {"12/31/0", {12, 31, 0}},     {"1/1/12345", {1, 1, 12345}},
        {"13/1/2026", {12, 7, 2026}}, {"0/1/2026", {12, 7, 2026}},
        {"1/40/2026", {12, 7, 2026}}, {"1/0/2026", {12, 7, 2026}},
        {"1/1/-5", {12, 7, 2026}},    {"1/1", {12, 7, 2026}},
        {"1/1/", {12, 7, 2026}},      {"", {12, 7, 2026}},
        {"next week", {12, 7, 2026}}, {"99999999999/1/2026", {12, 7, 2026}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(typedDateOrToday(c.typed, kToday), c.stored) << '"' << c.typed << '"';
}

TEST(CalendarDateTest, TextIsMonthDayYearWithoutPadding)
{
    EXPECT_EQ(monthDayYearText(3, 4, 2026), "3/4/2026");
    EXPECT_EQ(monthDayYearText(CalendarDate{11, 25, 1999}), "11/25/1999");
    EXPECT_EQ(monthDayYearText(dateOf(kToday)), "12/7/2026");
}

} // namespace
} // namespace yardmark
