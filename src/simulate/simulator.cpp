#include "simulator.h"

#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "season/scheduleform.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <stdexcept>

namespace yardmark::simulate {

// The generator -------------------------------------------------------------

Pcg32::Pcg32(std::uint64_t seed) : m_increment((seed << 1u) | 1u)
{
    next();
    m_state += seed;
    next();
}

std::uint32_t Pcg32::next()
{
    const std::uint64_t old = m_state;
    m_state = old * 6364136223846793005ULL + m_increment;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

int Pcg32::below(int bound)
{
    if (bound <= 0)
        return 0;
    return static_cast<int>((static_cast<std::uint64_t>(next()) * static_cast<std::uint64_t>(bound)) >> 32u);
}

// The league ----------------------------------------------------------------

namespace {

constexpr std::array kTeamNames{"Riverton Tigers",    "Lakeside Bears",  "Harbor City Lions",  "Pine Valley Eagles",
                                "Granite Falls Rams", "Westfield Hawks", "Cedar Creek Wolves", "Ironwood Falcons"};
constexpr std::array kFirstNames{"Aaron", "Ben",   "Carlos", "Darius", "Eli",    "Frank", "Gabe",    "Hector",
                                 "Isaac", "Jamal", "Kevin",  "Luis",   "Marcus", "Nate",  "Omar",    "Pete",
                                 "Quinn", "Ray",   "Sam",    "Tyler",  "Umar",   "Vince", "Wes",     "Xavier",
                                 "Yusuf", "Zach",  "Andre",  "Brett",  "Cody",   "Derek", "Ren\xE9", "Jos\xE9"};
constexpr std::array kLastNames{"Adams",
                                "Baker",
                                "Carter",
                                "Diaz",
                                "Evans",
                                "Foster",
                                "Garcia",
                                "Hughes",
                                "Irving",
                                "Jensen",
                                "Kim",
                                "Lopez",
                                "Morgan",
                                "Nguyen",
                                "Owens",
                                "Parker",
                                "Reyes",
                                "Shaw",
                                "Turner",
                                "Usher",
                                "Vaughn",
                                "Walsh",
                                "Young",
                                "Zimmer",
                                "Brooks",
                                "Coleman",
                                "Dawson",
                                "Ellis",
                                "Fischer",
                                "Grant",
                                "Hayes",
                                "Ib\xE1\xF1"
                                "ez"};

struct PositionGroup {
    Position position;
    int count;
    int starters;
    StarterStatus starterStatus;
};

// 44 players: every position a game needs, with its starters.
constexpr std::array<PositionGroup, 12> kRosterShape{{
    {Position::Quarterback, 2, 1, StarterStatus::OffensiveStarter},
    {Position::Placekicker, 1, 1, StarterStatus::OffensiveStarter},
    {Position::Punter, 1, 1, StarterStatus::OffensiveStarter},
    {Position::RunningBack, 3, 1, StarterStatus::OffensiveStarter},
    {Position::Fullback, 1, 1, StarterStatus::OffensiveStarter},
    {Position::WideReceiver, 5, 3, StarterStatus::OffensiveStarter},
    {Position::TightEnd, 2, 1, StarterStatus::OffensiveStarter},
    {Position::OffensiveLine, 8, 5, StarterStatus::OffensiveStarter},
    {Position::DefensiveLine, 6, 4, StarterStatus::DefensiveStarter},
    {Position::Linebacker, 6, 3, StarterStatus::DefensiveStarter},
    {Position::Cornerback, 5, 2, StarterStatus::DefensiveStarter},
    {Position::Safety, 4, 2, StarterStatus::DefensiveStarter},
}};

template <typename List> std::string pick(Pcg32 &rng, const List &list)
{
    return list[static_cast<std::size_t>(rng.below(static_cast<int>(list.size())))];
}

std::string personName(Pcg32 &rng, std::set<std::string> &used)
{
    for (;;) {
        std::string name = pick(rng, kFirstNames) + " " + pick(rng, kLastNames);
        if (used.insert(name).second)
            return name;
    }
}

Team makeTeam(Pcg32 &rng, const std::string &name, std::set<std::string> &usedNames)
{
    Team team;
    team.name = name;
    team.rosterOnly = false;
    team.coach = personName(rng, usedNames);
    team.assistant = personName(rng, usedNames);
    std::array<int, 99> numbers{};
    for (int i = 0; i < 99; ++i)
        numbers[static_cast<std::size_t>(i)] = i + 1;
    for (int i = 98; i > 0; --i)
        std::swap(numbers[static_cast<std::size_t>(i)], numbers[static_cast<std::size_t>(rng.below(i + 1))]);
    std::size_t nextNumber = 0;
    for (const PositionGroup &group : kRosterShape) {
        for (int i = 0; i < group.count; ++i) {
            PlayerRecord player;
            player.name = personName(rng, usedNames);
            player.number = numbers[nextNumber++];
            const bool defense = group.starterStatus == StarterStatus::DefensiveStarter;
            player.offensivePosition = defense ? code(Position::Bench) : code(group.position);
            player.defensivePosition = defense ? code(group.position) : code(Position::Bench);
            player.starterStatus = code(i < group.starters ? group.starterStatus : StarterStatus::NotAStarter);
            team.players.push_back(player);
            if (i == 0 && group.position == Position::Quarterback)
                team.currentQuarterback = player.name;
            if (group.position == Position::Placekicker)
                team.currentKicker = team.currentFieldGoalKicker = player.name;
            if (group.position == Position::Punter)
                team.currentPunter = player.name;
        }
    }
    std::sort(team.players.begin(), team.players.end(),
              [](const PlayerRecord &a, const PlayerRecord &b) { return a.name < b.name; });
    team.personalInfo.assign(team.players.size(), PersonalInfo{});
    return team;
}

} // namespace

std::vector<Team> makeLeague(Pcg32 &rng, int teamCount)
{
    std::vector<Team> league;
    std::set<std::string> usedNames;
    for (int i = 0; i < teamCount; ++i) {
        const std::string name = i < static_cast<int>(kTeamNames.size()) ? kTeamNames[static_cast<std::size_t>(i)]
                                                                         : "Team " + std::to_string(i + 1);
        league.push_back(makeTeam(rng, name, usedNames));
    }
    return league;
}

// One game ------------------------------------------------------------------

namespace {

/// Writes the scorer's script of one game a line at a time, each line chosen
/// from the situation the game window shows after the one before.
class GameScripter {
public:
    GameScripter(Pcg32 &rng, Game &game, const Settings &settings, const LineObserver &observe)
        : m_rng(rng), m_game(game), m_league(settings.league), m_runner(game, settings), m_observe(observe),
          m_midfield(settings.league.midfieldYardLine)
    {
    }

    /// Plays the game through; false when the closing save failed.
    bool play(bool save);

private:
    const GameSituation &situation() { return m_runner.flow().situation(); }
    void run(Json line);
    void resetClock() { m_secondsLeft = std::max(1, m_league.minutesPerQuarter) * 60; }
    void tick(int low, int high) { m_secondsLeft = std::max(0, m_secondsLeft - m_rng.between(low, high)); }
    Json clock() const;

    /// A player's number of the team, among the positions (any player when none plays them).
    std::string number(bool home, std::initializer_list<Position> positions);
    std::string offense(std::initializer_list<Position> positions)
    {
        return number(situation().homeHasBall, positions);
    }
    std::string defense()
    {
        return number(!situation().homeHasBall,
                      {Position::Linebacker, Position::Safety, Position::Cornerback, Position::DefensiveLine});
    }
    /// The ball's distance from the goal line the offense defends.
    int ownDistance();
    /// The spot `distance` yards from the goal line the team `home` defends.
    Json spot(int distance, bool home) const;
    Json offenseSpot(int distance) { return spot(distance, situation().homeHasBall); }

    bool nextPeriod();
    void playOne();
    Json kickoffFields(bool kickingHome);
    void kickoff();
    void extraPointOrConversion();
    void rush();
    void pass();
    void punt();
    void fieldGoal();
    void penalty();
    void timeOut();

    Pcg32 &m_rng;
    Game &m_game;
    const LeagueOptions &m_league;
    ScriptRunner m_runner;
    const LineObserver &m_observe;
    int m_midfield;
    int m_secondsLeft = 0;
    bool m_overtime = false;
};

void GameScripter::run(Json line)
{
    line["time"] = clock();
    const Json result = m_runner.runLine(line);
    if (m_observe)
        m_observe(line, result);
}

Json GameScripter::clock() const
{
    return Json{{"minutes", std::to_string(m_secondsLeft / 60)}, {"seconds", std::to_string(m_secondsLeft % 60)}};
}

std::string GameScripter::number(bool home, std::initializer_list<Position> positions)
{
    const std::vector<PlayerRecord> &roster = home ? m_game.homeTeam.players : m_game.visitorTeam.players;
    std::vector<const PlayerRecord *> candidates;
    for (const PlayerRecord &player : roster) {
        for (Position position : positions) {
            if (player.offensivePosition == code(position) || player.defensivePosition == code(position))
                candidates.push_back(&player);
        }
    }
    if (candidates.empty()) {
        for (const PlayerRecord &player : roster)
            candidates.push_back(&player);
    }
    if (candidates.empty())
        return "";
    const PlayerRecord *player = candidates[static_cast<std::size_t>(m_rng.below(static_cast<int>(candidates.size())))];
    return player->number < 0 ? "00" : std::to_string(player->number);
}

int GameScripter::ownDistance()
{
    const GameSituation &s = situation();
    return s.ballSpot.homeSide == s.homeHasBall ? s.ballSpot.yardLine : 2 * m_midfield - s.ballSpot.yardLine;
}

Json GameScripter::spot(int distance, bool home) const
{
    distance = std::clamp(distance, 0, 2 * m_midfield);
    const bool ownHalf = distance <= m_midfield;
    const int yard = ownHalf ? distance : 2 * m_midfield - distance;
    return Json{{"side", ownHalf == home ? "home" : "visitor"}, {"yard", yard == 0 ? "G" : std::to_string(yard)}};
}

bool GameScripter::play(bool save)
{
    resetClock();
    const bool homeKicks = m_rng.chance(50);
    run(Json{{"op", "open"}, {"answers", {homeKicks ? "home" : "visitor"}}, {"kickoff", kickoffFields(homeKicks)}});
    // A guard against a script that could not move on; a real game has some 150 lines.
    for (int lines = 0; lines < 600; ++lines) {
        if (m_overtime && m_game.homeScore != m_game.visitorScore)
            break; // sudden death
        if (m_secondsLeft == 0 && !m_game.tryPending) {
            if (!nextPeriod())
                break;
            continue;
        }
        playOne();
    }
    run(Json{{"op", "quit"}, {"answers", {save ? "yes" : "no"}}});
    return !m_runner.windowOpen();
}

bool GameScripter::nextPeriod()
{
    const int quarter = situation().quarter;
    if (quarter >= 3 && (m_overtime || m_game.homeScore != m_game.visitorScore))
        return false;
    resetClock();
    if (quarter == 1) {
        // The team that received the opening kickoff kicks off the second half.
        const bool homeKicks = !m_game.plays.front().homeHasBall;
        run(Json{{"op", "quarter_up"},
                 {"answers", {homeKicks ? "home" : "visitor"}},
                 {"kickoff", kickoffFields(homeKicks)}});
        return true;
    }
    run(Json{{"op", "quarter_up"}});
    if (quarter >= 3) {
        // Overtime opens with a kickoff by the team that wins the toss.
        m_overtime = true;
        const bool homeKicks = m_rng.chance(50);
        const bool left = homeKicks == situation().homeOnLeft;
        run(Json{{"op", "team"}, {"side", left ? "left" : "right"}});
        run(Json{{"op", "kickoff"}, {"fields", kickoffFields(homeKicks)}});
    }
    return true;
}

void GameScripter::playOne()
{
    if (m_game.kickoffPending) {
        kickoff();
        return;
    }
    if (m_game.tryPending) {
        extraPointOrConversion();
        return;
    }
    const GameSituation &s = situation();
    const int toGoal = 2 * m_midfield - ownDistance();
    if (s.down == 3) {
        if (toGoal <= 37 && !(s.toGo <= 1 && m_rng.chance(40)))
            fieldGoal();
        else if (s.toGo <= 1 && m_rng.chance(35))
            rush();
        else
            punt();
        return;
    }
    const int roll = m_rng.below(100);
    if (roll < 2)
        timeOut();
    else if (roll < 9)
        penalty();
    else if (roll < 9 + (s.down == 2 && s.toGo > 4 ? 70 : 42))
        pass();
    else
        rush();
}

Json GameScripter::kickoffFields(bool kickingHome)
{
    const GameSituation &s = situation();
    // The kicking spot counted from the kickers' own goal line.
    const int kickFrom = s.ballSpot.homeSide == kickingHome ? s.ballSpot.yardLine : m_league.kickoffYardLine;
    Json fields{{"kicker", number(kickingHome, {Position::Placekicker})}};
    // A team behind late in the game tries an onside kick now and then.
    const int lead = (m_game.homeScore - m_game.visitorScore) * (kickingHome ? 1 : -1);
    if (s.quarter == 3 && lead < 0 && m_rng.chance(25)) {
        fields["onside"] = m_rng.chance(30) ? "successful" : "unsuccessful";
        return fields;
    }
    // Where it comes down, counted from the receivers' goal line.
    const int landing = 2 * m_midfield - kickFrom - m_rng.between(45, 70);
    if (landing <= 0) {
        fields["result"] = "touchback";
        return fields;
    }
    const bool fairCatch = m_rng.chance(6);
    const int returned = fairCatch ? 0 : (m_rng.chance(1) ? 2 * m_midfield : m_rng.between(8, 35));
    fields["result"] = fairCatch ? "fair_catch" : "returned";
    fields["returner"] = number(!kickingHome, {Position::RunningBack, Position::WideReceiver, Position::Cornerback});
    fields["kicked_to"] = spot(landing, !kickingHome);
    fields["final_spot"] = spot(landing + returned, !kickingHome);
    if (!fairCatch && landing + returned < 2 * m_midfield)
        fields["tackler"] = number(kickingHome, {Position::Linebacker, Position::Safety});
    return fields;
}

void GameScripter::kickoff()
{
    tick(5, 15);
    run(Json{{"op", "kickoff"}, {"fields", kickoffFields(situation().homeHasBall)}});
}

void GameScripter::extraPointOrConversion()
{
    if (m_rng.chance(92)) {
        Json fields{{"kicker", offense({Position::Placekicker})}};
        if (!m_rng.chance(94))
            fields["result"] = m_rng.chance(50) ? "wide_left" : "wide_right";
        run(Json{{"op", "fieldgoal"}, {"fields", fields}});
        return;
    }
    // A try by rush or pass: in or stopped a yard short.
    const int reached = m_rng.chance(45) ? 2 * m_midfield : 2 * m_midfield - 1;
    if (m_rng.chance(50)) {
        run(Json{{"op", "rush"},
                 {"fields",
                  {{"quarterback", offense({Position::Quarterback})},
                   {"rusher", offense({Position::RunningBack, Position::Fullback})},
                   {"final_spot", offenseSpot(reached)}}}});
    } else {
        run(Json{{"op", "pass"},
                 {"fields",
                  {{"quarterback", offense({Position::Quarterback})},
                   {"receiver", offense({Position::WideReceiver, Position::TightEnd})},
                   {"reception_spot", offenseSpot(reached)},
                   {"final_spot", offenseSpot(reached)}}}});
    }
}

void GameScripter::rush()
{
    const int own = ownDistance();
    const int roll = m_rng.below(100);
    const int gain = roll < 10   ? -m_rng.between(1, 4)
                     : roll < 66 ? m_rng.between(0, 4)
                     : roll < 92 ? m_rng.between(4, 9)
                     : roll < 99 ? m_rng.between(10, 20)
                                 : m_rng.between(20, 70);
    const int end = std::clamp(own + gain, 0, 2 * m_midfield);
    Json fields{{"quarterback", offense({Position::Quarterback})},
                {"rusher", offense({Position::RunningBack, Position::Fullback, Position::Quarterback})},
                {"rush_type", m_rng.between(1, 12)},
                {"final_spot", offenseSpot(end)}};
    if (end < 2 * m_midfield)
        fields["tackler"] = defense();
    if (end > 0 && end < 2 * m_midfield && m_rng.chance(2)) {
        const bool offenseKeeps = m_rng.chance(45);
        const bool recoveredByHome = situation().homeHasBall == offenseKeeps;
        fields["fumbles"] =
            Json::array({Json{{"recovered_by", recoveredByHome ? "home" : "visitor"},
                              {"recoverer", number(recoveredByHome, {Position::Linebacker, Position::RunningBack})},
                              {"recovered_at", offenseSpot(end)},
                              {"returned_to", offenseSpot(end)}}});
    }
    tick(25, 42);
    run(Json{{"op", "rush"}, {"answers", {"yes"}}, {"fields", fields}});
}

void GameScripter::pass()
{
    const int own = ownDistance();
    const int goal = 2 * m_midfield;
    Json fields{{"quarterback", offense({Position::Quarterback})}};
    const int roll = m_rng.below(100);
    if (roll < 55) {
        const int caught = std::clamp(own + m_rng.between(-2, 18), 1, goal);
        const int end = std::min(caught + (m_rng.chance(3) ? 35 : m_rng.between(0, 8)), goal);
        fields["receiver"] = offense({Position::WideReceiver, Position::TightEnd, Position::RunningBack});
        fields["reception_spot"] = offenseSpot(caught);
        fields["final_spot"] = offenseSpot(end);
        if (end < goal)
            fields["tackler"] = defense();
    } else if (roll < 88) {
        fields["result"] = "incomplete";
        fields["receiver"] = offense({Position::WideReceiver, Position::TightEnd});
    } else if (roll < 96) {
        fields["result"] = "sack";
        fields["final_spot"] = offenseSpot(own - m_rng.between(2, 9));
        fields["tackler"] = defense();
    } else {
        const int caught = std::clamp(own + m_rng.between(5, 35), 1, goal - 1);
        fields["result"] = "interception";
        fields["interceptor"] = number(!situation().homeHasBall, {Position::Cornerback, Position::Safety});
        fields["reception_spot"] = offenseSpot(caught);
        fields["final_spot"] = offenseSpot(caught - m_rng.between(0, 25));
    }
    tick(8, 40);
    run(Json{{"op", "pass"}, {"answers", {"yes"}}, {"fields", fields}});
}

void GameScripter::punt()
{
    const int goal = 2 * m_midfield;
    const int landing = ownDistance() + m_rng.between(33, 52);
    Json fields{{"punter", offense({Position::Punter})}};
    if (landing >= goal) {
        fields["result"] = "touchback";
    } else {
        const int roll = m_rng.below(100);
        const char *result = roll < 55 ? "returned" : roll < 75 ? "fair_catch" : roll < 88 ? "downed" : "out_of_bounds";
        const int returned = roll < 55 ? m_rng.between(0, 15) : 0;
        fields["result"] = result;
        fields["punted_to"] = offenseSpot(landing);
        fields["final_spot"] = offenseSpot(std::max(landing - returned, 1));
        if (roll < 75)
            fields["returner"] = number(!situation().homeHasBall, {Position::WideReceiver, Position::Cornerback});
        if (roll < 55)
            fields["tackler"] = offense({Position::Linebacker, Position::WideReceiver});
    }
    tick(8, 15);
    run(Json{{"op", "punt"}, {"fields", fields}});
}

void GameScripter::fieldGoal()
{
    const int distance = 2 * m_midfield - ownDistance() + 17;
    const int chance = distance < 30 ? 95 : distance < 40 ? 85 : distance < 50 ? 70 : 45;
    Json fields{{"kicker", offense({Position::Placekicker})}};
    if (!m_rng.chance(chance)) {
        const int roll = m_rng.below(3);
        fields["result"] = roll == 0 ? "wide_left" : roll == 1 ? "wide_right" : "short";
    }
    tick(4, 10);
    run(Json{{"op", "fieldgoal"}, {"fields", fields}});
}

void GameScripter::penalty()
{
    static constexpr std::array kOffensive{OffensivePenalty::FalseStart, OffensivePenalty::Holding,
                                           OffensivePenalty::DelayOfGame, OffensivePenalty::IllegalProcedure};
    static constexpr std::array kDefensive{DefensivePenalty::Offside, DefensivePenalty::Encroachment,
                                           DefensivePenalty::Holding, DefensivePenalty::PassInterference,
                                           DefensivePenalty::NeutralZoneInfraction};
    const bool offensive = m_rng.chance(45);
    const bool home = situation().homeHasBall == offensive;
    const int penaltyCode = offensive ? code(kOffensive[static_cast<std::size_t>(m_rng.below(kOffensive.size()))])
                                      : code(kDefensive[static_cast<std::size_t>(m_rng.below(kDefensive.size()))]);
    tick(0, 8);
    run(Json{{"op", offensive ? "offensive_penalty" : "defensive_penalty"},
             {"answers", {"yes"}},
             {"fields",
              {{"penalty", penaltyCode},
               {"penalty_on", number(home, {Position::OffensiveLine, Position::DefensiveLine})}}}});
}

void GameScripter::timeOut()
{
    const bool home = m_rng.chance(50);
    if (m_runner.flow().timeOutsLeft(home) <= 0)
        return;
    run(Json{{"op", "timeout"}, {"side", home == situation().homeOnLeft ? "left" : "right"}});
}

struct Date {
    int year;
    int month;
    int day;
};

// The season opens on the first Saturday of September 2026; one round a week.
Date weekDate(int week)
{
    static constexpr std::array<int, 12> kDaysInMonth{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Date date{2026, 9, 5 + 7 * week};
    while (date.day > kDaysInMonth[static_cast<std::size_t>(date.month - 1)]) {
        date.day -= kDaysInMonth[static_cast<std::size_t>(date.month - 1)];
        if (++date.month > 12) {
            date.month = 1;
            ++date.year;
        }
    }
    return date;
}

Team gameTeam(const Team &team)
{
    Team copy = team;
    copy.personalInfo.clear();
    copy.rosterOnly = true;
    copy.fileName.clear();
    return copy;
}

} // namespace

Game simulateGame(Pcg32 &rng, const Team &home, const Team &visitor, const Settings &settings, int weekNumber,
                  const std::string &gameFile, const LineObserver &observe)
{
    Game game = newGame();
    game.info.homeTeamName = home.name;
    game.info.visitorTeamName = visitor.name;
    game.info.fieldName = home.name.substr(0, home.name.rfind(' ')) + " Stadium";
    game.info.referee = pick(rng, kFirstNames) + " " + pick(rng, kLastNames);
    game.info.umpire = pick(rng, kFirstNames) + " " + pick(rng, kLastNames);
    const Date date = weekDate(weekNumber);
    game.info.gameYear = date.year;
    game.info.gameMonth = static_cast<std::uint8_t>(date.month);
    game.info.gameDay = static_cast<std::uint8_t>(date.day);
    game.info.startHour = static_cast<std::uint8_t>(rng.chance(70) ? 19 : 13);
    game.info.startMinute = 0;
    game.info.season = date.year;
    game.homeTeam = gameTeam(home);
    game.visitorTeam = gameTeam(visitor);
    // The scorer records into the game file set up for the game, as `record` does.
    if (!gameFile.empty() && (!saveGame(game, gameFile) || !loadGame(game, gameFile)))
        throw std::runtime_error("cannot write " + gameFile);
    game.isNewGame = false;
    GameScripter scripter(rng, game, settings, observe);
    if (!scripter.play(!gameFile.empty()))
        throw std::runtime_error("cannot write " + gameFile);
    return game;
}

SeasonFiles simulateSeason(std::uint64_t seed, int games, const std::filesystem::path &dir, const Settings &settings,
                           const LineObserver &observe)
{
    constexpr int kTeams = 8;
    Pcg32 rng(seed);
    const std::vector<Team> league = makeLeague(rng, kTeams);
    SeasonFiles files;
    Schedule schedule;
    for (Team team : league) {
        // The file keeps its name relative to the season's directory, so that
        // a seed gives the same bytes wherever the season is written.
        const std::string name = withTeamExtension(team.name);
        team.fileName = name;
        if (!writeFileAtomically(dir / name, encodeTeamFile(team)))
            throw std::runtime_error("cannot write " + (dir / name).string());
        files.teams.push_back(name);
    }
    // A round robin by the circle method: team 7 stays, the others turn.
    constexpr int kRounds = kTeams - 1;
    constexpr int kGamesPerRound = kTeams / 2;
    for (int g = 0; g < games; ++g) {
        const int week = g / kGamesPerRound;
        const int round = week % kRounds;
        const int slot = g % kGamesPerRound;
        int a = slot == 0 ? kTeams - 1 : (round + slot) % kRounds;
        int b = slot == 0 ? round : (round + kRounds - slot) % kRounds;
        if ((week / kRounds + slot + round) % 2 == 1)
            std::swap(a, b);
        const Team &home = league[static_cast<std::size_t>(a)];
        const Team &visitor = league[static_cast<std::size_t>(b)];
        const Date date = weekDate(week);
        char name[160];
        std::snprintf(name, sizeof name, "%04d-%02d-%02d %s at %s.gam", date.year, date.month, date.day,
                      visitor.name.c_str(), home.name.c_str());
        const Game game = simulateGame(rng, home, visitor, settings, week, (dir / name).string(), observe);
        files.games.push_back(name);
        schedule.append(recordedGameEvent(game, files.teams[static_cast<std::size_t>(a)],
                                          files.teams[static_cast<std::size_t>(b)], name));
    }
    // The season's schedule names its files as the team files do, relative
    // to the directory, so that the season opens wherever it is copied.
    files.schedule = "season.sch";
    if (!saveSchedule(schedule, (dir / files.schedule).string()))
        throw std::runtime_error("cannot write " + (dir / files.schedule).string());
    return files;
}

} // namespace yardmark::simulate
