#include "printouts/drivesummaryprintout.h"
#include "printouts/scoringsummaryprintout.h"

#include "fakesurface.h"
#include "playlist.h"

#include "base/datetime.h"
#include "stats/drivesummary.h"
#include "stats/scoringsummary.h"
#include "support/sides.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;
using test::gameOf;
using test::Play;

// On a page of 1000 by 1300 the body is an Arial 20 high with characters 10
// wide: the margin is 30, the grid starts at 86 and the lines at 146; lines
// stop at 1300 - 5 * 20, so 53 fit on a page.
constexpr int kFirstLineY = 146;
constexpr int kLinesPerPage = 53;

class SummaryPrintoutTest : public ::testing::Test {
protected:
    void SetUp() override { setFixedNow(DateTime{2026, 11, 21, 16, 30, 0}); }
    void TearDown() override { setFixedNow(std::nullopt); }
};

/// The grid's texts of one page, row by row: headings, home row, visitor row.
std::vector<std::vector<std::string>> gridOn(const FakeSurface &surface, int page)
{
    const std::vector<FakeSurface::Text> body = surface.bodyOn(page);
    std::vector<std::vector<std::string>> rows(3);
    for (std::size_t i = 0; i < 3 * 7 && i < body.size(); ++i)
        rows[i / 7].push_back(body[i].text);
    return rows;
}

std::vector<std::string> linesOn(const FakeSurface &surface, int page)
{
    std::vector<std::string> lines;
    const std::vector<FakeSurface::Text> body = surface.bodyOn(page);
    for (std::size_t i = 3 * 7; i < body.size(); ++i) {
        EXPECT_EQ(body[i].x, 30);
        EXPECT_EQ(body[i].y, kFirstLineY + 20 * static_cast<int>(i - 3 * 7));
        lines.push_back(body[i].text);
    }
    return lines;
}

TEST_F(SummaryPrintoutTest, GridPlacesCaptionHeadingsAndTeams)
{
    ScoringSummaryPrintout out("Scoring Summary", gameOf({}), LeagueOptions{});
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    const std::vector<FakeSurface::Text> body = surface.bodyOn(1);
    ASSERT_EQ(body.size(), 21U);
    struct Cell {
        std::size_t index;
        int x;
        int y;
        const char *text;
    };
    for (const Cell c : {Cell{0, 70, 86, "Score By Quarter:"}, Cell{1, 300, 86, "1"}, Cell{5, 495, 86, "OT"},
                         Cell{6, 530, 86, "Final"}, Cell{7, 120, 106, "Home"}, Cell{8, 300, 106, "0"},
                         Cell{14, 105, 126, "Visitor"}, Cell{19, 500, 126, "-"}, Cell{20, 550, 126, "0"}}) {
        EXPECT_EQ(body[c.index].text, c.text);
        EXPECT_EQ(body[c.index].x, c.x) << c.text;
        EXPECT_EQ(body[c.index].y, c.y) << c.text;
    }
    EXPECT_EQ(body[0].font, (FontRequest{"Arial", 20, 400, false}));
}

TEST_F(SummaryPrintoutTest, GridRowsFollowTheQuartersPlayed)
{
    const Play homeTouchdown = Play(PlayType::Rush, kHome).from(90).to(100).score(ScoreType::Touchdown);
    const Play visitorFieldGoal =
        Play(PlayType::FieldGoal, kVisitor).from(80).kick(KickResult::FieldGoalGood).score(ScoreType::FieldGoal);
    struct Case {
        const char *name;
        Game game;
        std::vector<std::string> home;
        std::vector<std::string> visitor;
    };
    const std::vector<Case> cases{
        {"empty", gameOf({}), {"Home", "0", "-", "-", "-", "-", "0"}, {"Visitor", "0", "-", "-", "-", "-", "0"}},
        {"regulation",
         gameOf({homeTouchdown, Play(PlayType::Rush, kVisitor).quarter(3)}),
         {"Home", "6", "0", "0", "0", "-", "6"},
         {"Visitor", "0", "0", "0", "0", "-", "0"}},
        {"two overtimes",
         gameOf({Play(visitorFieldGoal).quarter(2), Play(visitorFieldGoal).quarter(4), Play(homeTouchdown).quarter(5)}),
         {"Home", "0", "0", "0", "0", "6", "6"},
         {"Visitor", "0", "0", "3", "0", "3", "6"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DriveSummaryPrintout out("Drive Summary", c.game, LeagueOptions{});
        FakeSurface surface(1000, 1300);
        printAllPages(out, surface);
        const auto rows = gridOn(surface, 1);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"Score By Quarter:", "1", "2", "3", "4", "OT", "Final"}));
        EXPECT_EQ(rows[1], c.home);
        EXPECT_EQ(rows[2], c.visitor);
    }
}

/// 53 one-play drives, each a punt, and then a drive that begins with the
/// last play of page 1 and ends on page 2.
Game longDriveGame()
{
    Game game = gameOf({});
    bool home = true;
    for (int i = 0; i < kLinesPerPage - 1; ++i) {
        game.plays.push_back(
            Play(PlayType::Punt, home).clock(14, 0).from(30).received(70).to(70).kick(KickResult::FairCatch));
        home = !home;
    }
    game.plays.push_back(Play(PlayType::FieldGoal, home).clock(10, 0).from(70).to(70).kick(KickResult::FieldGoalShort));
    game.plays.push_back(Play(PlayType::Rush, home).clock(9, 30).from(70).to(75));
    game.plays.push_back(Play(PlayType::Rush, home).clock(9, 0).from(75).to(85));
    game.plays.push_back(Play(PlayType::Rush, home).clock(8, 0).from(85).to(100).score(ScoreType::Touchdown));
    return game;
}

TEST_F(SummaryPrintoutTest, DriveSummaryContinuesItsDriveOnPageTwo)
{
    const Game game = longDriveGame();
    DriveSummaryPrintout out("Drive Summary", game, LeagueOptions{});
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 2);

    std::vector<std::string> expected;
    for (const DriveLine &line : scanDrives(game, LeagueOptions{}, DriveBreaks::Export))
        expected.push_back(driveLineText(line));
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kLinesPerPage + 1));

    const std::vector<std::string> first = linesOn(surface, 1);
    const std::vector<std::string> second = linesOn(surface, 2);
    EXPECT_EQ(first, std::vector<std::string>(expected.begin(), expected.begin() + kLinesPerPage));
    EXPECT_EQ(first.back(), "Home: 1 Plays, 0 Yards, Duration: 4:00, Result: Missed FG at 10:00 of 1st Quarter");
    // The header and the grid again, and the drive keeps the missed kick's play.
    EXPECT_EQ(surface.textsOn(2)[0].text, "Page 2");
    EXPECT_EQ(gridOn(surface, 2), gridOn(surface, 1));
    EXPECT_EQ(second,
              (std::vector<std::string>{"Home: 4 Plays, 30 Yards, Duration: 6:00, Result: TD at 8:00 of 1st Quarter"}));
}

TEST_F(SummaryPrintoutTest, ScoringSummaryListsScoresAndTries)
{
    const Game game = gameOf({
        Play(PlayType::Rush, kHome).clock(12, 0).from(60).to(100).score(ScoreType::Touchdown).player(1, "Runner"),
        Play(PlayType::TryByRush, kHome).from(97).to(96),
        Play(PlayType::Rush, kVisitor).quarter(4).from(20).to(100).score(ScoreType::Touchdown).player(1, "Back"),
    });
    ScoringSummaryPrintout out("Scoring Summary", game, LeagueOptions{});
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 1);
    std::vector<std::string> expected;
    for (const ScoringLine &line : scoringLines(game, LeagueOptions{}))
        expected.push_back(scoringLineText(line));
    ASSERT_EQ(expected.size(), 3U);
    EXPECT_EQ(linesOn(surface, 1), expected);
    EXPECT_EQ(expected[0].rfind("Home: 1 Plays, 40 Yards, at 12:0", 0), 0U) << expected[0];
    EXPECT_EQ(expected[2].rfind("Visitor: 1 Plays, 80 Yards, in ", 0), 0U) << expected[2];
}

TEST_F(SummaryPrintoutTest, PagesEndBeforeThePlayAfterAFullPage)
{
    // 53 scoring lines fill page 1; the plays after them yield nothing, but
    // they are still to be examined, so page 2 shows only header and grid.
    Game game = gameOf({});
    for (int i = 0; i < kLinesPerPage; ++i)
        game.plays.push_back(Play(PlayType::Rush, i % 2 == 0).from(99).to(100).score(ScoreType::Touchdown));
    game.plays.push_back(Play(PlayType::Rush, kHome).from(20).to(25));
    ScoringSummaryPrintout out("Scoring Summary", game, LeagueOptions{});
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 2);
    EXPECT_EQ(linesOn(surface, 1).size(), static_cast<std::size_t>(kLinesPerPage));
    EXPECT_TRUE(linesOn(surface, 2).empty());
    EXPECT_EQ(surface.bodyOn(2).size(), 21U);
}

} // namespace
} // namespace yardmark
