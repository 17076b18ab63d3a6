#pragma once

#include "base/datetime.h"
#include "records/settings.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace yardmark {

/// The page the footer of every HTML export links to.
inline constexpr const char *kHomePageUrl = "https://github.com/football-yardmark/yardmark";

/// Six upper-case hexadecimal digits: red, green, blue (no "#", no quotes).
std::string colorText(ColorValue color);

/// The opening tags of body and header text and the tag that closes either.
struct FontTags {
    std::string body;
    std::string header;
    std::string end;
};

FontTags makeFontTags(const HtmlOptions &options);

/// Text from the user's data made safe inside an HTML page: & < > and " are
/// written as entities; every other byte stays as it is.
std::string htmlEscape(std::string_view text);

/// What every export's head says of its characters.
inline constexpr const char *kHtmlCharsetMeta =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";

/// The page head of an export, with its characters declared and the
/// report's title word (escaped).
void writePageHead(std::ostream &out, std::string_view titleWord);

/// Closes the table and the page with the "created with" line dated `now`.
void writeFooter(std::ostream &out, const DateTime &now);

} // namespace yardmark
