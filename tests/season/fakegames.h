#pragma once

#include "season/schedulelist.h"

#include <map>
#include <string>
#include <vector>

namespace yardmark {

/// Game files that "exist" for a test, by the path they are loaded from; it
/// remembers every path it was asked for.
struct FakeGames {
    std::map<std::string, std::pair<std::string, std::string>> games; ///< path -> home, visitor
    std::map<std::string, std::vector<PlayRecord>> plays;             ///< path -> the game's plays, when any
    std::vector<std::string> asked;

    GameLoader loader()
    {
        return [this](const std::string &path, Game &game) {
            asked.push_back(path);
            const auto found = games.find(path);
            if (found == games.end())
                return false;
            game.info.homeTeamName = found->second.first;
            game.info.visitorTeamName = found->second.second;
            if (const auto recorded = plays.find(path); recorded != plays.end())
                game.plays = recorded->second;
            return true;
        };
    }
};

} // namespace yardmark
