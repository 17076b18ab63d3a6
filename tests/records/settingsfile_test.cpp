#include "records/settingsfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace yardmark {
namespace {

// A settings file as the program writes it with every value changed.
Settings changedSettings()
{
    Settings s;
    s.app.mainWindowRect = {10, 20, 810, 620};
    s.app.soundEnabled = false;
    s.league.indoorField = true;
    s.league.midfieldYardLine = 25;
    s.league.timeOutsPerHalf = 4;
    s.league.minutesPerQuarter = 12;
    s.league.kickoffYardLine = 20;
    s.league.tryYardLine = 2;
    s.league.safetyKickYardLine = 15;
    s.league.touchdownPoints = 7;
    s.league.fieldGoalPoints = 4;
    s.league.safetyPoints = 3;
    s.league.extraPointPoints = 2;
    s.league.conversionPoints = 3;
    s.league.sacksAreRushes = false;
    s.app.swapSidesEachQuarter = false;
    s.app.wallpaperMode = 2;
    s.app.wallpaperFile = "/home/coach/field.bmp";
    s.app.homeColor = colorValue(1, 2, 3);
    s.app.visitorColor = colorValue(250, 128, 0);
    s.app.html.htmlHeaderColor = 1;
    s.app.html.htmlPrimaryRowColor = 2;
    s.app.html.htmlAlternateRowColor = 3;
    s.app.html.htmlFontColor = 4294967295u;
    s.app.html.htmlHeaderFontColor = 5;
    s.app.html.htmlFontFace = "Times New Roman";
    s.app.html.htmlBodyFontSize = 2;
    s.app.html.htmlHeaderFontSize = 20;
    s.app.live = {"/media/press box/live", "Tigers & Bears \x96 Homecoming"};
    s.app.reflowAfterCorrection = 2;
    s.app.nightColors = true;
    return s;
}

std::string written(const Settings &s)
{
    std::ostringstream out;
    writeSettings(out, s);
    return out.str();
}

Settings readBack(const std::string &text)
{
    Settings s;
    std::istringstream in(text);
    readSettings(in, s);
    return s;
}

// A hand-edited file is held to the League Options dialog's bounds.
TEST(SettingsFileTest, LeagueOptionsOutOfRangeAreBroughtWithinTheDialogsBounds)
{
    LeagueOptions expected;
    expected.timeOutsPerHalf = 1;
    expected.minutesPerQuarter = 20;
    expected.kickoffYardLine = 50;
    expected.tryYardLine = 3;
    expected.touchdownPoints = kMaxScorePoints;
    expected.fieldGoalPoints = 3;
    const Settings read = readBack("Top, Left       : 0,0\nBottom, Right   : 480,640\nSound is        : 1\n"
                                   "Indoor Field    : 0\nTime Outs/Half  : 0\nMins Per Quarter: 99\n"
                                   "Kick Off From   : 999\nPAT Attempt From: -4\nSafety Kick From: 25\n"
                                   "TD Points       : 2147483647\nFG Points       : -3\nSafety Points   : 2\n"
                                   "PAT Kick Points : 1\nPAT Rush Points : 2\nQB Sack Is Rush : 1\n");
    EXPECT_EQ(read.league, expected);
}

TEST(SettingsFileTest, DefaultsAreWrittenInTheExactFormat)
{
    const std::string expected = "Top, Left       : 0,0\n"
                                 "Bottom, Right   : 480,640\n"
                                 "Sound is        : 1\n"
                                 "Indoor Field    : 0\n"
                                 "Time Outs/Half  : 3\n"
                                 "Mins Per Quarter: 15\n"
                                 "Kick Off From   : 35\n"
                                 "PAT Attempt From: 3\n"
                                 "Safety Kick From: 25\n"
                                 "TD Points       : 6\n"
                                 "FG Points       : 3\n"
                                 "Safety Points   : 2\n"
                                 "PAT Kick Points : 1\n"
                                 "PAT Rush Points : 2\n"
                                 "QB Sack Is Rush : 1\n"
                                 "Swap Sides Qtr  : 1\n"
                                 "Wallpaper Orient: 0\n"
                                 "Wallpaper BMP   : logo.bmp\n"
                                 "Home Color      : 0,0,255\n"
                                 "Visitor Color   : 255,0,0\n"
                                 "HTML Header Color:                14088953\n"
                                 "HTML Primary Row Color:           16777215\n"
                                 "HTML Alternate Row Color:         15658734\n"
                                 "HTML Font Color:                  0\n"
                                 "HTML Header Font Color:           0\n"
                                 "HTML Font Face Name:              Fixed Width\n"
                                 "HTML Body Font Size:              3\n"
                                 "HTML Header Font Size:            3";
    EXPECT_EQ(written(Settings{}), expected);
}

TEST(SettingsFileTest, EveryValueReadsBackIncludingAFontFaceWithBlanks)
{
    EXPECT_EQ(readBack(written(changedSettings())), changedSettings());
}

TEST(SettingsFileTest, WindowsLineEndsReadLikeLineFeeds)
{
    std::string text = written(changedSettings());
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(readBack(crlf), changedSettings());
}

TEST(SettingsFileTest, ControlCharactersInTheLiveLinesAreDroppedSoASaveWritesBackWhatWasRead)
{
    std::string text = written(changedSettings());
    text.insert(text.find('\n', text.find("Live Output Folder")), "\r\r\r");
    text.replace(text.find("press box"), 5,
                 "pr\x01"
                 "e\tss");
    text += "\x7f\r\r";
    const Settings read = readBack(text);
    EXPECT_EQ(read, changedSettings());
    EXPECT_EQ(readBack(written(read)), read);
}

TEST(SettingsFileTest, AnOlderFileOfTwentyLinesKeepsTheHtmlDefaults)
{
    Settings changed = changedSettings();
    std::string text = written(changed);
    std::size_t cut = 0;
    for (int line = 0; line < 20; ++line)
        cut = text.find('\n', cut) + 1;
    const Settings read = readBack(text.substr(0, cut));
    changed.app.html = HtmlOptions{};
    changed.app.live = LiveOutputSettings{};
    changed.app.reflowAfterCorrection = 0;
    changed.app.nightColors = false;
    EXPECT_EQ(read, changed);
}

TEST(SettingsFileTest, ADamagedSwitchLineTakesTheSwitchReadBeforeIt)
{
    Settings s;
    s.league.indoorField = true;
    s.league.midfieldYardLine = 25;
    s.league.sacksAreRushes = true;
    std::string text = written(s);

    // Sound line damaged: nothing read before it, so sound goes off.
    std::string damaged = text;
    damaged.replace(damaged.find("Sound is        : 1"), 19, "Sound is garbage   ");
    EXPECT_FALSE(readBack(damaged).app.soundEnabled);

    // Swap-sides line damaged: it repeats the sacks switch read just before.
    s.league.sacksAreRushes = false;
    s.app.swapSidesEachQuarter = true;
    damaged = written(s);
    damaged.replace(damaged.find("Swap Sides Qtr  : 1"), 19, "Swap Sides ???     ");
    EXPECT_FALSE(readBack(damaged).app.swapSidesEachQuarter);
}

TEST(SettingsFileTest, ADamagedNumberLineKeepsTheCurrentValue)
{
    std::string text = written(changedSettings());
    text.replace(text.find("Mins Per Quarter: 12"), 20, "Mins Per Quarter: xx");
    Settings s;
    s.league.minutesPerQuarter = 9;
    std::istringstream in(text);
    readSettings(in, s);
    EXPECT_EQ(s.league.minutesPerQuarter, 9);
    EXPECT_EQ(s.league.kickoffYardLine, 20); // the lines after it still read
}

TEST(SettingsFileTest, OnlyTheFirstWordOfTheWallpaperPathIsRead)
{
    Settings s;
    s.app.wallpaperFile = "C:\\My Pictures\\field.bmp";
    EXPECT_EQ(readBack(written(s)).app.wallpaperFile, "C:\\My");
}

TEST(SettingsFileTest, MissingFileKeepsDefaultsAndFileSetsMidfield)
{
    const auto dir = std::filesystem::temp_directory_path() / ("yardmark-settings-test-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    Settings s;
    s.app.html.htmlFontFace = "Arial";
    readSettings(dir / "yardmark.ini", s);
    EXPECT_EQ(s, Settings{}); // the font face starts from its default before reading

    ASSERT_TRUE(writeSettings(dir / "yardmark.ini", changedSettings()));
    Settings read;
    readSettings(dir / "yardmark.ini", read);
    EXPECT_EQ(read, changedSettings());
    EXPECT_EQ(read.league.midfieldYardLine, 25);

    // The save goes through a temporary file that does not stay behind.
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir))
        ++files;
    EXPECT_EQ(files, 1);
    std::filesystem::remove_all(dir);
}

TEST(SettingsFileTest, TheFileLivesInTheStartDirectoryWhenOneIsThere)
{
    const auto dir = std::filesystem::temp_directory_path() / ("yardmark-settings-where-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "start");
#ifdef _WIN32
    const std::string oldAppData = std::getenv("APPDATA") ? std::getenv("APPDATA") : "";
    _putenv_s("APPDATA", (dir / "config").string().c_str());
#else
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
#endif
    EXPECT_EQ(settingsFilePath(dir / "start"), dir / "config" / "yardmark" / "yardmark.ini");
    std::ofstream(dir / "start" / "yardmark.ini") << "";
    EXPECT_EQ(settingsFilePath(dir / "start"), dir / "start" / "yardmark.ini");
#ifdef _WIN32
    _putenv_s("APPDATA", oldAppData.c_str());
#else
    unsetenv("XDG_CONFIG_HOME");
#endif
    std::filesystem::remove_all(dir);
}

TEST(SettingsFileTest, AFileThatCannotBeWrittenReportsFalse)
{
    EXPECT_FALSE(writeSettings("/proc/yardmark-cannot-write/yardmark.ini", Settings{}));
}

} // namespace
} // namespace yardmark
