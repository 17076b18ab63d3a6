#include "season/schedule.h"

#include "base/atomicfile.h"

#include "support/bytes.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace yardmark {
namespace {

using testing::int32At;
using testing::textAt;

ScheduleEntry event(int year, int month, int day, int hour, int minute, EventType type, const std::string &home,
                    const std::string &visitor, const std::string &note = {})
{
    ScheduleEntry e;
    e.year = year;
    e.month = static_cast<std::uint8_t>(month);
    e.day = static_cast<std::uint8_t>(day);
    e.hour = hour;
    e.minute = minute;
    e.eventType = static_cast<std::int32_t>(type);
    e.homeTeamName = home;
    e.visitorTeamName = visitor;
    e.field = "Field " + home;
    e.gameFile = home.empty() ? "" : "C:\\games\\" + home + ".gam";
    e.note = note;
    return e;
}

// An entry in which every field differs, so that a field written at the
// wrong offset shows.
ScheduleEntry distinctEntry()
{
    ScheduleEntry e;
    e.eventType = 3;
    e.field = "Memorial Field";
    e.homeTeamName = "Eagles";
    e.homeTeamFile = "C:\\teams\\eagles.tem";
    e.visitorTeamName = "Hawks";
    e.visitorTeamFile = "C:\\teams\\hawks.tem";
    e.gameFile = "C:\\games\\week1.gam";
    for (std::size_t i = 0; i < e.reserved1.size(); ++i)
        e.reserved1[i] = static_cast<std::uint8_t>(0xA0 + i);
    e.year = 2026;
    e.day = 19;
    e.month = 9;
    e.minute = 35;
    e.hour = 19;
    for (std::size_t i = 0; i < e.reserved2.size(); ++i)
        e.reserved2[i] = static_cast<std::uint8_t>(0xB0 + i);
    e.note = std::string(130, 'n');
    return e;
}

TEST(ScheduleEntryTest, FieldsSitAtTheirOffsets)
{
    ByteWriter out;
    encode(out, distinctEntry());
    const std::vector<std::uint8_t> &b = out.data();
    ASSERT_EQ(b.size(), kScheduleEntrySize);
    EXPECT_EQ(int32At(b, 0), 3);
    EXPECT_EQ(textAt(b, 4), "Memorial Field");
    EXPECT_EQ(textAt(b, 29), "Eagles");
    EXPECT_EQ(textAt(b, 54), "C:\\teams\\eagles.tem");
    EXPECT_EQ(textAt(b, 314), "Hawks");
    EXPECT_EQ(textAt(b, 339), "C:\\teams\\hawks.tem");
    EXPECT_EQ(textAt(b, 599), "C:\\games\\week1.gam");
    EXPECT_EQ(b[859], 0xA0);
    EXPECT_EQ(b[866], 0xA7);
    EXPECT_EQ(int32At(b, 867), 2026);
    EXPECT_EQ(b[871], 19);
    EXPECT_EQ(b[872], 9);
    EXPECT_EQ(int32At(b, 873), 35);
    EXPECT_EQ(int32At(b, 877), 19);
    EXPECT_EQ(b[881], 0xB0);
    EXPECT_EQ(b[892], 0xBB);
    EXPECT_EQ(textAt(b, 893), std::string(130, 'n'));
    EXPECT_EQ(b[1023], 0);

    ByteReader in(b);
    EXPECT_EQ(decodeScheduleEntry(in), distinctEntry());
    EXPECT_TRUE(in.ok());
}

TEST(ScheduleEntryTest, EventTextsAndUnknownCodes)
{
    const char *expected[] = {"No Event", "Practice", "Game", "Practice Game", "Team Meeting", "Workout", "Party"};
    for (int code = 0; code < kEventTypeCount; ++code)
        EXPECT_STREQ(eventTypeText(code), expected[code]);
    EXPECT_STREQ(eventTypeText(7), "No Event");
    EXPECT_STREQ(eventTypeText(-1), "No Event");
}

TEST(ScheduleFileTest, RoundTripIsByteExactWithZeroHeader)
{
    Schedule schedule;
    schedule.append(distinctEntry());
    schedule.append(event(2026, 10, 3, 13, 0, EventType::Practice, "", ""));
    const std::vector<std::uint8_t> bytes = encodeSchedule(schedule);
    ASSERT_EQ(bytes.size(), 12 + 2 * kScheduleEntrySize);
    EXPECT_EQ(int32At(bytes, 0), 0);
    EXPECT_EQ(int32At(bytes, 4), 0);
    EXPECT_EQ(int32At(bytes, 8), 2);

    Schedule read;
    ASSERT_TRUE(decodeSchedule(bytes, read));
    EXPECT_EQ(read.entries, schedule.entries);
    EXPECT_EQ(encodeSchedule(read), bytes);
}

TEST(ScheduleFileTest, HeaderBytesAreIgnoredOnReading)
{
    Schedule schedule;
    schedule.append(distinctEntry());
    std::vector<std::uint8_t> bytes = encodeSchedule(schedule);
    for (int i = 0; i < 8; ++i)
        bytes[i] = 0xEE;
    Schedule read;
    ASSERT_TRUE(decodeSchedule(bytes, read));
    EXPECT_EQ(read.entries, schedule.entries);
}

TEST(ScheduleFileTest, DamagedFilesAreRefusedAndLeaveTheScheduleAlone)
{
    Schedule two;
    two.append(distinctEntry());
    two.append(distinctEntry());
    const std::vector<std::uint8_t> good = encodeSchedule(two);

    auto withCount = [&](std::int32_t count) {
        std::vector<std::uint8_t> b = good;
        const auto u = static_cast<std::uint32_t>(count);
        for (int i = 0; i < 4; ++i)
            b[8 + i] = static_cast<std::uint8_t>(u >> (8 * i));
        return b;
    };
    struct Case {
        const char *what;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", std::vector<std::uint8_t>(good.begin(), good.begin() + 8)},
        {"count cut short", std::vector<std::uint8_t>(good.begin(), good.begin() + 10)},
        {"negative count", withCount(-1)},
        {"count beyond the file", withCount(3)},
        {"huge count", withCount(0x7FFFFFFF)},
        {"last entry cut short", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
    };
    for (const Case &c : cases) {
        Schedule target;
        target.append(event(2020, 1, 1, 1, 1, EventType::Party, "Old", "Entry"));
        const Schedule before = target;
        EXPECT_FALSE(decodeSchedule(c.bytes, target)) << c.what;
        EXPECT_EQ(target, before) << c.what;
    }
}

class ScheduleFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override { m_dir = testing::makeTempFolder("yardmark-schedule-"); }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string path(const char *name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
};

TEST_F(ScheduleFileOnDiskTest, DeletingTheOnlyEntryLeavesCountZero)
{
    Schedule schedule;
    schedule.append(distinctEntry());
    ASSERT_TRUE(saveSchedule(schedule, path("season.sch")));

    Schedule loaded;
    ASSERT_EQ(loadSchedule(path("season.sch"), loaded), ScheduleLoadResult::Loaded);
    EXPECT_EQ(loaded.fileName, path("season.sch"));
    EXPECT_TRUE(loaded.remove(0));
    EXPECT_EQ(loaded.count(), 0);
    ASSERT_TRUE(saveSchedule(loaded, loaded.fileName));

    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(path("season.sch"), bytes));
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(12, 0));
    ASSERT_EQ(loadSchedule(path("season.sch"), loaded), ScheduleLoadResult::Loaded);
    EXPECT_EQ(loaded.count(), 0);
}

TEST_F(ScheduleFileOnDiskTest, LoadFailuresSayWhy)
{
    Schedule schedule;
    EXPECT_EQ(loadSchedule(path("missing.sch"), schedule), ScheduleLoadResult::CannotOpen);
    ASSERT_TRUE(
        writeFileAtomically(std::filesystem::path(path("short.sch")), std::string("\0\0\0\0\0\0\0\0\1\0\0\0", 12)));
    EXPECT_EQ(loadSchedule(path("short.sch"), schedule), ScheduleLoadResult::Damaged);
    EXPECT_EQ(schedule, Schedule{});
}

TEST_F(ScheduleFileOnDiskTest, ASaveIntoAMissingFolderFails)
{
    Schedule schedule;
    schedule.append(distinctEntry());
    EXPECT_FALSE(saveSchedule(schedule, path("no-such-folder/season.sch")));
    EXPECT_FALSE(std::filesystem::exists(path("no-such-folder")));
}

TEST(ScheduleEditTest, RemoveShiftsLaterEntriesAndIgnoresBadIndexes)
{
    Schedule schedule;
    for (const char *name : {"A", "B", "C"})
        schedule.append(event(2026, 9, 1, 10, 0, EventType::Game, name, "X"));
    EXPECT_FALSE(schedule.remove(-1));
    EXPECT_FALSE(schedule.remove(3));
    EXPECT_EQ(schedule.count(), 3);
    EXPECT_TRUE(schedule.remove(1));
    ASSERT_EQ(schedule.count(), 2);
    EXPECT_EQ(schedule.entries[0].homeTeamName, "A");
    EXPECT_EQ(schedule.entries[1].homeTeamName, "C");

    Schedule empty;
    EXPECT_FALSE(empty.remove(0));
}

std::vector<std::string> homeNames(const Schedule &schedule)
{
    std::vector<std::string> names;
    for (const ScheduleEntry &e : schedule.entries)
        names.push_back(e.homeTeamName);
    return names;
}

// Four entries; each column orders them differently.
Schedule sortable()
{
    Schedule s;
    ScheduleEntry a = event(2026, 10, 1, 19, 0, EventType::Party, "Bears", "Lions", "bring food");
    ScheduleEntry b = event(2025, 12, 31, 9, 30, EventType::Practice, "Colts", "Jets", "away");
    ScheduleEntry c = event(2026, 9, 30, 9, 5, EventType::Game, "Ants", "Rams", "cold");
    ScheduleEntry d = event(2026, 10, 2, 18, 45, EventType::TeamMeeting, "Ducks", "Bills", "");
    a.field = "North";
    b.field = "East";
    c.field = "West";
    d.field = "South";
    a.gameFile = "b.gam";
    b.gameFile = "";
    c.gameFile = "d.gam";
    d.gameFile = "a.gam";
    for (const ScheduleEntry &e : {a, b, c, d})
        s.append(e);
    return s;
}

TEST(ScheduleEditTest, EachColumnSortsBothWays)
{
    struct Case {
        ScheduleColumn column;
        std::vector<std::string> ascending;
    } cases[] = {
        {ScheduleColumn::Date, {"Colts", "Ants", "Bears", "Ducks"}},
        {ScheduleColumn::Time, {"Ants", "Colts", "Ducks", "Bears"}},
        {ScheduleColumn::Event, {"Colts", "Ants", "Ducks", "Bears"}},
        {ScheduleColumn::Home, {"Ants", "Bears", "Colts", "Ducks"}},
        {ScheduleColumn::Visitor, {"Ducks", "Colts", "Bears", "Ants"}},
        {ScheduleColumn::GameFile, {"Colts", "Ducks", "Bears", "Ants"}},
        {ScheduleColumn::Field, {"Colts", "Bears", "Ducks", "Ants"}},
        {ScheduleColumn::Note, {"Ducks", "Colts", "Bears", "Ants"}},
    };
    for (const Case &c : cases) {
        Schedule s = sortable();
        s.sort(c.column, false);
        EXPECT_EQ(homeNames(s), c.ascending) << static_cast<int>(c.column);
        s = sortable();
        s.sort(c.column, true);
        EXPECT_EQ(homeNames(s), std::vector<std::string>(c.ascending.rbegin(), c.ascending.rend()))
            << static_cast<int>(c.column);
    }
}

TEST(ScheduleEditTest, TextColumnsCompareCaseSensitively)
{
    Schedule s;
    s.append(event(2026, 1, 1, 1, 1, EventType::Game, "bears", "X"));
    s.append(event(2026, 1, 1, 1, 1, EventType::Game, "Zebras", "X"));
    s.sort(ScheduleColumn::Home, false);
    EXPECT_EQ(homeNames(s), (std::vector<std::string>{"Zebras", "bears"}));
}

TEST(ScheduleEditTest, EqualEntriesKeepTheSelectionSortOrder)
{
    // A selection sort is not stable: the first entry swaps past an equal one.
    Schedule s;
    s.append(event(2026, 1, 2, 1, 1, EventType::Game, "First", "X"));
    s.append(event(2026, 1, 2, 1, 1, EventType::Game, "Second", "X"));
    s.append(event(2026, 1, 1, 1, 1, EventType::Game, "Earliest", "X"));
    s.sort(ScheduleColumn::Date, false);
    EXPECT_EQ(homeNames(s), (std::vector<std::string>{"Earliest", "Second", "First"}));
}

TEST(ScheduleEditTest, EachColumnFlipsItsOwnDirection)
{
    Schedule s = sortable();
    ScheduleSortOrder order;
    EXPECT_FALSE(order.nextIsDescending(ScheduleColumn::Home));
    order.sortBy(s, ScheduleColumn::Home);
    EXPECT_EQ(homeNames(s).front(), "Ants");
    EXPECT_TRUE(order.nextIsDescending(ScheduleColumn::Home));

    // Another column starts ascending whatever the first one did.
    order.sortBy(s, ScheduleColumn::Date);
    EXPECT_EQ(homeNames(s).front(), "Colts");

    order.sortBy(s, ScheduleColumn::Home);
    EXPECT_EQ(homeNames(s).front(), "Ducks");
    order.sortBy(s, ScheduleColumn::Home);
    EXPECT_EQ(homeNames(s).front(), "Ants");
}

} // namespace
} // namespace yardmark
