#include "bytecodec.h"

#include <algorithm>

namespace yardmark {

void ByteWriter::int32(std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        m_data.push_back(static_cast<std::uint8_t>(u >> shift));
}

void ByteWriter::uint8(std::uint8_t value)
{
    m_data.push_back(value);
}

void ByteWriter::text(std::string_view value, std::size_t width)
{
    if (width == 0)
        return;
    const std::size_t kept = std::min(value.size(), width - 1);
    const std::size_t nul = value.substr(0, kept).find('\0');
    const std::size_t length = nul == std::string_view::npos ? kept : nul;
    m_data.insert(m_data.end(), value.begin(), value.begin() + static_cast<std::ptrdiff_t>(length));
    m_data.insert(m_data.end(), width - length, 0);
}

void ByteWriter::zeros(std::size_t count)
{
    m_data.insert(m_data.end(), count, 0);
}

void ByteWriter::bytes(const std::vector<std::uint8_t> &data)
{
    m_data.insert(m_data.end(), data.begin(), data.end());
}

bool ByteReader::take(std::size_t count)
{
    if (!m_ok || count > m_size - m_pos) {
        m_ok = false;
        return false;
    }
    return true;
}

std::int32_t ByteReader::int32()
{
    if (!take(4))
        return 0;
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(m_data[m_pos + i]) << (8 * i);
    m_pos += 4;
    return static_cast<std::int32_t>(u);
}

std::uint8_t ByteReader::uint8()
{
    if (!take(1))
        return 0;
    return m_data[m_pos++];
}

std::string ByteReader::text(std::size_t width)
{
    if (width == 0 || !take(width))
        return {};
    const auto *begin = reinterpret_cast<const char *>(m_data + m_pos);
    const auto *end = std::find(begin, begin + width - 1, '\0');
    m_pos += width;
    return std::string(begin, end);
}

void ByteReader::skip(std::size_t count)
{
    if (take(count))
        m_pos += count;
}

bool ByteReader::seek(std::size_t offset)
{
    if (offset > m_size) {
        m_ok = false;
        return false;
    }
    m_pos = offset;
    return true;
}

bool ByteReader::fits(std::int64_t count, std::size_t recordSize) const
{
    if (!m_ok || count < 0)
        return false;
    return static_cast<std::uint64_t>(count) <= remaining() / std::max<std::size_t>(recordSize, 1);
}

} // namespace yardmark
