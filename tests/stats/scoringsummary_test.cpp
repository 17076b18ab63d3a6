#include "stats/scoringsummary.h"

#include "playlist.h"

#include "reports/html.h"
#include "support/sides.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

const DateTime kScoringWritten{2026, 9, 5, 18, 2, 3};

Game scoringGame()
{
    return gameOf({
        /* 0 */ Play(PlayType::KickOff, kHome).clock(15, 0).from(35).received(95).to(80).kick(KickResult::Runback),
        /* 1 */ Play(PlayType::Rush, kVisitor).clock(14, 30).from(20).to(25),
        /* 2 */
        Play(PlayType::Pass, kVisitor)
            .clock(14, 0)
            .from(25)
            .to(0)
            .pass(PassResult::Interception)
            .turnover(TurnoverKind::Interception)
            .score(ScoreType::DefensiveTouchdown)
            .player(0, "Vqb")
            .player(3, "Hdb"),
        /* 3 */
        Play(PlayType::ExtraPoint, kHome).kick(KickResult::FieldGoalGood).score(ScoreType::ExtraPoint).player(0, "Hk"),
        /* 4 */ Play(PlayType::KickOff, kHome).clock(14, 0).from(35).kick(KickResult::Touchback),
        /* 5 */ Play(PlayType::Rush, kVisitor).clock(13, 40).from(25).to(30),
        /* 6 */
        Play(PlayType::Pass, kVisitor)
            .clock(13, 0)
            .from(30)
            .to(100)
            .pass(PassResult::Completion)
            .score(ScoreType::Touchdown)
            .player(0, "Vqb")
            .player(1, "Vwr"),
        /* 7 */ Play(PlayType::TryByPass, kVisitor),
        /* 8 */ Play(PlayType::KickOff, kVisitor).quarter(1).clock(12, 50).from(35).to(35),
        /* 9 */ Play(PlayType::Rush, kHome).quarter(1).from(30).to(60),
        /* 10 */
        Play(PlayType::FieldGoal, kHome)
            .quarter(1)
            .from(60)
            .to(60)
            .kick(KickResult::FieldGoalGood)
            .score(ScoreType::FieldGoal)
            .player(0, "Hk"),
        /* 11 */ Play(PlayType::Rush, kVisitor).quarter(1).clock(3, 5).from(20).to(30),
        /* 12 */ Play(PlayType::Rush, kVisitor).quarter(2).clock(15, 0).from(30).to(40),
        /* 13 */
        Play(PlayType::Rush, kVisitor)
            .quarter(2)
            .clock(9, 8)
            .from(40)
            .to(100)
            .score(ScoreType::Touchdown)
            .player(1, "Vrb"),
        /* 14 */ Play(PlayType::TryByRush, kVisitor).quarter(2).score(ScoreType::Conversion),
        /* 15 */
        Play(PlayType::Rush, kHome).quarter(4).from(75).to(100).score(ScoreType::Touchdown).player(1, "Hrb"),
    });
}

TEST(ScoringSummaryTest, WindowLines)
{
    std::vector<std::string> lines;
    for (const ScoringLine &line : scoringLines(scoringGame(), {}))
        lines.push_back(scoringLineText(line));
    const std::vector<std::string> expected{
        // The returned interception is the defence's own one-play line.
        "Home: 1 Plays, 25 Yards, at 14:00 1st Q, V, 1st D, Vqb intercepted by Hdb, TD",
        "Home: 1st Q, H, Hk makes extra point",
        "Visitor: 2 Plays, 75 Yards, at 13:00 1st Q, V, 1st D, Vqb passes to Vwr for 70, TD",
        // A failed try is listed too.
        "Visitor: 1st Q, V, Visitor PAT pass attempt no good",
        // The field goal play itself counts; its clock comes from the next play that has one.
        "Home: 2 Plays, 30 Yards, at 3:05 2nd Q, H, 1st D, Hk makes 57 yard field goal",
        // Neither the score nor the half restarts the count: only the change of possession.
        "Visitor: 3 Plays, 80 Yards, at 9:08 3rd Q, V, 1st D, Vrb rushes for 60 for a TD",
        "Visitor: 3rd Q, V, Visitor PAT rush attempt good",
        "Home: 1 Plays, 25 Yards, in OT1, H, 1st D, Hrb rushes for 25 for a TD",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(scoringLines(gameOf({}), {}).empty());
}

std::string scoringExport(const Game &game, bool html, bool appending, const HtmlOptions &options = {})
{
    std::ostringstream out;
    writeScoringSummary(out, game, {}, html, appending, options, kScoringWritten);
    return out.str();
}

TEST(ScoringSummaryTest, CsvKeepsEachNarrationInOneField)
{
    const Game game = scoringGame();
    const std::string expected =
        "Team, Plays, Yards, Description\n"
        "Home: 1 Plays,25 Yards,\"at 14:00 1st Q, V, 1st D, Vqb intercepted by Hdb, TD\"\n"
        "Home: n/a, n/a,\" 1st Q, H, Hk makes extra point\"\n"
        "Visitor: 2 Plays,75 Yards,\"at 13:00 1st Q, V, 1st D, Vqb passes to Vwr for 70, TD\"\n"
        "Visitor: n/a, n/a,\" 1st Q, V, Visitor PAT pass attempt no good\"\n"
        "Home: 2 Plays,30 Yards,\"at 3:05 2nd Q, H, 1st D, Hk makes 57 yard field goal\"\n"
        "Visitor: 3 Plays,80 Yards,\"at 9:08 3rd Q, V, 1st D, Vrb rushes for 60 for a TD\"\n"
        "Visitor: n/a, n/a,\" 3rd Q, V, Visitor PAT rush attempt good\"\n"
        "Home: 1 Plays,25 Yards,\"in OT1, H, 1st D, Hrb rushes for 25 for a TD\"\n";
    EXPECT_EQ(scoringExport(game, false, false), expected);
    // Appending writes the header again; the line feed between the parts is the export's.
    EXPECT_EQ(scoringExport(game, false, true), expected);
}

TEST(ScoringSummaryTest, HtmlRowsMarkTheTeam)
{
    Game game = gameOf({
        Play(PlayType::Rush, kHome).clock(2, 0).from(90).to(100).score(ScoreType::Touchdown).player(1, "O'Neil"),
        Play(PlayType::ExtraPoint, kHome).player(0, "Kick"),
    });
    game.info.homeTeamName = "Bears & Cubs";
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    std::ostringstream footer;
    writeFooter(footer, kScoringWritten);
    const std::string table =
        "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n"
        "\n\t<tr bgcolor=F9FAD6>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Team</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Plays</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Yards</font></b></td>"
        "\n\t\t<td align=center><b><font color=000000 size=3>Description</font></b></td></tr>\n"
        "\n\t<tr bgcolor=FFFFFF>"
        "\n\t\t<td align=center><font color=000000 size=3>Bears &amp; Cubs</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>1</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>10</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>at 2:00 1st Q, H, 1st D, O'Neil rushes for 10 for a "
        "TD</font></td>"
        "\n\t\t</tr>\n"
        "\n\t<tr bgcolor=FFFFFF>"
        "\n\t\t<td align=center><font color=000000 size=3>Bears &amp; Cubs</font></td>"
        "\n\t\t<td align=center><font color=000000 size=3> n/a </font></td>"
        "\n\t\t<td align=center><font color=000000 size=3> n/a </font></td>"
        "\n\t\t<td align=center><font color=000000 size=3>1st Q, H, Kick extra point is no good</font></td>"
        "\n\t\t</tr>\n" +
        footer.str();
    EXPECT_EQ(scoringExport(game, true, false, options),
              "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
              "charset=windows-1252\"><TITLE>Quillet Football Yardmark Scoring Summary</TITLE></HEAD><BODY>" +
                  table);
    EXPECT_EQ(scoringExport(game, true, true, options), table);
}

} // namespace
} // namespace yardmark
