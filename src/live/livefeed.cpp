#include "livefeed.h"

#include "base/atomicfile.h"
#include "base/text.h"
#include "chartsvg.h"
#include "gameflow/fielddisplay.h"
#include "gameflow/gamerules.h"
#include "reports/html.h"
#include "stats/gamesummary.h"
#include "stats/scoregrid.h"
#include "stats/scoringsummary.h"
#include "vocabulary/narration.h"
#include "vocabulary/spots.h"

#include <algorithm>
#include <cstdio>

namespace yardmark {

namespace {

using Json = nlohmann::ordered_json;

std::string utf8(std::string_view cp1252)
{
    return cp1252ToUtf8(cp1252);
}

const char *side(bool home)
{
    return home ? "home" : "visitor";
}

std::string trimmed(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string isoTime(const DateTime &t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::string ordinal(int n)
{
    static constexpr const char *kSuffixes[] = {"th", "st", "nd", "rd"};
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char *suffix = (lastTwo >= 11 && lastTwo <= 13) || last > 3 || last < 0 ? "th" : kSuffixes[last];
    return std::to_string(n) + suffix;
}

Json teamJson(const Game &game, const GameSituation &situation, const Settings &settings, bool home)
{
    const int used = timeOutsUsed(game, home, situation.quarter);
    return Json{{"name", utf8(teamName(game, home))},
                {"color", "#" + colorText(home ? settings.app.homeColor : settings.app.visitorColor)},
                {"score", home ? game.homeScore : game.visitorScore},
                {"timeOutsLeft", std::max(0, settings.league.timeOutsPerHalf - used)}};
}

Json situationJson(const Game &game, const GameSituation &s, const LeagueOptions &league)
{
    const std::string offense = utf8(teamName(game, s.homeHasBall));
    std::string downText;
    if (game.kickoffPending) {
        downText = "Kickoff";
    } else if (game.tryPending) {
        downText = "Try";
    } else {
        const int toGoal = 2 * league.midfieldYardLine - distanceFromOwnGoal(s.ballSpot, s.homeHasBall, league);
        downText = ordinal(s.down + 1) + " & " + (s.toGo >= toGoal ? std::string("Goal") : std::to_string(s.toGo));
    }
    const bool midfield = s.ballSpot.yardLine == league.midfieldYardLine;
    const std::string ballOnText =
        midfield ? "Ball on the " + std::to_string(s.ballSpot.yardLine)
                 : "Ball on " + utf8(teamName(game, s.ballSpot.homeSide)) + " " + std::to_string(s.ballSpot.yardLine);
    return Json{{"quarter", s.quarter + 1},
                {"period", periodText(s.quarter)},
                {"down", s.down + 1},
                {"toGo", s.toGo},
                {"ballOn", Json{{"yardLine", s.ballSpot.yardLine}, {"side", side(s.ballSpot.homeSide)}}},
                {"possession", side(s.homeHasBall)},
                {"tryPending", game.tryPending},
                {"kickoffPending", game.kickoffPending},
                {"downText", downText},
                {"ballOnText", ballOnText},
                {"possessionText", offense + (game.kickoffPending ? " kicks off" : " ball")}};
}

Json scoreByQuarterJson(const Game &game, const LeagueOptions &league)
{
    const ScoreGrid grid = scoreByQuarter(game, league);
    Json periods = Json::array();
    for (const char *heading : kScoreGridHeadings)
        periods.push_back(heading);
    return Json{{"periods", periods},
                {"home", Json(std::vector<std::string>(grid.home.begin(), grid.home.end()))},
                {"visitor", Json(std::vector<std::string>(grid.visitor.begin(), grid.visitor.end()))}};
}

Json lastPlaysJson(const Game &game, const LeagueOptions &league)
{
    Json plays = Json::array();
    const int count = game.playCount();
    for (int i = count - 1; i >= std::max(0, count - kLivePlaysShown); --i) {
        plays.push_back(Json{{"number", i + 1},
                             {"text", utf8(narratePlay(game.plays[static_cast<std::size_t>(i)], game.info, league))}});
    }
    return plays;
}

Json scoringJson(const Game &game, const LeagueOptions &league)
{
    Json lines = Json::array();
    for (const ScoringLine &line : scoringLines(game, league)) {
        const PlayRecord &play = game.plays.at(static_cast<std::size_t>(line.playIndex));
        lines.push_back(Json{{"team", side(line.homeTeam)},
                             {"period", periodText(play.quarter)},
                             {"try", line.isTry},
                             {"plays", line.plays},
                             {"yards", line.yards},
                             {"text", utf8(scoringLineText(line))}});
    }
    return lines;
}

Json summaryJson(const Game &game, const LeagueOptions &league)
{
    Json labels = Json::array();
    std::string_view all = kGameSummaryLabels;
    while (!all.empty()) {
        const std::size_t end = all.find('\n');
        labels.push_back(std::string(all.substr(0, end)));
        all.remove_prefix(end == std::string_view::npos ? all.size() : end + 1);
    }
    const QuarterRange range = summaryPeriodRange(game, SummaryPeriod::Game);
    const auto values = [&](bool home) {
        Json list = Json::array();
        for (const std::string &value :
             gameSummaryValues(computeGameTeamStats(game, home, range.first, range.last, league)))
            list.push_back(utf8(trimmed(value)));
        return list;
    };
    return Json{{"labels", labels}, {"home", values(true)}, {"visitor", values(false)}};
}

Json driveChartJson(const Game &game, const GameSituation &s, const Settings &settings)
{
    const DriveChart chart = driveChart(game, s.quarter, s.ballSpot, s.homeOnLeft, settings.league,
                                        {settings.app.homeColor, settings.app.visitorColor});
    const std::string title = "Drive chart, " + periodText(s.quarter);
    return Json{{"quarter", s.quarter + 1}, {"title", title}, {"svg", driveChartSvg(chart, title)}};
}

constexpr LeaderCategory kCategories[] = {LeaderCategory::Passing, LeaderCategory::Rushing, LeaderCategory::Receiving,
                                          LeaderCategory::Tackles};
constexpr const char *kCategoryKeys[] = {"passing", "rushing", "receiving", "tackles"};

const TeamFigures::Player *leaderOf(const TeamLeaders &leaders, LeaderCategory category)
{
    switch (category) {
    case LeaderCategory::Passing:
        return leaders.passing;
    case LeaderCategory::Rushing:
        return leaders.rushing;
    case LeaderCategory::Receiving:
        return leaders.receiving;
    case LeaderCategory::Tackles:
        break;
    }
    return leaders.tackles;
}

/// A player's figures over the season so far: the earlier games and this one.
PlayerFigures seasonToDate(const SeasonSide &side, const TeamFigures::Player &player)
{
    PlayerFigures total = player.figures;
    if (const TeamFigures::Player *before = side.players.find(player.name))
        total += before->figures;
    return total;
}

Json recordJson(const SeasonSide &side)
{
    return Json{{"won", side.record.won},
                {"lost", side.record.lost},
                {"tied", side.record.tied},
                {"text", utf8(recordText(side.record))},
                {"games", side.games}};
}

/// Each team's leaders and every player with a figure, home team first.
void addPlayers(Json &feed, const Game &game, const LeagueOptions &league, const SeasonFigures *season)
{
    Json leaders = Json::object();
    Json players = Json::array();
    for (const bool home : {true, false}) {
        const TeamFigures team = gameFigures(game, home, league);
        const SeasonSide *before = season != nullptr ? &season->side(home) : nullptr;
        for (const TeamFigures::Player &player : team.players()) {
            Json entry{{"team", side(home)},
                       {"name", utf8(player.name)},
                       {"number", player.number},
                       {"game", playerFiguresJson(player.figures)}};
            if (before != nullptr)
                entry["season"] = playerFiguresJson(seasonToDate(*before, player));
            players.push_back(std::move(entry));
        }
        const TeamLeaders best = teamLeaders(team);
        Json teamLeaders = Json::object();
        for (std::size_t i = 0; i < std::size(kCategories); ++i) {
            const TeamFigures::Player *player = leaderOf(best, kCategories[i]);
            if (player == nullptr) {
                teamLeaders[kCategoryKeys[i]] = nullptr;
                continue;
            }
            Json leader{{"name", utf8(player->name)},
                        {"number", player->number},
                        {"text", leaderText(kCategories[i], player->figures)}};
            if (before != nullptr)
                leader["seasonText"] = leaderText(kCategories[i], seasonToDate(*before, *player));
            teamLeaders[kCategoryKeys[i]] = std::move(leader);
        }
        leaders[side(home)] = std::move(teamLeaders);
    }
    feed["leaders"] = std::move(leaders);
    feed["players"] = std::move(players);
    if (season == nullptr) {
        feed["season"] = nullptr;
        return;
    }
    // File names without their folders: the feed is public, and reads the
    // same whichever system wrote it.
    const auto fileName = [](const std::string &path) {
        const std::size_t slash = path.find_last_of("/\\");
        return utf8(slash == std::string::npos ? path : path.substr(slash + 1));
    };
    Json leftOut = Json::array();
    for (const std::string &path : season->leftOut)
        leftOut.push_back(fileName(path));
    feed["season"] = Json{{"schedule", fileName(season->schedule)},
                          {"home", recordJson(season->home)},
                          {"visitor", recordJson(season->visitor)},
                          {"leftOut", leftOut}};
}

} // namespace

nlohmann::ordered_json playerFiguresJson(const PlayerFigures &f)
{
    return Json{{"completions", f.completions},
                {"passAttempts", f.passAttempts},
                {"passingYards", f.passingYards},
                {"passingTouchdowns", f.passingTouchdowns},
                {"interceptions", f.interceptions},
                {"carries", f.carries},
                {"rushingYards", f.rushingYards},
                {"rushingTouchdowns", f.rushingTouchdowns},
                {"catches", f.catches},
                {"receivingYards", f.receivingYards},
                {"receivingTouchdowns", f.receivingTouchdowns},
                {"tackles", f.tackles},
                {"assists", f.assists},
                {"sacks", f.sacks}};
}

std::string leaderText(LeaderCategory category, const PlayerFigures &f)
{
    const auto n = [](std::int32_t value) { return std::to_string(value); };
    switch (category) {
    case LeaderCategory::Passing:
        return n(f.completions) + "-" + n(f.passAttempts) + ", " + n(f.passingYards) + " yds, " +
               n(f.passingTouchdowns) + " TD, " + n(f.interceptions) + " INT";
    case LeaderCategory::Rushing:
        return n(f.carries) + " car, " + n(f.rushingYards) + " yds, " + n(f.rushingTouchdowns) + " TD";
    case LeaderCategory::Receiving:
        return n(f.catches) + " rec, " + n(f.receivingYards) + " yds, " + n(f.receivingTouchdowns) + " TD";
    case LeaderCategory::Tackles:
        break;
    }
    return n(f.tackles) + " tkl, " + n(f.assists) + " ast, " + n(f.sacks) + (f.sacks == 1 ? " sack" : " sacks");
}

GameSituation openedSituation(Game &game, const LeagueOptions &league)
{
    bool kickoffNeeded = false;
    GameSituation s = situationOnOpening(game, league, kickoffNeeded);
    if (kickoffNeeded) {
        // As if the team that has the ball were chosen to kick off.
        s.ballSpot.homeSide = s.homeHasBall;
        game.tryPending = false;
        game.kickoffPending = true;
    }
    return s;
}

nlohmann::ordered_json liveFeed(const Game &game, const GameSituation &situation, const Settings &settings,
                                std::string_view title, const DateTime &now, const SeasonFigures *season)
{
    const std::string caption = teamName(game, true) + " Versus " + teamName(game, false);
    Json feed{{"format", kLiveFeedFormat},
              {"version", kLiveFeedVersion},
              {"title", utf8(title.empty() ? std::string_view(caption) : title)},
              {"updated", isoTime(now)},
              {"playCount", game.playCount()},
              {"teams", Json{{"home", teamJson(game, situation, settings, true)},
                             {"visitor", teamJson(game, situation, settings, false)}}},
              {"scoreByQuarter", scoreByQuarterJson(game, settings.league)},
              {"situation", situationJson(game, situation, settings.league)},
              {"lastPlays", lastPlaysJson(game, settings.league)},
              {"scoring", scoringJson(game, settings.league)},
              {"summary", summaryJson(game, settings.league)},
              {"driveChart", driveChartJson(game, situation, settings)}};
    addPlayers(feed, game, settings.league, season);
    return feed;
}

LiveFiles liveFiles(const Game &game, const GameSituation &situation, const Settings &settings, std::string_view title,
                    const DateTime &now, const SeasonFigures *season)
{
    const Json feed = liveFeed(game, situation, settings, title, now, season);
    return {feed.dump(2) + '\n', livePage(feed)};
}

bool writeLiveFiles(const std::filesystem::path &folder, const LiveFiles &files)
{
    // The feed first: a page is never newer than the feed it reads.
    const bool feed = writeFileAtomically(folder / kLiveFeedFile, files.feed);
    const bool page = writeFileAtomically(folder / kLivePageFile, files.page);
    return feed && page;
}

} // namespace yardmark
