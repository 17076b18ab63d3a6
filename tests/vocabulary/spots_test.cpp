#include "vocabulary/spots.h"

#include <gtest/gtest.h>

#include <climits>

namespace yardmark {
namespace {

constexpr bool kH = true;  // home side / home team
constexpr bool kV = false; // visitor side / visitor team

LeagueOptions outdoor()
{
    return LeagueOptions{};
}

LeagueOptions indoor()
{
    LeagueOptions league;
    league.indoorField = true;
    league.midfieldYardLine = 25;
    return league;
}

FieldSpot spot(std::int32_t yardLine, bool homeSide)
{
    return FieldSpot{yardLine, homeSide};
}

struct DistanceCase {
    FieldSpot spot;
    bool homeTeam;
    bool indoorField;
    std::int32_t expected;
};

TEST(SpotsTest, DistanceFromOwnGoal)
{
    const DistanceCase cases[] = {
        {spot(0, kH), kH, false, 0},   {spot(0, kH), kV, false, 100}, {spot(0, kV), kV, false, 0},
        {spot(0, kV), kH, false, 100}, {spot(20, kH), kH, false, 20}, {spot(20, kH), kV, false, 80},
        {spot(35, kV), kH, false, 65}, {spot(35, kV), kV, false, 35}, {spot(50, kH), kH, false, 50},
        {spot(50, kV), kH, false, 50}, {spot(50, kH), kV, false, 50}, {spot(50, kV), kV, false, 50},
        {spot(0, kV), kH, true, 50},   {spot(10, kV), kH, true, 40},  {spot(10, kH), kH, true, 10},
        {spot(25, kH), kV, true, 25},  {spot(25, kV), kV, true, 25},  {spot(25, kV), kH, true, 25},
    };
    for (const auto &c : cases) {
        const LeagueOptions league = c.indoorField ? indoor() : outdoor();
        EXPECT_EQ(distanceFromOwnGoal(c.spot, c.homeTeam, league), c.expected)
            << c.spot.yardLine << (c.spot.homeSide ? " home" : " visitor") << " for "
            << (c.homeTeam ? "home" : "visitor") << (c.indoorField ? " indoors" : "");
    }
}

struct PlayCase {
    const char *what;
    bool homeHasBall;
    FieldSpot initial;
    FieldSpot received;
    FieldSpot final;
    bool indoorField;
    std::int32_t gain;
    std::int32_t returned;
    std::int32_t kicked;
    std::int32_t fieldGoal;
};

TEST(SpotsTest, YardagesOfAPlay)
{
    const PlayCase cases[] = {
        // what, offense, initial, received, final, indoors, G, R, K, FG
        {"rush loss in own half", kH, spot(20, kH), spot(20, kH), spot(15, kH), false, -5, 5, 0, 97},
        {"no gain", kH, spot(20, kH), spot(20, kH), spot(20, kH), false, 0, 0, 0, 97},
        {"gain across midfield", kH, spot(45, kH), spot(45, kH), spot(40, kV), false, 15, -15, 0, 72},
        {"visitor gain across midfield", kV, spot(45, kV), spot(45, kV), spot(40, kH), false, 15, -15, 0, 72},
        {"midfield written as the home 50", kH, spot(50, kH), spot(50, kH), spot(40, kV), false, 10, -10, 0, 67},
        {"midfield written as the visitor 50", kH, spot(50, kV), spot(50, kV), spot(40, kV), false, 10, -10, 0, 67},
        {"to the goal line", kV, spot(10, kH), spot(10, kH), spot(0, kH), false, 10, -10, 0, 27},
        {"from the goal line", kH, spot(0, kH), spot(0, kH), spot(3, kH), false, 3, -3, 0, 117},
        {"goal line to goal line", kH, spot(0, kH), spot(0, kH), spot(0, kV), false, 100, -100, 0, 117},
        {"punt returned 10", kH, spot(30, kH), spot(25, kV), spot(35, kV), false, 35, 10, 45, 87},
        {"punt returned back past midfield", kV, spot(20, kV), spot(30, kH), spot(45, kV), false, 25, 25, 50, 97},
        {"punt into the end zone", kH, spot(40, kV), spot(0, kV), spot(20, kV), false, 20, 20, 40, 57},
        {"field goal from the 20", kH, spot(20, kV), spot(20, kV), spot(20, kV), false, 0, 0, 0, 37},
        {"field goal from the 2", kV, spot(2, kH), spot(2, kH), spot(2, kH), false, 0, 0, 0, 19},
        {"field goal from midfield", kH, spot(50, kH), spot(50, kH), spot(50, kH), false, 0, 0, 0, 67},
        {"indoor field goal from the 10", kH, spot(10, kV), spot(10, kV), spot(10, kV), true, 0, 0, 0, 25},
        {"indoor field goal from midfield", kV, spot(25, kH), spot(25, kH), spot(25, kH), true, 0, 0, 0, 40},
        {"indoor gain across midfield", kH, spot(20, kH), spot(20, kH), spot(15, kV), true, 15, -15, 0, 45},
        {"indoor kick to the goal line", kV, spot(15, kV), spot(0, kH), spot(12, kH), true, 23, 12, 35, 50},
        {"indoor goal line to goal line", kV, spot(0, kV), spot(0, kV), spot(0, kH), true, 50, -50, 0, 65},
    };
    for (const auto &c : cases) {
        PlayRecord play;
        play.homeHasBall = c.homeHasBall;
        play.initialSpot = c.initial;
        play.receivedAt = c.received;
        play.finalSpot = c.final;
        const LeagueOptions league = c.indoorField ? indoor() : outdoor();
        EXPECT_EQ(netGain(play, league), c.gain) << c.what;
        EXPECT_EQ(returnYards(play, league), c.returned) << c.what;
        EXPECT_EQ(kickDistance(play, league), c.kicked) << c.what;
        EXPECT_EQ(fieldGoalDistance(play, league), c.fieldGoal) << c.what;
    }
}

struct AdvanceCase {
    FieldSpot from;
    bool offenseIsHome;
    std::int32_t yards;
    bool indoorField;
    FieldSpot expected;
};

TEST(SpotsTest, AdvanceSpot)
{
    const AdvanceCase cases[] = {
        {spot(45, kH), kH, 10, false, spot(45, kV)}, // across midfield
        {spot(5, kV), kH, 10, false, spot(0, kV)},   // stops at the goal line attacked
        {spot(3, kH), kH, -5, false, spot(0, kH)},   // pushed back behind its own goal line
        {spot(20, kH), kH, 5, false, spot(25, kH)},        {spot(20, kH), kH, -5, false, spot(15, kH)},
        {spot(20, kV), kH, 5, false, spot(15, kV)},        {spot(20, kV), kH, -5, false, spot(25, kV)},
        {spot(20, kV), kV, 5, false, spot(25, kV)},        {spot(20, kH), kV, 5, false, spot(15, kH)},
        {spot(40, kV), kH, -15, false, spot(45, kH)}, // back across midfield
        {spot(40, kV), kV, 10, false, spot(50, kV)},  // reaching midfield keeps the side
        {spot(40, kH), kV, 10, false, spot(30, kH)},       {spot(50, kH), kH, 10, false, spot(40, kV)},
        {spot(50, kV), kH, 10, false, spot(40, kV)},       {spot(50, kH), kH, -10, false, spot(40, kH)},
        {spot(50, kV), kH, -10, false, spot(40, kH)},      {spot(50, kV), kH, 0, false, spot(50, kV)},
        {spot(0, kH), kH, 100, false, spot(0, kV)},        {spot(0, kH), kH, 130, false, spot(0, kV)},
        {spot(10, kV), kH, -150, false, spot(0, kH)},      {spot(20, kH), kH, 5, true, spot(25, kH)},
        {spot(20, kH), kH, 10, true, spot(20, kV)},        {spot(20, kH), kH, 8, true, spot(22, kV)},
        {spot(5, kV), kV, -10, true, spot(0, kV)},         {spot(10, kV), kH, 12, true, spot(0, kV)},
        {spot(24, kV), kH, -3, true, spot(23, kH)},        {spot(10, kH), kH, INT32_MAX, false, spot(0, kV)},
        {spot(10, kH), kH, INT32_MIN, false, spot(0, kH)},
    };
    for (const auto &c : cases) {
        const LeagueOptions league = c.indoorField ? indoor() : outdoor();
        const FieldSpot to = advanceSpot(c.from, c.offenseIsHome, c.yards, league);
        EXPECT_EQ(to, c.expected) << c.from.yardLine << (c.from.homeSide ? " home" : " visitor") << " by " << c.yards
                                  << " for " << (c.offenseIsHome ? "home" : "visitor") << " gave " << to.yardLine
                                  << (to.homeSide ? " home" : " visitor");
    }
}

TEST(SpotsTest, AdvancingByAGainThenMeasuringItGivesTheGainBack)
{
    for (const bool offense : {kH, kV}) {
        for (std::int32_t yards = -30; yards <= 30; ++yards) {
            PlayRecord play;
            play.homeHasBall = offense;
            play.initialSpot = spot(35, offense);
            play.finalSpot = advanceSpot(play.initialSpot, offense, yards, outdoor());
            EXPECT_EQ(netGain(play, outdoor()), yards) << yards;
        }
    }
}

TEST(SpotsTest, SpotsFromADamagedFileNeverOverflow)
{
    PlayRecord play;
    play.homeHasBall = true;
    play.initialSpot = spot(INT32_MAX, kV);
    play.finalSpot = spot(INT32_MAX, kH);
    play.receivedAt = spot(INT32_MIN, kV);
    EXPECT_EQ(distanceFromOwnGoal(spot(INT32_MIN, kV), kH, outdoor()), INT32_MAX);
    EXPECT_EQ(distanceFromOwnGoal(spot(INT32_MAX, kV), kH, outdoor()), 100 - INT32_MAX);
    EXPECT_EQ(netGain(play, outdoor()), INT32_MAX);
    EXPECT_EQ(kickDistance(play, outdoor()), INT32_MAX);
    EXPECT_EQ(returnYards(play, outdoor()), 101);
    EXPECT_EQ(fieldGoalDistance(play, outdoor()), INT32_MAX);
    play.homeHasBall = false;
    EXPECT_EQ(netGain(play, outdoor()), INT32_MIN);
    EXPECT_EQ(advanceSpot(spot(INT32_MAX, kH), kH, INT32_MAX, outdoor()), spot(0, kV));
}

} // namespace
} // namespace yardmark
