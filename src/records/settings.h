#pragma once

#include "base/color.h"

#include <cstdint>
#include <string>

namespace yardmark {

/// The rules that differ between leagues. Never stored in a game: every
/// recomputation uses the options in force.
struct LeagueOptions {
    std::int32_t timeOutsPerHalf = 3;
    std::int32_t minutesPerQuarter = 15;
    std::int32_t kickoffYardLine = 35;
    std::int32_t tryYardLine = 3;
    std::int32_t safetyKickYardLine = 25;
    std::int32_t touchdownPoints = 6;
    std::int32_t fieldGoalPoints = 3;
    std::int32_t safetyPoints = 2;
    std::int32_t extraPointPoints = 1;
    std::int32_t conversionPoints = 2;
    bool indoorField = false;
    std::int32_t midfieldYardLine = 50; ///< 50 on the 100-yard field, 25 indoors
    bool sacksAreRushes = true;

    bool operator==(const LeagueOptions &) const = default;
};

/// The midfield yard line of a field type.
constexpr std::int32_t midfieldFor(bool indoorField)
{
    return indoorField ? 25 : 50;
}

/// The most points one score may count.
inline constexpr std::int32_t kMaxScorePoints = 99;

/// Holds league options within the League Options dialog's bounds: a value
/// below its range takes the range's low end (the try line 3, points the
/// league's default), one above it the range's top; yard lines stop at
/// `midfield`.
void boundLeagueOptions(LeagueOptions &options, std::int32_t midfield);

struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 640;
    int bottom = 480;

    bool operator==(const WindowRect &) const = default;
};

enum class WallpaperMode : int { Fit = 0, Tile = 1, Center = 2 };

/// The colours, fonts and sizes of HTML exports.
struct HtmlOptions {
    static constexpr ColorValue kDefaultHeaderColor = 14088953;
    static constexpr ColorValue kDefaultPrimaryRowColor = 16777215;
    static constexpr ColorValue kDefaultAlternateRowColor = 15658734;
    static constexpr ColorValue kDefaultFontColor = 0;
    static constexpr ColorValue kDefaultHeaderFontColor = 0;

    ColorValue htmlHeaderColor = kDefaultHeaderColor;
    ColorValue htmlPrimaryRowColor = kDefaultPrimaryRowColor;
    ColorValue htmlAlternateRowColor = kDefaultAlternateRowColor;
    ColorValue htmlFontColor = kDefaultFontColor;
    ColorValue htmlHeaderFontColor = kDefaultHeaderFontColor;
    std::string htmlFontFace = "Fixed Width";
    std::int32_t htmlBodyFontSize = 3;
    std::int32_t htmlHeaderFontSize = 3;

    bool operator==(const HtmlOptions &) const = default;
};

/// The live page and feed the game window keeps up to date during a game.
struct LiveOutputSettings {
    std::string folder; ///< in the file system's encoding; empty: no live output
    std::string title;  ///< the page's title; empty: the game's caption

    bool operator==(const LiveOutputSettings &) const = default;
};

/// Window and display preferences kept beside the league options.
struct AppSettings {
    WindowRect mainWindowRect;
    bool soundEnabled = true;
    bool swapSidesEachQuarter = true;
    std::int32_t wallpaperMode = static_cast<int>(WallpaperMode::Fit);
    std::string wallpaperFile = "logo.bmp";
    ColorValue homeColor = colorValue(0, 0, 255);
    ColorValue visitorColor = colorValue(255, 0, 0);
    HtmlOptions html;
    LiveOutputSettings live;
    /// After a correction that later plays no longer follow: 0 asks, 1
    /// re-flows them, 2 keeps them as recorded.
    std::int32_t reflowAfterCorrection = 0;
    /// Dark, dim windows for a press box at night.
    bool nightColors = false;

    bool operator==(const AppSettings &) const = default;
};

/// Everything the settings file holds.
struct Settings {
    LeagueOptions league;
    AppSettings app;

    bool operator==(const Settings &) const = default;
};

/// Every field back to its default.
void setDefaults(Settings &settings);

} // namespace yardmark
