#include "scriptline.h"

#include "script/quickentry.h"

#include <string>

namespace yardmark {

namespace {

/// How deep the brackets and braces of a JSON text go, outside its strings;
/// the count stops once it passes `limit`.
int nestingDepth(std::string_view text, int limit)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : text) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
            if (deepest > limit)
                break;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

std::optional<Json> parseScriptLine(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    if (text.size() > kMaxScriptLineBytes)
        throw ScriptError("a line longer than " + std::to_string(kMaxScriptLineBytes) + " bytes");
    if (text[first] != '{' && text[first] != '[') {
        std::variant<Json, QuickEntryError> quick = readQuickEntry(text);
        if (const auto *error = std::get_if<QuickEntryError>(&quick))
            throw ScriptError(error->message);
        return std::get<Json>(std::move(quick));
    }
    if (nestingDepth(text, kMaxScriptNesting) > kMaxScriptNesting)
        throw ScriptError("nested deeper than " + std::to_string(kMaxScriptNesting) + " levels");
    try {
        return Json::parse(text);
    } catch (const Json::parse_error &) {
        throw ScriptError("not a valid JSON object");
    } catch (const Json::out_of_range &) { // a number past what a double holds: "1e999"
        throw ScriptError("a number too large to read");
    }
}

} // namespace yardmark
