#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// One entry of a file dialog's filter list: its name as shown and its
/// pattern ("*.tem", or several separated by ';').
struct FileFilter {
    std::string name;
    std::string pattern;

    bool operator==(const FileFilter &) const = default;
};

/// Splits a "Name (*.ext)|*.ext|Other (*.x)|*.x|" list into its entries. The
/// last '|' may be missing; a name without a pattern is dropped.
std::vector<FileFilter> parseFilterList(std::string_view filters);

/// The filter as a Qt name filter: "Name (patterns)", the patterns separated
/// by blanks. A name that already shows its patterns in brackets is kept.
std::string qtNameFilter(const FileFilter &filter);

/// The extension a pattern stands for ("*.tem" gives "tem"); empty for
/// patterns such as "*.*" or "*" that name no single extension.
std::string patternExtension(std::string_view pattern);

/// A chosen name completed as the program's file dialogs do: when the file
/// name (the part after the last '/') has no '.', the extension of the chosen
/// filter is appended, or `defaultExtension` when that filter names none.
std::string completeFileName(std::string_view path, const std::vector<FileFilter> &filters, int filterIndex,
                             std::string_view defaultExtension);

} // namespace yardmark
