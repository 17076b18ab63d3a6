#pragma once

#include <filesystem>
#include <random>
#include <string>

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

} // namespace yardmark::testing
