#pragma once

#include "records/playrecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace yardmark {

/// A spot group of a dialog as the scorer left it: the Home / Visitor radio
/// (neither checked: no value) and the yard-line text as typed.
struct SpotEntry {
    std::optional<bool> homeSide;
    std::string yardText;

    bool operator==(const SpotEntry &) const = default;
};

/// The yard line of a typed text: "g" or "G" first is the goal line, anything
/// else its leading number held within 0..midfield.
std::int32_t readYardLine(std::string_view text, std::int32_t midfieldYardLine);

/// The spot a group stands for; with neither side chosen it is the home goal line.
FieldSpot readSpotEntry(const SpotEntry &entry, std::int32_t midfieldYardLine);

/// The group showing `spot`: its side's radio checked, the yard line in decimal.
SpotEntry showSpotEntry(const FieldSpot &spot);

/// What a number field receives when an entry of its drop-down list is chosen:
/// the entry's first two characters.
std::string listEntryPrefix(std::string_view entry);

} // namespace yardmark
