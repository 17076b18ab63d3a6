#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace yardmark {

/// The games and schedules a scorer opened last, newest first, for File >
/// Game > "Open &Recent", File > Schedule > "Open Recent" and the start panel.
/// They are the user's, not the league's: kept in the per-user state folder,
/// never in the start folder's settings file.
enum class RecentKind { Game, Schedule };

struct RecentFile {
    RecentKind kind = RecentKind::Game;
    std::filesystem::path path;
    std::int64_t lastOpened = 0; ///< seconds since 1970, UTC

    bool operator==(const RecentFile &) const = default;
};

/// At most this many of each kind are kept.
inline constexpr std::size_t kRecentFilesKept = 10;

/// The list's file in the state folder.
std::filesystem::path recentFilesPath(const std::filesystem::path &stateDir);

/// One line per file, "game" or "schedule", a tab, the time it was last
/// opened, a tab and the path (UTF-8). Read as far as it is sound: reading
/// stops at the first line that is not such a line.
std::vector<RecentFile> readRecentFiles(const std::filesystem::path &file);
std::string encodeRecentFiles(const std::vector<RecentFile> &files);
std::vector<RecentFile> decodeRecentFiles(std::string_view text);
bool writeRecentFiles(const std::filesystem::path &file, const std::vector<RecentFile> &files);

/// `path` was opened at `now`: it moves to the front of its kind (once), and
/// the oldest beyond kRecentFilesKept of that kind go.
void noteRecentFile(std::vector<RecentFile> &files, RecentKind kind, const std::filesystem::path &path,
                    std::int64_t now);

/// `path` is gone from the list (it was missing when chosen).
void forgetRecentFile(std::vector<RecentFile> &files, RecentKind kind, const std::filesystem::path &path);

/// The files of one kind, newest first.
std::vector<RecentFile> recentFilesOf(const std::vector<RecentFile> &files, RecentKind kind);

} // namespace yardmark
