#include "settingsfile.h"

#include "base/atomicfile.h"
#include "base/text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <sstream>
#include <string>

namespace yardmark {
namespace {

// Longest line the reader takes: lines 1..20 and 21..28.
constexpr std::size_t kFirstLinesWidth = 199;
constexpr std::size_t kHtmlLinesWidth = 79;
// The font face starts at this character of line 26.
constexpr std::size_t kFontFaceColumn = 34;
// The live output lines after them hold a folder and a title from that column on.
constexpr std::size_t kLiveLinesWidth = 299;
constexpr const char *kLiveFolderLabel = "Live Output Folder:               ";
constexpr const char *kLiveTitleLabel = "Live Output Title:                ";
// What to do after a correction; written only once it is not "ask".
constexpr const char *kReflowLabel = "Re-flow After Corrections:        ";
// Written only while night colours are on.
constexpr const char *kNightLabel = "Night Colors:                     ";

bool nextLine(std::istream &in, std::string &line, std::size_t width)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > width)
        line.resize(width);
    return true;
}

// The live output dialog lets no control character into the folder or the
// title; one in the file (a carriage return of a file edited elsewhere, say)
// is dropped, so that what is read is what a save writes back.
std::string withoutControlCharacters(std::string text)
{
    std::erase_if(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
    return text;
}

// Reads the numbers of one line into `values` when the line matches `format`;
// as with scanf, numbers read before a mismatch are kept.
template <typename... T> void scan(const std::string &line, bool present, const char *format, T *...values)
{
    if (present)
        std::sscanf(line.c_str(), format, values...);
}

} // namespace

void readSettings(std::istream &in, Settings &settings)
{
    LeagueOptions &league = settings.league;
    AppSettings &app = settings.app;
    std::string line;
    bool present = false;
    const auto next = [&](std::size_t width = kFirstLinesWidth) {
        present = nextLine(in, line, width);
        if (!present)
            line.clear();
        return present;
    };

    next();
    scan(line, present, "Top, Left       : %d,%d", &app.mainWindowRect.top, &app.mainWindowRect.left);
    next();
    scan(line, present, "Bottom, Right   : %d,%d", &app.mainWindowRect.bottom, &app.mainWindowRect.right);

    // The four switches pass through one scratch value: a damaged switch line
    // repeats the switch before it, and a damaged sound line turns sound off.
    int scratch = 0;
    next();
    scan(line, present, "Sound is        : %d", &scratch);
    app.soundEnabled = scratch != 0;
    next();
    scan(line, present, "Indoor Field    : %d", &scratch);
    league.indoorField = scratch != 0;

    int value = 0;
    const auto number = [&](const char *format, std::int32_t &target) {
        next();
        value = target;
        scan(line, present, format, &value);
        target = value;
    };
    number("Time Outs/Half  : %d", league.timeOutsPerHalf);
    number("Mins Per Quarter: %d", league.minutesPerQuarter);
    number("Kick Off From   : %d", league.kickoffYardLine);
    number("PAT Attempt From: %d", league.tryYardLine);
    number("Safety Kick From: %d", league.safetyKickYardLine);
    number("TD Points       : %d", league.touchdownPoints);
    number("FG Points       : %d", league.fieldGoalPoints);
    number("Safety Points   : %d", league.safetyPoints);
    number("PAT Kick Points : %d", league.extraPointPoints);
    number("PAT Rush Points : %d", league.conversionPoints);

    next();
    scan(line, present, "QB Sack Is Rush : %d", &scratch);
    league.sacksAreRushes = scratch != 0;
    next();
    scan(line, present, "Swap Sides Qtr  : %d", &scratch);
    app.swapSidesEachQuarter = scratch != 0;

    number("Wallpaper Orient: %d", app.wallpaperMode);

    // Only the first word after the colon: a path with blanks is cut there.
    next();
    if (present) {
        char word[kFirstLinesWidth + 1] = {};
        if (std::sscanf(line.c_str(), "Wallpaper BMP   : %199s", word) == 1)
            app.wallpaperFile = word;
    }

    const auto color = [&](const char *format, ColorValue &target) {
        next();
        int red = redOf(target), green = greenOf(target), blue = blueOf(target);
        scan(line, present, format, &red, &green, &blue);
        target = colorValue(red, green, blue);
    };
    color("Home Color      : %d,%d,%d", app.homeColor);
    color("Visitor Color   : %d,%d,%d", app.visitorColor);

    // An older file stops here; what it lacks keeps its default.
    HtmlOptions &html = app.html;
    const auto htmlColor = [&](const char *format, ColorValue &target) {
        if (!next(kHtmlLinesWidth))
            return;
        unsigned int v = target;
        scan(line, present, format, &v);
        target = v;
    };
    htmlColor("HTML Header Color:                %u", html.htmlHeaderColor);
    htmlColor("HTML Primary Row Color:           %u", html.htmlPrimaryRowColor);
    htmlColor("HTML Alternate Row Color:         %u", html.htmlAlternateRowColor);
    htmlColor("HTML Font Color:                  %u", html.htmlFontColor);
    htmlColor("HTML Header Font Color:           %u", html.htmlHeaderFontColor);
    if (next(kHtmlLinesWidth) && line.size() > kFontFaceColumn)
        html.htmlFontFace = line.substr(kFontFaceColumn);
    const auto htmlSize = [&](const char *format, std::int32_t &target) {
        if (!next(kHtmlLinesWidth))
            return;
        value = target;
        scan(line, present, format, &value);
        target = value;
    };
    htmlSize("HTML Body Font Size:              %d", html.htmlBodyFontSize);
    htmlSize("HTML Header Font Size:            %d", html.htmlHeaderFontSize);

    // Written only once live output has been set up, the re-flow answer
    // remembered or night colours turned on; each line names what it holds.
    while (next(kLiveLinesWidth)) {
        if (line.starts_with(kLiveFolderLabel))
            app.live.folder = withoutControlCharacters(line.substr(kFontFaceColumn));
        else if (line.starts_with(kLiveTitleLabel))
            app.live.title = withoutControlCharacters(line.substr(kFontFaceColumn));
        else if (line.starts_with(kReflowLabel))
            app.reflowAfterCorrection = std::clamp(leadingInt(line.substr(kFontFaceColumn)), 0, 2);
        else if (line.starts_with(kNightLabel))
            app.nightColors = leadingInt(line.substr(kFontFaceColumn)) != 0;
    }

    league.midfieldYardLine = midfieldFor(league.indoorField);
    boundLeagueOptions(league, league.midfieldYardLine);
}

void readSettings(const std::filesystem::path &path, Settings &settings)
{
    const HtmlOptions defaults;
    settings.app.html.htmlFontFace = defaults.htmlFontFace;
    settings.app.html.htmlBodyFontSize = defaults.htmlBodyFontSize;
    settings.app.html.htmlHeaderFontSize = defaults.htmlHeaderFontSize;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxSettingsFileSize))
        return;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    readSettings(in, settings);
}

void writeSettings(std::ostream &out, const Settings &settings)
{
    const LeagueOptions &league = settings.league;
    const AppSettings &app = settings.app;
    const HtmlOptions &html = app.html;
    char buffer[512];
    const auto line = [&](const char *format, auto... values) {
        std::snprintf(buffer, sizeof buffer, format, values...);
        out << buffer;
    };
    line("Top, Left       : %d,%d\n", app.mainWindowRect.top, app.mainWindowRect.left);
    line("Bottom, Right   : %d,%d\n", app.mainWindowRect.bottom, app.mainWindowRect.right);
    line("Sound is        : %d\n", app.soundEnabled ? 1 : 0);
    line("Indoor Field    : %d\n", league.indoorField ? 1 : 0);
    line("Time Outs/Half  : %d\n", league.timeOutsPerHalf);
    line("Mins Per Quarter: %d\n", league.minutesPerQuarter);
    line("Kick Off From   : %d\n", league.kickoffYardLine);
    line("PAT Attempt From: %d\n", league.tryYardLine);
    line("Safety Kick From: %d\n", league.safetyKickYardLine);
    line("TD Points       : %d\n", league.touchdownPoints);
    line("FG Points       : %d\n", league.fieldGoalPoints);
    line("Safety Points   : %d\n", league.safetyPoints);
    line("PAT Kick Points : %d\n", league.extraPointPoints);
    line("PAT Rush Points : %d\n", league.conversionPoints);
    line("QB Sack Is Rush : %d\n", league.sacksAreRushes ? 1 : 0);
    line("Swap Sides Qtr  : %d\n", app.swapSidesEachQuarter ? 1 : 0);
    line("Wallpaper Orient: %d\n", app.wallpaperMode);
    out << "Wallpaper BMP   : " << app.wallpaperFile << '\n';
    line("Home Color      : %d,%d,%d\n", redOf(app.homeColor), greenOf(app.homeColor), blueOf(app.homeColor));
    line("Visitor Color   : %d,%d,%d\n", redOf(app.visitorColor), greenOf(app.visitorColor), blueOf(app.visitorColor));
    line("HTML Header Color:                %u\n", html.htmlHeaderColor);
    line("HTML Primary Row Color:           %u\n", html.htmlPrimaryRowColor);
    line("HTML Alternate Row Color:         %u\n", html.htmlAlternateRowColor);
    line("HTML Font Color:                  %u\n", html.htmlFontColor);
    line("HTML Header Font Color:           %u\n", html.htmlHeaderFontColor);
    out << "HTML Font Face Name:              " << html.htmlFontFace << '\n';
    line("HTML Body Font Size:              %d\n", html.htmlBodyFontSize);
    line("HTML Header Font Size:            %d", html.htmlHeaderFontSize);
    if (app.live != LiveOutputSettings{})
        out << '\n' << kLiveFolderLabel << app.live.folder << '\n' << kLiveTitleLabel << app.live.title;
    if (app.reflowAfterCorrection != 0)
        out << '\n' << kReflowLabel << app.reflowAfterCorrection;
    if (app.nightColors)
        out << '\n' << kNightLabel << 1;
}

bool writeSettings(const std::filesystem::path &path, const Settings &settings)
{
    std::ostringstream text;
    writeSettings(text, settings);
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    return writeFileAtomically(path, text.str());
}

std::filesystem::path settingsFilePath(const std::filesystem::path &startDirectory)
{
    const std::filesystem::path local = startDirectory / kSettingsFileName;
    std::error_code error;
    if (std::filesystem::exists(local, error))
        return local;
    std::filesystem::path config;
#ifdef _WIN32
    // The user's roaming application data, read as wide text so that any name works.
    if (const wchar_t *appData = _wgetenv(L"APPDATA"); appData && *appData)
        config = appData;
    else
        return local;
#else
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        config = std::filesystem::path(home) / ".config";
    else
        return local;
#endif
    return config / "yardmark" / kSettingsFileName;
}

} // namespace yardmark
