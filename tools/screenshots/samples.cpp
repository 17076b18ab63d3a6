#include "samples.h"

#include "records/roster.h"
#include "vocabulary/vocabulary.h"

#include <string>
#include <tuple>

namespace yardmark::tour {

PlayRecord play(PlayType type, bool home, FieldSpot from, FieldSpot to, int scale)
{
    PlayRecord p;
    p.playType = code(type);
    p.homeHasBall = home;
    p.quarter = 1;
    p.initialSpot = {from.yardLine / scale, from.homeSide};
    p.finalSpot = {to.yardLine / scale, to.homeSide};
    return p;
}

Game sampleGame(bool indoor)
{
    const int scale = indoor ? 2 : 1;
    Game game = newGame();
    game.info.homeTeamName = "Riverton Tigers";
    game.info.visitorTeamName = "Lakeside Bears";
    game.homeTeam.name = game.info.homeTeamName;
    game.visitorTeam.name = game.info.visitorTeamName;
    PlayRecord kickoff = play(PlayType::KickOff, false, {35, false}, {28, true}, scale);
    kickoff.receivedAt = {5 / scale, true};
    kickoff.kickResult = code(KickResult::Runback);
    PlayRecord pass = play(PlayType::Pass, true, {35, true}, {45, false}, scale);
    pass.passResult = code(PassResult::Completion);
    PlayRecord interception = play(PlayType::Pass, true, {45, false}, {35, false}, scale);
    interception.passResult = code(PassResult::Interception);
    interception.turnover = code(TurnoverKind::Interception);
    interception.receivedAt = {20 / scale, false};
    PlayRecord punt = play(PlayType::Punt, false, {32, false}, {38, true}, scale);
    punt.receivedAt = {30 / scale, true};
    punt.kickResult = code(KickResult::Runback);
    PlayRecord fieldGoal = play(PlayType::FieldGoal, true, {22, false}, {22, false}, scale);
    fieldGoal.kickResult = code(KickResult::FieldGoalGood);
    fieldGoal.scoreType = code(ScoreType::FieldGoal);
    game.plays = {kickoff,
                  play(PlayType::Rush, true, {28, true}, {35, true}, scale),
                  pass,
                  interception,
                  play(PlayType::Rush, false, {35, false}, {32, false}, scale),
                  punt,
                  play(PlayType::Rush, true, {38, true}, {40, false}, scale),
                  play(PlayType::Rush, true, {40, false}, {22, false}, scale),
                  fieldGoal};
    // Downs and distances as recording left them, so that every play follows
    // from the one before it (the indoor field's halved spots gain less).
    struct Downs {
        int downBefore, toGoBefore, downAfter, toGoAfter;
    };
    constexpr Downs outdoor[] = {{0, 10, 0, 10}, {0, 10, 1, 3},  {1, 3, 0, 10},  {0, 10, 0, 10}, {0, 10, 1, 13},
                                 {1, 13, 1, 13}, {0, 10, 0, 10}, {0, 10, 0, 10}, {0, 10, 0, 10}};
    constexpr Downs indoors[] = {{0, 10, 0, 10}, {0, 10, 1, 7},  {1, 7, 0, 10}, {0, 10, 0, 10}, {0, 10, 1, 11},
                                 {1, 11, 1, 11}, {0, 10, 0, 10}, {0, 10, 1, 1}, {1, 1, 1, 1}};
    for (std::size_t i = 0; i < game.plays.size(); ++i) {
        const Downs &d = (indoor ? indoors : outdoor)[i];
        PlayRecord &p = game.plays[i];
        std::tie(p.downBefore, p.toGoBefore, p.downAfter, p.toGoAfter) =
            std::tie(d.downBefore, d.toGoBefore, d.downAfter, d.toGoAfter);
        if (p.playType == code(PlayType::Rush) || p.playType == code(PlayType::Pass))
            p.firstDown = code(d.downAfter == 0 && !p.turnover ? FirstDownKind::FirstDown : FirstDownKind::NoFirstDown);
    }
    game.homeScore = 3;
    game.savedQuarter = 1;
    game.kickoffPending = true;
    game.savedBallSpot = {35 / scale, true};
    game.isNewGame = false;
    return game;
}

Game crowdedGame()
{
    Game game = sampleGame(false);
    for (int i = 0; i < 8; ++i)
        game.plays.push_back(play(PlayType::Rush, i % 2 == 0, {30, i % 2 == 0}, {33, i % 2 == 0}, 1));
    const auto scored = [](PlayRecord p, ScoreType score) {
        p.scoreType = code(score);
        return p;
    };
    game.plays.push_back(scored(play(PlayType::Rush, true, {4, false}, {0, false}, 1), ScoreType::Touchdown));
    game.plays.push_back(scored(play(PlayType::ExtraPoint, true, {3, false}, {0, false}, 1), ScoreType::ExtraPoint));
    game.plays.push_back(scored(play(PlayType::TryByRush, true, {3, false}, {0, false}, 1), ScoreType::Conversion));
    PlayRecord missed = play(PlayType::FieldGoal, false, {29, true}, {29, true}, 1);
    missed.kickResult = code(KickResult::FieldGoalWideLeft);
    game.plays.push_back(missed);
    PlayRecord fumble = play(PlayType::Rush, true, {29, true}, {33, true}, 1);
    fumble.turnover = code(TurnoverKind::Fumble);
    fumble.fumbles[0] = code(FumbleRecovery::ByDefense);
    fumble.fumbleRecoveredByHome[0] = false;
    fumble.fumbleRecoveredAt[0] = {33, true};
    game.plays.push_back(fumble);
    game.savedBallSpot = {33, true};
    game.kickoffPending = false;
    return game;
}

Team sampleTeam(const char *name, const char *coach, bool home)
{
    Team team;
    team.rosterOnly = false;
    team.name = name;
    team.coach = coach;
    team.assistant = home ? "Gus Halloran" : "Ned Marlowe";
    const PlayerRecord players[] = {
        {home ? "Joe Kaminski" : "Lyle Dorsey", 9, 1, 0, 3},    {home ? "Walt Pierce" : "Eddie Lamar", 34, 6, 0, 1},
        {home ? "Mike Sandoval" : "John Arnett", 50, 0, 13, 2}, {home ? "Kevin Bauer" : "Al DeMarco", 6, 3, 0, 0},
        {home ? "Willie Grant" : "James Loring", 83, 20, 0, 1}, {home ? "Richard Dunn" : "Ezra Jordan", 95, 0, 22, 2},
        {home ? "Dave Fenner" : "Bucky Sloan", -1, 4, 0, 0},
    };
    int n = 0;
    for (const PlayerRecord &player : players) {
        PersonalInfo info = newPersonalInfo();
        info.phone = "312-555-01" + std::to_string(10 + n);
        info.address = std::to_string(100 + 7 * n) + " Lake Shore Dr";
        info.city = home ? "Chicago" : "Green Bay";
        info.state = home ? "IL" : "WI";
        info.zip = home ? "60611" : "54304";
        info.birthMonth = static_cast<std::uint8_t>(1 + n);
        info.birthDay = static_cast<std::uint8_t>(3 + 2 * n);
        info.birthYear = 1958 + n;
        info.email = "player" + std::to_string(n) + "@example.com";
        ++n;
        addPlayer(team, player, info);
    }
    sortRoster(team, RosterSortKey::Name);
    team.currentQuarterback = players[0].name;
    team.currentKicker = team.currentFieldGoalKicker = players[3].name;
    team.currentPunter = players[6].name;
    return team;
}

} // namespace yardmark::tour
