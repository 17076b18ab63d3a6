#include "gameflow/playbyplay.h"
#include "reports/html.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

GameInfo info()
{
    GameInfo i;
    i.homeTeamName = "Tigers";
    i.visitorTeamName = "A&M <Bears>";
    i.gameMonth = 9;
    i.gameDay = 7;
    i.gameYear = 2026;
    return i;
}

const std::vector<std::string> kLines{"1st Q, H, Smith kicks off for Tigers", "1st Q, Time Out - Tigers",
                                      "1st Q, V, 1st D, O'Neil rushes for 4"};
const DateTime kNow{2026, 9, 7, 21, 5, 9};

std::string write(bool html, bool appending, const HtmlOptions &options = {})
{
    std::ostringstream out;
    writePlayByPlay(out, info(), kLines, html, appending, options, kNow);
    return out.str();
}

TEST(PlayByPlayTest, TextIsTheTitleAndOneLinePerPlay)
{
    EXPECT_EQ(playByPlayTitle(info()), "Play By Play, Tigers vs A&M <Bears>, 9/7/2026");
    EXPECT_EQ(write(false, false), "Play By Play, Tigers vs A&M <Bears>, 9/7/2026\n"
                                   "1st Q, H, Smith kicks off for Tigers\n"
                                   "1st Q, Time Out - Tigers\n"
                                   "1st Q, V, 1st D, O'Neil rushes for 4\n");
    EXPECT_EQ(write(false, true), write(false, false));
}

TEST(PlayByPlayTest, HtmlAlternatesRowColoursAndEscapesNames)
{
    const std::string title = "Play By Play, Tigers vs A&amp;M &lt;Bears&gt;, 9/7/2026";
    const std::string expected =
        "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"><TITLE>Quillet "
        "Football Yardmark " +
        title + "</TITLE></HEAD><BODY>" +
        "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n"
        "\n\t<tr bgcolor=F9FAD6>\n\t\t<th align=center><tt><font color=000000 size=3>" +
        title +
        "</font></tt></th></tr>\n"
        "\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=left><tt><font color=000000 size=3>1st Q, H, Smith kicks off for "
        "Tigers</font></tt></td></tr>\n"
        "\n\t<tr bgcolor=EEEEEE>\n\t\t<td align=left><tt><font color=000000 size=3>1st Q, Time Out - "
        "Tigers</font></tt></td></tr>\n"
        "\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=left><tt><font color=000000 size=3>1st Q, V, 1st D, O'Neil rushes "
        "for 4</font></tt></td></tr>\n"
        "\n</TABLE>\n<p><font size=-1>This file was created with <a href=\"" +
        std::string(kHomePageUrl) +
        "\"><em>Quillet Football Yardmark\t</em></a> on 9/07/2026 at 21:05:09</font>\n</BODY></HTML>";
    EXPECT_EQ(write(true, false), expected);
}

TEST(PlayByPlayTest, AppendedHtmlHasNoPageHeadButItsFooter)
{
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    const std::string appended = write(true, true, options);
    EXPECT_EQ(appended.rfind("\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n", 0), 0u);
    EXPECT_NE(appended.find("<font color=000000 size=3>1st Q, Time Out - Tigers</font></td>"), std::string::npos);
    EXPECT_NE(appended.find("</BODY></HTML>"), std::string::npos);
}

} // namespace
} // namespace yardmark
