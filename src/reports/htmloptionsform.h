#pragma once

#include "records/settings.h"

#include <array>
#include <string>
#include <vector>

namespace yardmark {

/// The colours of an HTML export in the order the options window lists them.
inline constexpr std::array<const char *, 5> kHtmlColorNames = {
    "Header Background Color", "Primary Row Background Color", "Alternate Row Background Color", "Font Color",
    "Header Font Color"};

/// The two font faces every browser has, listed before the installed fonts.
inline constexpr const char *kVariableWidthFace = "Variable Width";
inline constexpr const char *kFixedWidthFace = "Fixed Width";

inline constexpr int kMinHtmlFontSize = 1;
inline constexpr int kMaxHtmlFontSize = 20;

/// What the HTML options window holds while it is open: the five working
/// colours, which of them the colour list shows, the font face as typed or
/// chosen and the two sizes.
struct HtmlOptionsForm {
    std::array<ColorValue, kHtmlColorNames.size()> colors{};
    int selectedColor = 0;
    std::string fontFace;
    int bodyFontSize = 3;
    int headerFontSize = 3;

    bool operator==(const HtmlOptionsForm &) const = default;
};

/// The window as it opens on the options in force, the first colour selected.
HtmlOptionsForm htmlOptionsForm(const HtmlOptions &options);

/// The face list: "Variable Width", "Fixed Width", then the installed fonts.
std::vector<std::string> htmlFontFaceChoices(const std::vector<std::string> &installedFonts);

/// The working colour of the selected entry, which the swatch shows.
ColorValue selectedHtmlColor(const HtmlOptionsForm &form);

/// "Change..." accepted: the selected entry takes the chosen colour.
void setSelectedHtmlColor(HtmlOptionsForm &form, ColorValue color);

/// "Reset to defaults": the five default colours; the fonts stay.
void resetHtmlColors(HtmlOptionsForm &form);

/// "&OK": the five colours, the face unless it is empty, and the two sizes
/// held to 1..20.
void applyHtmlOptionsForm(const HtmlOptionsForm &form, HtmlOptions &options);

} // namespace yardmark
