#include "htmloptionsform.h"

#include <algorithm>

namespace yardmark {
namespace {

constexpr std::array<ColorValue, kHtmlColorNames.size()> kDefaultColors = {
    HtmlOptions::kDefaultHeaderColor, HtmlOptions::kDefaultPrimaryRowColor, HtmlOptions::kDefaultAlternateRowColor,
    HtmlOptions::kDefaultFontColor, HtmlOptions::kDefaultHeaderFontColor};

int fontSize(int size)
{
    return std::clamp(size, kMinHtmlFontSize, kMaxHtmlFontSize);
}

// The list shows one entry at all times; an index from elsewhere is held to it.
std::size_t colorIndex(int selected)
{
    return static_cast<std::size_t>(std::clamp(selected, 0, static_cast<int>(kHtmlColorNames.size()) - 1));
}

} // namespace

HtmlOptionsForm htmlOptionsForm(const HtmlOptions &options)
{
    HtmlOptionsForm form;
    form.colors = {options.htmlHeaderColor, options.htmlPrimaryRowColor, options.htmlAlternateRowColor,
                   options.htmlFontColor, options.htmlHeaderFontColor};
    form.fontFace = options.htmlFontFace;
    form.bodyFontSize = fontSize(options.htmlBodyFontSize);
    form.headerFontSize = fontSize(options.htmlHeaderFontSize);
    return form;
}

std::vector<std::string> htmlFontFaceChoices(const std::vector<std::string> &installedFonts)
{
    std::vector<std::string> faces{kVariableWidthFace, kFixedWidthFace};
    faces.insert(faces.end(), installedFonts.begin(), installedFonts.end());
    return faces;
}

ColorValue selectedHtmlColor(const HtmlOptionsForm &form)
{
    return form.colors[colorIndex(form.selectedColor)];
}

void setSelectedHtmlColor(HtmlOptionsForm &form, ColorValue color)
{
    form.colors[colorIndex(form.selectedColor)] = color;
}

void resetHtmlColors(HtmlOptionsForm &form)
{
    form.colors = kDefaultColors;
}

void applyHtmlOptionsForm(const HtmlOptionsForm &form, HtmlOptions &options)
{
    options.htmlHeaderColor = form.colors[0];
    options.htmlPrimaryRowColor = form.colors[1];
    options.htmlAlternateRowColor = form.colors[2];
    options.htmlFontColor = form.colors[3];
    options.htmlHeaderFontColor = form.colors[4];
    if (!form.fontFace.empty())
        options.htmlFontFace = form.fontFace;
    options.htmlBodyFontSize = fontSize(form.bodyFontSize);
    options.htmlHeaderFontSize = fontSize(form.headerFontSize);
}

} // namespace yardmark
