#include "terminaltext.h"

#include <cstdio>

namespace yardmark::cli {

namespace {

std::string escaped(const char *format, unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, format, byte);
    return text;
}

} // namespace

std::string TerminalEscaper::feed(unsigned char byte)
{
    std::string out;
    if (m_heldLeadByte) {
        m_heldLeadByte = false;
        if (byte >= 0x80 && byte <= 0x9F)
            return escaped("\\u00%02X", byte);
        out += '\xC2';
    }
    if (byte == 0xC2)
        m_heldLeadByte = true;
    else if ((byte < 0x20 && byte != '\n' && byte != '\t') || byte == 0x7F)
        out += escaped("\\x%02X", byte);
    else
        out += static_cast<char>(byte);
    return out;
}

std::string TerminalEscaper::finish()
{
    const bool held = m_heldLeadByte;
    m_heldLeadByte = false;
    return held ? std::string(1, '\xC2') : std::string();
}

TerminalTextBuffer::~TerminalTextBuffer()
{
    sync();
}

TerminalTextBuffer::int_type TerminalTextBuffer::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    const std::string out = m_escaper.feed(static_cast<unsigned char>(traits_type::to_char_type(c)));
    if (m_target->sputn(out.data(), static_cast<std::streamsize>(out.size())) !=
        static_cast<std::streamsize>(out.size()))
        return traits_type::eof();
    return c;
}

int TerminalTextBuffer::sync()
{
    const std::string held = m_escaper.finish();
    if (!held.empty())
        m_target->sputn(held.data(), static_cast<std::streamsize>(held.size()));
    return m_target->pubsync();
}

} // namespace yardmark::cli
