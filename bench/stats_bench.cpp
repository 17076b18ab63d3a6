// The statistics windows recompute after every recorded play, so a long game's
// three reports must stay far below a frame.

#include "stats/drivesummary.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"
#include "stats/scoregrid.h"
#include "stats/scoringsummary.h"
#include "vocabulary/vocabulary.h"

#include <benchmark/benchmark.h>

namespace yardmark {
namespace {

FieldSpot spotFor(bool offenseIsHome, int fromOwnGoal)
{
    return fromOwnGoal <= 50 ? FieldSpot{fromOwnGoal, offenseIsHome} : FieldSpot{100 - fromOwnGoal, !offenseIsHome};
}

/// A game of `count` plays: drives of a kickoff, runs and passes that end in
/// a touchdown and a try or in a punt, with the clock running down.
Game longGame(int count)
{
    Game game;
    game.info.homeTeamName = "Riverside Otters";
    game.info.visitorTeamName = "Hill Valley Hawks";
    bool home = true;
    int secondsLeft = 4 * 15 * 60;
    int drive = 0;
    while (game.playCount() < count) {
        PlayRecord kickoff;
        kickoff.homeHasBall = home;
        kickoff.playType = code(PlayType::KickOff);
        kickoff.kickResult = code(KickResult::Runback);
        kickoff.initialSpot = spotFor(home, 35);
        kickoff.receivedAt = spotFor(home, 95);
        kickoff.finalSpot = spotFor(home, 75);
        kickoff.players[0].name = "Kicker";
        kickoff.players[1].name = "Returner";
        game.plays.push_back(kickoff);
        home = !home;
        int ball = 25;
        for (int snap = 0; snap < 7 && game.playCount() < count; ++snap) {
            PlayRecord play;
            play.homeHasBall = home;
            play.playType = code(snap % 2 ? PlayType::Pass : PlayType::Rush);
            play.passResult = snap % 2 ? code(PassResult::Completion) : 0;
            play.downBefore = snap % 4;
            play.initialSpot = spotFor(home, ball);
            ball = std::min(100, ball + 8 + snap);
            play.finalSpot = spotFor(home, ball);
            play.firstDown = snap % 3 == 2 ? code(FirstDownKind::FirstDown) : 0;
            play.players[0].name = "Quarterback";
            play.players[1].name = "Running Back";
            game.plays.push_back(play);
        }
        const bool touchdown = drive % 2 == 0;
        PlayRecord last;
        last.homeHasBall = home;
        last.playType = code(touchdown ? PlayType::Rush : PlayType::Punt);
        last.initialSpot = spotFor(home, ball);
        last.finalSpot = spotFor(home, touchdown ? 100 : 85);
        last.receivedAt = spotFor(home, 90);
        last.kickResult = touchdown ? 0 : code(KickResult::Runback);
        last.scoreType = touchdown ? code(ScoreType::Touchdown) : 0;
        game.plays.push_back(last);
        if (touchdown) {
            PlayRecord extraPoint;
            extraPoint.homeHasBall = home;
            extraPoint.playType = code(PlayType::ExtraPoint);
            extraPoint.kickResult = code(KickResult::FieldGoalGood);
            extraPoint.scoreType = code(ScoreType::ExtraPoint);
            game.plays.push_back(extraPoint);
        }
        ++drive;
    }
    game.plays.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        secondsLeft = std::max(0, 3600 - static_cast<int>(i) * 3600 / count);
        const int quarter = std::min(3, (3600 - secondsLeft) / 900);
        const int inQuarter = secondsLeft - (3 - quarter) * 900;
        game.plays[i].quarter = quarter;
        game.plays[i].clockMinutes = inQuarter / 60;
        game.plays[i].clockSeconds = inQuarter % 60;
    }
    return game;
}

void BM_ThreeReportsOfALongGame(benchmark::State &state)
{
    const Game game = longGame(static_cast<int>(state.range(0)));
    const LeagueOptions options;
    for (auto _ : state) {
        const QuarterRange whole = summaryPeriodRange(game, SummaryPeriod::Game);
        benchmark::DoNotOptimize(computeGameTeamStats(game, true, whole.first, whole.last, options));
        benchmark::DoNotOptimize(computeGameTeamStats(game, false, whole.first, whole.last, options));
        benchmark::DoNotOptimize(scoreByQuarter(game, options));
        benchmark::DoNotOptimize(scanDrives(game, options));
        benchmark::DoNotOptimize(scoringLines(game, options));
    }
}
BENCHMARK(BM_ThreeReportsOfALongGame)->Arg(300)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace yardmark
