#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace yardmark::testing {

/// The little-endian 32-bit integer at `offset` of an encoded file.
inline std::int32_t int32At(const std::vector<std::uint8_t> &bytes, std::size_t offset)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
    return static_cast<std::int32_t>(u);
}

/// The NUL-terminated text that starts at `offset`.
inline std::string textAt(const std::vector<std::uint8_t> &bytes, std::size_t offset)
{
    return std::string(reinterpret_cast<const char *>(bytes.data() + offset));
}

} // namespace yardmark::testing
