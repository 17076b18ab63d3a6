#pragma once

#include <streambuf>
#include <string>

namespace yardmark::cli {

/// Shows control characters as text, so that names and lines read from files
/// cannot move the cursor, clear the screen or retitle a terminal: a C0
/// control other than line feed and tab, and DEL, become "\xHH"; a C1 control
/// written in UTF-8 (C2 80 to C2 9F) becomes "\u00HH". Other bytes pass as
/// they are. Bytes are fed one at a time; a C2 is held until the byte after it.
class TerminalEscaper {
public:
    /// What is written for `byte`, given the bytes before it.
    std::string feed(unsigned char byte);
    /// A C2 still held back at the end.
    std::string finish();

private:
    bool m_heldLeadByte = false;
};

/// A stream buffer writing to `target` through `TerminalEscaper`: the
/// tool's output and messages when they go to a terminal. Files and pipes
/// get the bytes the formats define, never this.
class TerminalTextBuffer : public std::streambuf {
public:
    explicit TerminalTextBuffer(std::streambuf *target) : m_target(target) {}
    ~TerminalTextBuffer() override;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    std::streambuf *m_target;
    TerminalEscaper m_escaper;
};

} // namespace yardmark::cli
