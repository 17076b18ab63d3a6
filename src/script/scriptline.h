#pragma once

#include "script/scriptrunner.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace yardmark {

/// The longest script line read: a play with every field and answer filled
/// takes some 2 KB.
inline constexpr std::size_t kMaxScriptLineBytes = 64 * 1024;
/// The deepest nesting of brackets and braces in a script line: a fumble's
/// spot inside a play's fields is four levels down.
inline constexpr int kMaxScriptNesting = 16;

/// One line of a scorer's script, its line end taken off: a JSON object, or a
/// play in the quick-entry notation when it does not start with "{" or "[";
/// nothing for a blank line. A line too long or too deeply nested is refused
/// before it is parsed, so that it costs no more memory than itself. Throws
/// `ScriptError` saying what is wrong.
std::optional<Json> parseScriptLine(std::string_view text);

} // namespace yardmark
