#pragma once

#include "gameflow/fielddisplay.h"

#include <string>
#include <string_view>

namespace yardmark {

/// The field with the drive chart as an SVG element, drawn in the model's
/// picture units like the game window draws it, scaled to the width of its
/// container. `title` (UTF-8) names it for screen readers; the chart's labels
/// are Windows-1252 and are written as UTF-8. Every text is escaped.
std::string driveChartSvg(const DriveChart &chart, std::string_view title);

} // namespace yardmark
