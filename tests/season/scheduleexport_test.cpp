#include "season/scheduleexport.h"

#include "reports/html.h"

#include <gtest/gtest.h>

#include "base/atomicfile.h"
#include "support/tempfolder.h"

#include <filesystem>
#include <sstream>

namespace yardmark {
namespace {

const DateTime kScheduleWritten{2026, 12, 7, 9, 5, 7};

ScheduleEntry entry(int hour, int minute, EventType type, const std::string &home, const std::string &visitor,
                    const std::string &field, const std::string &note)
{
    ScheduleEntry e;
    e.year = 2026;
    e.month = 9;
    e.day = 12;
    e.hour = hour;
    e.minute = minute;
    e.eventType = static_cast<std::int32_t>(type);
    e.homeTeamName = home;
    e.visitorTeamName = visitor;
    e.field = field;
    e.note = note;
    return e;
}

Schedule twoEvents()
{
    Schedule s;
    s.append(entry(9, 5, EventType::Practice, "", "", "East", ""));
    s.append(entry(10, 0, EventType::Game, "Eagles", "Hawks", "Memorial", "bring water"));
    return s;
}

std::string exported(const Schedule &s, ExportFormat format, bool appending, const HtmlOptions &options = {})
{
    std::ostringstream out;
    writeSchedule(out, s, format, appending, options, kScheduleWritten);
    return out.str();
}

std::string footer()
{
    std::ostringstream out;
    writeFooter(out, kScheduleWritten);
    return out.str();
}

TEST(ScheduleExportTest, CsvPadsTheHourWithABlank)
{
    EXPECT_EQ(exported(twoEvents(), ExportFormat::Csv, false), "Date,Time,Event,Home,Visitor,Field,Note"
                                                               "\n9/12/2026, 9:05,Practice,,,East,"
                                                               "\n9/12/2026,10:00,Game,Eagles,Hawks,Memorial,"
                                                               "bring water");
    // Appending writes the header again; the driver puts the line feed between.
    EXPECT_EQ(exported(Schedule{}, ExportFormat::Csv, true), "Date,Time,Event,Home,Visitor,Field,Note");
}

TEST(ScheduleExportTest, CsvQuotesUserTextThatHoldsCommasOrQuotes)
{
    Schedule s;
    s.append(entry(18, 30, EventType::Party, "Eagles", "Hawks", "Smith Park, Lot B", "say \"hi\""));
    EXPECT_EQ(exported(s, ExportFormat::Csv, false), "Date,Time,Event,Home,Visitor,Field,Note"
                                                     "\n9/12/2026,18:30,Party,Eagles,Hawks,\"Smith Park, Lot B\","
                                                     "\"say \"\"hi\"\"\"");
}

TEST(ScheduleExportTest, HtmlIsExactWithAlternatingRows)
{
    const std::string tt = "<tt><font color=000000 size=3>";
    const std::string end = "</font></tt>";
    auto pad = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "&nbsp;";
        return s;
    };
    auto th = [&](const char *title, int n) {
        return "\n\t\t<th align=center>" + tt + pad(n) + title + pad(n) + end + "</th>";
    };
    auto td = [&](const char *value) {
        return "\n\t\t<td align=center>" + tt + "&nbsp;" + value + "&nbsp;" + end + "</td>";
    };
    Schedule s = twoEvents();
    s.append(entry(19, 45, EventType::TeamMeeting, "A&B", "C", "Gym", "<film>"));
    const std::string expected =
        "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><TITLE>Quillet "
        "Football Yardmark Schedule</TITLE></HEAD><BODY>"
        "\n<TABLE CELLPADDING=1 CELLSPACING=0 BORDER=1>\n"
        "\n\t<tr bgcolor=F9FAD6>" +
        th("Date", 5) + th("Time", 4) + th("Event", 4) + th("Home", 8) + th("Visitor", 8) + th("Field", 4) +
        th("Note", 12) + "</tr>\n" + "\n\t<tr bgcolor=FFFFFF>" + td("9/12/2026") + td(" 9:05") + td("Practice") +
        td("") + td("") + td("East") + td("") + "</tr>\n" + "\n\t<tr bgcolor=EEEEEE>" + td("9/12/2026") + td("10:00") +
        td("Game") + td("Eagles") + td("Hawks") + td("Memorial") + td("bring water") + "</tr>\n" +
        "\n\t<tr bgcolor=FFFFFF>" + td("9/12/2026") + td("19:45") + td("Team Meeting") + td("A&amp;B") + td("C") +
        td("Gym") + td("&lt;film&gt;") + "</tr>\n" + footer();
    EXPECT_EQ(exported(s, ExportFormat::Html, false), expected);
}

TEST(ScheduleExportTest, AppendedHtmlHasNoPageHeadButItsOwnFooter)
{
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    options.htmlHeaderColor = colorValue(1, 2, 3);
    const std::string page = exported(Schedule{}, ExportFormat::Html, true, options);
    EXPECT_EQ(page.rfind("\n<TABLE CELLPADDING=1 CELLSPACING=0 BORDER=1>\n\n\t<tr bgcolor=010203>", 0), 0u);
    EXPECT_EQ(page.find("<HTML>"), std::string::npos);
    EXPECT_NE(page.find("<th align=center><font color=000000 size=3>&nbsp;"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - footer().size()), footer());
}

TEST(ScheduleExportTest, AppendingToAFileRepeatsTheCsvHeaderAfterAnEmptyLine)
{
    const testing::TempDir temp;
    const std::string path = temp.file("schedule.csv");
    Schedule s;
    s.append(entry(10, 0, EventType::Game, "Eagles", "Hawks", "Memorial", ""));
    ASSERT_TRUE(exportSchedule(s, path, ExportFormat::Csv, false, HtmlOptions{}));
    ASSERT_TRUE(exportSchedule(s, path, ExportFormat::Csv, true, HtmlOptions{}));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    const std::string once = "Date,Time,Event,Home,Visitor,Field,Note\n9/12/2026,10:00,Game,Eagles,Hawks,Memorial,";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), once + "\n" + once);
    EXPECT_FALSE(exportSchedule(s, "/no-such-folder/x.csv", ExportFormat::Csv, false, HtmlOptions{}));
}

} // namespace
} // namespace yardmark
