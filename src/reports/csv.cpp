#include "csv.h"

namespace yardmark {

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

bool CsvReader::next(std::vector<std::string> &fields)
{
    fields.clear();
    if (!m_started) {
        m_started = true;
        if (m_in.peek() == 0xEF) {
            char bom[3] = {};
            m_in.read(bom, 3);
            if (!(bom[0] == '\xEF' && bom[1] == '\xBB' && bom[2] == '\xBF')) {
                m_in.clear();
                m_in.seekg(0);
            }
        }
    }
    if (m_in.peek() == std::char_traits<char>::eof())
        return false;

    std::string field;
    bool quoted = false;  // inside a quoted field
    bool anyText = false; // the record holds more than blanks
    int c;
    while ((c = m_in.get()) != std::char_traits<char>::eof()) {
        const char ch = static_cast<char>(c);
        if (quoted) {
            if (ch == '"') {
                if (m_in.peek() == '"') {
                    m_in.get();
                    field += '"';
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
            continue;
        }
        if (ch == '\n')
            break;
        if (ch == '\r' && m_in.peek() == '\n')
            continue;
        if (ch == ',') {
            fields.push_back(std::move(field));
            field.clear();
            anyText = true;
        } else if (ch == '"' && field.empty()) {
            quoted = true;
            anyText = true;
        } else {
            field += ch;
            if (ch != ' ' && ch != '\t' && ch != '\r')
                anyText = true;
        }
    }
    fields.push_back(std::move(field));
    m_blank = !anyText;
    return true;
}

} // namespace yardmark
