#pragma once

#include "base/datetime.h"
#include "records/game.h"
#include "records/settings.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace yardmark {

/// "Play By Play, <home> vs <visitor>, <month>/<day>/<year>".
std::string playByPlayTitle(const GameInfo &info);

/// The play-by-play export: the title and one play-list line per play, as
/// plain text or as an HTML table. An appended HTML export has no page head.
void writePlayByPlay(std::ostream &out, const GameInfo &info, const std::vector<std::string> &lines, bool html,
                     bool appending, const HtmlOptions &options, const DateTime &now);

} // namespace yardmark
