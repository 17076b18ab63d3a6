#include "game.h"

#include "base/datetime.h"

#include <algorithm>

namespace yardmark {

bool Game::appendPlay(const PlayRecord &play)
{
    plays.push_back(play);
    return true;
}

bool Game::removeNoPlays()
{
    const auto isNoPlay = [](const PlayRecord &p) { return p.playType == 0; };
    if (plays.empty() || std::none_of(plays.begin(), plays.end(), isNoPlay))
        return false;
    std::erase_if(plays, isNoPlay);
    plays.shrink_to_fit();
    return true;
}

void Game::renamePlayerInPlays(const std::string &oldName, const PlayerRecord &newPlayer, bool homeTeamRoster)
{
    // An empty name is what every unused slot holds: renaming it would fill
    // them all with this player.
    if (oldName.empty())
        return;
    Team &team = homeTeamRoster ? homeTeam : visitorTeam;
    for (PlayerRecord &entry : team.players) {
        if (entry.name == oldName) {
            entry.name = newPlayer.name;
            entry.number = newPlayer.number;
            entry.offensivePosition = newPlayer.offensivePosition;
        }
    }
    for (PlayRecord &play : plays)
        for (PlayerRecord &slot : play.players)
            if (slot.name == oldName)
                slot = newPlayer;
}

const std::string &teamName(const Game &game, bool home)
{
    return home ? game.info.homeTeamName : game.info.visitorTeamName;
}

Game newGame()
{
    Game game;
    GameInfo &info = game.info;
    info.fieldName = info.referee = info.umpire = info.headLinesman = " ";
    info.lineJudge = info.fieldJudge = info.sideJudge = info.backJudge = " ";
    const DateTime today = currentDateTime();
    game.info.gameYear = today.year;
    game.info.gameMonth = static_cast<std::uint8_t>(today.month);
    game.info.gameDay = static_cast<std::uint8_t>(today.day);
    game.info.season = today.year;
    game.info.startHour = 12;
    game.info.startMinute = 0;
    return game;
}

} // namespace yardmark
