#include "gameresult.h"

#include "vocabulary/scoring.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>

namespace yardmark {

namespace {

constexpr const char *kEnDash = "\x96";

} // namespace

bool hasResult(const Game &game)
{
    return !game.plays.empty();
}

GameResult gameResult(const Game &game, const LeagueOptions &options)
{
    GameResult result;
    for (const PlayRecord &play : game.plays) {
        const PlayPoints points = pointsOfPlay(play, options);
        result.home += points.home;
        result.visitor += points.visitor;
        result.overtime = result.overtime || play.quarter > kLastRegularQuarter;
    }
    return result;
}

std::string resultText(const Game &game, const LeagueOptions &options)
{
    if (!hasResult(game))
        return {};
    const GameResult result = gameResult(game, options);
    std::string text = std::to_string(result.home) + kEnDash + std::to_string(result.visitor);
    if (result.overtime)
        text += " OT";
    return text;
}

void TeamRecord::add(const GameResult &result, bool home)
{
    const std::int32_t own = home ? result.home : result.visitor;
    const std::int32_t other = home ? result.visitor : result.home;
    if (own > other)
        ++won;
    else if (own < other)
        ++lost;
    else
        ++tied;
}

std::string recordText(const TeamRecord &record)
{
    return std::to_string(record.won) + kEnDash + std::to_string(record.lost) + kEnDash + std::to_string(record.tied);
}

std::string gamesText(std::int32_t games)
{
    return std::to_string(games) + (games == 1 ? " game" : " games");
}

} // namespace yardmark
