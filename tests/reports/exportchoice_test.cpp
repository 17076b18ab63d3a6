#include "reports/exportchoice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include <unistd.h>

namespace yardmark {
namespace {

TEST(ExportChoiceTest, ExtensionIsAddedOnlyToANameWithoutADot)
{
    EXPECT_EQ(withExportExtension("summary", ExportFormat::Csv), "summary.csv");
    EXPECT_EQ(withExportExtension("summary", ExportFormat::Html), "summary.htm");
    EXPECT_EQ(withExportExtension("summary.txt", ExportFormat::Html), "summary.txt");
    EXPECT_EQ(withExportExtension("/home/a.b/summary", ExportFormat::Csv), "/home/a.b/summary.csv");
}

TEST(ExportChoiceTest, HtmlWhenChosenOrNamedSo)
{
    const struct {
        const char *path;
        ExportFormat chosen;
        ExportFormat result;
    } cases[] = {
        {"a.csv", ExportFormat::Html, ExportFormat::Html},      {"report.html", ExportFormat::Csv, ExportFormat::Html},
        {"report.htm", ExportFormat::Csv, ExportFormat::Html},  {"report.csv", ExportFormat::Csv, ExportFormat::Csv},
        {"htm", ExportFormat::Csv, ExportFormat::Csv},    // too short
        {"a.htm", ExportFormat::Csv, ExportFormat::Html}, // five characters
        {"htmlfile.csv", ExportFormat::Csv, ExportFormat::Csv},
    };
    for (const auto &c : cases)
        EXPECT_EQ(exportFormatFor(c.path, c.chosen), c.result) << c.path;
}

TEST(ExportChoiceTest, AppendingStartsOnANewLineAndKeepsWhatWasThere)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("yardmark_export_" + std::to_string(::getpid()) + ".csv");
    std::filesystem::remove(path);
    std::vector<std::string> calls;
    const ExportWriter writer = [&](std::ostream &out, bool html, bool appending) {
        calls.push_back(std::string(html ? "html" : "csv") + (appending ? " appending" : ""));
        out << "Header\nrow";
    };
    ASSERT_TRUE(exportToFile(path.string(), ExportFormat::Csv, false, writer));
    ASSERT_TRUE(exportToFile(path.string(), ExportFormat::Html, true, writer));
    const auto content = [&] {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    };
    EXPECT_EQ(content(), "Header\nrow\nHeader\nrow");
    ASSERT_TRUE(exportToFile(path.string(), ExportFormat::Csv, false, writer));
    EXPECT_EQ(content(), "Header\nrow"); // overwriting truncates
    EXPECT_EQ(calls, (std::vector<std::string>{"csv", "html appending", "csv"}));
    std::filesystem::remove(path);

    EXPECT_FALSE(exportToFile((path / "no" / "such.csv").string(), ExportFormat::Csv, false, writer));
    EXPECT_EQ(calls.size(), 3U);
}

} // namespace
} // namespace yardmark
