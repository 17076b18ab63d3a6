#include "app/common/filefilter.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(FileFilterTest, ParsesTheFilterListsTheProgramUses)
{
    struct Case {
        const char *list;
        std::vector<FileFilter> filters;
    } cases[] = {
        {"Team Files (*.tem)|*.tem|", {{"Team Files (*.tem)", "*.tem"}}},
        {"Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv",
         {{"Team File (*.tem)", "*.tem"}, {"Comma Delimited Format (*.csv)", "*.csv"}}},
        {"Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|",
         {{"Comma Delimited Format (*.csv)", "*.csv"}, {"HTML (Web Page) Format (*.htm)", "*.htm"}}},
        {"Pictures|*.bmp;*.dib|All Files|*.*|", {{"Pictures", "*.bmp;*.dib"}, {"All Files", "*.*"}}},
        {"", {}},
        {"Name without pattern|", {}},
        {"Empty pattern||Game Files (*.gam)|*.gam|", {{"Game Files (*.gam)", "*.gam"}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseFilterList(c.list), c.filters) << c.list;
}

TEST(FileFilterTest, QtNameFiltersShowThePatternsOnce)
{
    EXPECT_EQ(qtNameFilter({"Bitmap Files (*.bmp)", "*.bmp"}), "Bitmap Files (*.bmp)");
    EXPECT_EQ(qtNameFilter({"HTML (Web Page) Format (*.htm)", "*.htm"}), "HTML (Web Page) Format (*.htm)");
    EXPECT_EQ(qtNameFilter({"Pictures", "*.bmp;*.dib"}), "Pictures (*.bmp *.dib)");
    EXPECT_EQ(qtNameFilter({"Teams (old)", "*.tem"}), "Teams (old) (*.tem)");
}

TEST(FileFilterTest, PatternExtension)
{
    const std::pair<const char *, const char *> cases[] = {
        {"*.tem", "tem"}, {"*.csv;*.txt", "csv"}, {"*.*", ""}, {"*", ""}, {"*.ht?", ""}, {"", ""},
        {"tem", ""},      {"*.tar.gz", ""},
    };
    for (const auto &[pattern, extension] : cases)
        EXPECT_EQ(patternExtension(pattern), extension) << pattern;
}

TEST(FileFilterTest, ANameWithoutExtensionGetsTheChosenFiltersExtension)
{
    const std::vector<FileFilter> filters =
        parseFilterList("Team File (*.tem)|*.tem|Comma Delimited Format (*.csv)|*.csv|All Files (*.*)|*.*|");
    struct Case {
        const char *path;
        int filter;
        const char *expected;
    } cases[] = {
        {"/home/coach/eagles", 0, "/home/coach/eagles.tem"},
        {"/home/coach/eagles", 1, "/home/coach/eagles.csv"},
        {"/home/coach/eagles", 2, "/home/coach/eagles.tem"}, // "*.*" names none: the default
        {"/home/coach/eagles", 7, "/home/coach/eagles.tem"}, // no such filter: the default
        {"/home/coach/eagles", -1, "/home/coach/eagles.tem"},
        {"/home/coach/eagles.txt", 0, "/home/coach/eagles.txt"},
        {"/home/coach/eagles.", 0, "/home/coach/eagles."},
        {"/home/co.ach/eagles", 1, "/home/co.ach/eagles.csv"}, // a dot in a folder does not count
        {"eagles", 0, "eagles.tem"},
        {"/home/coach/", 0, "/home/coach/"},
        {"", 0, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(completeFileName(c.path, filters, c.filter, "tem"), c.expected) << c.path << " " << c.filter;
    EXPECT_EQ(completeFileName("notes", {}, 0, ""), "notes");
}

} // namespace
} // namespace yardmark
