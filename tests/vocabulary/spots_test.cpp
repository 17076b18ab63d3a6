#include "vocabulary/spots.h"

#include <gtest/gtest.h>

#include <climits>

namespace yardmark {
namespace {

constexpr bool H = true;  // home side / home team
constexpr bool V = false; // visitor side / visitor team

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
        {spot(0, H), H, false, 0},   {spot(0, H), V, false, 100}, {spot(0, V), V, false, 0},
        {spot(0, V), H, false, 100}, {spot(20, H), H, false, 20}, {spot(20, H), V, false, 80},
        {spot(35, V), H, false, 65}, {spot(35, V), V, false, 35}, {spot(50, H), H, false, 50},
        {spot(50, V), H, false, 50}, {spot(50, H), V, false, 50}, {spot(50, V), V, false, 50},
        {spot(0, V), H, true, 50},   {spot(10, V), H, true, 40},  {spot(10, H), H, true, 10},
        {spot(25, H), V, true, 25},  {spot(25, V), V, true, 25},  {spot(25, V), H, true, 25},
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
        {"rush loss in own half", H, spot(20, H), spot(20, H), spot(15, H), false, -5, 5, 0, 97},
        {"no gain", H, spot(20, H), spot(20, H), spot(20, H), false, 0, 0, 0, 97},
        {"gain across midfield", H, spot(45, H), spot(45, H), spot(40, V), false, 15, -15, 0, 72},
        {"visitor gain across midfield", V, spot(45, V), spot(45, V), spot(40, H), false, 15, -15, 0, 72},
        {"midfield written as the home 50", H, spot(50, H), spot(50, H), spot(40, V), false, 10, -10, 0, 67},
        {"midfield written as the visitor 50", H, spot(50, V), spot(50, V), spot(40, V), false, 10, -10, 0, 67},
        {"to the goal line", V, spot(10, H), spot(10, H), spot(0, H), false, 10, -10, 0, 27},
        {"from the goal line", H, spot(0, H), spot(0, H), spot(3, H), false, 3, -3, 0, 117},
        {"goal line to goal line", H, spot(0, H), spot(0, H), spot(0, V), false, 100, -100, 0, 117},
        {"punt returned 10", H, spot(30, H), spot(25, V), spot(35, V), false, 35, 10, 45, 87},
        {"punt returned back past midfield", V, spot(20, V), spot(30, H), spot(45, V), false, 25, 25, 50, 97},
        {"punt into the end zone", H, spot(40, V), spot(0, V), spot(20, V), false, 20, 20, 40, 57},
        {"field goal from the 20", H, spot(20, V), spot(20, V), spot(20, V), false, 0, 0, 0, 37},
        {"field goal from the 2", V, spot(2, H), spot(2, H), spot(2, H), false, 0, 0, 0, 19},
        {"field goal from midfield", H, spot(50, H), spot(50, H), spot(50, H), false, 0, 0, 0, 67},
        {"indoor field goal from the 10", H, spot(10, V), spot(10, V), spot(10, V), true, 0, 0, 0, 25},
        {"indoor field goal from midfield", V, spot(25, H), spot(25, H), spot(25, H), true, 0, 0, 0, 40},
        {"indoor gain across midfield", H, spot(20, H), spot(20, H), spot(15, V), true, 15, -15, 0, 45},
        {"indoor kick to the goal line", V, spot(15, V), spot(0, H), spot(12, H), true, 23, 12, 35, 50},
        {"indoor goal line to goal line", V, spot(0, V), spot(0, V), spot(0, H), true, 50, -50, 0, 65},
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
        {spot(45, H), H, 10, false, spot(45, V)}, // across midfield
        {spot(5, V), H, 10, false, spot(0, V)},   // stops at the goal line attacked
        {spot(3, H), H, -5, false, spot(0, H)},   // pushed back behind its own goal line
        {spot(20, H), H, 5, false, spot(25, H)},        {spot(20, H), H, -5, false, spot(15, H)},
        {spot(20, V), H, 5, false, spot(15, V)},        {spot(20, V), H, -5, false, spot(25, V)},
        {spot(20, V), V, 5, false, spot(25, V)},        {spot(20, H), V, 5, false, spot(15, H)},
        {spot(40, V), H, -15, false, spot(45, H)}, // back across midfield
        {spot(40, V), V, 10, false, spot(50, V)},  // reaching midfield keeps the side
        {spot(40, H), V, 10, false, spot(30, H)},       {spot(50, H), H, 10, false, spot(40, V)},
        {spot(50, V), H, 10, false, spot(40, V)},       {spot(50, H), H, -10, false, spot(40, H)},
        {spot(50, V), H, -10, false, spot(40, H)},      {spot(50, V), H, 0, false, spot(50, V)},
        {spot(0, H), H, 100, false, spot(0, V)},        {spot(0, H), H, 130, false, spot(0, V)},
        {spot(10, V), H, -150, false, spot(0, H)},      {spot(20, H), H, 5, true, spot(25, H)},
        {spot(20, H), H, 10, true, spot(20, V)},        {spot(20, H), H, 8, true, spot(22, V)},
        {spot(5, V), V, -10, true, spot(0, V)},         {spot(10, V), H, 12, true, spot(0, V)},
        {spot(24, V), H, -3, true, spot(23, H)},        {spot(10, H), H, INT32_MAX, false, spot(0, V)},
        {spot(10, H), H, INT32_MIN, false, spot(0, H)},
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
    for (const bool offense : {H, V}) {
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
    play.initialSpot = spot(INT32_MAX, V);
    play.finalSpot = spot(INT32_MAX, H);
    play.receivedAt = spot(INT32_MIN, V);
    EXPECT_EQ(distanceFromOwnGoal(spot(INT32_MIN, V), H, outdoor()), INT32_MAX);
    EXPECT_EQ(distanceFromOwnGoal(spot(INT32_MAX, V), H, outdoor()), 100 - INT32_MAX);
    EXPECT_EQ(netGain(play, outdoor()), INT32_MAX);
    EXPECT_EQ(kickDistance(play, outdoor()), INT32_MAX);
    EXPECT_EQ(returnYards(play, outdoor()), 101);
    EXPECT_EQ(fieldGoalDistance(play, outdoor()), INT32_MAX);
    play.homeHasBall = false;
    EXPECT_EQ(netGain(play, outdoor()), INT32_MIN);
    EXPECT_EQ(advanceSpot(spot(INT32_MAX, H), H, INT32_MAX, outdoor()), spot(0, V));
}

} // namespace
} // namespace yardmark
