#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace yardmark {

/// One field of a comma-separated line: as it is, unless it holds a comma, a
/// double quote or a line break; then it is enclosed in double quotes with
/// inner quotes doubled, so that spreadsheets keep it in one column. Text a
/// spreadsheet would take for a formula (starting with "=", "+", "-", "@", a
/// tab or a carriage return, and not a number such as "-3") gets a leading
/// apostrophe, as does such text already behind apostrophes, so that
/// `csvCellText` can always take it off again.
std::string csvField(std::string_view text);

/// The text a field read back from a list held before `csvField` made it
/// safe: the one apostrophe it put in front taken off.
std::string_view csvCellText(std::string_view field);

/// Reads comma-separated records: fields enclosed in double quotes may hold
/// commas, doubled quotes and line breaks; LF and CR LF end a record, a last
/// line may lack its line feed, and a UTF-8 byte-order mark at the start of the
/// text is skipped. Lines of any length are read whole.
class CsvReader {
public:
    explicit CsvReader(std::istream &in) : m_in(in) {}

    /// The next record's fields; false at the end of the text.
    bool next(std::vector<std::string> &fields);

    /// Whether the record just read was a wholly blank line.
    bool blank() const { return m_blank; }

private:
    std::istream &m_in;
    bool m_started = false;
    bool m_blank = false;
};

} // namespace yardmark
