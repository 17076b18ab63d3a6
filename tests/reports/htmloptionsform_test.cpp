#include "reports/htmloptionsform.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

HtmlOptions customOptions()
{
    HtmlOptions options;
    options.htmlHeaderColor = colorValue(1, 2, 3);
    options.htmlPrimaryRowColor = colorValue(4, 5, 6);
    options.htmlAlternateRowColor = colorValue(7, 8, 9);
    options.htmlFontColor = colorValue(10, 11, 12);
    options.htmlHeaderFontColor = colorValue(13, 14, 15);
    options.htmlFontFace = "Liberation Sans";
    options.htmlBodyFontSize = 5;
    options.htmlHeaderFontSize = 7;
    return options;
}

TEST(HtmlOptionsFormTest, OpensOnTheOptionsInForceAndOkStoresThemBack)
{
    const HtmlOptions options = customOptions();
    const HtmlOptionsForm form = htmlOptionsForm(options);
    EXPECT_EQ(form.selectedColor, 0);
    EXPECT_EQ(selectedHtmlColor(form), colorValue(1, 2, 3));
    HtmlOptions back;
    applyHtmlOptionsForm(form, back);
    EXPECT_EQ(back, options);
}

TEST(HtmlOptionsFormTest, ChangeStoresIntoTheSelectedEntryOnly)
{
    HtmlOptionsForm form = htmlOptionsForm(HtmlOptions{});
    for (int entry = 0; entry < 5; ++entry) {
        form.selectedColor = entry;
        setSelectedHtmlColor(form, colorValue(entry, 0, 0));
    }
    HtmlOptions options;
    applyHtmlOptionsForm(form, options);
    EXPECT_EQ(options.htmlHeaderColor, colorValue(0, 0, 0));
    EXPECT_EQ(options.htmlPrimaryRowColor, colorValue(1, 0, 0));
    EXPECT_EQ(options.htmlAlternateRowColor, colorValue(2, 0, 0));
    EXPECT_EQ(options.htmlFontColor, colorValue(3, 0, 0));
    EXPECT_EQ(options.htmlHeaderFontColor, colorValue(4, 0, 0));
}

TEST(HtmlOptionsFormTest, ResetRestoresTheDefaultColoursButNotTheFonts)
{
    HtmlOptionsForm form = htmlOptionsForm(customOptions());
    resetHtmlColors(form);
    HtmlOptions options = customOptions();
    applyHtmlOptionsForm(form, options);
    EXPECT_EQ(options.htmlHeaderColor, 14088953u);
    EXPECT_EQ(options.htmlPrimaryRowColor, 16777215u);
    EXPECT_EQ(options.htmlAlternateRowColor, 15658734u);
    EXPECT_EQ(options.htmlFontColor, 0u);
    EXPECT_EQ(options.htmlHeaderFontColor, 0u);
    EXPECT_EQ(options.htmlFontFace, "Liberation Sans");
    EXPECT_EQ(options.htmlBodyFontSize, 5);
    EXPECT_EQ(options.htmlHeaderFontSize, 7);
}

TEST(HtmlOptionsFormTest, OkKeepsTheFaceWhenTheTextIsEmptyAndHoldsSizesInRange)
{
    struct Case {
        const char *face;
        int body, header;
        const char *storedFace;
        int storedBody, storedHeader;
    } cases[] = {
        {"", 3, 3, "Liberation Sans", 3, 3},
        {"Variable Width", 1, 20, "Variable Width", 1, 20},
        {"Courier New", 0, 21, "Courier New", 1, 20},
        {"Fixed Width", -4, 99, "Fixed Width", 1, 20},
    };
    for (const Case &c : cases) {
        HtmlOptionsForm form = htmlOptionsForm(customOptions());
        form.fontFace = c.face;
        form.bodyFontSize = c.body;
        form.headerFontSize = c.header;
        HtmlOptions options = customOptions();
        applyHtmlOptionsForm(form, options);
        EXPECT_EQ(options.htmlFontFace, c.storedFace) << c.face;
        EXPECT_EQ(options.htmlBodyFontSize, c.storedBody) << c.face;
        EXPECT_EQ(options.htmlHeaderFontSize, c.storedHeader) << c.face;
    }
}

TEST(HtmlOptionsFormTest, SizesFromADamagedSettingsFileOpenWithinTheSpinRange)
{
    HtmlOptions options;
    options.htmlBodyFontSize = 0;
    options.htmlHeaderFontSize = 400;
    const HtmlOptionsForm form = htmlOptionsForm(options);
    EXPECT_EQ(form.bodyFontSize, 1);
    EXPECT_EQ(form.headerFontSize, 20);
}

TEST(HtmlOptionsFormTest, FaceListStartsWithTheTwoGenericFaces)
{
    EXPECT_EQ(htmlFontFaceChoices({"Arial", "Courier New"}),
              (std::vector<std::string>{"Variable Width", "Fixed Width", "Arial", "Courier New"}));
    EXPECT_EQ(htmlFontFaceChoices({}), (std::vector<std::string>{"Variable Width", "Fixed Width"}));
}

} // namespace
} // namespace yardmark
