#pragma once

#include <string>

namespace yardmark {

/// printf-style formatting into a string, for the report lines whose exact
/// conversions ("%-3.0f", "%d:0%d") are part of their format.
std::string formatText(const char *format, ...) __attribute__((format(printf, 1, 2)));

} // namespace yardmark
