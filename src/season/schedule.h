#pragma once

#include "scheduleentry.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark {

/// The columns of the schedule list, in list order.
enum class ScheduleColumn { Date, Time, Event, Home, Visitor, GameFile, Field, Note };

inline constexpr int kScheduleColumnCount = 8;

/// A season calendar as kept in its schedule file.
struct Schedule {
    std::string fileName;
    std::vector<ScheduleEntry> entries;

    int count() const { return static_cast<int>(entries.size()); }

    void append(const ScheduleEntry &entry);
    /// Removes entry `index`; the later ones move down. Out-of-range indexes do nothing.
    bool remove(int index);
    /// Orders the entries by one list column, smallest first or largest first.
    void sort(ScheduleColumn column, bool descending);

    bool operator==(const Schedule &) const = default;
};

/// Negative, zero or positive as `a` sorts before, with or after `b` in `column`:
/// dates by year, month, day; times by hour, minute; events by code; the rest as text.
int compareScheduleEntries(const ScheduleEntry &a, const ScheduleEntry &b, ScheduleColumn column);

/// The list's column headers: each column sorts ascending on its first click
/// and flips its direction after every sort by it.
class ScheduleSortOrder {
public:
    void sortBy(Schedule &schedule, ScheduleColumn column);
    /// The direction the next sort by `column` will take.
    bool nextIsDescending(ScheduleColumn column) const { return m_descending[static_cast<int>(column)]; }

private:
    std::array<bool, kScheduleColumnCount> m_descending{};
};

enum class ScheduleLoadResult {
    Loaded,
    CannotOpen, ///< no file or no access
    Damaged,    ///< too short or too big, or its count does not fit the file
};

/// The schedule file: 8 header bytes (zeros; readers skip them), the entry
/// count, the entries.
std::vector<std::uint8_t> encodeSchedule(const Schedule &schedule);
/// Reads the bytes of a schedule file; false, with `schedule` untouched, when
/// they are not a whole schedule.
bool decodeSchedule(const std::vector<std::uint8_t> &bytes, Schedule &schedule);

/// Loads a schedule file and names the schedule after it. On any failure the
/// schedule is left as it was.
ScheduleLoadResult loadSchedule(const std::string &path, Schedule &schedule);

/// Writes the schedule to `path` through a temporary file, so that a failed
/// save never leaves a half-written schedule. False when it cannot be written.
bool saveSchedule(const Schedule &schedule, const std::string &path);

} // namespace yardmark
