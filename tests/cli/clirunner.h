#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace yardmark::testing {

/// What one run of the built yardmark-cli printed and returned.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

/// Runs the built binary with `args` in `workDir`, with SOURCE_DATE_EPOCH set
/// so that dated output is reproducible.
CliRun runCliBinary(const std::vector<std::string> &args, const std::filesystem::path &workDir);

/// A fresh, empty directory for one test.
std::filesystem::path freshDirectory(const std::string &name);

std::string readText(const std::filesystem::path &path);

} // namespace yardmark::testing
