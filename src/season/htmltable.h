#pragma once

#include "records/settings.h"
#include "reports/html.h"

#include <iosfwd>
#include <vector>

namespace yardmark {

/// A column title of an HTML table with the `&nbsp;` entities on each side.
struct HeaderTitle {
    const char *text;
    int padding;
};

/// One header row in the header colour, every title centred in the header font.
void writeHeaderRow(std::ostream &out, const std::vector<HeaderTitle> &titles, const HtmlOptions &options,
                    const FontTags &fonts);

/// Rows at even positions (from 0) take the primary colour, odd ones the alternate colour.
ColorValue rowColor(const HtmlOptions &options, int position);

} // namespace yardmark
