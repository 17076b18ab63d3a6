#include "printouts/rosterstartersprintout.h"

#include "fakesurface.h"

#include "base/datetime.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;

// The page is 1000 by 1300; the fixed body font is 20 high and 10 wide, so the
// left column starts at the margin 30 and the right one at 500. Below the
// header (ending at 46) come two blank lines, then the team names at 86.
constexpr int kNamesY = 86;
constexpr int kLine = 20;

class RosterStartersPrintoutTest : public ::testing::Test {
protected:
    void SetUp() override { setFixedNow(DateTime{2026, 11, 21, 16, 30, 0}); }
    void TearDown() override { setFixedNow(std::nullopt); }
};

PlayerRecord player(std::string name, int number, Position offence, Position defence,
                    StarterStatus status = StarterStatus::NotAStarter)
{
    PlayerRecord p;
    p.name = std::move(name);
    p.number = number;
    p.offensivePosition = code(offence);
    p.defensivePosition = code(defence);
    p.starterStatus = code(status);
    return p;
}

Team teamOf(std::string name, int players)
{
    Team team;
    team.name = std::move(name);
    for (int i = 0; i < players; ++i)
        team.players.push_back(player("Player " + std::to_string(i), i, Position::Guard, Position::Linebacker));
    return team;
}

TEST(RosterPrintLineTest, NumberNameAndPrintedPosition)
{
    struct Case {
        int number;
        Position position;
        const char *line;
    };
    for (const Case c :
         {Case{7, Position::Quarterback, "# 7, Sam Lee, QB"}, Case{42, Position::Safety, "#42, Sam Lee, SP"},
          Case{-1, Position::Flanker, "#00, Sam Lee, F"}, Case{0, Position::Bench, "# 0, Sam Lee, B"}}) {
        EXPECT_EQ(rosterPrintLine(player("Sam Lee", c.number, c.position, Position::Bench), code(c.position)), c.line);
    }
}

TEST_F(RosterStartersPrintoutTest, ThirtyBesideTwentyLeavesTheLastTenRowsOnTheLeft)
{
    RosterStartersPrintout out("Rosters", 0, teamOf("Eagles", 30), teamOf("Bears", 20), 0);
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    const std::vector<FakeSurface::Text> body = surface.bodyOn(1);
    ASSERT_EQ(body.size(), 2U + 30U + 20U);
    // "Eagles" centred over the left half, "Bears" over the right half.
    EXPECT_EQ(body[0].text, "Eagles");
    EXPECT_EQ(body[0].x, 220);
    EXPECT_EQ(body[0].y, kNamesY);
    EXPECT_EQ(body[1].text, "Bears");
    EXPECT_EQ(body[1].x, 725);
    EXPECT_TRUE(body[2].font.fixedPitch);

    std::size_t at = 2;
    for (int row = 0; row < 30; ++row) {
        SCOPED_TRACE(row);
        const int y = kNamesY + (row + 1) * kLine;
        const std::string number = row < 10 ? " " + std::to_string(row) : std::to_string(row);
        EXPECT_EQ(body[at], (FakeSurface::Text{1, 30, y, "#" + number + ", Player " + std::to_string(row) + ", G",
                                               body[2].font}));
        ++at;
        if (row < 20) {
            EXPECT_EQ(body[at].x, 500);
            EXPECT_EQ(body[at].y, y);
            ++at;
        }
    }
}

TEST_F(RosterStartersPrintoutTest, LongRosterResumesOnTheNextPage)
{
    // Rows stop before 1300 - 5 * 20: 55 rows below the names fit on a page.
    RosterStartersPrintout out("Roster", kFirstTeamOnly, teamOf("Eagles", 70), teamOf("Bears", 3), 0);
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 2);
    const std::vector<FakeSurface::Text> first = surface.bodyOn(1);
    const std::vector<FakeSurface::Text> second = surface.bodyOn(2);
    ASSERT_EQ(first.size(), 1U + 55U);
    ASSERT_EQ(second.size(), 1U + 15U);
    EXPECT_EQ(first[0].text, "Eagles");
    EXPECT_EQ(first.back().text, "#54, Player 54, G");
    EXPECT_EQ(first.back().y, kNamesY + 55 * kLine);
    EXPECT_EQ(second[0].text, "Eagles");
    EXPECT_EQ(second[1].text, "#55, Player 55, G");
    EXPECT_EQ(second[1].y, kNamesY + kLine);
    EXPECT_EQ(second.back().text, "#69, Player 69, G");
}

TEST_F(RosterStartersPrintoutTest, TeamChoicePutsTheChosenTeamOnTheLeft)
{
    struct Case {
        int choice;
        std::vector<std::string> names;
    };
    for (const Case &c :
         {Case{kFirstTeamOnly, {"Eagles"}}, Case{kSecondTeamOnly, {"Bears"}}, Case{1001, {"Eagles", "Bears"}}}) {
        SCOPED_TRACE(c.choice);
        RosterStartersPrintout out("Roster", c.choice, teamOf("Eagles", 1), teamOf("Bears", 1), 0);
        FakeSurface surface(1000, 1300);
        printAllPages(out, surface);
        const std::vector<FakeSurface::Text> body = surface.bodyOn(1);
        ASSERT_EQ(body.size(), 2 * c.names.size());
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(body[i].text, c.names[i]);
        EXPECT_EQ(body[c.names.size()].x, 30);
    }
}

Team startersTeam(std::string name)
{
    Team team;
    team.name = std::move(name);
    team.players = {
        player("Able", 1, Position::Quarterback, Position::Bench, StarterStatus::OffensiveStarter),
        player("Baker", 2, Position::WideReceiver, Position::Cornerback, StarterStatus::StartsBoth),
        player("Cole", 3, Position::Bench, Position::Linebacker, StarterStatus::DefensiveStarter),
        player("Dunn", -1, Position::TightEnd, Position::DefensiveEnd, StarterStatus::NotAStarter),
        player("Eddy", 5, Position::RunningBack, Position::Safety, StarterStatus::StartsBoth),
    };
    return team;
}

TEST_F(RosterStartersPrintoutTest, StartersListsTakeEachSidesPlayersOfTheStatus)
{
    struct Case {
        StarterStatus status;
        const char *heading;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {StarterStatus::OffensiveStarter, "Offensive Starters :", {"# 1, Able, QB", "# 2, Baker, WR", "# 5, Eddy, RB"}},
        // A defensive starter is listed with the position he plays on defence.
        {StarterStatus::DefensiveStarter, "Defensive Starters :", {"# 2, Baker, CB", "# 3, Cole, LB", "# 5, Eddy, SP"}},
        {StarterStatus::StartsBoth, "Starts Boths :", {"# 2, Baker, WR", "# 5, Eddy, RB"}},
        {StarterStatus::NotAStarter,
         nullptr,
         {"# 1, Able, QB", "# 2, Baker, WR", "# 3, Cole, B", "#00, Dunn, TE", "# 5, Eddy, RB"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(code(c.status));
        Team second = startersTeam("Bears");
        second.players.erase(second.players.begin());
        RosterStartersPrintout out("Starters", 0, startersTeam("Eagles"), second, code(c.status));
        FakeSurface surface(1000, 1300);
        ASSERT_EQ(printAllPages(out, surface), 1);
        std::vector<FakeSurface::Text> body = surface.bodyOn(1);
        int y = kNamesY;
        if (c.heading != nullptr) {
            ASSERT_FALSE(body.empty());
            EXPECT_EQ(body[0].text, c.heading);
            EXPECT_EQ(body[0].x, (1000 - 10 * static_cast<int>(body[0].text.size())) / 2);
            EXPECT_EQ(body[0].y, kNamesY);
            body.erase(body.begin());
            y += kLine;
        }
        ASSERT_GE(body.size(), 2U);
        EXPECT_EQ(body[0].y, y);
        // Each side lists its own players row by row below the names.
        std::vector<std::string> left;
        std::vector<std::string> right;
        for (std::size_t i = 2; i < body.size(); ++i) {
            std::vector<std::string> &side = body[i].x == 30 ? left : right;
            side.push_back(body[i].text);
            EXPECT_EQ(body[i].y, y + static_cast<int>(side.size()) * kLine) << body[i].text;
        }
        EXPECT_EQ(left, c.lines);
        // The second team lacks Able; its rows follow its own list.
        std::vector<std::string> expectedRight = c.lines;
        if (expectedRight.front() == "# 1, Able, QB")
            expectedRight.erase(expectedRight.begin());
        EXPECT_EQ(right, expectedRight);
    }
}

} // namespace
} // namespace yardmark
