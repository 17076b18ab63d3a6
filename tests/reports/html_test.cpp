#include "reports/html.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

TEST(HtmlTest, ColorTextKeepsTwoDigitsPerByte)
{
    EXPECT_EQ(colorText(14088953), "F9FAD6");
    EXPECT_EQ(colorText(colorValue(5, 10, 0)), "050A00");
    EXPECT_EQ(colorText(16777215), "FFFFFF");
    EXPECT_EQ(colorText(0), "000000");
}

TEST(HtmlTest, FontTagsFollowTheFace)
{
    struct Case {
        const char *face;
        const char *body, *header, *end;
    } cases[] = {
        {"Variable Width", "<font color=000000 size=3>", "<font color=0000FF size=5>", "</font>"},
        {"Fixed Width", "<tt><font color=000000 size=3>", "<tt><font color=0000FF size=5>", "</font></tt>"},
        {"Arial", "<font color=000000 face=\"Arial\" size=3>", "<font color=0000FF face=\"Arial\" size=5>", "</font>"},
    };
    for (const Case &c : cases) {
        HtmlOptions options;
        options.htmlFontFace = c.face;
        options.htmlHeaderFontColor = colorValue(0, 0, 255);
        options.htmlHeaderFontSize = 5;
        const FontTags tags = makeFontTags(options);
        EXPECT_EQ(tags.body, c.body) << c.face;
        EXPECT_EQ(tags.header, c.header) << c.face;
        EXPECT_EQ(tags.end, c.end) << c.face;
    }
}

TEST(HtmlTest, EscapeReplacesOnlyTheFourSpecialCharacters)
{
    EXPECT_EQ(htmlEscape("Texas A&M <Aggies> \"12th\" O'Neil \xE9"),
              "Texas A&amp;M &lt;Aggies&gt; &quot;12th&quot; O'Neil \xE9");
    EXPECT_EQ(htmlEscape("plain"), "plain");
}

TEST(HtmlTest, PageHeadAndFooterAreExact)
{
    std::ostringstream out;
    writePageHead(out, "Game Summary");
    writeFooter(out, DateTime{2026, 3, 4, 9, 5, 7});
    EXPECT_EQ(out.str(),
              std::string("<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=windows-1252\"><TITLE>Quillet Football Yardmark Game Summary</TITLE></HEAD><BODY>"
                          "\n</TABLE>"
                          "\n<p><font size=-1>This file was created with <a href=\"") +
                  kHomePageUrl +
                  "\"><em>Quillet Football Yardmark\t</em></a> on 3/04/2026 at  9:05:07</font>\n"
                  "</BODY></HTML>");
}

} // namespace
} // namespace yardmark
