#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace yardmark {

/// The two kinds of file an export writes.
enum class ExportFormat { Csv, Html };

/// The chosen name with the extension of the chosen type (".csv" or ".htm")
/// added when the file name has no ".".
std::string withExportExtension(std::string_view path, ExportFormat chosenType);

/// An export is HTML when the HTML type was chosen, or when the name is longer
/// than 4 characters and its last 5 characters contain "htm" (.htm and .html).
ExportFormat exportFormatFor(std::string_view path, ExportFormat chosenType);

/// A report's writer: the stream, whether it writes HTML, and whether it
/// appends to a file that already held an export.
using ExportWriter = std::function<void(std::ostream &out, bool html, bool appending)>;

/// Runs `writer` on the file at `path`. Appending keeps what the file held and
/// writes a line feed first, so that the new part starts on a line of its
/// own; otherwise the file is created or replaced. The whole file is written
/// beside its name and then renamed over it, so that a read-only file, a full
/// disk or a failed writer leaves the old file as it was: false then.
bool exportToFile(const std::string &path, ExportFormat format, bool appending, const ExportWriter &writer);

} // namespace yardmark
