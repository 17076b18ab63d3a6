#pragma once

#include "records/recentfiles.h"

#include <string>
#include <vector>

namespace yardmark {

/// One line of the recent games and schedules, as the start panel and the
/// Open Recent menus show it.
struct RecentRow {
    RecentFile file;
    std::string teams;    ///< a game's "Tigers Versus Bears"; a schedule's "28 events"
    std::string date;     ///< a game's date, "9/5/2026"; empty for a schedule
    bool missing = false; ///< deleted, moved or unreadable since: said, and dropped when chosen

    bool operator==(const RecentRow &) const = default;
};

/// The rows of `files`, each file read again so that a missing or damaged one
/// shows as such.
std::vector<RecentRow> recentRows(const std::vector<RecentFile> &files);

} // namespace yardmark
