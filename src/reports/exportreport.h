#pragma once

#include "reports/exportchoice.h"

namespace yardmark {

class UserInterface;

enum class ExportResult { Written, Cancelled, Failed };

/// The export driver every report shares: the click, the save dialog "Select
/// file name to save as" offering CSV and HTML, the extension of the chosen
/// type added to a bare name, and for an existing file the questions whether
/// to append to it or else overwrite it. Then `writer` runs on the file. A
/// file that cannot be written is reported to the user.
ExportResult exportReport(UserInterface &ui, const ExportWriter &writer);

} // namespace yardmark
