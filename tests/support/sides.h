#pragma once

namespace yardmark {

/// The two sides as the records and the rules take them.
inline constexpr bool kHome = true;
inline constexpr bool kVisitor = false;

} // namespace yardmark
