#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// Appends little-endian integers and fixed-width texts to a byte buffer,
/// whatever the host's byte order.
class ByteWriter {
public:
    void int32(std::int32_t value);
    void uint8(std::uint8_t value);
    /// A NUL-terminated text in a field of `width` bytes: at most width - 1
    /// characters are kept, the rest of the field is zero.
    void text(std::string_view value, std::size_t width);
    void zeros(std::size_t count);
    void bytes(const std::vector<std::uint8_t> &data);

    const std::vector<std::uint8_t> &data() const { return m_data; }
    std::vector<std::uint8_t> take() { return std::move(m_data); }
    std::size_t size() const { return m_data.size(); }

private:
    std::vector<std::uint8_t> m_data;
};

/// The little-endian int32 at `bytes`, whatever the host's byte order, in one load.
inline std::int32_t loadInt32(const std::uint8_t *bytes)
{
    std::uint32_t u = 0;
    std::memcpy(&u, bytes, sizeof u);
    if constexpr (std::endian::native == std::endian::big)
        u = (u >> 24) | ((u >> 8) & 0xFF00U) | ((u << 8) & 0xFF0000U) | (u << 24);
    return static_cast<std::int32_t>(u);
}

/// The text of a NUL-terminated field of `width` bytes at `bytes`: up to its
/// first NUL, at most width - 1 characters even without a terminator.
inline std::string_view textField(const std::uint8_t *bytes, std::size_t width)
{
    if (width == 0)
        return {};
    const auto *begin = reinterpret_cast<const char *>(bytes);
    const void *nul = std::memchr(begin, '\0', width - 1);
    return {begin, nul == nullptr ? width - 1 : static_cast<std::size_t>(static_cast<const char *>(nul) - begin)};
}

/// Reads little-endian integers and fixed-width texts from a byte range.
/// Reading past the end sets the failure flag and yields zeros; nothing is
/// ever read outside the range.
class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    explicit ByteReader(const std::vector<std::uint8_t> &data) : ByteReader(data.data(), data.size()) {}

    std::int32_t int32();
    std::uint8_t uint8();
    /// A text field of `width` bytes, up to its first NUL and at most width - 1
    /// characters even when the field has no terminator.
    std::string text(std::size_t width);
    /// The same into `text`, reusing its storage.
    void text(std::size_t width, std::string &text);
    /// The next `count` bytes, or null (with the failure flag set) when fewer are left.
    const std::uint8_t *bytes(std::size_t count);
    void skip(std::size_t count);
    bool seek(std::size_t offset);

    bool ok() const { return m_ok; }
    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_size - m_pos; }
    std::size_t size() const { return m_size; }
    /// Whether `count` records of `recordSize` bytes fit in what is left.
    bool fits(std::int64_t count, std::size_t recordSize) const;

private:
    bool take(std::size_t count);

    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace yardmark
