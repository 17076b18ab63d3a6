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

GameFileReading readGameFiles(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit,
                              const GameFileProgress &progress)
{
    GameFileReading reading;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        Game game;
        if (loadGame(game, paths[i]))
            visit(game);
        else
            reading.unreadable.push_back(paths[i]);
        if (progress && !progress(i + 1)) {
            reading.cancelled = i + 1 < paths.size();
            break;
        }
    }
    return reading;
}

std::string unreadableFilesMessage(const std::vector<std::string> &unreadable)
{
    if (unreadable.empty())
        return {};
    std::string text = std::to_string(unreadable.size()) + (unreadable.size() == 1 ? " file" : " files") +
                       " could not be read:";
    for (const std::string &path : unreadable)
        text += "\n" + path;
    return text;
}

int forEachGameFile(const std::vector<std::string> &paths, const std::function<void(const Game &)> &visit)
{
    return static_cast<int>(readGameFiles(paths, visit, {}).unreadable.size());
}

} // namespace yardmark
