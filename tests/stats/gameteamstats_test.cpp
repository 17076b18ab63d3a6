#include "stats/gameteamstats.h"

#include "stats/drivesummary.h"

#include "playlist.h"
#include "support/sides.h"

#include <gtest/gtest.h>

#include <limits>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

/// One quarter of plays that touches every counting rule.
Game countingGame()
{
    using FR = FumbleRecovery;
    return gameOf({
        Play(PlayType::KickOff, kVisitor).from(35).received(95).to(70).kick(KickResult::Runback),
        Play(PlayType::Rush, kHome).from(30).to(34),
        Play(PlayType::Pass, kHome).down(1).from(34).to(43).pass(PassResult::Completion).firstDown(),
        Play(PlayType::Pass, kHome).from(43).to(36).pass(PassResult::Sack),
        Play(PlayType::Pass, kHome).down(1).from(36).to(36).pass(PassResult::Incompletion),
        Play(PlayType::Rush, kHome).down(2).from(37).to(45).firstDown(),
        Play(PlayType::Pass, kHome).from(45).to(45).pass(PassResult::NoPass),
        Play(PlayType::Pass, kHome).down(1).from(45).to(45).pass(PassResult::Incompletion),
        Play(PlayType::Rush, kHome).down(2).from(45).to(47),
        Play(PlayType::Rush, kHome).down(3).from(47).to(50).firstDown(),
        Play(PlayType::DefensivePenalty, kHome).from(50).to(55).firstDown(FirstDownKind::ByPenalty),
        Play(PlayType::OffensivePenalty, kHome).from(55).to(45),
        Play(PlayType::Pass, kHome)
            .down(2)
            .from(45)
            .to(100)
            .pass(PassResult::Completion)
            .firstDown()
            .score(ScoreType::Touchdown),
        Play(PlayType::ExtraPoint, kHome).from(97).kick(KickResult::FieldGoalGood).score(ScoreType::ExtraPoint),
        Play(PlayType::KickOff, kHome).from(35).received(95).to(75).kick(KickResult::Runback),
        Play(PlayType::Rush, kVisitor).from(25).to(20).fumbles(FR::ByDefense).turnover(TurnoverKind::Fumble),
        Play(PlayType::Rush, kHome)
            .from(80)
            .to(81)
            .fumbles(FR::ByOffense, FR::ByDefense)
            .turnover(TurnoverKind::Fumble),
        Play(PlayType::Rush, kVisitor).down(3).from(19).to(19).turnover(TurnoverKind::OnDowns),
        Play(PlayType::FieldGoal, kHome).from(81).kick(KickResult::FieldGoalGood).score(ScoreType::FieldGoal),
        Play(PlayType::Punt, kVisitor).from(20).received(60).to(50).kick(KickResult::Runback),
        Play(PlayType::Punt, kVisitor).from(20).received(18).to(18).kick(KickResult::BlockedPunt),
        Play(PlayType::OnsideKick, kVisitor).from(35).received(45).to(45).kick(KickResult::Runback),
    });
}

TEST(GameTeamStatsTest, OwnPlaysOfTheTeamWithTheBall)
{
    const GameTeamStats s = computeGameTeamStats(countingGame(), kHome, 0, 3, {});
    EXPECT_EQ(s.totalPoints, 10);
    EXPECT_EQ(s.firstDowns, 5);
    EXPECT_EQ(s.firstDownsRush, 2);
    EXPECT_EQ(s.firstDownsPass, 2);
    EXPECT_EQ(s.firstDownsPenalty, 1); // the defence's penalty gave it
    EXPECT_EQ(s.thirdDownsMade, 2);
    EXPECT_EQ(s.thirdDownsAttempted, 3);
    EXPECT_FLOAT_EQ(s.thirdDownEfficiency, 200.0F / 3.0F);
    EXPECT_EQ(s.fourthDownsMade, 1);
    EXPECT_EQ(s.fourthDownsAttempted, 1);
    EXPECT_FLOAT_EQ(s.fourthDownEfficiency, 100.0F);
    EXPECT_EQ(s.rushingAttempts, 5);
    EXPECT_EQ(s.rushingYards, 18);
    EXPECT_EQ(s.passAttempts, 4); // neither the sack nor the play recorded as no pass
    EXPECT_EQ(s.passCompletions, 2);
    EXPECT_EQ(s.passingYards, 64);
    EXPECT_EQ(s.totalPlays, 11); // the sack and the no-pass play count as plays
    EXPECT_EQ(s.totalYards, 82); // without the sack's loss
    EXPECT_FLOAT_EQ(s.yardsPerPass, 16.0F);
    EXPECT_EQ(s.kickoffReturns, 1);
    EXPECT_EQ(s.kickoffReturnYards, 25);
    EXPECT_EQ(s.puntReturns, 1);
    EXPECT_EQ(s.puntReturnYards, 10);
    EXPECT_EQ(s.fumbles, 2);
    EXPECT_EQ(s.fumblesLost, 1);
    EXPECT_EQ(s.turnovers, 1);
    EXPECT_EQ(s.penalties, 1);
    EXPECT_EQ(s.penaltyYards, 10); // the yards lost count as positive
    EXPECT_EQ(s.sacks, 0);
    EXPECT_EQ(s.touchdowns, 1);
    EXPECT_EQ(s.passingTouchdowns, 1);
    EXPECT_EQ(s.rushingTouchdowns, 0);
    EXPECT_EQ(s.fieldGoalsAttempted, 1);
    EXPECT_EQ(s.fieldGoalsMade, 1);
}

TEST(GameTeamStatsTest, OpponentsPlaysCreditTheDefence)
{
    const GameTeamStats s = computeGameTeamStats(countingGame(), kVisitor, 0, 3, {});
    EXPECT_EQ(s.totalPoints, 0);
    EXPECT_EQ(s.sacks, 1);
    EXPECT_EQ(s.sackYards, 7);
    EXPECT_EQ(s.penalties, 1);
    EXPECT_EQ(s.penaltyYards, 5); // the home team's gain from the penalty
    EXPECT_EQ(s.kickoffReturns, 1);
    EXPECT_EQ(s.kickoffReturnYards, 20);
    EXPECT_EQ(s.rushingAttempts, 2);
    EXPECT_EQ(s.rushingYards, -5);
    EXPECT_EQ(s.fumbles, 1);
    EXPECT_EQ(s.fumblesLost, 1);
    EXPECT_EQ(s.turnovers, 2); // a turnover on downs counts
    EXPECT_EQ(s.fourthDownsAttempted, 1);
    EXPECT_EQ(s.fourthDownsMade, 0);
    EXPECT_EQ(s.punts, 2);
    EXPECT_EQ(s.puntsBlocked, 1);
    EXPECT_EQ(s.puntYards, 40);
    EXPECT_FLOAT_EQ(s.yardsPerPunt, 20.0F); // the blocked punt divides too
    EXPECT_EQ(s.puntReturns, 0);            // an onside kick is no return
}

TEST(GameTeamStatsTest, FumblesAndHowManyWereLost)
{
    using FR = FumbleRecovery;
    struct Case {
        FR f1, f2, f3;
        int fumbles, lost;
    } cases[] = {
        {FR::NoFumble, FR::NoFumble, FR::NoFumble, 0, 0},    {FR::ByOffense, FR::NoFumble, FR::NoFumble, 1, 0},
        {FR::ByDefense, FR::NoFumble, FR::NoFumble, 1, 1},   {FR::ByOffense, FR::ByDefense, FR::NoFumble, 2, 1},
        {FR::ByOffense, FR::ByOffense, FR::ByDefense, 2, 1}, {FR::ByOffense, FR::ByOffense, FR::NoFumble, 1, 0},
        {FR::ByDefense, FR::ByOffense, FR::ByDefense, 2, 2}, {FR::ByDefense, FR::ByDefense, FR::NoFumble, 1, 1},
    };
    for (const Case &c : cases) {
        const Game game = gameOf({Play(PlayType::Punt, kHome).fumbles(c.f1, c.f2, c.f3)});
        const GameTeamStats s = computeGameTeamStats(game, kHome, 0, 3, {});
        EXPECT_EQ(s.fumbles, c.fumbles) << code(c.f1) << code(c.f2) << code(c.f3);
        EXPECT_EQ(s.fumblesLost, c.lost) << code(c.f1) << code(c.f2) << code(c.f3);
    }
}

TEST(GameTeamStatsTest, NothingInTheRangeGivesTheFreshRecord)
{
    EXPECT_EQ(computeGameTeamStats(gameOf({}), kHome, 0, 3, {}), initGameTeamStats());
    // The game's only play scored, but not in the chosen quarter.
    const Game game = gameOf({Play(PlayType::Rush, kHome).quarter(0).clock(9, 0).score(ScoreType::Touchdown)});
    for (int quarter : {1, 2, 3}) {
        const GameTeamStats s = computeGameTeamStats(game, kHome, quarter, quarter, {});
        EXPECT_EQ(s, initGameTeamStats()) << quarter;
        EXPECT_EQ(s.possessionText, "0:00");
    }
}

TEST(GameTeamStatsTest, APeriodWithOnePlayIsNotEmpty)
{
    // A fourth quarter opened by a 70-yard touchdown run, the last play recorded.
    const Game game = gameOf({
        Play(PlayType::Rush, kVisitor).quarter(2).clock(1, 0).from(20).to(25),
        Play(PlayType::Rush, kHome).quarter(3).clock(14, 40).from(30).to(100).score(ScoreType::Touchdown),
    });
    const GameTeamStats home = computeGameTeamStats(game, kHome, 3, 3, {});
    EXPECT_EQ(home.totalPoints, 6);
    EXPECT_EQ(home.rushingYards, 70);
    EXPECT_EQ(home.rushingTouchdowns, 1);
    // The only play of the game, scoring in the first quarter.
    const Game single =
        gameOf({Play(PlayType::Pass, kHome).pass(PassResult::Completion).from(40).to(100).score(ScoreType::Touchdown)});
    EXPECT_EQ(computeGameTeamStats(single, kHome, 0, 3, {}).totalPoints, 6);
    EXPECT_EQ(computeGameTeamStats(single, kHome, 0, 3, {}).possessionText, "0:00");
}

TEST(GameTeamStatsTest, OvertimeCountsInTheWholeGameButNotInPossession)
{
    const Game game = gameOf({
        Play(PlayType::Rush, kHome).quarter(0).clock(15, 0).from(20).to(30),
        Play(PlayType::Rush, kVisitor).quarter(3).clock(0, 30).from(20).to(30),
        Play(PlayType::Rush, kHome).quarter(4).clock(9, 0).from(75).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, kVisitor).quarter(5).clock(9, 0).from(75).to(100).score(ScoreType::Touchdown),
        Play(PlayType::Rush, kHome).quarter(6).clock(9, 0).from(75).to(100).score(ScoreType::Touchdown),
    });
    const GameTeamStats home = computeGameTeamStats(game, kHome, 0, 6, {});
    EXPECT_EQ(home.totalPoints, 12); // each overtime score once
    EXPECT_EQ(home.rushingAttempts, 3);
    EXPECT_EQ(home.rushingYards, 60);
    // The count stops at the first overtime play: the home team is credited
    // from the last regulation play to the end of the fourth quarter.
    EXPECT_EQ(home.possessionText, "0:30");
    const GameTeamStats visitor = computeGameTeamStats(game, kVisitor, 0, 6, {});
    EXPECT_EQ(visitor.totalPoints, 6);
    EXPECT_EQ(visitor.possessionText, "59:30");
    // Regulation alone leaves overtime out.
    EXPECT_EQ(computeGameTeamStats(game, kHome, 0, 3, {}).totalPoints, 0);
}

struct PossessionCase {
    const char *name;
    Game game;
    const char *home;
    const char *visitor;
};

TEST(GameTeamStatsTest, TimeOfPossession)
{
    const PossessionCase cases[] = {
        {"a change of possession and a quarter held into",
         gameOf({
             Play(PlayType::KickOff, kHome).quarter(0).clock(15, 0),
             Play(PlayType::Rush, kVisitor).quarter(0).clock(14, 30),
             Play(PlayType::Rush, kVisitor).quarter(0).clock(10, 5),
             Play(PlayType::Rush, kHome).quarter(0).clock(9, 50),
             Play(PlayType::Rush, kHome).quarter(1).clock(14, 0),
             Play(PlayType::Rush, kHome).quarter(1).clock(2, 0),
         }),
         // The team with the ball at the last play runs to the end of that play's quarter.
         "25:05", "4:55"},
        {"sixty-second clock entries carry into minutes",
         gameOf({
             Play(PlayType::KickOff, kHome).quarter(0).clock(15, 0),
             Play(PlayType::Rush, kVisitor).quarter(0).clock(14, 60),
             Play(PlayType::Rush, kVisitor).quarter(0).clock(10, 60),
             Play(PlayType::Rush, kHome).quarter(0).clock(9, 60),
             Play(PlayType::Rush, kHome).quarter(1).clock(14, 60),
             Play(PlayType::Rush, kHome).quarter(1).clock(2, 0),
         }),
         "26:00", "4:00"},
        {"a clock that runs backwards gives no time, never a negative one",
         gameOf({
             Play(PlayType::KickOff, kHome).quarter(0).clock(15, 0),
             Play(PlayType::Rush, kVisitor).quarter(0).clock(15, 30),
             Play(PlayType::Rush, kHome).quarter(0).clock(15, 50),
         }),
         "15:30", "0:00"},
        {"the team that holds the ball into the next quarter runs to the end of each quarter",
         gameOf({
             Play(PlayType::Rush, kHome).quarter(0).clock(15, 0),
             Play(PlayType::Rush, kHome).quarter(0).clock(12, 0),
             Play(PlayType::Rush, kVisitor).quarter(1).clock(5, 7),
             Play(PlayType::Rush, kVisitor).quarter(1).clock(1, 0),
             Play(PlayType::KickOff, kVisitor).quarter(2).clock(15, 0),
             Play(PlayType::Rush, kHome).quarter(2).clock(14, 0),
         }),
         "3:00", "27:00"},
    };
    for (const PossessionCase &c : cases) {
        EXPECT_EQ(computeGameTeamStats(c.game, kHome, 0, 1, {}).possessionText, c.home) << c.name;
        EXPECT_EQ(computeGameTeamStats(c.game, kVisitor, 0, 1, {}).possessionText, c.visitor) << c.name;
    }
}

TEST(GameTeamStatsTest, FinishDerivesAveragesOnlyOverSomething)
{
    GameTeamStats s = initGameTeamStats();
    s.rushingYards = 7;
    s.rushingAttempts = 2;
    s.puntReturnYards = 30; // no returns: the average stays 0
    s.possessionMinutes = 3;
    s.possessionSeconds = 125;
    finishGameTeamStats(s);
    EXPECT_FLOAT_EQ(s.yardsPerRush, 3.5F);
    EXPECT_FLOAT_EQ(s.yardsPerPuntReturn, 0.0F);
    EXPECT_EQ(s.possessionMinutes, 5);
    EXPECT_EQ(s.possessionSeconds, 5);
    EXPECT_EQ(s.possessionText, "5:05");

    GameTeamStats total = initGameTeamStats();
    GameTeamStats game = initGameTeamStats();
    game.possessionMinutes = 29;
    game.possessionSeconds = 45;
    game.touchdowns = 2;
    addGameTeamStats(total, game);
    addGameTeamStats(total, game);
    finishGameTeamStats(total);
    EXPECT_EQ(total.touchdowns, 4);
    EXPECT_EQ(total.possessionText, "59:30");
}

TEST(GameTeamStatsTest, DamagedSpotsHoldTheSumsAtTheirLimits)
{
    constexpr std::int32_t kHuge = std::numeric_limits<std::int32_t>::max();
    PlayRecord far = Play(PlayType::Rush, kHome);
    far.finalSpot = {kHuge, true};
    PlayRecord back = Play(PlayType::Pass, kHome).pass(PassResult::Sack);
    back.finalSpot = {-kHuge, true};
    const Game game = gameOf({far, far, far, back, back, back});
    const GameTeamStats home = computeGameTeamStats(game, kHome, 0, 3, {});
    EXPECT_EQ(home.rushingYards, kHuge);
    EXPECT_EQ(home.rushingAttempts, 3);
    const GameTeamStats visitor = computeGameTeamStats(game, kVisitor, 0, 3, {});
    EXPECT_EQ(visitor.sacks, 3);
    EXPECT_GT(visitor.sackYards, 0);
    GameTeamStats total = home;
    addGameTeamStats(total, home);
    EXPECT_EQ(total.rushingYards, kHuge);
    EXPECT_EQ(scanDrives(game, {}).size(), 1U);
}

} // namespace
} // namespace yardmark
