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
    const std::int32_t value = loadInt32(m_data + m_pos);
    m_pos += 4;
    return value;
}

std::uint8_t ByteReader::uint8()
{
    if (!take(1))
        return 0;
    return m_data[m_pos++];
}

std::string ByteReader::text(std::size_t width)
{
    std::string read;
    text(width, read);
    return read;
}

void ByteReader::text(std::size_t width, std::string &text)
{
    if (width == 0 || !take(width)) {
        text.clear();
        return;
    }
    text.assign(textField(m_data + m_pos, width));
    m_pos += width;
}

const std::uint8_t *ByteReader::bytes(std::size_t count)
{
    if (!take(count))
        return nullptr;
    const std::uint8_t *start = m_data + m_pos;
    m_pos += count;
    return start;
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
