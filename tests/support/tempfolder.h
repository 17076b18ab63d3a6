#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace yardmark::testing {

/// A new, empty folder under the system's temporary folder, its name starting
/// with `prefix`; empty when none could be made.
inline std::filesystem::path makeTempFolder(const std::string &prefix)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    const auto temp = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = temp / (prefix + std::to_string(random() % 1000000000));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error))
            return candidate;
    }
    return {};
}

/// A fresh folder for one test's files, removed when the test ends.
class TempDir {
public:
    TempDir() { m_path = makeTempFolder("yardmark-test-"); }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    std::string file(const std::string &name) const { return (m_path / name).string(); }
    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace yardmark::testing
