#include "gamejson.h"

#include "base/text.h"

namespace yardmark::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string utf8(const std::string &text)
{
    return cp1252ToUtf8(text);
}

// Flags are written as the 0 or 1 the file holds.
int flag(bool value)
{
    return value ? 1 : 0;
}

Json spotJson(const FieldSpot &spot)
{
    return Json{{"yardLine", spot.yardLine}, {"homeSide", flag(spot.homeSide)}};
}

Json playerJson(const PlayerRecord &player)
{
    return Json{{"name", utf8(player.name)},
                {"number", player.number},
                {"offensivePosition", player.offensivePosition},
                {"defensivePosition", player.defensivePosition},
                {"starterStatus", player.starterStatus}};
}

Json infoJson(const GameInfo &info)
{
    return Json{{"fieldName", utf8(info.fieldName)},
                {"referee", utf8(info.referee)},
                {"umpire", utf8(info.umpire)},
                {"headLinesman", utf8(info.headLinesman)},
                {"lineJudge", utf8(info.lineJudge)},
                {"fieldJudge", utf8(info.fieldJudge)},
                {"sideJudge", utf8(info.sideJudge)},
                {"backJudge", utf8(info.backJudge)},
                {"homeTeamName", utf8(info.homeTeamName)},
                {"visitorTeamName", utf8(info.visitorTeamName)},
                {"reserved1", info.reserved1},
                {"reserved2", info.reserved2},
                {"gameYear", info.gameYear},
                {"gameDay", info.gameDay},
                {"gameMonth", info.gameMonth},
                {"startMinute", info.startMinute},
                {"startHour", info.startHour},
                {"reserved3", info.reserved3},
                {"reserved4", info.reserved4},
                {"season", info.season}};
}

Json teamJson(const Team &team)
{
    Json players = Json::array();
    for (const PlayerRecord &player : team.players)
        players.push_back(playerJson(player));
    return Json{{"name", utf8(team.name)},
                {"coach", utf8(team.coach)},
                {"assistant", utf8(team.assistant)},
                {"logoFile", utf8(team.logoFile)},
                {"currentQuarterback", utf8(team.currentQuarterback)},
                {"currentKicker", utf8(team.currentKicker)},
                {"currentFieldGoalKicker", utf8(team.currentFieldGoalKicker)},
                {"currentPunter", utf8(team.currentPunter)},
                {"players", players}};
}

template <typename T, typename F> Json arrayJson(const T &values, F each)
{
    Json list = Json::array();
    for (const auto &value : values)
        list.push_back(each(value));
    return list;
}

Json playJson(const PlayRecord &p)
{
    const auto same = [](auto v) { return v; };
    return Json{{"homeHasBall", flag(p.homeHasBall)},
                {"playType", p.playType},
                {"quarter", p.quarter},
                {"clockMinutes", p.clockMinutes},
                {"clockSeconds", p.clockSeconds},
                {"downBefore", p.downBefore},
                {"downAfter", p.downAfter},
                {"toGoBefore", p.toGoBefore},
                {"toGoAfter", p.toGoAfter},
                {"rushType", p.rushType},
                {"passResult", p.passResult},
                {"scoreType", p.scoreType},
                {"turnover", p.turnover},
                {"fumbles", arrayJson(p.fumbles, same)},
                {"fumbleRecoveredByHome", arrayJson(p.fumbleRecoveredByHome, flag)},
                {"fumbleRecoveredAt", arrayJson(p.fumbleRecoveredAt, spotJson)},
                {"fumbleReturnedTo", arrayJson(p.fumbleReturnedTo, spotJson)},
                {"kickResult", p.kickResult},
                {"firstDown", p.firstDown},
                {"initialSpot", spotJson(p.initialSpot)},
                {"finalSpot", spotJson(p.finalSpot)},
                {"receivedAt", spotJson(p.receivedAt)},
                {"penaltySpot", spotJson(p.penaltySpot)},
                {"offensivePenalty", p.offensivePenalty},
                {"offensivePenaltyYards", p.offensivePenaltyYards},
                {"defensivePenalty", p.defensivePenalty},
                {"defensivePenaltyYards", p.defensivePenaltyYards},
                {"players", arrayJson(p.players, playerJson)}};
}

} // namespace

nlohmann::ordered_json gameToJson(const Game &game)
{
    return Json{{"info", infoJson(game.info)},
                {"homeTeam", teamJson(game.homeTeam)},
                {"visitorTeam", teamJson(game.visitorTeam)},
                {"plays", arrayJson(game.plays, playJson)},
                {"homeScore", game.homeScore},
                {"visitorScore", game.visitorScore},
                {"savedQuarter", game.savedQuarter},
                {"isNewGame", flag(game.isNewGame)},
                {"tryPending", flag(game.tryPending)},
                {"kickoffPending", flag(game.kickoffPending)},
                {"savedBallSpot", spotJson(game.savedBallSpot)}};
}

} // namespace yardmark::cli
