#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace yardmark {

/// The largest file of each kind the program reads, far above any real one
/// (a 4,000-play game is 2 MB, a team of 500 players under 200 KB): a larger
/// file is refused at once instead of filling the memory.
inline constexpr std::size_t kMaxRecordFileSize = std::size_t{64} << 20;  ///< game, team, schedule
inline constexpr std::size_t kMaxTextInputSize = std::size_t{64} << 20;   ///< scorer's script, team list
inline constexpr std::size_t kMaxBitmapFileSize = std::size_t{64} << 20;  ///< logo, wallpaper
inline constexpr std::size_t kMaxSettingsFileSize = std::size_t{1} << 20; ///< yardmark.ini
inline constexpr std::size_t kMaxStateFileSize = std::size_t{1} << 20;    ///< recent list, last game
inline constexpr std::size_t kMaxLockFileSize = 4096;                     ///< a game's lock

/// Whether a path's own links are followed. The program's own files beside a
/// game (lock, recovery copy, temporaries) and in the state folder are never
/// reached through a link: one planted there would make it write elsewhere.
enum class Links { Follow, Refuse };

/// Why the last open or read in this thread refused a file.
enum class FileRefusal { None, Missing, NotRegularFile, TooLarge, Unreadable };
FileRefusal lastFileRefusal();
void setFileRefusal(FileRefusal refusal);

/// What stands at `path` when it is not a regular file: "a symbolic link",
/// "a folder", "a named pipe", "a device" or "not a regular file".
std::string notRegularFileKind(const std::filesystem::path &path);

/// The message for the last refusal of `path`, naming it: "PATH is a named
/// pipe, not a file: it is not used." Empty when nothing was refused or the
/// file is only missing or unreadable.
std::string fileRefusalText(const std::filesystem::path &path);

#ifdef _WIN32
/// Opens a regular file without following a reparse point where `links`
/// says so; a folder, device or pipe is refused. INVALID_HANDLE_VALUE on
/// failure, with GetLastError kept and `lastFileRefusal` saying why.
void *openRegularFile(const std::filesystem::path &path, unsigned long access, unsigned long share,
                      unsigned long disposition, Links links);
#else
/// Opens a regular file with `flags` (a new one gets 0666 less the umask)
/// without blocking on a pipe or device, closed on exec, and not through a
/// link where `links` says so: what `fstat` finds must be a regular file and,
/// without links, the very file `lstat` names. -1 on failure, with errno kept
/// and `lastFileRefusal` saying why.
int openRegularFile(const std::filesystem::path &path, int flags, Links links);
#endif

/// Whether `path` is free for the program's own file: missing, or a regular
/// file that is no link. Sets the refusal when not.
bool mayReplaceOwnFile(const std::filesystem::path &path);

/// When `path` was last written, in nanoseconds on the system's own scale:
/// only for comparing with another such time. Empty when it cannot be read.
/// On Windows the standard library keeps whole seconds, where a recovery copy
/// written in the second of the save would look no newer than the game: the
/// system's own time there counts in tenths of a microsecond.
std::optional<std::int64_t> lastWriteTime(const std::filesystem::path &path);

} // namespace yardmark
