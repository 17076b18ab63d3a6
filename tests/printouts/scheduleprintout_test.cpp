#include "printouts/scheduleprintout.h"

#include "fakesurface.h"

#include "base/datetime.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;

ScheduleEntry event(EventType type, int month, int day, int hour, int minute)
{
    ScheduleEntry entry;
    entry.eventType = static_cast<std::int32_t>(type);
    entry.year = 2026;
    entry.month = static_cast<std::uint8_t>(month);
    entry.day = static_cast<std::uint8_t>(day);
    entry.hour = hour;
    entry.minute = minute;
    return entry;
}

TEST(SchedulePrintLineTest, TeamsFieldAndNoteOnlyWhenGiven)
{
    ScheduleEntry game = event(EventType::Game, 9, 5, 19, 30);
    game.homeTeamName = "Lions";
    game.visitorTeamName = "Bears";
    game.field = "Memorial Field";
    game.note = "Homecoming";
    ScheduleEntry practice = event(EventType::Practice, 10, 12, 9, 5);
    ScheduleEntry homeOnly = event(EventType::TeamMeeting, 1, 1, 10, 0);
    homeOnly.homeTeamName = "Lions";
    struct Case {
        const char *name;
        ScheduleEntry entry;
        const char *line;
    };
    const std::vector<Case> cases{
        {"game", game, "       9/5/2026,   19:30:  Game Lions vs. Bears at Memorial Field Note:Homecoming"},
        {"practice", practice, "     10/12/2026,    9:05:  Practice    "},
        {"one team", homeOnly, "       1/1/2026,   10:00:  Team Meeting Lions   "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(schedulePrintLine(c.entry), c.line);
    }
}

TEST(SchedulePrintoutTest, EventsFillPagesAboveTwoLinesFromTheBottom)
{
    setFixedNow(DateTime{2026, 11, 21, 16, 30, 0});
    // Page 1000 by 1300: Arial 20 high, margin 30, the first line at 86; a
    // line must end by 1300 - 2 * 20, so 58 lines fit on a page.
    Schedule schedule;
    for (int i = 0; i < 60; ++i)
        schedule.append(event(EventType::Practice, 1 + i % 12, 1 + i % 28, 18, i % 60));
    SchedulePrintout out("Schedule", schedule);
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 2);
    const std::vector<FakeSurface::Text> first = surface.bodyOn(1);
    const std::vector<FakeSurface::Text> second = surface.bodyOn(2);
    ASSERT_EQ(first.size(), 58U);
    ASSERT_EQ(second.size(), 2U);
    EXPECT_EQ(first[0], (FakeSurface::Text{1, 30, 86, schedulePrintLine(schedule.entries[0]),
                                           FontRequest{"Arial", 20, 400, false}}));
    EXPECT_EQ(first.back().y, 86 + 57 * 20);
    EXPECT_EQ(second[0].text, schedulePrintLine(schedule.entries[58]));
    EXPECT_EQ(second[0].y, 86);
    EXPECT_EQ(surface.textsOn(2)[0].text, "Page 2");
    setFixedNow(std::nullopt);
}

} // namespace
} // namespace yardmark
