#include "stats/gameset.h"
#include "stats/individualstats.h"

#include "playlist.h"
#include "tempgames.h"

#include "records/gamefile.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

/// The home team's lines for one game.
Stat homeStats(const Game &game, const LeagueOptions &options = {}, bool opponents = false)
{
    Stat stat;
    stat.teamName = "Home";
    accumulateIndividualStats(stat, game, opponents, options);
    return stat;
}

TEST(IndividualStatsTest, OnePlayerHasNoTotalsAndTwoGetTotalsThirdWithLongestAsMaximum)
{
    const Stat one = homeStats(gameOf({
        Play(PlayType::Rush, true).from(20).to(32).player(CarrierSlot, "Able"),
        Play(PlayType::Rush, true).from(32).to(35).player(CarrierSlot, "Able"),
    }));
    ASSERT_EQ(one.rushers.size(), 1U);
    EXPECT_EQ(one.rushers.lines()[0].attempts, 2);
    EXPECT_EQ(one.rushers.lines()[0].yards, 15);
    EXPECT_EQ(one.rushers.lines()[0].longest, 12);
    EXPECT_FLOAT_EQ(one.rushers.lines()[0].average, 7.5F);

    const Stat two = homeStats(gameOf({
        Play(PlayType::Rush, true).from(20).to(32).player(CarrierSlot, "Able"),
        Play(PlayType::Rush, true).from(32).to(30).player(CarrierSlot, "Baker"),
        Play(PlayType::Rush, true).from(30).to(50).player(CarrierSlot, "Baker").score(ScoreType::Touchdown),
    }));
    ASSERT_EQ(two.rushers.size(), 3U);
    const RusherLine &totals = two.rushers.lines()[2];
    EXPECT_EQ(totals.name, "TEAM TOTALS");
    EXPECT_TRUE(totals.teamTotals);
    EXPECT_EQ(totals.number, -1);
    EXPECT_EQ(totals.attempts, 3);
    EXPECT_EQ(totals.yards, 32);
    EXPECT_EQ(totals.lost, 2);
    EXPECT_EQ(totals.net, 30);
    EXPECT_EQ(totals.longest, 20);
    EXPECT_EQ(totals.touchdowns, 1);
    EXPECT_FLOAT_EQ(totals.average, 10.0F);
    EXPECT_EQ(two.rushers.lines()[1].net, 18);
}

TEST(IndividualStatsTest, LinesKeepTheFirstNumberAndIgnoreEmptySlots)
{
    PlayRecord first = Play(PlayType::Rush, true).from(20).to(25).player(CarrierSlot, "Able");
    first.players[CarrierSlot].number = 22;
    PlayRecord second = Play(PlayType::Rush, true).from(25).to(30).player(CarrierSlot, "Able");
    second.players[CarrierSlot].number = 44;
    const PlayRecord nobody = Play(PlayType::Rush, true).from(30).to(40);
    const PlayRecord otherCase = Play(PlayType::Rush, true).from(40).to(41).player(CarrierSlot, "ABLE");
    const Stat stat = homeStats(gameOf({first, second, nobody, otherCase}));
    ASSERT_EQ(stat.rushers.size(), 3U); // Able, ABLE, totals
    EXPECT_EQ(stat.rushers.lines()[0].number, 22);
    EXPECT_EQ(stat.rushers.lines()[0].attempts, 2);
    EXPECT_EQ(stat.rushers.lines()[1].name, "ABLE");
}

TEST(IndividualStatsTest, RushesCountGainsLossesAndNoGain)
{
    const struct {
        int to;
        int yards;
        int lost;
        int longest;
    } cases[] = {
        {30, 0, 0, 0}, // no gain: an attempt and nothing else
        {37, 7, 0, 7},
        {26, 0, 4, 0}, // a loss leaves the longest at 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.to);
        const Stat stat = homeStats(gameOf({Play(PlayType::Rush, true).from(30).to(c.to).player(CarrierSlot, "A")}));
        const RusherLine &line = stat.rushers.lines().at(0);
        EXPECT_EQ(line.attempts, 1);
        EXPECT_EQ(line.yards, c.yards);
        EXPECT_EQ(line.lost, c.lost);
        EXPECT_EQ(line.longest, c.longest);
        EXPECT_EQ(line.net, c.yards - c.lost);
    }
}

TEST(IndividualStatsTest, PassesCountForPasserAndReceiver)
{
    const Stat stat = homeStats(gameOf({
        Play(PlayType::Pass, true).pass(PassResult::Completion).from(20).to(45).player(0, "Q").player(1, "R"),
        Play(PlayType::Pass, true).pass(PassResult::Incompletion).from(45).to(45).player(0, "Q").player(1, "R"),
        Play(PlayType::Pass, true).pass(PassResult::Interception).from(45).to(45).player(0, "Q"),
        Play(PlayType::Pass, true)
            .pass(PassResult::Completion)
            .from(90)
            .to(100)
            .score(ScoreType::Touchdown)
            .player(0, "Q")
            .player(1, "R"),
        Play(PlayType::Pass, true).pass(PassResult::NoPass).from(20).to(20).player(0, "Q"),
    }));
    const PasserLine &passer = stat.passers.lines().at(0);
    EXPECT_EQ(passer.attempts, 4);
    EXPECT_EQ(passer.completions, 2);
    EXPECT_EQ(passer.interceptions, 1);
    EXPECT_EQ(passer.yards, 35);
    EXPECT_EQ(passer.longest, 25);
    EXPECT_EQ(passer.touchdowns, 1);
    EXPECT_FLOAT_EQ(passer.completionPercent, 50.0F);
    EXPECT_FLOAT_EQ(passer.average, 17.5F); // per completion
    const ReceiverLine &receiver = stat.receivers.lines().at(0);
    EXPECT_EQ(receiver.receptions, 2);
    EXPECT_EQ(receiver.yards, 35);
    EXPECT_EQ(receiver.longest, 25);
    EXPECT_EQ(receiver.touchdowns, 1);
    EXPECT_FLOAT_EQ(receiver.average, 17.5F);
}

TEST(IndividualStatsTest, SackIsARushForThePasserOnlyWhenSacksCountAsRushing)
{
    const Game game = gameOf({
        Play(PlayType::Pass, true).pass(PassResult::Sack).from(30).to(23).player(0, "Q").player(TacklerSlot, "D"),
    });
    for (const bool sacksAreRushes : {true, false}) {
        SCOPED_TRACE(sacksAreRushes);
        LeagueOptions options;
        options.sacksAreRushes = sacksAreRushes;
        const Stat team = homeStats(game, options);
        EXPECT_EQ(team.passers.size(), 0U);
        if (sacksAreRushes) {
            ASSERT_EQ(team.rushers.size(), 1U);
            EXPECT_EQ(team.rushers.lines()[0].name, "Q");
            EXPECT_EQ(team.rushers.lines()[0].attempts, 1);
            EXPECT_EQ(team.rushers.lines()[0].lost, 7);
            EXPECT_EQ(team.rushers.lines()[0].yards, 0);
            EXPECT_EQ(team.rushers.lines()[0].longest, 0);
        } else {
            EXPECT_EQ(team.rushers.size(), 0U);
        }
        const Stat defence = homeStats(game, options, true);
        ASSERT_EQ(defence.defenders.size(), 1U);
        EXPECT_EQ(defence.defenders.lines()[0].tackles, 1);
        EXPECT_EQ(defence.defenders.lines()[0].sacks, 1);
    }
}

TEST(IndividualStatsTest, KicksCountForKickerAndPunter)
{
    PlayRecord fieldGoal = Play(PlayType::FieldGoal, true).kick(KickResult::FieldGoalGood).player(0, "K");
    fieldGoal.initialSpot = {30, false};
    PlayRecord shortOne = Play(PlayType::FieldGoal, true).kick(KickResult::FieldGoalGood).player(0, "K");
    shortOne.initialSpot = {12, false};
    const Stat stat = homeStats(gameOf({
        fieldGoal,
        shortOne,
        Play(PlayType::FieldGoal, true).kick(KickResult::BlockedFieldGoal).from(70).player(0, "K"),
        Play(PlayType::FieldGoal, true).kick(KickResult::FieldGoalWideLeft).from(55).player(0, "K"),
        Play(PlayType::ExtraPoint, true).kick(KickResult::FieldGoalGood).player(0, "K"),
        Play(PlayType::ExtraPoint, true).kick(KickResult::BlockedFieldGoal).player(0, "K"),
        Play(PlayType::Punt, true).kick(KickResult::Runback).from(30).received(75).player(0, "P"),
        Play(PlayType::Punt, true).kick(KickResult::Touchback).from(40).received(100).player(0, "P"),
        Play(PlayType::Punt, true).kick(KickResult::FairCatch).from(50).received(85).player(0, "P"),
        Play(PlayType::Punt, true).kick(KickResult::BlockedPunt).from(20).received(15).player(0, "P"),
    }));
    const KickerLine &kicker = stat.kickers.lines().at(0);
    EXPECT_EQ(kicker.fieldGoalAttempts, 4);
    EXPECT_EQ(kicker.fieldGoalsGood, 2);
    EXPECT_EQ(kicker.fieldGoalsBlocked, 1);
    EXPECT_EQ(kicker.longestFieldGoal, 47);
    EXPECT_FLOAT_EQ(kicker.fieldGoalPercent, 50.0F);
    EXPECT_EQ(kicker.extraPointAttempts, 2);
    EXPECT_EQ(kicker.extraPointsGood, 1);
    EXPECT_EQ(kicker.extraPointsBlocked, 1);
    EXPECT_FLOAT_EQ(kicker.extraPointPercent, 50.0F);

    const PunterLine &punter = stat.punters.lines().at(0);
    EXPECT_EQ(punter.punts, 4);
    EXPECT_EQ(punter.blocked, 1);
    EXPECT_EQ(punter.touchbacks, 1);
    EXPECT_EQ(punter.inside20, 1); // received at the receivers' 15
    EXPECT_EQ(punter.yards, 45 + 60 + 35);
    EXPECT_EQ(punter.longest, 60);
    EXPECT_FLOAT_EQ(punter.average, 35.0F); // the blocked punt divides too
}

TEST(IndividualStatsTest, ReturnsCountForTheReturnerAndARunbackTouchdownForNoDefender)
{
    const Stat stat = homeStats(gameOf({
        Play(PlayType::KickOff, false)
            .kick(KickResult::Runback)
            .from(35)
            .received(95)
            .to(0)
            .score(ScoreType::RunbackTouchdown)
            .player(0, "Kicker")
            .player(CarrierSlot, "Ret")
            .player(TacklerSlot, "Their Tackler"),
        Play(PlayType::Punt, false).kick(KickResult::Runback).from(30).received(70).to(58).player(CarrierSlot, "Ret"),
        Play(PlayType::Punt, false).kick(KickResult::FairCatch).from(30).received(70).player(CarrierSlot, "Ret"),
        Play(PlayType::OnsideKick, false)
            .kick(KickResult::OnsideUnsuccessful)
            .from(35)
            .received(47)
            .player(TacklerSlot, "Their Tackler"),
    }));
    const ReturnerLine &returner = stat.returners.lines().at(0);
    EXPECT_EQ(returner.kickoffReturns, 1);
    EXPECT_EQ(returner.kickoffReturnYards, 95);
    EXPECT_EQ(returner.kickoffReturnTouchdowns, 1);
    EXPECT_EQ(returner.puntReturns, 1);
    EXPECT_EQ(returner.puntReturnYards, 12);
    EXPECT_EQ(returner.longestPuntReturn, 12);
    EXPECT_EQ(returner.puntReturnTouchdowns, 0);
    EXPECT_EQ(stat.defenders.size(), 0U);
}

TEST(IndividualStatsTest, DefendersCountTacklesAssistsInterceptionsAndPerGameValues)
{
    const Stat stat = homeStats(gameOf({
        Play(PlayType::Rush, false).from(20).to(24).player(TacklerSlot, "T").player(AssistSlot, "A"),
        Play(PlayType::Pass, false)
            .pass(PassResult::Interception)
            .from(24)
            .to(24)
            .score(ScoreType::DefensiveTouchdown)
            .player(InterceptorSlot, "I"),
        Play(PlayType::Pass, false).pass(PassResult::Interception).from(24).to(24).player(InterceptorSlot, "I"),
        Play(PlayType::Rush, false).from(24).to(30).player(TacklerSlot, "T"),
    }));
    ASSERT_EQ(stat.defenders.size(), 4U);
    const DefenderLine &tackler = stat.defenders.lines()[0];
    EXPECT_EQ(tackler.tackles, 2);
    EXPECT_FLOAT_EQ(tackler.tacklesPerGame, 2.0F);
    EXPECT_EQ(stat.defenders.lines()[1].assists, 1);
    const DefenderLine &interceptor = stat.defenders.lines()[2];
    EXPECT_EQ(interceptor.interceptions, 2);
    EXPECT_EQ(interceptor.interceptionTouchdowns, 1);
    EXPECT_EQ(stat.defenders.lines()[3].tackles, 2);
}

TEST(IndividualStatsTest, PerGameValuesDivideByTheGameCountOrStandAloneWithoutGames)
{
    Stat stat;
    DefenderLine line;
    line.name = "T";
    line.tackles = 5;
    line.sacks = 2;
    stat.defenders.append(line);
    stat.gameCount = 2;
    finishIndividualStats(stat);
    EXPECT_FLOAT_EQ(stat.defenders.lines()[0].tacklesPerGame, 2.5F);
    EXPECT_FLOAT_EQ(stat.defenders.lines()[0].sacksPerGame, 1.0F);
    stat.gameCount = 0;
    finishIndividualStats(stat);
    EXPECT_FLOAT_EQ(stat.defenders.lines()[0].tacklesPerGame, 5.0F);
}

TEST(IndividualStatsTest, FumbleRecoveriesAreCreditedToTheSideThatMadeThem)
{
    // Home kicks or punts; the home team is analysed, or (other side) the
    // visitor defends against home's rush.
    const struct {
        const char *name;
        PlayType type;
        KickResult kick;
        bool firstRecoveredByHome;
        bool secondRecoveredByHome;
        int firstCredited;
        int secondCredited;
    } cases[] = {
        {"kicking team recovers the returner's fumble", PlayType::KickOff, KickResult::Runback, true, true, 1, 1},
        {"receiving team keeps its own fumble", PlayType::KickOff, KickResult::Runback, false, false, 0, 0},
        {"punt returner's fumble recovered by the punting team", PlayType::Punt, KickResult::Runback, true, false, 1,
         0},
        {"a recovered onside kick is no fumble", PlayType::OnsideKick, KickResult::OnsideSuccessful, true, true, 0, 1},
        {"a lost onside kick is no fumble", PlayType::OnsideKick, KickResult::OnsideUnsuccessful, false, true, 0, 1},
        {"a blocked punt recovered is no fumble", PlayType::Punt, KickResult::BlockedPunt, true, true, 0, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PlayRecord play = Play(c.type, true)
                              .kick(c.kick)
                              .fumbles(FumbleRecovery::ByDefense, FumbleRecovery::ByOffense)
                              .player(FirstRecovererSlot, "First")
                              .player(FirstRecovererSlot + 1, "Second");
        play.fumbleRecoveredByHome = {c.firstRecoveredByHome, c.secondRecoveredByHome, true};
        const Stat stat = homeStats(gameOf({play}));
        int first = 0;
        int second = 0;
        for (const DefenderLine &line : stat.defenders.lines()) {
            first += line.name == "First" ? line.fumbleRecoveries : 0;
            second += line.name == "Second" ? line.fumbleRecoveries : 0;
        }
        EXPECT_EQ(first, c.firstCredited);
        EXPECT_EQ(second, c.secondCredited);
    }

    // On the other side's plays the team without the ball recovers.
    PlayRecord rush = Play(PlayType::Rush, false)
                          .fumbles(FumbleRecovery::ByDefense, FumbleRecovery::ByOffense)
                          .player(FirstRecovererSlot, "Ours")
                          .player(FirstRecovererSlot + 1, "Theirs");
    rush.fumbleRecoveredByHome = {true, false, true};
    const Stat defence = homeStats(gameOf({rush}));
    ASSERT_EQ(defence.defenders.size(), 1U);
    EXPECT_EQ(defence.defenders.lines()[0].name, "Ours");
    EXPECT_EQ(defence.defenders.lines()[0].fumbleRecoveries, 1);
}

TEST(IndividualStatsTest, KickCoverageCreditsTheKickingTeamsTacklers)
{
    const Stat stat = homeStats(gameOf({
        Play(PlayType::KickOff, true).kick(KickResult::Runback).player(TacklerSlot, "Cover").player(AssistSlot, "Help"),
        Play(PlayType::Punt, false).kick(KickResult::Runback).player(TacklerSlot, "Their Cover"),
    }));
    ASSERT_EQ(stat.defenders.size(), 3U);
    EXPECT_EQ(stat.defenders.lines()[0].name, "Cover");
    EXPECT_EQ(stat.defenders.lines()[0].tackles, 1);
    EXPECT_EQ(stat.defenders.lines()[1].assists, 1);
}

TEST(IndividualStatsTest, SidesFollowTheTeamNameAndAllTeamsCountsEachSideOnce)
{
    Game game = gameOf({
        Play(PlayType::Rush, true).from(20).to(30).player(CarrierSlot, "Smith"),
        Play(PlayType::Rush, false).from(20).to(25).player(CarrierSlot, "Smith"),
        Play(PlayType::Rush, false).from(25).to(27).player(CarrierSlot, "Jones"),
    });
    const struct {
        const char *team;
        const char *visitorName;
        bool opponents;
        int smithYards;
        std::size_t lines;
    } cases[] = {
        {"Home", "Visitor", false, 10, 1},   {"Home", "Visitor", true, 5, 3},
        {"Visitor", "Visitor", false, 5, 3}, {"Visitor", "Visitor", true, 10, 1},
        {"Nobody", "Visitor", false, 0, 0},  {"all teams", "Visitor", false, 15, 3},
        {"Home", "Home", false, 5, 3}, // a team on both sides is the visitor
        {"Home", "Home", true, 10, 1},       {"All Teams", "Home", false, 15, 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.team) + (c.opponents ? " opponents" : "") + " vs " + c.visitorName);
        game.info.visitorTeamName = c.visitorName;
        Stat stat;
        stat.teamName = c.team;
        stat.allTeams = isAllTeams(c.team);
        accumulateIndividualStats(stat, game, c.opponents, LeagueOptions{});
        EXPECT_EQ(stat.rushers.size(), c.lines);
        EXPECT_EQ(stat.rushers.size() ? stat.rushers.lines()[0].yards : 0, c.smithYards);
    }
}

TEST(IndividualStatsTest, CopyStatLinesAppendsWithoutMergingAndCanSkipTotals)
{
    const Stat source = homeStats(gameOf({
        Play(PlayType::Rush, true).from(20).to(30).player(CarrierSlot, "A"),
        Play(PlayType::Rush, true).from(30).to(35).player(CarrierSlot, "B"),
    }));
    Stat target = source;
    copyStatLines(source, target, true);
    ASSERT_EQ(target.rushers.size(), 5U);
    EXPECT_EQ(target.rushers.lines()[3].name, "A");
    copyStatLines(source, target, false);
    EXPECT_EQ(target.rushers.size(), 8U);
    EXPECT_TRUE(target.rushers.lines()[7].teamTotals);
}

TEST(IndividualStatsTest, ViewsOverFilesCountEachLoadedFileOnceAndSkipUnloadableOnes)
{
    test::TempGames files;
    const Game first = gameOf({
        Play(PlayType::Rush, true).from(20).to(30).player(CarrierSlot, "Smith").player(TacklerSlot, "Tack"),
        Play(PlayType::Rush, false).from(20).to(24).player(CarrierSlot, "Smith").player(TacklerSlot, "Tack"),
    });
    Stat chosen;
    chosen.teamName = "All Teams";
    chosen.allTeams = true;
    chosen.gamePaths = {files.save("one.gam", first), files.save("two.gam", first), files.garbage("bad.gam"),
                        files.missing("gone.gam")};
    const StatViews all = individualStatViews(chosen, LeagueOptions{});
    EXPECT_EQ(all.skipped, 2);
    EXPECT_EQ(all.unreadable, (std::vector<std::string>{chosen.gamePaths[2], chosen.gamePaths[3]}));
    EXPECT_FALSE(all.cancelled);
    EXPECT_EQ(unreadableFilesMessage(all.unreadable),
              "2 files could not be read:\n" + chosen.gamePaths[2] + "\n" + chosen.gamePaths[3]);
    EXPECT_EQ(unreadableFilesMessage({"a.gam"}), "1 file could not be read:\na.gam");

    // Stopped after the first file, the views say they are incomplete.
    std::vector<std::size_t> told;
    const StatViews stopped = individualStatViews(chosen, LeagueOptions{}, [&](std::size_t done) {
        told.push_back(done);
        return false;
    });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(told, std::vector<std::size_t>{1});
    EXPECT_EQ(stopped.team.gameCount, 1);
    EXPECT_EQ(all.team.gameCount, 2);
    ASSERT_EQ(all.team.rushers.size(), 1U); // one name on both teams shares a line
    EXPECT_EQ(all.team.rushers.lines()[0].attempts, 4);
    EXPECT_EQ(all.team.rushers.lines()[0].yards, 28);
    ASSERT_EQ(all.team.defenders.size(), 1U);
    EXPECT_FLOAT_EQ(all.team.defenders.lines()[0].tacklesPerGame, 2.0F);
    // Both sides are already the team's: every view lists each player once.
    for (const StatView view : {StatView::Team, StatView::Opponents, StatView::Combined}) {
        ASSERT_EQ(all.view(view).rushers.size(), 1U) << static_cast<int>(view);
        EXPECT_EQ(all.view(view).rushers.lines()[0].attempts, 4);
    }

    Stat single = chosen;
    EXPECT_EQ(accumulateIndividualStats(single, false, LeagueOptions{}), 2);
    EXPECT_EQ(single.gameCount, 2);
    EXPECT_EQ(single.rushers.lines()[0].attempts, 4);
}

TEST(IndividualStatsTest, PerGameFiguresCoverTheChosenGamesTheTeamPlayed)
{
    test::TempGames files;
    // Kim sacks the visitor's passer for Home twice a game.
    const auto sack = [] {
        return PlayRecord(
            Play(PlayType::Pass, false).pass(PassResult::Sack).from(30).to(25).player(TacklerSlot, "Kim"));
    };
    const Game played = gameOf({sack(), sack()});
    Game others = played;
    others.info.homeTeamName = "Other";
    const std::string once = files.save("1.gam", played);
    const std::vector<std::string> season{once,
                                          files.save("2.gam", played),
                                          files.save("3.gam", others),
                                          files.save("4.gam", others),
                                          files.save("5.gam", gameOf({})),
                                          once,
                                          files.garbage("6.gam")};
    const struct {
        const char *team;
        std::int32_t games;
        float tacklesPerGame; ///< Kim's, where he has a line
    } cases[] = {
        {"Home", 4, 6.0F / 4},       // two games, one of them read twice, and one with no plays yet
        {"All Teams", 6, 10.0F / 6}, // one count per file read, both sides of each
        {"Nobody", 0, 0.0F},         // no games: no lines
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.team);
        Stat chosen;
        chosen.teamName = c.team;
        chosen.allTeams = isAllTeams(c.team);
        chosen.gamePaths = season;
        const StatViews views = individualStatViews(chosen, LeagueOptions{});
        for (const Stat *view : {&views.team, &views.opponents, &views.combined})
            EXPECT_EQ(view->gameCount, c.games);
        Stat single = chosen;
        accumulateIndividualStats(single, false, LeagueOptions{});
        EXPECT_EQ(single.gameCount, c.games);
        if (c.games == 0) {
            EXPECT_EQ(views.team.defenders.size(), 0U);
            continue;
        }
        ASSERT_EQ(views.team.defenders.size(), 1U);
        EXPECT_FLOAT_EQ(views.team.defenders.lines()[0].tacklesPerGame, c.tacklesPerGame);
        EXPECT_FLOAT_EQ(views.team.defenders.lines()[0].sacksPerGame, c.tacklesPerGame);
    }
    // The open game counts one, whatever it holds.
    EXPECT_FLOAT_EQ(homeStats(played).defenders.lines()[0].tacklesPerGame, 2.0F);
}

TEST(IndividualStatsTest, CombinedViewKeepsBothSidesLinesWithTotalsOfItsOwn)
{
    test::TempGames files;
    const Game game = gameOf({
        Play(PlayType::Rush, true).from(20).to(30).player(CarrierSlot, "Smith").player(TacklerSlot, "Lee"),
        Play(PlayType::Rush, false).from(20).to(24).player(CarrierSlot, "Smith").player(TacklerSlot, "Kim"),
        Play(PlayType::Rush, false).from(24).to(40).player(CarrierSlot, "Jones").player(TacklerSlot, "Kim"),
    });
    Stat chosen;
    chosen.teamName = "Home";
    chosen.gamePaths = {files.save("a.gam", game), files.save("b.gam", game)};
    const StatViews views = individualStatViews(chosen, LeagueOptions{});
    EXPECT_EQ(views.skipped, 0);
    ASSERT_EQ(views.team.rushers.size(), 1U);
    ASSERT_EQ(views.opponents.rushers.size(), 3U);
    const std::vector<RusherLine> &combined = views.combined.rushers.lines();
    ASSERT_EQ(combined.size(), 4U);
    EXPECT_EQ(combined[0].name, "Smith");
    EXPECT_EQ(combined[0].yards, 8); // the opponents' Smith first
    EXPECT_EQ(combined[1].name, "Jones");
    EXPECT_EQ(combined[2].name, "Smith");
    EXPECT_EQ(combined[2].yards, 20);
    EXPECT_TRUE(combined[3].teamTotals);
    EXPECT_EQ(combined[3].yards, 60);
    EXPECT_EQ(combined[3].longest, 16);
    EXPECT_EQ(views.combined.gameCount, 2);
    // Kim tackles for Home on the visitor's plays: 4 tackles over 2 games.
    ASSERT_EQ(views.team.defenders.size(), 1U);
    EXPECT_FLOAT_EQ(views.team.defenders.lines()[0].tacklesPerGame, 2.0F);
    const DefenderLine &combinedTotals = views.combined.defenders.lines().back();
    EXPECT_TRUE(combinedTotals.teamTotals);
    EXPECT_EQ(combinedTotals.tackles, 6);
    EXPECT_FLOAT_EQ(combinedTotals.tacklesPerGame, 3.0F);
}

TEST(IndividualStatsTest, FinishingTwiceRefillsTheTotalsLine)
{
    Stat stat = homeStats(gameOf({
        Play(PlayType::Rush, true).from(20).to(30).player(CarrierSlot, "A"),
        Play(PlayType::Rush, true).from(30).to(35).player(CarrierSlot, "B"),
    }));
    finishIndividualStats(stat);
    ASSERT_EQ(stat.rushers.size(), 3U);
    EXPECT_EQ(stat.rushers.lines()[2].yards, 15);
}

} // namespace
} // namespace yardmark
