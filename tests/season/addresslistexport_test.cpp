#include "season/addresslistexport.h"

#include "sampleroster.h"

#include "reports/html.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

const DateTime kListWritten{2026, 12, 7, 9, 5, 7};

std::string exported(const Team &team, ExportFormat format, bool appending)
{
    std::ostringstream out;
    writeAddressList(out, team, format, appending, HtmlOptions{}, kListWritten);
    return out.str();
}

TEST(AddressListExportTest, CsvHasOneLinePerPlayer)
{
    EXPECT_EQ(exported(threePlayers(), ExportFormat::Csv, false),
              "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note"
              "\nAdams,555-0101,4/15/2008,12 Main St,Springfield,IL,62701,adams@example.com,left-handed"
              "\nBaker,555-0102,0/0/0,12 Main St,Springfield,IL,62701,,"
              "\nCole,555-0103,2/30/1990,12 Main St,Springfield,IL,62701,c@x.org,\"Apt 4, rear\"");
    EXPECT_EQ(exported(Team{}, ExportFormat::Csv, true), "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note");
}

TEST(AddressListExportTest, HtmlIsExactWithPrimaryAlternatePrimaryRows)
{
    const std::string tt = "<tt><font color=000000 size=3>";
    const std::string end = "</font></tt>";
    auto th = [&](const char *title, int n) {
        std::string pad;
        for (int i = 0; i < n; ++i)
            pad += "&nbsp;";
        return "\n\t\t<th align=center>" + tt + pad + title + pad + end + "</th>";
    };
    auto row = [&](const char *color, std::vector<std::string> values) {
        std::string r = std::string("\n\t<tr bgcolor=") + color + ">";
        for (const std::string &v : values)
            r += "\n\t\t<td align=left>" + tt + "&nbsp;" + v + end + "</td>";
        return r + "</tr>\n";
    };
    std::ostringstream footer;
    writeFooter(footer, kListWritten);
    const std::string expected =
        "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><TITLE>Quillet "
        "Football Yardmark Address/Phone List</TITLE></HEAD><BODY>"
        "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n"
        "\n\t<th colspan=9 bgcolor=F9FAD6>" +
        tt + "Eagles &amp; Co" + end + "</th>" + "\n\t<tr bgcolor=F9FAD6>" + th("Name", 12) + th("Phone", 4) +
        th("Birthday", 0) + th("Address", 10) + th("City", 4) + th("State", 0) + th("Zip", 3) + th("e-mail", 4) +
        th("Note", 10) + "</tr>\n" +
        row("FFFFFF", {"Adams", "555-0101", "4/15/2008", "12 Main St", "Springfield", "IL", "62701",
                       "<a href=\"mailto:adams@example.com\">adams@example.com</a>", "left-handed"}) +
        row("EEEEEE", {"Baker", "555-0102", "0/0/0", "12 Main St", "Springfield", "IL", "62701",
                       "<a href=\"mailto:\"></a>", ""}) +
        row("FFFFFF", {"Cole", "555-0103", "2/30/1990", "12 Main St", "Springfield", "IL", "62701",
                       "<a href=\"mailto:c@x.org\">c@x.org</a>", "Apt 4, rear"}) +
        footer.str();
    EXPECT_EQ(exported(threePlayers(), ExportFormat::Html, false), expected);
}

TEST(AddressListExportTest, AnAddressCannotBreakOutOfTheLink)
{
    Team team = threePlayers();
    team.personalInfo[0].email = "x\"><script>@y";
    const std::string page = exported(team, ExportFormat::Html, false);
    EXPECT_NE(page.find("<a href=\"mailto:x&quot;&gt;&lt;script&gt;@y\">"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

} // namespace
} // namespace yardmark
