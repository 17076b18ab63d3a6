#pragma once

#include "safefile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace yardmark {

/// Writes `bytes` to `path` so that the old file survives any failure: the
/// data goes to a temporary file in the same folder, is flushed to disk and
/// only then renamed over the old file. False, with the old file untouched
/// and no temporary left behind, when any step fails.
/// A temporary file that an earlier write of the same file left behind when
/// the program was killed in the middle is removed by the next write that
/// succeeds, unless another program is still writing it.
bool writeFileAtomically(const std::filesystem::path &path, std::string_view bytes);
bool writeFileAtomically(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);
/// A new file gets the usual mode (0666 less the umask); a file replaced keeps
/// its mode and, where the user may set it, its group. A link at `path` is
/// replaced, never followed.

/// The same for the program's own files (recovery copy, state files): false,
/// with nothing written, when anything but a regular file stands at `path`.
bool writeOwnFileAtomically(const std::filesystem::path &path, std::string_view bytes);

/// The step of an atomic write at which a full or failing disk shows.
enum class WriteStep { Write, Flush, Rename };

/// Makes the next `count` atomic writes (in any thread) fail at `step`, with
/// errno set to `error` (ENOSPC for a full disk, EIO for a failing one), so
/// that tests can show every writer keeps the old file and says so. Replaces
/// the fault set before; `count` 0 clears it.
void injectWriteFault(WriteStep step, int error, int count = 1);

/// The whole content of a file, or false when it cannot be read, is not a
/// regular file (a pipe or device is refused at once, never waited on) or
/// holds more than `maxSize` bytes (`bytes` is then unchanged, and
/// `lastFileRefusal` says why).
bool readWholeFile(const std::filesystem::path &path, std::vector<std::uint8_t> &bytes,
                   std::size_t maxSize = static_cast<std::size_t>(-1), Links links = Links::Follow);

/// Reads the whole file at `path` into the start of `buffer` with as few
/// system reads as its size allows, growing `buffer` when needed and never
/// shrinking it, so that reading many files one after another into the same
/// buffer allocates nothing once the largest has been read. The number of
/// bytes read, or empty when the file cannot be read or holds more than
/// `maxSize` bytes (the buffer's content is then unspecified).
std::optional<std::size_t> readFileInto(const std::filesystem::path &path, std::vector<std::uint8_t> &buffer,
                                        std::size_t maxSize = static_cast<std::size_t>(-1),
                                        Links links = Links::Follow);

/// The first `count` bytes of a regular file (fewer when it is shorter),
/// for readers that look at a file's head only; empty when it cannot be read.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::filesystem::path &path, std::size_t count);

} // namespace yardmark
