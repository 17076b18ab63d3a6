#pragma once

#include "records/game.h"
#include "records/settings.h"
#include "reports/html.h"

#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>

namespace yardmark {

/// The page head, unless appending, and the table start of a statistics
/// export, with a line of text between them when `line` is given (what games
/// the figures cover): a line outside the table leaves its columns as they are.
void beginStatsTable(std::ostream &out, std::string_view titleWord, bool appending, std::string_view line = {},
                     const FontTags &fonts = {});

/// The title row of the drive and scoring summaries: bold titles in the header font.
void writeBoldTitleRow(std::ostream &out, std::initializer_list<const char *> titles, const HtmlOptions &options,
                       const FontTags &fonts);

/// A centred cell holding `text` in the body font.
std::string centeredCell(const std::string &text, const FontTags &fonts);

/// The background of a line's row: it marks the team, not the row's place.
ColorValue teamRowColor(const Game &game, const std::string &team, const HtmlOptions &options);

/// The first two comma-separated fields of a drive or scoring line: "Team: 5 Plays,42 Yards".
std::string playsAndYardsFields(const std::string &team, std::int32_t plays, std::int32_t yards);

} // namespace yardmark
