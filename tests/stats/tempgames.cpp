#include "tempgames.h"

#include "records/gamefile.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace yardmark::test {

TempGames::TempGames()
{
    static int serial = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("yardmark-games-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(m_dir);
}

TempGames::~TempGames()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::string TempGames::save(const std::string &name, Game game)
{
    const std::string path = (m_dir / name).string();
    EXPECT_TRUE(saveGame(game, path));
    return path;
}

std::string TempGames::garbage(const std::string &name)
{
    return write(name, {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3});
}

std::string TempGames::write(const std::string &name, const std::vector<std::uint8_t> &bytes)
{
    const std::string path = (m_dir / name).string();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempGames::missing(const std::string &name) const
{
    return (m_dir / name).string();
}

} // namespace yardmark::test
