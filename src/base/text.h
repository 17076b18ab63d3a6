#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace yardmark {

/// The leading whole number of a typed text, as the dialogs read numbers:
/// blanks are skipped, a sign is taken, digits follow; 0 when there are none.
/// Values beyond 32 bits are held at the nearest limit, never overflowing.
std::int32_t leadingInt(std::string_view text);

/// Reads a whole number at the front of `text` (blanks before it allowed, as
/// "%d" reads) into `value` and moves `text` past it; false, and `text` as it
/// was, when no digit is there.
bool takeLeadingInt(std::string_view &text, int &value);

/// `text` cut to fit a NUL-terminated field of `width` bytes.
std::string fitText(std::string_view text, std::size_t width);

/// Windows-1252, the encoding of every text in the files, to UTF-8 and back.
/// Bytes that Windows-1252 leaves undefined map to the C1 control of the same
/// value, so nothing is lost; characters Windows-1252 cannot hold become "?".
std::string cp1252ToUtf8(std::string_view text);
std::string utf8ToCp1252(std::string_view text);

/// Whether Windows-1252 has the character, so that a text box may take it.
bool cp1252CanHold(char32_t c);

/// ASCII case-insensitive equality, as the program compares names and keywords.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace yardmark
