#include "app/program.h"
#include "app/shell/wallpaperview.h"

#include "records/settingsfile.h"
#include "scripteduserinterface.h"

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

class ProgramTest : public ::testing::Test {
protected:
    std::filesystem::path start() const { return folder.path().toStdString(); }
    std::filesystem::path iniFile() const { return start() / "yardmark.ini"; }

    std::unique_ptr<Program> startProgram()
    {
        return std::make_unique<Program>(start(), std::make_unique<RecordingSoundPlayer>(played));
    }

    QTemporaryDir folder;
    std::vector<int> played;
};

TEST_F(ProgramTest, StartsFromTheSettingsFileOfTheStartDirectory)
{
    Settings stored;
    stored.app.mainWindowRect = {20, 30, 520, 430};
    stored.app.wallpaperMode = 2;
    stored.app.swapSidesEachQuarter = false;
    stored.league.indoorField = true;
    stored.league.midfieldYardLine = 50; // the file does not hold it; the field type decides
    ASSERT_TRUE(writeSettings(iniFile(), stored));

    const auto program = startProgram();
    EXPECT_EQ(program->settingsFile(), iniFile());
    EXPECT_TRUE(program->settings().league.indoorField);
    EXPECT_EQ(program->settings().league.midfieldYardLine, 25);
    EXPECT_EQ(played, std::vector<int>{607});
    MainWindow &window = program->mainWindow();
    EXPECT_EQ(window.pos(), QPoint(20, 30));
    EXPECT_EQ(window.size(), QSize(500, 400));
    EXPECT_TRUE(window.findChild<QAction *>(QStringLiteral("centerWallpaper"))->isChecked());
    EXPECT_FALSE(window.findChild<QAction *>(QStringLiteral("swapSides"))->isChecked());
    // No "logo.bmp" in the start directory: the drawn wallpaper.
    EXPECT_FALSE(window.wallpaper().image().isNull());
}

TEST_F(ProgramTest, PlaysNoStartSoundWhenSoundIsOff)
{
    Settings stored;
    stored.app.soundEnabled = false;
    ASSERT_TRUE(writeSettings(iniFile(), stored));
    const auto program = startProgram();
    EXPECT_TRUE(played.empty());
}

TEST_F(ProgramTest, ClosingTheMainWindowWritesWhatChanged)
{
    // A window larger than the least it can be with any system's fonts, and
    // smaller than the least screen.
    Settings settings;
    settings.app.mainWindowRect = WindowRect{0, 0, 760, 540};
    ASSERT_TRUE(writeSettings(iniFile(), settings));
    const auto program = startProgram();
    MainWindow &window = program->mainWindow();
    window.show();
    window.findChild<QAction *>(QStringLiteral("tileWallpaper"))->trigger();
    window.findChild<QAction *>(QStringLiteral("useSoundEffects"))->trigger();
    window.findChild<QAction *>(QStringLiteral("exit"))->trigger();
    EXPECT_FALSE(window.isVisible());

    Settings read;
    readSettings(iniFile(), read);
    EXPECT_EQ(read.app.wallpaperMode, 1);
    EXPECT_FALSE(read.app.soundEnabled);
    EXPECT_EQ(read.app.mainWindowRect, (WindowRect{0, 0, 760, 540}));
}

TEST_F(ProgramTest, ADamagedRectangleStillGivesAReachableWindow)
{
    Settings stored;
    stored.app.mainWindowRect = {-30000, -30000, -29990, -29990};
    ASSERT_TRUE(writeSettings(iniFile(), stored));
    const auto program = startProgram();
    const QRect geometry = program->mainWindow().geometry();
    EXPECT_GE(geometry.width(), 160);
    EXPECT_GE(geometry.height(), 120);
    EXPECT_TRUE(QApplication::primaryScreen()->virtualGeometry().intersects(geometry));
}

} // namespace
} // namespace yardmark
