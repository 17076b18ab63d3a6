#pragma once

#include "records/game.h"

#include <string>

namespace yardmark::cli {

/// The game in the file at `path`; a CliError naming the file when it cannot
/// be read or is damaged.
Game loadGameOrFail(const std::string &path);

} // namespace yardmark::cli
