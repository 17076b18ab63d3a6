#pragma once

#include "exportchoice.h"

#include "base/userinterface.h"

#include <string>

namespace yardmark {

/// The save dialog every report's "&Export" opens.
inline constexpr const char *kExportDialogTitle = "Select file name to save as";
inline constexpr const char *kExportFileTypes =
    "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
inline constexpr const char *kAppendQuestion = "This file already exists.  Would you like to append to it?";
inline constexpr const char *kOverwriteQuestion = "Overwrite Existing File?";

/// How an export ended.
enum class ExportResult { Written, Cancelled, Failed };

/// The export of a report: the user chooses a file name and the type (CSV or
/// HTML); a name without a "." gets the type's extension, and a name ending in
/// "htm" or "html" is written as HTML whatever the type. An existing file may
/// be appended to (after a line feed) or, on a second question, overwritten;
/// answering No to both writes nothing. The file is written whole beside its
/// name and then renamed over it, so that a read-only folder or a full disk
/// leaves the old file as it was; the user is told when that happens.
/// `proposedName` is offered in the dialog.
ExportResult exportReport(UserInterface &ui, const ExportWriter &writer, const std::string &proposedName = {});

} // namespace yardmark
