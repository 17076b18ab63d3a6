#pragma once

#include "base/bytecodec.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace yardmark {

inline constexpr std::size_t kScheduleEntrySize = 1024;

// Widths of the entry's text fields, terminator included.
inline constexpr std::size_t kScheduleNameWidth = 25;
inline constexpr std::size_t kScheduleNoteWidth = 131;

/// Kinds of event a schedule holds; the code is stored in the file.
enum class EventType : std::int32_t {
    NoEvent = 0,
    Practice = 1,
    Game = 2,
    PracticeGame = 3,
    TeamMeeting = 4,
    Workout = 5,
    Party = 6,
};

inline constexpr int kEventTypeCount = 7;

/// The text of an event code; codes the program does not know read as "No Event".
const char *eventTypeText(std::int32_t code);

/// One event of the season: a game, practice, meeting ... with its date, time
/// and place; for games the two teams and, once recorded, the game file.
struct ScheduleEntry {
    std::int32_t eventType = static_cast<std::int32_t>(EventType::NoEvent);
    std::string field;
    std::string homeTeamName;
    std::string homeTeamFile;
    std::string visitorTeamName;
    std::string visitorTeamFile;
    std::string gameFile;
    std::array<std::uint8_t, 8> reserved1{}; ///< not interpreted, carried through unchanged
    std::int32_t year = 0;
    std::uint8_t day = 0;
    std::uint8_t month = 0;
    std::int32_t minute = 0;
    std::int32_t hour = 0;
    std::array<std::uint8_t, 12> reserved2{}; ///< not interpreted, carried through unchanged
    std::string note;

    bool hasGameFile() const { return !gameFile.empty(); }
    bool operator==(const ScheduleEntry &) const = default;
};

/// Writes the entry as its 1024 bytes.
void encode(ByteWriter &out, const ScheduleEntry &entry);
ScheduleEntry decodeScheduleEntry(ByteReader &in);

} // namespace yardmark
