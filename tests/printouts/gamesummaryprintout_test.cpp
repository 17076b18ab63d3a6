#include "printouts/gamesummaryprintout.h"

#include "fakesurface.h"

#include "base/datetime.h"

#include <gtest/gtest.h>

#include <map>

namespace yardmark {
namespace {

using test::FakeSurface;

TEST(GameSummaryPrintoutTest, LabelsAndBothTeamsColumnsOnOnePage)
{
    setFixedNow(DateTime{2026, 11, 21, 16, 30, 0});
    GameTeamStats eagles = initGameTeamStats();
    eagles.totalPoints = 21;
    eagles.thirdDownsMade = 3;
    eagles.thirdDownsAttempted = 8;
    eagles.thirdDownEfficiency = 37.5F;
    eagles.possessionText = "31:05";
    GameTeamStats bears = initGameTeamStats();
    bears.totalPoints = 7;
    bears.yardsPerPass = 6.5F;

    GameSummaryPrintout out("Game Summary", "Eagles", "Bears", eagles, bears);
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    EXPECT_FALSE(out.hasPage(2));

    // Fixed font 20 high and 10 wide: labels at the margin 30 from y 86; the
    // widest label, "Total Yards/Avg Per Play", ends at 270, and the 700 pixels
    // up to one margin before the edge make two columns of 350.
    std::map<std::pair<int, int>, std::string> at;
    for (const FakeSurface::Text &text : surface.bodyOn(1))
        at[{text.x, text.y}] = text.text;
    for (std::size_t i = 0; i < kGameSummaryPrintLabels.size(); ++i)
        EXPECT_EQ((at[{30, 86 + 20 * static_cast<int>(i)}]), kGameSummaryPrintLabels[i]);
    struct Cell {
        int x;
        int y;
        const char *text;
    };
    for (const Cell c : {
             Cell{270 + (350 - 60) / 2, 66, "Eagles"},
             Cell{620 + (350 - 50) / 2, 66, "Bears"},
             Cell{270 + (350 - 20) / 2, 86, "21"},
             Cell{620 + (350 - 10) / 2, 86, "7"},
             Cell{270 + (350 - 70) / 2, 146, "3/8/38 "},
             Cell{620 + (350 - 30) / 2, 286, "6.5"},
             Cell{270 + (350 - 50) / 2, 526, "31:05"},
             Cell{620 + (350 - 40) / 2, 526, "0:00"},
         }) {
        EXPECT_EQ((at[{c.x, c.y}]), c.text) << c.x << "," << c.y;
    }
    EXPECT_EQ(surface.bodyOn(1).size(), 23U + 2U + 2U * 23U);
    setFixedNow(std::nullopt);
}

TEST(GameSummaryPrintoutTest, TheTeamsRecordHeadsTheColumns)
{
    GameSummaryPrintout out("Otters Versus Opponents", "Otters", "Opponents", initGameTeamStats(), initGameTeamStats(),
                            "Record 4\x96"
                            "3\x96"
                            "0 in 7 games");
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    const std::vector<FakeSurface::Text> body = surface.bodyOn(1);
    ASSERT_FALSE(body.empty());
    EXPECT_EQ(body.front().text, "Record 4\x96"
                                 "3\x96"
                                 "0 in 7 games");
    EXPECT_LT(body.front().y, body[1].y);
    EXPECT_EQ(body[1].text, kGameSummaryPrintLabels[0]);
    EXPECT_GT(body[1].y, 86); // the labels move down under it
}

} // namespace
} // namespace yardmark
