#pragma once

#include "base/datetime.h"
#include "records/settings.h"
#include "records/team.h"
#include "reports/exportchoice.h"

#include <iosfwd>
#include <string>

namespace yardmark {

/// Writes a team's address and phone list as comma-separated text or as an
/// HTML page. When `appending` to an existing page the page head is left out;
/// the footer is dated `now`.
void writeAddressList(std::ostream &out, const Team &team, ExportFormat format, bool appending,
                      const HtmlOptions &options, const DateTime &now);

/// Writes the address and phone list to `path` as `format`; appending adds a
/// line feed and the new part after what the file holds. False when it cannot
/// be written.
bool exportAddressList(const Team &team, const std::string &path, ExportFormat format, bool append,
                       const HtmlOptions &options);

} // namespace yardmark
