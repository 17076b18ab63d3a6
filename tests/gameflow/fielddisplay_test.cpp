#include "gameflow/fielddisplay.h"

#include "flowfixture.h"
#include "support/sides.h"

#include <gtest/gtest.h>

#include <climits>

namespace yardmark {
namespace {

constexpr ColorValue kBlue = colorValue(0, 0, 255);
constexpr ColorValue kRed = colorValue(255, 0, 0);
constexpr ColorValue kBlack = colorValue(0, 0, 0);
const ChartColors kColors{kBlue, kRed};

/// The middle of chart row `row` while rows are 10 units high.
double rowY(int row)
{
    return 4 + 10 * row + 5;
}

PlayRecord play(PlayType type, bool homeBall, FieldSpot from, FieldSpot to, int quarter = 0)
{
    PlayRecord p;
    p.playType = code(type);
    p.homeHasBall = homeBall;
    p.initialSpot = from;
    p.finalSpot = to;
    p.quarter = quarter;
    return p;
}

PlayRecord kick(PlayType type, bool homeBall, FieldSpot from, FieldSpot received, FieldSpot to, KickResult result)
{
    PlayRecord p = play(type, homeBall, from, to);
    p.receivedAt = received;
    p.kickResult = code(result);
    return p;
}

TEST(FieldDisplay, SpotsAreDrawnThreeUnitsPerYardFromTheLeftGoalLine)
{
    LeagueOptions outdoor;
    LeagueOptions indoor;
    indoor.indoorField = true;
    indoor.midfieldYardLine = 25;
    struct Case {
        const char *name;
        FieldSpot spot;
        bool homeOnLeft;
        const LeagueOptions &league;
        double x;
    } const cases[] = {
        {"indoor visitor 10 with the visitor on the right", {10, kVisitor}, kHome, indoor, 148},
        {"indoor home 10 with the home team on the right", {10, kHome}, kVisitor, indoor, 148},
        {"own goal line, 2 yards into the left end zone", {0, kHome}, kHome, outdoor, 26},
        {"far goal line, 2 yards into the right end zone", {0, kVisitor}, kHome, outdoor, 338},
        {"midfield from either side", {50, kVisitor}, kHome, outdoor, 182},
        {"home 20", {20, kHome}, kHome, outdoor, 92},
        {"a damaged yard line is held to midfield", {9999, kHome}, kHome, outdoor, 182},
        {"a negative yard line is the goal line", {INT_MIN, kVisitor}, kHome, outdoor, 338},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(spotX(c.spot, c.homeOnLeft, c.league), c.x) << c.name;
    EXPECT_EQ(fieldPicture(indoor).width, 203);
    EXPECT_EQ(fieldPicture(outdoor).width, 363);
}

TEST(FieldDisplay, DigitDisplays)
{
    const std::pair<int, const char *> doubles[] = {{7, "07"}, {105, "05"}, {0, "00"}, {42, "42"}, {-3, "00"}};
    for (const auto &[value, text] : doubles)
        EXPECT_EQ(doubleDigitText(value), text) << value;
    // Quarters 1 to 4, then the overtime periods from 1 again beside "Overtime".
    const std::pair<int, const char *> quarters[] = {{0, "1"}, {3, "4"}, {4, "1"}, {5, "2"}, {13, "10"}};
    for (const auto &[quarter, text] : quarters)
        EXPECT_EQ(quarterDigitText(quarter), text) << quarter;
    // Time-outs left are never renumbered: a league with 5 per half shows 5.
    EXPECT_EQ(singleDigitText(5), "5");
    EXPECT_EQ(singleDigitText(-1), "0");
}

TEST(FieldDisplay, EmptyQuarterHasTenUnitRowsAndTheBallInTheFirst)
{
    Game game;
    game.plays.push_back(play(PlayType::Rush, kHome, {20, kHome}, {25, kHome}, 0));
    const DriveChart chart = driveChart(game, 1, {25, kHome}, kHome, LeagueOptions{}, kColors);
    EXPECT_EQ(chart.rowCount, 0);
    EXPECT_DOUBLE_EQ(chart.rowHeight, 10);
    EXPECT_TRUE(chart.legs.empty());
    EXPECT_EQ(chart.markerRow, 0);
    EXPECT_DOUBLE_EQ(chart.markerY, rowY(0));
    EXPECT_DOUBLE_EQ(chart.markerX, 107);
}

TEST(FieldDisplay, QuarterOfDrivesKicksAndAnInterception)
{
    Game game;
    game.plays = {
        kick(PlayType::KickOff, kHome, {35, kHome}, {5, kVisitor}, {30, kVisitor}, KickResult::Runback),
        play(PlayType::Rush, kVisitor, {30, kVisitor}, {38, kVisitor}),
        play(PlayType::Rush, kVisitor, {38, kVisitor}, {36, kVisitor}), // a loss: the line goes a row lower
        play(PlayType::Pass, kVisitor, {36, kVisitor}, {40, kHome}),
        play(PlayType::Pass, kVisitor, {40, kHome}, {45, kHome}),
        play(PlayType::FieldGoal, kHome, {20, kVisitor}, {20, kVisitor}),
        play(PlayType::HomeTimeOut, kHome, {0, kHome}, {0, kHome}),
        play(PlayType::Rush, kHome, {20, kHome}, {30, kHome}, 1),
    };
    game.plays[3].passResult = code(PassResult::Completion);
    game.plays[4].passResult = code(PassResult::Interception);
    game.plays[4].turnover = code(TurnoverKind::Interception);
    game.plays[4].receivedAt = {25, kHome};
    game.plays[5].scoreType = code(ScoreType::FieldGoal);
    game.plays[5].kickResult = code(KickResult::FieldGoalGood);

    const DriveChart chart = driveChart(game, 0, {35, kHome}, kHome, LeagueOptions{}, kColors);
    EXPECT_EQ(chart.rowCount, 5);
    EXPECT_DOUBLE_EQ(chart.rowHeight, 10);
    const std::vector<ChartLeg> legs = {
        {0, 137, 317, rowY(0), PenKind::DashDot, kBlue}, // the kick
        {0, 317, 242, rowY(0), PenKind::Solid, kRed},    // the runback
        {1, 242, 218, rowY(1), PenKind::Solid, kRed},
        {2, 218, 224, rowY(2), PenKind::Solid, kRed},
        {2, 224, 152, rowY(2), PenKind::Dotted, kRed},
        {2, 152, 107, rowY(2), PenKind::Dotted, kRed}, // the intercepted pass
        {2, 107, 167, rowY(2), PenKind::Solid, kBlue}, // its return
        {4, 272, 272, rowY(4), PenKind::DashDot, kBlue},
    };
    EXPECT_EQ(chart.legs, legs);
    const std::vector<ChartDot> dots = {
        {0, 137, rowY(0), kBlue}, {0, 317, rowY(0), kRed},  {0, 242, rowY(0), kRed}, {1, 242, rowY(1), kRed},
        {1, 218, rowY(1), kRed},  {2, 224, rowY(2), kRed},  {2, 152, rowY(2), kRed}, {2, 107, rowY(2), kBlue},
        {2, 167, rowY(2), kBlue}, {3, 272, rowY(3), kBlue},
    };
    EXPECT_EQ(chart.dots, dots);
    const std::vector<ChartLabel> labels = {{2, 88, rowY(2), "INT"}, {4, 276, rowY(4), "FG"}};
    EXPECT_EQ(chart.labels, labels);
    EXPECT_EQ(chart.rowsUsed, 5);
    EXPECT_EQ(chart.markerRow, 4);
    EXPECT_DOUBLE_EQ(chart.markerX, 137);
    EXPECT_DOUBLE_EQ(chart.markerY, rowY(4));

    // After a kick the marker sits lower in its row; many rows share the height.
    game.plays.resize(1);
    const DriveChart afterKick = driveChart(game, 0, {30, kVisitor}, kHome, LeagueOptions{}, kColors);
    EXPECT_DOUBLE_EQ(afterKick.markerY, rowY(0) + 3);
    for (int i = 0; i < 19; ++i)
        game.plays.push_back(play(PlayType::Rush, i % 2 == 1, {30, kVisitor}, {28, kVisitor}));
    EXPECT_DOUBLE_EQ(driveChart(game, 0, {}, kHome, LeagueOptions{}, kColors).rowHeight, 103.0 / 20);
}

TEST(FieldDisplay, ScoresAndTurnoversAreLabelledBesideTheEndOfThePlay)
{
    const auto withScore = [](PlayRecord p, ScoreType score) {
        p.scoreType = code(score);
        return p;
    };
    const auto withTurnover = [](PlayRecord p, TurnoverKind kind, KickResult result = KickResult::NoKick) {
        p.turnover = code(kind);
        p.kickResult = code(result);
        return p;
    };
    const PlayRecord homeRun = play(PlayType::Rush, kHome, {20, kVisitor}, {0, kVisitor}); // ends at 338
    const PlayRecord visitorRun = play(PlayType::Rush, kVisitor, {20, kHome}, {0, kHome}); // ends at 26
    struct Case {
        const char *name;
        PlayRecord play;
        std::string text;
        double x;
    } const cases[] = {
        {"touchdown to the right", withScore(homeRun, ScoreType::Touchdown), "TD", 342},
        {"touchdown to the left", withScore(visitorRun, ScoreType::Touchdown), "TD", 7},
        {"extra point", withScore(homeRun, ScoreType::ExtraPoint), "PA", 342},
        {"conversion", withScore(homeRun, ScoreType::Conversion), "2P", 342},
        {"defensive conversion", withScore(homeRun, ScoreType::DefensiveConversion), "2P", 342},
        {"safety", withScore(visitorRun, ScoreType::Safety), "SA", 7},
        {"fumble lost", withTurnover(homeRun, TurnoverKind::Fumble), "FM", 342},
        {"turnover on downs", withTurnover(homeRun, TurnoverKind::OnDowns), "4D", 342},
        {"onside kick kept", withTurnover(homeRun, TurnoverKind::OnsideKickRecovered), "OK", 342},
        {"blocked punt", withTurnover(homeRun, TurnoverKind::BlockedKickLost, KickResult::BlockedPunt), "BP", 342},
        {"blocked field goal", withTurnover(homeRun, TurnoverKind::BlockedKickLost, KickResult::BlockedFieldGoal), "BF",
         342},
        {"a score outranks a turnover", withTurnover(withScore(homeRun, ScoreType::Touchdown), TurnoverKind::Fumble),
         "TD", 342},
    };
    for (const Case &c : cases) {
        Game game;
        game.plays.push_back(c.play);
        const DriveChart chart = driveChart(game, 0, {50, kHome}, kHome, LeagueOptions{}, kColors);
        ASSERT_EQ(chart.labels.size(), 1u) << c.name;
        EXPECT_EQ(chart.labels[0].text, c.text) << c.name;
        EXPECT_DOUBLE_EQ(chart.labels[0].x, c.x) << c.name;
    }
    Game plain;
    plain.plays.push_back(homeRun);
    EXPECT_TRUE(driveChart(plain, 0, {}, kHome, LeagueOptions{}, kColors).labels.empty());
}

// However crowded the quarter, no label covers another or the ball; each
// keeps its row and moves along it to the nearest free place.
TEST(FieldDisplay, LabelsCoverNeitherEachOtherNorTheBall)
{
    const auto scored = [](PlayRecord p, ScoreType score) {
        p.scoreType = code(score);
        return p;
    };
    PlayRecord fumbleLost = play(PlayType::Rush, kHome, {30, kHome}, {35, kHome});
    fumbleLost.turnover = code(TurnoverKind::Fumble);
    Game crowded; // twenty short drives: rows of five units, less than a label's height
    for (int i = 0; i < 18; ++i)
        crowded.plays.push_back(play(PlayType::Rush, i % 2 == 0, {20, kVisitor}, {22, kVisitor}));
    crowded.plays.push_back(scored(play(PlayType::Rush, kHome, {5, kVisitor}, {0, kVisitor}), ScoreType::Touchdown));
    crowded.plays.push_back(
        scored(play(PlayType::ExtraPoint, kHome, {3, kVisitor}, {0, kVisitor}), ScoreType::ExtraPoint));
    crowded.plays.push_back(
        scored(play(PlayType::TryByRush, kHome, {3, kVisitor}, {0, kVisitor}), ScoreType::Conversion));
    struct Case {
        const char *name;
        std::vector<PlayRecord> plays;
        FieldSpot ball;
    } const cases[] = {
        {"a touchdown and its tries in rows of five units", crowded.plays, {0, kVisitor}},
        {"a fumble lost where the ball lies", {fumbleLost}, {35, kHome}},
    };
    const auto overlap = [](const ChartBox &a, const ChartBox &b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        game.plays = c.plays;
        const DriveChart chart = driveChart(game, 0, c.ball, kHome, LeagueOptions{}, kColors);
        ASSERT_FALSE(chart.labels.empty());
        for (std::size_t i = 0; i < chart.labels.size(); ++i) {
            const ChartBox box = chartLabelBox(chart.labels[i]);
            EXPECT_FALSE(overlap(box, chartMarkerBox(chart))) << chart.labels[i].text;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(box, chartLabelBox(chart.labels[j])))
                    << chart.labels[i].text << " over " << chart.labels[j].text;
        }
    }
}

// A missed field goal flies to the goal line and comes back to where the
// defense takes over, drawn as a kick is.
TEST(FieldDisplay, AMissedFieldGoalIsDrawnAsAKick)
{
    Game game;
    game.plays = {kick(PlayType::FieldGoal, kHome, {29, kVisitor}, {}, {29, kVisitor}, KickResult::FieldGoalWideLeft)};
    const DriveChart chart = driveChart(game, 0, {29, kVisitor}, kHome, LeagueOptions{}, kColors);
    const std::vector<ChartLeg> legs = {{0, 245, 338, rowY(0), PenKind::DashDot, kBlue},
                                        {0, 338, 245, rowY(0), PenKind::DashDot, kRed}};
    EXPECT_EQ(chart.legs, legs);
    EXPECT_DOUBLE_EQ(chart.markerY, rowY(0) + 3);
}

TEST(FieldDisplay, PenaltiesAndFumblesMarkTheirSpots)
{
    Game game;
    PlayRecord penalty = play(PlayType::DefensivePenalty, kHome, {30, kHome}, {35, kHome});
    penalty.penaltySpot = {32, kHome};
    PlayRecord fumble = play(PlayType::Rush, kHome, {35, kHome}, {40, kHome});
    fumble.fumbles[0] = code(FumbleRecovery::ByOffense);
    fumble.fumbleRecoveredAt[0] = {38, kHome};
    fumble.fumbles[1] = code(FumbleRecovery::ByDefense);
    fumble.fumbleRecoveredByHome[1] = false;
    fumble.fumbleRecoveredAt[1] = {40, kHome};
    game.plays = {penalty, fumble};
    const DriveChart chart = driveChart(game, 0, {}, kHome, LeagueOptions{}, kColors);
    EXPECT_EQ(chart.legs[0].pen, PenKind::Default);
    EXPECT_EQ(chart.legs[0].color, kBlack);
    const std::vector<ChartDot> dots = {{0, 122, rowY(0), kBlue},
                                        {0, 128, rowY(0), kBlue},
                                        {0, 137, rowY(0), kBlue},
                                        {0, 146, rowY(0), kBlue},
                                        {0, 152, rowY(0), kRed}};
    EXPECT_EQ(chart.dots, dots);
}

TEST(FieldDisplay, DamagedPlaysDrawWithinThePicture)
{
    Game game;
    for (int i = 0; i < 300; ++i) {
        PlayRecord p = play(static_cast<PlayType>(i % 40 - 5), i % 3 == 0, {i * 1000, kHome}, {-i, kVisitor});
        p.fumbles = {i, -i, 7};
        p.fumbleRecoveredAt = {FieldSpot{INT_MAX, kHome}, FieldSpot{INT_MIN, kVisitor}, FieldSpot{}};
        p.scoreType = i % 12;
        p.turnover = i % 7 - 1;
        game.plays.push_back(p);
    }
    const DriveChart chart = driveChart(game, 0, {INT_MAX, kVisitor}, kVisitor, LeagueOptions{}, kColors);
    for (const ChartDot &dot : chart.dots) {
        EXPECT_GE(dot.x, 0);
        EXPECT_LE(dot.x, chart.picture.width);
        EXPECT_LE(dot.y, chart.picture.height);
    }
    EXPECT_LE(chart.markerY, chart.picture.height);
}

class ScoreboardTest : public FlowTest {};

TEST_F(ScoreboardTest, ColumnsFollowTheSides)
{
    openWithHomeKickoff();
    flow.timeOut(Column::Left);
    flow.swapSides();
    const Scoreboard board = scoreboard(flow, kColors);
    EXPECT_EQ(board.caption, "Tigers Versus Bears");
    EXPECT_FALSE(board.left.home);
    EXPECT_EQ(board.left.name, "Bears");
    EXPECT_EQ(board.left.color, kRed);
    EXPECT_EQ(board.left.teamButton, "Visitor");
    EXPECT_TRUE(board.left.hasBall); // the Bears received the kickoff
    EXPECT_EQ(board.left.timeOutsLeft, "3");
    EXPECT_EQ(board.right.name, "Tigers");
    EXPECT_EQ(board.right.timeOutsLeft, "2");
    EXPECT_FALSE(board.right.hasBall);
    EXPECT_EQ(board.quarter, "1");
    EXPECT_EQ(board.quarterLabel, "Quarter");
    EXPECT_EQ(board.ballOn, "30");
    EXPECT_EQ(board.down, "1");
    EXPECT_EQ(board.toGo, "10");
    // A screen reader says each figure by its name, the score whole.
    EXPECT_EQ(board.left.spokenScore, "Bears score 0");
    EXPECT_EQ(board.right.spokenTimeOutsLeft, "Tigers time-outs left 2");
    EXPECT_EQ(board.spokenQuarter + ", " + board.spokenDown + ", " + board.spokenBallOn + ", " + board.spokenToGo,
              "Quarter 1, Down 1, Ball on BEA 30, To go 10");
    // The chart follows the sides too: the visitor's 30 now lies left of midfield.
    EXPECT_DOUBLE_EQ(currentDriveChart(flow, kColors).markerX, 32 + 3 * 30);
}

// The scoreboard says whose half the ball is in and the last clock the
// scorer recorded; any quarter's chart is shown without changing the quarter.
TEST_F(ScoreboardTest, TheBallsSideTheLastClockAndAnEarlierQuartersChart)
{
    openWithHomeKickoff();
    Scoreboard board = scoreboard(flow, kColors);
    EXPECT_EQ(board.ballSide, "BEA") << "the Bears' own 30";
    EXPECT_EQ(board.ballSideColor, kRed);
    EXPECT_EQ(board.lastClock, "\x96");

    entries.push_back([](PlayEntryContext &c) {
        c.currentPlay().clockMinutes = 6;
        c.currentPlay().clockSeconds = 30;
        return scrimmage(PlayType::Rush, {50, true}, 1, 5)(c);
    });
    flow.recordPlay(PlayKind::Rush);
    board = scoreboard(flow, kColors);
    EXPECT_EQ(board.ballSide, "") << "midfield is nobody's";
    EXPECT_EQ(board.lastClock, "Q1 6:30");

    entries.push_back(scrimmage(PlayType::Rush, {40, true}, 2, 0));
    flow.recordPlay(PlayKind::Rush);
    EXPECT_EQ(scoreboard(flow, kColors).ballSide, "TIG");
    flow.quarterUp();
    EXPECT_EQ(chartQuarterTexts(flow), (std::vector<std::string>{"1", "2"}));
    const DriveChart first = quarterDriveChart(flow, 0, kColors);
    EXPECT_DOUBLE_EQ(first.markerX, 32 + 3 * 40) << "where the first quarter's last play ended";
    EXPECT_FALSE(first.dots.empty());
    EXPECT_TRUE(currentDriveChart(flow, kColors).dots.empty()) << "nothing played in the second yet";
    EXPECT_EQ(flow.situation().quarter, 1) << "the game's quarter is left as it is";

    Game overtime;
    overtime.plays.resize(2);
    overtime.plays[0].quarter = 4;
    overtime.plays[0].clockMinutes = 4;
    overtime.plays[0].clockSeconds = 5;
    EXPECT_EQ(lastClockText(overtime), "OT1 4:05") << "the last play has no time: the one before";
    EXPECT_EQ(teamShortName("", true), "H");
    EXPECT_EQ(teamShortName("4 Oaks", false), "4OA");
}

} // namespace
} // namespace yardmark
