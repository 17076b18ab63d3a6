#pragma once

#include "records/game.h"
#include "records/gamefile.h"
#include "records/settings.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace yardmark {

/// Two rosters and their teams' names: the game a scorer has open when the
/// lines under test are typed.
inline Game rosteredGame()
{
    Game game = newGame();
    game.info.homeTeamName = "Tigers";
    game.info.visitorTeamName = "Bears";
    game.homeTeam.players = {{"Adams", 7, 1, 0, 1}, {"Baker", 22, 6, 0, 1}, {"Kemp", 4, 22, 0, 1}};
    game.homeTeam.personalInfo.resize(game.homeTeam.players.size());
    game.homeTeam.currentQuarterback = "Adams";
    game.visitorTeam.players = {{"Moss", 54, 0, 13, 2}, {"Nash", 90, 0, 15, 2}, {"Ortiz", 21, 0, 9, 2}};
    game.visitorTeam.personalInfo.resize(game.visitorTeam.players.size());
    return game;
}

/// The opening line of the scripts: the home team receives, a touchback.
inline constexpr const char *kOpeningLine =
    R"({"op":"open","answers":["home"],"kickoff":{"kicker":"4","result":"touchback"}})";

inline Settings defaultSettings()
{
    Settings settings;
    setDefaults(settings);
    return settings;
}

/// A folder of this fuzzer's own for the files it hands to file readers.
inline std::filesystem::path scratchFolder(const char *target)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (std::string(target) + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

/// A game saves and loads back to the same game and the same bytes (a
/// loaded game is no longer new, whatever the file held).
inline bool savesAndLoadsBack(const Game &game)
{
    Game expected = game;
    expected.isNewGame = false;
    const std::vector<std::uint8_t> saved = encodeGame(expected);
    Game again = newGame();
    again.fileName = game.fileName;
    return decodeGame(encodeGame(game), again) && again == expected && encodeGame(again) == saved;
}

} // namespace yardmark
