#include "csv.h"

namespace yardmark {

namespace {

bool isNumber(std::string_view text)
{
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            digits = true;
        else if (text[i] == '.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

/// Whether a spreadsheet would run the text as a formula once the
/// apostrophes before it (if any) were taken off.
bool readsAsFormula(std::string_view text)
{
    const std::size_t start = text.find_first_not_of('\'');
    if (start == std::string_view::npos)
        return false;
    text.remove_prefix(start);
    return std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos && !isNumber(text);
}

} // namespace

std::string_view csvCellText(std::string_view field)
{
    if (field.starts_with('\'') && readsAsFormula(field))
        field.remove_prefix(1);
    return field;
}

std::string csvField(std::string_view text)
{
    const std::string cell = (readsAsFormula(text) ? "'" : "") + std::string(text);
    if (cell.find_first_of(",\"\r\n") == std::string::npos)
        return cell;
    text = cell;
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
