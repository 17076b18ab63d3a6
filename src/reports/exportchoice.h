#pragma once

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

} // namespace yardmark
