#pragma once

#include "schedule.h"

#include "base/datetime.h"
#include "records/settings.h"
#include "reports/exportchoice.h"

#include <iosfwd>
#include <string>

namespace yardmark {

/// Writes the schedule as comma-separated text or as an HTML page. When
/// `appending` to an existing page the page head is left out; the footer is
/// dated `now`.
void writeSchedule(std::ostream &out, const Schedule &schedule, ExportFormat format, bool appending,
                   const HtmlOptions &options, const DateTime &now);

/// Writes the schedule to `path` as `format`; appending adds a line feed and
/// the new part after what the file holds. False when it cannot be written.
bool exportSchedule(const Schedule &schedule, const std::string &path, ExportFormat format, bool append,
                    const HtmlOptions &options);

} // namespace yardmark
