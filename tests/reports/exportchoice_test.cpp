#include "reports/exportchoice.h"

#include <gtest/gtest.h>

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
        {"a.csv", ExportFormat::Html, ExportFormat::Html},
        {"report.html", ExportFormat::Csv, ExportFormat::Html},
        {"report.htm", ExportFormat::Csv, ExportFormat::Html},
        {"report.csv", ExportFormat::Csv, ExportFormat::Csv},
        {"htm", ExportFormat::Csv, ExportFormat::Csv},     // too short
        {"a.htm", ExportFormat::Csv, ExportFormat::Html},  // five characters
        {"htmlfile.csv", ExportFormat::Csv, ExportFormat::Csv},
    };
    for (const auto &c : cases)
        EXPECT_EQ(exportFormatFor(c.path, c.chosen), c.result) << c.path;
}

} // namespace
} // namespace yardmark
