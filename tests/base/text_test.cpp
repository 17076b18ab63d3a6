#include "base/text.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(TextTest, LeadingIntReadsWhatTheDialogsRead)
{
    const std::pair<const char *, std::int32_t> cases[] = {
        {"", 0},
        {"-", 0},
        {"abc", 0},
        {"12", 12},
        {"  7 yards", 7},
        {"-15", -15},
        {"+3", 3},
        {"08", 8},
        {"999999999999", 2147483647},
        {"-999999999999", -2147483647 - 1},
        {"2147483647", 2147483647},
        {"3.5", 3},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(leadingInt(text), value) << '"' << text << '"';
}

TEST(TextTest, FitTextKeepsWidthMinusOne)
{
    EXPECT_EQ(fitText("abcdef", 4), "abc");
    EXPECT_EQ(fitText("ab", 4), "ab");
    EXPECT_EQ(fitText("ab", 0), "");
}

TEST(TextTest, AccentedNamesSurviveTheRoundTrip)
{
    const std::string utf8 = "Jos\xC3\xA9 N\xC3\xBA\xC3\xB1"
                             "ez";
    const std::string cp1252 = utf8ToCp1252(utf8);
    EXPECT_EQ(cp1252, "Jos\xE9 N\xFA\xF1"
                      "ez");
    EXPECT_EQ(cp1252ToUtf8(cp1252), utf8);
}

TEST(TextTest, TheHighControlRangeMapsToItsPunctuation)
{
    EXPECT_EQ(cp1252ToUtf8("\x80\x96\x9F"), "\xE2\x82\xAC\xE2\x80\x93\xC5\xB8"); // euro, en dash, Y diaeresis
    EXPECT_EQ(utf8ToCp1252("\xE2\x82\xAC\xE2\x80\x93\xC5\xB8"), "\x80\x96\x9F");
    // The undefined bytes come back as themselves.
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D")), "\x81\x8D\x8F\x90\x9D");
}

TEST(TextTest, WhatWindows1252CannotHoldBecomesAQuestionMark)
{
    EXPECT_EQ(utf8ToCp1252("\xE6\x9D\xB1"), "?");     // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x8F\x88"), "?"); // an emoji
    EXPECT_EQ(utf8ToCp1252("a\xFF"
                           "b"),
              "a?b");                     // not UTF-8 at all
    EXPECT_EQ(utf8ToCp1252("\xC3"), "?"); // cut in the middle of a character
}

TEST(TextTest, EqualsIgnoringCaseFoldsAsciiOnly)
{
    EXPECT_TRUE(equalsIgnoringCase("All Teams", "ALL TEAMS"));
    EXPECT_FALSE(equalsIgnoringCase("All Teams", "All Team"));
    EXPECT_FALSE(equalsIgnoringCase("\xE9", "\xC9"));
}

} // namespace
} // namespace yardmark
