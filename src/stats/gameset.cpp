#include "gameset.h"

#include "records/gamefile.h"

namespace yardmark {

std::optional<bool> teamIsHome(const Game &game, std::string_view teamName)
{
    if (game.info.visitorTeamName == teamName)
        return false;
    if (game.info.homeTeamName == teamName)
        return true;
    return std::nullopt;
}

int forEachGameFile(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit)
{
    int skipped = 0;
    for (const std::string &path : paths) {
        Game game;
        if (loadGame(game, path))
            visit(game);
        else
            ++skipped;
    }
    return skipped;
}

} // namespace yardmark
