#include "printouts/individualstatsprintout.h"

#include "fakesurface.h"

#include "base/datetime.h"
#include "reports/formattext.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;

// A page of 1000 by 1300 in the fixed body font, 20 high and 10 wide: lines
// at the margin 30, the first at 86, rows stop at 1300 - 5 * 20.
constexpr int kStatsTop = 86;
constexpr int kStatsLine = 20;

class IndividualStatsPrintoutTest : public ::testing::Test {
protected:
    void SetUp() override { setFixedNow(DateTime{2026, 11, 21, 16, 30, 0}); }
    void TearDown() override { setFixedNow(std::nullopt); }
};

PasserLine passer(const std::string &name, int number)
{
    PasserLine line;
    line.name = name;
    line.number = number;
    line.attempts = 10;
    line.completions = 6;
    line.interceptions = 1;
    line.yards = 80;
    line.longest = 30;
    line.touchdowns = 1;
    line.completionPercent = 60.0F;
    line.average = 80.0F / 6.0F;
    return line;
}

std::vector<std::string> textsOf(const std::vector<FakeSurface::Text> &texts)
{
    std::vector<std::string> result;
    for (const FakeSurface::Text &text : texts)
        result.push_back(text.text);
    return result;
}

TEST_F(IndividualStatsPrintoutTest, SingleRowSectionHasARuleBelowAndNoTotals)
{
    Stat stat;
    stat.passers.append(passer("Sam Lee", 7));
    IndividualStatsPrintout out("Individual Stats", stat, 0);
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    const std::vector<FakeSurface::Text> body = surface.bodyOn(1);
    const std::string rule(65, '_');
    EXPECT_EQ(textsOf(body), (std::vector<std::string>{
                                 " ",
                                 "****************",
                                 "* Passer Stats *",
                                 "****************",
                                 "No      Name                 Att Com Com% Int Yards Long TDs Avg ",
                                 rule,
                                 " 7 Sam Lee                    10   6  60   1    80   30    1 13.3",
                                 rule,
                             }));
    const std::vector<int> ys{kStatsTop,
                              kStatsTop + kStatsLine,
                              kStatsTop + 2 * kStatsLine,
                              kStatsTop + 3 * kStatsLine,
                              kStatsTop + 6 * kStatsLine,
                              kStatsTop + 7 * kStatsLine,
                              kStatsTop + 10 * kStatsLine,
                              kStatsTop + 11 * kStatsLine};
    for (std::size_t i = 0; i < body.size() && i < ys.size(); ++i) {
        EXPECT_EQ(body[i].x, 30);
        EXPECT_EQ(body[i].y, ys[i]) << body[i].text;
    }
}

TEST_F(IndividualStatsPrintoutTest, TotalsRowFollowsARuleAndHasNoNumber)
{
    Stat stat;
    stat.passers.append(passer("Sam Lee", 7));
    stat.passers.append(passer("Al Moss", -1));
    finishIndividualStats(stat);
    IndividualStatsPrintout out("Individual Stats", stat, 0);
    FakeSurface surface(1000, 1300);
    printAllPages(out, surface);
    const std::vector<std::string> texts = textsOf(surface.bodyOn(1));
    ASSERT_EQ(texts.size(), 10U);
    EXPECT_EQ(texts[6].substr(0, 11), " 7 Sam Lee ");
    EXPECT_EQ(texts[7].substr(0, 11), "00 Al Moss ");
    EXPECT_EQ(texts[8], std::string(65, '_'));
    EXPECT_EQ(texts[9], "   TEAM TOTALS                20  12  60   2   160   30    2 13.3");
}

TEST_F(IndividualStatsPrintoutTest, EveryCategoryHasItsBoxHeaderAndRuleLength)
{
    struct Case {
        int category;
        const char *title;
        std::vector<std::string> groups;
        std::size_t rule;
    };
    const std::vector<Case> cases{
        {0, "* Passer Stats *", {}, 65},
        {1, "* Rusher Stats *", {}, 61},
        {2, "* Receiver Stats *", {}, 54},
        {3, "* Punter Stats *", {}, 63},
        {4,
         "* Field Goal / Extra Point Stats *",
         {"                                 Field Goals       Extra Points",
          "                             |------------------| |-------------|"},
         66},
        {5,
         "* Punt / Kickoff Returns *",
         {"                                Punt Returns     Kickoff Returns",
          "                             |-----------------||----------------|"},
         66},
        {6, "* Defender Stats *", {}, 64},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.category);
        IndividualStatsPrintout out("Individual Stats", Stat{}, c.category);
        FakeSurface surface(1000, 1300);
        ASSERT_EQ(printAllPages(out, surface), 1);
        const std::vector<std::string> texts = textsOf(surface.bodyOn(1));
        ASSERT_EQ(texts.size(), 6U + c.groups.size());
        const std::string stars(std::string(c.title).size(), '*');
        EXPECT_EQ(texts[1], stars);
        EXPECT_EQ(texts[2], c.title);
        EXPECT_EQ(texts[3], stars);
        for (std::size_t g = 0; g < c.groups.size(); ++g)
            EXPECT_EQ(texts[4 + g], c.groups[g]);
        EXPECT_EQ(texts.back(), std::string(c.rule, '_'));
    }
}

TEST_F(IndividualStatsPrintoutTest, RowFormatsOfEveryCategory)
{
    StatRow row;
    row.name = "Sam Lee";
    row.number = 7;
    for (int i = 0; i < 10; ++i)
        row.values.push_back({false, i + 1, 0.0F});
    struct Case {
        int category;
        std::vector<int> averages; ///< the columns that hold averages
        const char *text;
    };
    const std::vector<Case> cases{
        {0, {2, 7}, " 7 Sam Lee                     1   2   4   4     5    6    7 8.5"},
        {1, {6}, " 7 Sam Lee                     1    2    3    4   5   6  7.5"},
        {2, {4}, " 7 Sam Lee                     1     2    3   4  5.5"},
        {3, {3}, " 7 Sam Lee                     1      2    3  4.5  5   6   7 "},
        {4, {4, 8}, " 7 Sam Lee                     1  2   3    4   6   6   7   8   10"},
        {5, {3, 8}, " 7 Sam Lee                    1    2  3   4  5   6    7  8  10 10"},
        {6, {1, 4}, " 7 Sam Lee                    1   2  3  4   6  6   7   8  9 10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.category);
        StatRow typed = row;
        for (const int a : c.averages)
            typed.values[static_cast<std::size_t>(a)] = {true, 0, static_cast<float>(a) + 1.5F};
        EXPECT_EQ(statPrintRow(c.category, typed), c.text);
    }
}

TEST_F(IndividualStatsPrintoutTest, ASeasonsTotalsTooWideForAColumnStillEndUnderItsTitle)
{
    // 1249 tackles and 104 a game are wider than the players' columns; the blanks before them give way.
    Stat stat;
    stat.gameCount = 12;
    for (const auto &[name, tackles] : {std::pair{"Al", 700}, {"Bo", 549}}) {
        DefenderLine line;
        line.name = name;
        line.number = 5;
        line.tackles = tackles;
        line.sacks = 25;
        stat.defenders.append(line);
    }
    finishIndividualStats(stat);
    IndividualStatsPrintout out("Individual Stats", stat, 6);
    FakeSurface surface(1000, 1300);
    printAllPages(out, surface);
    const std::vector<std::string> texts = textsOf(surface.bodyOn(1));
    ASSERT_EQ(texts.size(), 10U);
    // Each ends under its title: "Ta" at 31, "TPG" at 35.
    EXPECT_EQ(texts[6], " 5 Al                       700  58  0 25   2  0   0   0  0  0");
    EXPECT_EQ(texts[9], "   TEAM TOTALS             1249 104  0 50   4  0   0   0  0  0");
}

TEST_F(IndividualStatsPrintoutTest, SectionsFlowOnRepeatingTheirColumnHeader)
{
    // A page of 1000 by 2600 has 120 lines from 112 up to 2500; the passers'
    // box, header and rule take 10 of them, so 110 of 150 passers fit on page 1
    // and the rest under the header again, the totals and the six other
    // sections fill page 2.
    Stat stat;
    for (int i = 0; i < 150; ++i)
        stat.passers.append(passer("Passer " + std::to_string(i), i % 100));
    finishIndividualStats(stat);
    IndividualStatsPrintout out("Individual Stats", stat, kAllStatCategories);
    FakeSurface surface(1000, 2600);
    ASSERT_EQ(printAllPages(out, surface), 2);

    const std::vector<FakeSurface::Text> first = surface.bodyOn(1);
    const std::vector<FakeSurface::Text> second = surface.bodyOn(2);
    ASSERT_EQ(first.size(), 6U + 110U);
    EXPECT_EQ(first.back().text.substr(3, 11), "Passer 109 ");
    EXPECT_EQ(second[0].y, 112);
    EXPECT_EQ(second[0].text, "No      Name                 Att Com Com% Int Yards Long TDs Avg ");
    EXPECT_EQ(second[1].text, std::string(65, '_'));
    EXPECT_EQ(second[2].y, 112 + 4 * kStatsLine);
    EXPECT_EQ(second[2].text.substr(3, 11), "Passer 110 ");
    EXPECT_EQ(second[42].text, std::string(65, '_'));
    EXPECT_EQ(second[43].text.substr(0, 14), "   TEAM TOTALS");

    std::vector<std::string> titles;
    for (const FakeSurface::Text &text : second) {
        if (text.text.size() > 2 && text.text.front() == '*' && text.text[1] == ' ')
            titles.push_back(text.text);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"* Rusher Stats *", "* Receiver Stats *", "* Punter Stats *",
                                                "* Field Goal / Extra Point Stats *", "* Punt / Kickoff Returns *",
                                                "* Defender Stats *"}));
}

TEST_F(IndividualStatsPrintoutTest, ASectionThatWouldEndAPageWithItsHeaderStartsOnTheNext)
{
    // Rows run from 286 to 1200 on page 1: 39 passers, the rule and the totals
    // end at 1106, where the rushers' box and header would fill the page.
    Stat stat;
    for (int i = 0; i < 39; ++i)
        stat.passers.append(passer("Passer " + std::to_string(i), i));
    stat.rushers.append(RusherLine{{"Runner", 22, false}, 3, 20, 0, 20, 9, 0, 0.0F});
    finishIndividualStats(stat);
    IndividualStatsPrintout out("Individual Stats", stat, kAllStatCategories, "7 games");
    FakeSurface surface(1000, 1300);
    ASSERT_GE(printAllPages(out, surface), 2);
    const std::vector<std::string> first = textsOf(surface.bodyOn(1));
    EXPECT_EQ(first.front(), "7 games");
    EXPECT_EQ(first.back().substr(0, 14), "   TEAM TOTALS");
    const std::vector<std::string> second = textsOf(surface.bodyOn(2));
    ASSERT_GE(second.size(), 7U);
    EXPECT_EQ(second[2], "* Rusher Stats *");
    EXPECT_EQ(second[6].substr(0, 10), "22 Runner ");
}

} // namespace
} // namespace yardmark
