#pragma once

#include "records/game.h"

#include <filesystem>
#include <string>
#include <vector>

namespace yardmark::test {

/// A directory of game files of its own, removed with everything in it.
class TempGames {
public:
    TempGames();
    ~TempGames();
    TempGames(const TempGames &) = delete;
    TempGames &operator=(const TempGames &) = delete;

    /// Saves `game` under `name` and returns the path.
    std::string save(const std::string &name, Game game);
    /// A file that is not a game file.
    std::string garbage(const std::string &name);
    /// A file holding exactly these bytes.
    std::string write(const std::string &name, const std::vector<std::uint8_t> &bytes);
    /// A path where no file is.
    std::string missing(const std::string &name) const;

private:
    std::filesystem::path m_dir;
};

} // namespace yardmark::test
