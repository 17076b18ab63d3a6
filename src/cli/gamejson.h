#pragma once

#include "records/game.h"

#include <nlohmann/json.hpp>

namespace yardmark::cli {

/// The whole game as JSON, every field by its name, texts in UTF-8.
nlohmann::ordered_json gameToJson(const Game &game);

} // namespace yardmark::cli
