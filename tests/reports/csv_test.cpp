#include "reports/csv.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

TEST(CsvTest, OnlyFieldsThatNeedItAreQuoted)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Smith", "Smith"},
        {"", ""},
        {"Smith, Jr.", "\"Smith, Jr.\""},
        {"The \"Bus\"", "\"The \"\"Bus\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\rhere", "\"cr\rhere\""},
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(csvField(text), field);
}

// A text a spreadsheet would run as a formula is made inert; numbers stay
// numbers, and the apostrophe comes off again on reading.
TEST(CsvTest, FormulasGetAnApostropheThatReadingTakesOff)
{
    const std::pair<const char *, const char *> cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"@city", "'@city"},
        {"+1 555", "'+1 555"},
        {"-", "'-"},
        {"\tTab", "'\tTab"},
        {"\rCR", "\"'\rCR\""},
        {"'=x", "''=x"},
        {"-3", "-3"},
        {"+2.5", "+2.5"},
        {"'plain", "'plain"},
        {"O'Neil", "O'Neil"},
    };
    for (const auto &[text, field] : cases) {
        EXPECT_EQ(csvField(text), field);
        std::istringstream in(csvField(text));
        std::vector<std::string> read;
        CsvReader(in).next(read);
        EXPECT_EQ(csvCellText(read.at(0)), text);
    }
}

std::vector<std::vector<std::string>> readAll(const std::string &text)
{
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    while (reader.next(fields))
        records.push_back(fields);
    return records;
}

using Records = std::vector<std::vector<std::string>>;

TEST(CsvTest, ReaderTakesBackWhatTheWriterQuoted)
{
    const std::string line = csvField("Smith, Jr.") + "," + csvField("The \"Bus\"") + "," + csvField("a\nb") + ",x\n";
    EXPECT_EQ(readAll(line), (Records{{"Smith, Jr.", "The \"Bus\"", "a\nb", "x"}}));
}

TEST(CsvTest, ReaderAcceptsWindowsLineEndsAByteOrderMarkAndNoFinalLineFeed)
{
    EXPECT_EQ(readAll("\xEF\xBB\xBFTeam,Lions\r\n#,Name\r\n12,Smith"),
              (Records{{"Team", "Lions"}, {"#", "Name"}, {"12", "Smith"}}));
}

TEST(CsvTest, ReaderReadsLinesOfAnyLength)
{
    const std::string longField(5000, 'a');
    EXPECT_EQ(readAll("1," + longField + ",x\n2,b\n"), (Records{{"1", longField, "x"}, {"2", "b"}}));
}

TEST(CsvTest, BlankLinesAreMarked)
{
    std::istringstream in("a,b\n\n   \nc\n");
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::vector<bool> blanks;
    while (reader.next(fields))
        blanks.push_back(reader.blank());
    EXPECT_EQ(blanks, (std::vector<bool>{false, true, true, false}));
}

TEST(CsvTest, EmptyFieldsArePreserved)
{
    EXPECT_EQ(readAll("a,,b,\n"), (Records{{"a", "", "b", ""}}));
}

} // namespace
} // namespace yardmark
