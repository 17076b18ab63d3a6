#include "vocabulary/narration.h"

#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <climits>

namespace yardmark {
namespace {

constexpr bool H = true;  // home side
constexpr bool V = false; // visitor side

LeagueOptions field(bool indoorField)
{
    LeagueOptions league;
    league.indoorField = indoorField;
    league.midfieldYardLine = midfieldFor(indoorField);
    return league;
}

/// A play as the entry dialogs leave it: second quarter, third down, the home
/// team in possession, Smith at quarterback or kicking, Jones carrying,
/// catching or returning, Brown tackling and Davis intercepting.
class Play {
public:
    explicit Play(PlayType type)
    {
        r.playType = code(type);
        r.quarter = 1;
        r.downBefore = 2;
        r.players[QuarterbackSlot].name = "Smith";
        r.players[CarrierSlot].name = "Jones";
        r.players[TacklerSlot].name = "Brown";
        r.players[InterceptorSlot].name = "Davis";
    }
    explicit Play(std::int32_t rawType) : Play(PlayType::NoPlay) { r.playType = rawType; }

    Play &quarter(std::int32_t q) { return r.quarter = q, *this; }
    Play &down(std::int32_t d) { return r.downBefore = d, *this; }
    Play &visitorBall() { return r.homeHasBall = false, *this; }
    Play &from(std::int32_t line, bool side) { return r.initialSpot = {line, side}, *this; }
    Play &to(std::int32_t line, bool side) { return r.finalSpot = {line, side}, *this; }
    Play &at(std::int32_t line, bool side) { return r.receivedAt = {line, side}, *this; }
    Play &rush(RushType t) { return r.rushType = code(t), *this; }
    Play &rushCode(std::int32_t t) { return r.rushType = t, *this; }
    Play &pass(PassResult p) { return r.passResult = code(p), *this; }
    Play &kick(KickResult k) { return r.kickResult = code(k), *this; }
    Play &kickCode(std::int32_t k) { return r.kickResult = k, *this; }
    Play &score(ScoreType s) { return r.scoreType = code(s), *this; }
    Play &firstDown() { return r.firstDown = code(FirstDownKind::FirstDown), *this; }
    Play &turnover(TurnoverKind t) { return r.turnover = code(t), *this; }
    Play &fumbles(std::int32_t a, std::int32_t b = 0, std::int32_t c = 0) { return r.fumbles = {a, b, c}, *this; }
    Play &name(int slot, std::string n) { return r.players[static_cast<std::size_t>(slot)].name = std::move(n), *this; }
    Play &offensivePenalty(std::int32_t p) { return r.offensivePenalty = p, *this; }
    Play &defensivePenalty(std::int32_t p) { return r.defensivePenalty = p, *this; }

    PlayRecord r;
};

struct Case {
    const char *what;
    Play play;
    std::string outdoor; ///< the line on the 100-yard field
    std::string indoor;  ///< the line on the 50-yard field; empty when the spots lie outside it
};

void expectLines(const std::vector<Case> &cases)
{
    for (const auto &c : cases) {
        EXPECT_EQ(narratePlay(c.play.r, "Tigers", "Lions", field(false)), c.outdoor) << c.what << " (100 yards)";
        if (!c.indoor.empty()) {
            EXPECT_EQ(narratePlay(c.play.r, "Tigers", "Lions", field(true)), c.indoor) << c.what << " (50 yards)";
        }
    }
}

const auto Rush = PlayType::Rush;
const auto Pass = PlayType::Pass;

TEST(NarrationTest, SituationPrefix)
{
    expectLines({
        {"second quarter, home, third down", Play(Rush).from(20, H).to(24, H), "2nd Q, H, 3rd D, Jones rushes for 4",
         "2nd Q, H, 3rd D, Jones rushes for 4"},
        {"first quarter, visitor, first down", Play(Rush).quarter(0).down(0).visitorBall().from(20, V).to(24, V),
         "1st Q, V, 1st D, Jones rushes for 4", "1st Q, V, 1st D, Jones rushes for 4"},
        {"fourth quarter, fourth down", Play(Rush).quarter(3).down(3).from(20, H).to(24, H),
         "4th Q, H, 4th D, Jones rushes for 4", "4th Q, H, 4th D, Jones rushes for 4"},
        {"first overtime", Play(Rush).quarter(4).from(20, H).to(24, H), "OT1, H, 3rd D, Jones rushes for 4",
         "OT1, H, 3rd D, Jones rushes for 4"},
        {"ninth overtime", Play(Rush).quarter(12).from(20, H).to(24, H), "OT9, H, 3rd D, Jones rushes for 4",
         "OT9, H, 3rd D, Jones rushes for 4"},
        {"period 13", Play(Rush).quarter(13).from(20, H).to(24, H), "OT, H, 3rd D, Jones rushes for 4",
         "OT, H, 3rd D, Jones rushes for 4"},
        {"damaged negative quarter", Play(Rush).quarter(-1).from(20, H).to(24, H), "OT, H, 3rd D, Jones rushes for 4",
         "OT, H, 3rd D, Jones rushes for 4"},
    });
    EXPECT_EQ(periodText(0), "1st Q");
    EXPECT_EQ(periodText(3), "4th Q");
    EXPECT_EQ(periodText(4), "OT1");
    EXPECT_EQ(periodText(13), "OT");
}

TEST(NarrationTest, Rushes)
{
    expectLines({
        {"loss", Play(Rush).rush(RushType::RightRush).from(20, H).to(15, H),
         "2nd Q, H, 3rd D, Jones rushes right for 5 yard loss", "2nd Q, H, 3rd D, Jones rushes right for 5 yard loss"},
        {"no gain", Play(Rush).rush(RushType::RightRush).from(20, H).to(20, H),
         "2nd Q, H, 3rd D, Jones rushes right for no gain", "2nd Q, H, 3rd D, Jones rushes right for no gain"},
        {"gain across midfield", Play(Rush).rush(RushType::Sweep).from(20, H).to(20, V),
         "2nd Q, H, 3rd D, Jones sweeps for 60", "2nd Q, H, 3rd D, Jones sweeps for 10"},
        {"home 45 to visitor 40", Play(Rush).from(45, H).to(40, V), "2nd Q, H, 3rd D, Jones rushes for 15", ""},
        {"visitor offense loses ground", Play(Rush).visitorBall().rush(RushType::Kneel).from(10, V).to(8, V),
         "2nd Q, V, 3rd D, Jones kneels for 2 yard loss", "2nd Q, V, 3rd D, Jones kneels for 2 yard loss"},
        {"visitor offense across midfield", Play(Rush).visitorBall().rush(RushType::MiddleRush).from(15, V).to(15, H),
         "2nd Q, V, 3rd D, Jones rushes up the middle for 70", "2nd Q, V, 3rd D, Jones rushes up the middle for 20"},
        {"unknown rush type", Play(Rush).rushCode(99).from(20, H).to(24, H), "2nd Q, H, 3rd D, Jones rushes for 4",
         "2nd Q, H, 3rd D, Jones rushes for 4"},
        {"first down", Play(Rush).rush(RushType::Draw).from(20, H).to(11, V).firstDown(),
         "2nd Q, H, 3rd D, Jones takes draw for 69, 1st Down", "2nd Q, H, 3rd D, Jones takes draw for 19, 1st Down"},
        {"touchdown hides the first down", Play(Rush).from(12, V).to(0, V).score(ScoreType::Touchdown).firstDown(),
         "2nd Q, H, 3rd D, Jones rushes for 12 for a TD", "2nd Q, H, 3rd D, Jones rushes for 12 for a TD"},
        {"defensive touchdown",
         Play(Rush)
             .from(12, V)
             .to(10, V)
             .fumbles(1)
             .turnover(TurnoverKind::Fumble)
             .score(ScoreType::DefensiveTouchdown),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense for a TD",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense for a TD"},
        {"runback touchdown is not a rushing touchdown",
         Play(Rush).from(12, V).to(0, V).score(ScoreType::RunbackTouchdown), "2nd Q, H, 3rd D, Jones rushes for 12",
         "2nd Q, H, 3rd D, Jones rushes for 12"},
        {"fourth down short", Play(Rush).down(3).from(30, V).to(28, V).turnover(TurnoverKind::OnDowns),
         "2nd Q, H, 4th D, Jones rushes for 2, turnover on downs", ""},
        {"first down and turnover on downs keep their order",
         Play(Rush).down(3).from(10, V).to(8, V).firstDown().turnover(TurnoverKind::OnDowns),
         "2nd Q, H, 4th D, Jones rushes for 2, 1st Down, turnover on downs",
         "2nd Q, H, 4th D, Jones rushes for 2, 1st Down, turnover on downs"},
        {"one fumble kept", Play(Rush).from(20, H).to(22, H).fumbles(2),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by offense",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by offense"},
        {"two fumbles kept", Play(Rush).from(20, H).to(22, H).fumbles(1, 2),
         "2nd Q, H, 3rd D, after 2 fumbles, recovered by offense",
         "2nd Q, H, 3rd D, after 2 fumbles, recovered by offense"},
        {"three fumbles kept, first down", Play(Rush).from(20, H).to(22, V).fumbles(1, 1, 2).firstDown(),
         "2nd Q, H, 3rd D, after 3 fumbles, recovered by offense, 1st Down",
         "2nd Q, H, 3rd D, after 3 fumbles, recovered by offense, 1st Down"},
        {"fumble list ends at its first empty entry", Play(Rush).from(20, H).to(22, H).fumbles(2, 0, 1),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by offense",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by offense"},
        {"fumble lost", Play(Rush).from(20, H).to(22, H).fumbles(1).turnover(TurnoverKind::Fumble),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense"},
        {"lost after two fumbles", Play(Rush).from(20, H).to(22, H).fumbles(2, 1).turnover(TurnoverKind::Fumble),
         "2nd Q, H, 3rd D, after 2 fumbles, recovered by defense",
         "2nd Q, H, 3rd D, after 2 fumbles, recovered by defense"},
        {"lost with no fumble entered", Play(Rush).from(20, H).to(22, H).turnover(TurnoverKind::Fumble),
         "2nd Q, H, 3rd D, after 0 fumbles, recovered by defense",
         "2nd Q, H, 3rd D, after 0 fumbles, recovered by defense"},
        {"interception code on a rush reads as a run",
         Play(Rush).from(20, H).to(24, H).turnover(TurnoverKind::Interception), "2nd Q, H, 3rd D, Jones rushes for 4",
         "2nd Q, H, 3rd D, Jones rushes for 4"},
    });
}

TEST(NarrationTest, Passes)
{
    expectLines({
        {"completion", Play(Pass).pass(PassResult::Completion).from(20, H).to(8, V).firstDown(),
         "2nd Q, H, 3rd D, Smith passes to Jones for 72, 1st Down",
         "2nd Q, H, 3rd D, Smith passes to Jones for 22, 1st Down"},
        {"completion for a loss", Play(Pass).pass(PassResult::Completion).from(20, H).to(17, H),
         "2nd Q, H, 3rd D, Smith passes to Jones for 3 yard loss",
         "2nd Q, H, 3rd D, Smith passes to Jones for 3 yard loss"},
        {"completion for no gain", Play(Pass).pass(PassResult::Completion).from(20, H).to(20, H),
         "2nd Q, H, 3rd D, Smith passes to Jones for no gain", "2nd Q, H, 3rd D, Smith passes to Jones for no gain"},
        {"touchdown pass",
         Play(Pass).pass(PassResult::Completion).from(12, V).to(0, V).score(ScoreType::Touchdown).firstDown(),
         "2nd Q, H, 3rd D, Smith passes to Jones for 12, TD", "2nd Q, H, 3rd D, Smith passes to Jones for 12, TD"},
        {"completion then a fumble kept",
         Play(Pass).pass(PassResult::Completion).from(20, H).to(5, V).fumbles(2).firstDown(),
         "2nd Q, H, 3rd D, Smith passes to Jones for 75, fumble, recovered by offense, 1st Down",
         "2nd Q, H, 3rd D, Smith passes to Jones for 25, fumble, recovered by offense, 1st Down"},
        {"sack", Play(Pass).visitorBall().pass(PassResult::Sack).from(20, H).to(23, H),
         "2nd Q, V, 3rd D, Smith sacked by Brown for 3 yard loss",
         "2nd Q, V, 3rd D, Smith sacked by Brown for 3 yard loss"},
        {"sack across midfield", Play(Pass).pass(PassResult::Sack).from(2, V).to(24, H),
         "2nd Q, H, 3rd D, Smith sacked by Brown for 74 yard loss",
         "2nd Q, H, 3rd D, Smith sacked by Brown for 24 yard loss"},
        {"sack ending ahead", Play(Pass).pass(PassResult::Sack).from(20, H).to(22, H),
         "2nd Q, H, 3rd D, Smith sacked by Brown for -2 yard loss",
         "2nd Q, H, 3rd D, Smith sacked by Brown for -2 yard loss"},
        {"interception", Play(Pass).pass(PassResult::Interception).turnover(TurnoverKind::Interception),
         "2nd Q, H, 3rd D, Smith intercepted by Davis", "2nd Q, H, 3rd D, Smith intercepted by Davis"},
        {"interception, fumble lost by the defense",
         Play(Pass).pass(PassResult::Interception).turnover(TurnoverKind::Interception).fumbles(1),
         "2nd Q, H, 3rd D, Smith intercepted by Davis, fumble, recovered by defense",
         "2nd Q, H, 3rd D, Smith intercepted by Davis, fumble, recovered by defense"},
        {"interception returned for a touchdown",
         Play(Pass)
             .pass(PassResult::Interception)
             .turnover(TurnoverKind::Interception)
             .score(ScoreType::DefensiveTouchdown),
         "2nd Q, H, 3rd D, Smith intercepted by Davis, TD", "2nd Q, H, 3rd D, Smith intercepted by Davis, TD"},
        {"interception code wins over the pass result",
         Play(Pass).pass(PassResult::Completion).from(20, H).to(30, H).turnover(TurnoverKind::Interception),
         "2nd Q, H, 3rd D, Smith intercepted by Davis", "2nd Q, H, 3rd D, Smith intercepted by Davis"},
        {"fumble lost and returned for a touchdown",
         Play(Pass)
             .pass(PassResult::Completion)
             .turnover(TurnoverKind::Fumble)
             .fumbles(1)
             .score(ScoreType::DefensiveTouchdown)
             .firstDown(),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense, TD",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense, TD"},
        {"interception without a turnover code", Play(Pass).pass(PassResult::Interception),
         "2nd Q, H, 3rd D, Smith intercepted by Davis", "2nd Q, H, 3rd D, Smith intercepted by Davis"},
        {"fumble lost names the receiver", Play(Pass).pass(PassResult::Sack).turnover(TurnoverKind::Fumble).fumbles(1),
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense",
         "2nd Q, H, 3rd D, Jones fumbles, recovered by defense"},
        {"incompletion", Play(Pass).pass(PassResult::Incompletion), "2nd Q, H, 3rd D, Smith pass incomplete to Jones",
         "2nd Q, H, 3rd D, Smith pass incomplete to Jones"},
        {"incompletion without a receiver", Play(Pass).pass(PassResult::Incompletion).name(CarrierSlot, ""),
         "2nd Q, H, 3rd D, Smith pass incomplete", "2nd Q, H, 3rd D, Smith pass incomplete"},
        {"incompletion on fourth down",
         Play(Pass).down(3).pass(PassResult::Incompletion).turnover(TurnoverKind::OnDowns),
         "2nd Q, H, 4th D, Smith pass incomplete to Jones, turnover on downs",
         "2nd Q, H, 4th D, Smith pass incomplete to Jones, turnover on downs"},
        {"no result", Play(Pass), "2nd Q, H, 3rd D, Smith pass attempt, no result",
         "2nd Q, H, 3rd D, Smith pass attempt, no result"},
        {"no result on fourth down", Play(Pass).down(3).turnover(TurnoverKind::OnDowns),
         "2nd Q, H, 4th D, Smith pass attempt, no result, turnover on downs",
         "2nd Q, H, 4th D, Smith pass attempt, no result, turnover on downs"},
        {"completion short on fourth down",
         Play(Pass).down(3).pass(PassResult::Completion).from(20, V).to(17, V).turnover(TurnoverKind::OnDowns),
         "2nd Q, H, 4th D, Smith passes to Jones for 3, turnover on downs",
         "2nd Q, H, 4th D, Smith passes to Jones for 3, turnover on downs"},
    });
}

TEST(NarrationTest, KickoffsAndOnsideKicks)
{
    const auto KickOff = PlayType::KickOff;
    const auto Onside = PlayType::OnsideKick;
    expectLines({
        {"touchback", Play(KickOff).kick(KickResult::Touchback), "2nd Q, H, Smith kicks off for Tigers",
         "2nd Q, H, Smith kicks off for Tigers"},
        {"fair catch, visitor kicking", Play(KickOff).visitorBall().kick(KickResult::FairCatch),
         "2nd Q, V, Smith kicks off for Lions", "2nd Q, V, Smith kicks off for Lions"},
        {"out of bounds", Play(KickOff).kick(KickResult::OutOfBounds), "2nd Q, H, Smith kicks off for Tigers",
         "2nd Q, H, Smith kicks off for Tigers"},
        {"runback", Play(KickOff).kick(KickResult::Runback).from(20, H).at(5, V).to(20, V),
         "2nd Q, H, Smith kicks off to the 5, returned by Jones for 15",
         "2nd Q, H, Smith kicks off to the 5, returned by Jones for 15"},
        {"runback across midfield", Play(KickOff).kick(KickResult::Runback).from(20, H).at(10, V).to(20, H),
         "2nd Q, H, Smith kicks off to the 10, returned by Jones for 70",
         "2nd Q, H, Smith kicks off to the 10, returned by Jones for 20"},
        {"visitor kicking, runback", Play(KickOff).visitorBall().kick(KickResult::Runback).at(2, H).to(12, H),
         "2nd Q, V, Smith kicks off to the 2, returned by Jones for 10",
         "2nd Q, V, Smith kicks off to the 2, returned by Jones for 10"},
        {"downed, no return", Play(KickOff).kick(KickResult::DownedByKickingTeam).at(3, V).to(3, V),
         "2nd Q, H, Smith kicks off to the 3, returned by Jones for 0",
         "2nd Q, H, Smith kicks off to the 3, returned by Jones for 0"},
        {"onside kick kept", Play(Onside).kick(KickResult::OnsideSuccessful),
         "2nd Q, H, Smith onside kicks, recovered by kicking team",
         "2nd Q, H, Smith onside kicks, recovered by kicking team"},
        {"onside kick lost", Play(Onside).visitorBall().kick(KickResult::OnsideUnsuccessful),
         "2nd Q, V, Smith onside kicks, recovered by receiving team",
         "2nd Q, V, Smith onside kicks, recovered by receiving team"},
        {"onside kick with another result", Play(Onside).kick(KickResult::Runback), "2nd Q, H, Smith onside kicks",
         "2nd Q, H, Smith onside kicks"},
        {"onside kick with no result", Play(Onside), "2nd Q, H, Smith onside kicks", "2nd Q, H, Smith onside kicks"},
    });
}

TEST(NarrationTest, Punts)
{
    const auto Punt = PlayType::Punt;
    expectLines({
        {"home 30 to visitor 25, returned to visitor 35",
         Play(Punt).kick(KickResult::Runback).from(30, H).at(25, V).to(35, V),
         "2nd Q, H, Smith 45 yard punt, returned by Jones for 10", ""},
        {"returned", Play(Punt).kick(KickResult::Runback).from(20, H).at(15, V).to(25, V),
         "2nd Q, H, Smith 65 yard punt, returned by Jones for 10",
         "2nd Q, H, Smith 15 yard punt, returned by Jones for 10"},
        {"returned across midfield by the home team",
         Play(Punt).visitorBall().kick(KickResult::Runback).from(20, V).at(10, H).to(20, V),
         "2nd Q, V, Smith 70 yard punt, returned by Jones for 70",
         "2nd Q, V, Smith 20 yard punt, returned by Jones for 20"},
        {"no result reads as a return", Play(Punt).from(20, H).at(15, V).to(15, V),
         "2nd Q, H, Smith 65 yard punt, returned by Jones for 0",
         "2nd Q, H, Smith 15 yard punt, returned by Jones for 0"},
        {"touchback", Play(Punt).kick(KickResult::Touchback).from(20, H).at(0, V),
         "2nd Q, H, Smith punts for 80 yards, no return", "2nd Q, H, Smith punts for 30 yards, no return"},
        {"fair catch", Play(Punt).kick(KickResult::FairCatch).from(20, H).at(15, V),
         "2nd Q, H, Smith punts for 65 yards, no return", "2nd Q, H, Smith punts for 15 yards, no return"},
        {"out of bounds", Play(Punt).visitorBall().kick(KickResult::OutOfBounds).from(10, V).at(20, V),
         "2nd Q, V, Smith punts for 10 yards, no return", "2nd Q, V, Smith punts for 10 yards, no return"},
        {"downed", Play(Punt).kick(KickResult::DownedByKickingTeam).from(20, H).at(15, V),
         "2nd Q, H, Smith punts for 65 yards, no return", "2nd Q, H, Smith punts for 15 yards, no return"},
        {"blocked", Play(Punt).kick(KickResult::BlockedPunt).from(20, H).at(13, H),
         "2nd Q, H, Smith punt is blocked, -7 net yard punt", "2nd Q, H, Smith punt is blocked, -7 net yard punt"},
    });
}

TEST(NarrationTest, FieldGoalsAndExtraPoints)
{
    const auto FieldGoal = PlayType::FieldGoal;
    const auto ExtraPoint = PlayType::ExtraPoint;
    expectLines({
        {"good from the 20", Play(FieldGoal).kick(KickResult::FieldGoalGood).from(20, V),
         "2nd Q, H, 3rd D, Smith makes 37 yard field goal", "2nd Q, H, 3rd D, Smith makes 35 yard field goal"},
        {"good from midfield", Play(FieldGoal).visitorBall().kick(KickResult::FieldGoalGood).from(50, V),
         "2nd Q, V, 3rd D, Smith makes 67 yard field goal", ""},
        {"indoor from the 10", Play(FieldGoal).kick(KickResult::FieldGoalGood).from(10, V),
         "2nd Q, H, 3rd D, Smith makes 27 yard field goal", "2nd Q, H, 3rd D, Smith makes 25 yard field goal"},
        {"47 yards wide left", Play(FieldGoal).kick(KickResult::FieldGoalWideLeft).from(30, V),
         "2nd Q, H, 3rd D, Smith 47 yard FG attempt is wide left", ""},
        {"no result", Play(FieldGoal).from(30, V), "2nd Q, H, 3rd D, Smith 47 yard FG attempt is no good", ""},
        {"short", Play(FieldGoal).kick(KickResult::FieldGoalShort).from(22, V),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is short", "2nd Q, H, 3rd D, Smith 37 yard FG attempt is short"},
        {"wide right", Play(FieldGoal).kick(KickResult::FieldGoalWideRight).from(22, V),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is wide right",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is wide right"},
        {"blocked", Play(FieldGoal).kick(KickResult::BlockedFieldGoal).from(22, V),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is blocked",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is blocked"},
        {"unrelated kick result", Play(FieldGoal).kick(KickResult::BlockedPunt).from(22, V),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is no good",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is no good"},
        {"blocked, lost as a blocked kick",
         Play(FieldGoal)
             .kick(KickResult::BlockedFieldGoal)
             .from(22, V)
             .fumbles(1)
             .turnover(TurnoverKind::BlockedKickLost),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is blocked, recovered by defense",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is blocked, recovered by defense"},
        {"blocked, lost as a fumble",
         Play(FieldGoal).kick(KickResult::BlockedFieldGoal).from(22, V).fumbles(1).turnover(TurnoverKind::Fumble),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is blocked, recovered by defense",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is blocked, recovered by defense"},
        {"blocked, kept", Play(FieldGoal).kick(KickResult::BlockedFieldGoal).from(22, V).fumbles(2),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is blocked, recovered by offense",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is blocked, recovered by offense"},
        {"fumbled snap lost", Play(FieldGoal).from(22, V).fumbles(1).turnover(TurnoverKind::Fumble),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is fumbled, recovered by defense",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is fumbled, recovered by defense"},
        {"fumbled snap kept", Play(FieldGoal).kick(KickResult::FieldGoalShort).from(22, V).fumbles(2),
         "2nd Q, H, 3rd D, Smith 39 yard FG attempt is fumbled, recovered by offense",
         "2nd Q, H, 3rd D, Smith 37 yard FG attempt is fumbled, recovered by offense"},
        {"extra point good", Play(ExtraPoint).kick(KickResult::FieldGoalGood), "2nd Q, H, Smith makes extra point",
         "2nd Q, H, Smith makes extra point"},
        {"extra point blocked", Play(ExtraPoint).visitorBall().kick(KickResult::BlockedFieldGoal),
         "2nd Q, V, Smith extra point is blocked", "2nd Q, V, Smith extra point is blocked"},
        {"extra point wide left", Play(ExtraPoint).kick(KickResult::FieldGoalWideLeft),
         "2nd Q, H, Smith extra point is wide left", "2nd Q, H, Smith extra point is wide left"},
        {"extra point, no result", Play(ExtraPoint), "2nd Q, H, Smith extra point is no good",
         "2nd Q, H, Smith extra point is no good"},
        {"extra point, unknown result", Play(ExtraPoint).kickCode(40), "2nd Q, H, Smith extra point is no good",
         "2nd Q, H, Smith extra point is no good"},
    });
}

TEST(NarrationTest, TriesTimeOutsPenaltiesAndNoPlays)
{
    expectLines({
        {"rush try good", Play(PlayType::TryByRush).score(ScoreType::Conversion),
         "2nd Q, H, Tigers PAT rush attempt good", "2nd Q, H, Tigers PAT rush attempt good"},
        {"rush try failed", Play(PlayType::TryByRush).visitorBall(), "2nd Q, V, Lions PAT rush attempt no good",
         "2nd Q, V, Lions PAT rush attempt no good"},
        {"pass try good", Play(PlayType::TryByPass).visitorBall().score(ScoreType::Conversion),
         "2nd Q, V, Lions PAT pass attempt good", "2nd Q, V, Lions PAT pass attempt good"},
        {"pass try returned by the defense", Play(PlayType::TryByPass).score(ScoreType::DefensiveConversion),
         "2nd Q, H, Tigers PAT pass attempt no good", "2nd Q, H, Tigers PAT pass attempt no good"},
        {"home time-out", Play(PlayType::HomeTimeOut).visitorBall(), "2nd Q, Time Out - Tigers",
         "2nd Q, Time Out - Tigers"},
        {"visitor time-out in overtime", Play(PlayType::VisitorTimeOut).quarter(5), "OT2, Time Out - Lions",
         "OT2, Time Out - Lions"},
        {"offensive penalty", Play(PlayType::OffensivePenalty).offensivePenalty(5).from(20, H).to(15, H),
         "2nd Q, H, 3rd D, Tigers - False Start for -5", "2nd Q, H, 3rd D, Tigers - False Start for -5"},
        {"offensive penalty, visitor ball",
         Play(PlayType::OffensivePenalty).visitorBall().offensivePenalty(4).from(10, H).to(20, H),
         "2nd Q, V, 3rd D, Lions - Holding/Illegal Use Of Hands for -10",
         "2nd Q, V, 3rd D, Lions - Holding/Illegal Use Of Hands for -10"},
        {"defensive penalty names the defense",
         Play(PlayType::DefensivePenalty).defensivePenalty(4).from(20, H).to(15, V),
         "2nd Q, H, 3rd D, Lions - Pass Interference for 65", "2nd Q, H, 3rd D, Lions - Pass Interference for 15"},
        {"defensive penalty, no movement", Play(PlayType::DefensivePenalty).visitorBall().defensivePenalty(5),
         "2nd Q, V, 3rd D, Tigers - Holding/IllegalUseOfHands for 0",
         "2nd Q, V, 3rd D, Tigers - Holding/IllegalUseOfHands for 0"},
        {"unknown penalty codes", Play(PlayType::OffensivePenalty).offensivePenalty(31),
         "2nd Q, H, 3rd D, Tigers - Offensive Penalty for 0", "2nd Q, H, 3rd D, Tigers - Offensive Penalty for 0"},
        {"unknown defensive penalty", Play(PlayType::DefensivePenalty).defensivePenalty(-1),
         "2nd Q, H, 3rd D, Lions - Defensive Penalty for 0", "2nd Q, H, 3rd D, Lions - Defensive Penalty for 0"},
        {"no play", Play(PlayType::NoPlay), "No Play", "No Play"},
        {"play type 14", Play(14), "No Play", "No Play"},
        {"play type -1", Play(-1), "No Play", "No Play"},
        {"play type far out", Play(INT32_MAX), "No Play", "No Play"},
    });
}

TEST(NarrationTest, TeamNamesComeFromTheGameInformation)
{
    GameInfo info;
    info.homeTeamName = "Bears";
    info.visitorTeamName = "Eagles";
    const PlayRecord play = Play(PlayType::TryByRush).visitorBall().score(ScoreType::Conversion).r;
    EXPECT_EQ(narratePlay(play, info, field(false)), "2nd Q, V, Eagles PAT rush attempt good");
}

TEST(NarrationTest, NamesPassThroughByteForByte)
{
    const PlayRecord play = Play(Rush)
                                .name(CarrierSlot, "Jos\xE9 %d N\xFA\xF1"
                                                   "ez %s")
                                .from(20, H)
                                .to(24, H)
                                .r;
    EXPECT_EQ(narratePlay(play, "T", "L", field(false)), "2nd Q, H, 3rd D, Jos\xE9 %d N\xFA\xF1"
                                                         "ez %s rushes for 4");
}

// Every play gets a line, and with names of 24 characters no line passes 160
// characters, whatever the codes and spots a file holds.
TEST(NarrationTest, EveryLineIsShortAndNeverEmpty)
{
    const std::string longName(24, 'W');
    const std::int32_t odd[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14, INT32_MAX, INT32_MIN};
    const FieldSpot spots[] = {{0, true}, {50, false}, {INT32_MIN, true}, {INT32_MAX, false}};
    std::size_t longest = 0;
    for (std::int32_t type = -1; type <= 14; ++type) {
        for (const std::int32_t result : odd) {
            for (const std::int32_t turnover : {0, 1, 2, 3, 4, 5}) {
                for (const auto &s : spots) {
                    Play play(type);
                    play.quarter(result).down(result).rushCode(result).kickCode(result).turnover(
                        TurnoverKind{turnover});
                    play.r.passResult = result;
                    play.r.scoreType = result;
                    play.r.firstDown = result;
                    play.offensivePenalty(result).defensivePenalty(result).fumbles(2, 1, 1);
                    play.r.initialSpot = s;
                    play.r.finalSpot = spots[3];
                    play.r.receivedAt = spots[2];
                    for (auto &player : play.r.players)
                        player.name = longName;
                    for (const bool indoorField : {false, true}) {
                        const std::string line = narratePlay(play.r, longName, longName, field(indoorField));
                        EXPECT_FALSE(line.empty()) << "type " << type << " code " << result;
                        longest = std::max(longest, line.size());
                    }
                }
            }
        }
    }
    EXPECT_LE(longest, 160u);
}

} // namespace
} // namespace yardmark
