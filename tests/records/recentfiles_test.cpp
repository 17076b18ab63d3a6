#include "records/recentfiles.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

// The newest first, once each, ten of each kind; the other kind untouched.
TEST(RecentFilesTest, TheNewestComeFirstOnceEachAndTenOfAKind)
{
    std::vector<RecentFile> files;
    noteRecentFile(files, RecentKind::Schedule, "season.sch", 1);
    for (int i = 0; i < 12; ++i)
        noteRecentFile(files, RecentKind::Game, "week" + std::to_string(i) + ".gam", 10 + i);
    noteRecentFile(files, RecentKind::Game, "week5.gam", 30);
    const std::vector<RecentFile> games = recentFilesOf(files, RecentKind::Game);
    ASSERT_EQ(games.size(), kRecentFilesKept);
    EXPECT_EQ(games.front(), (RecentFile{RecentKind::Game, "week5.gam", 30}));
    EXPECT_EQ(games[1].path, "week11.gam");
    EXPECT_EQ(games.back().path, "week2.gam") << "week0 and week1 fell off";
    EXPECT_EQ(recentFilesOf(files, RecentKind::Schedule).size(), 1u);

    forgetRecentFile(files, RecentKind::Game, "week5.gam");
    EXPECT_EQ(recentFilesOf(files, RecentKind::Game).front().path, "week11.gam");
}

// The list reads back whole, a damaged one as far as it is sound.
TEST(RecentFilesTest, AListReadsBackAsFarAsItIsSound)
{
    const std::vector<RecentFile> files{
        {RecentKind::Game, "/home/coach/Ib\xC3\xA1\xC3\xB1\x65z week 1.gam", 1765000000},
        {RecentKind::Schedule, "season.sch", 5}};
    EXPECT_EQ(decodeRecentFiles(encodeRecentFiles(files)), files);
    const struct {
        const char *text;
        std::size_t sound;
    } damaged[] = {
        {"game\t1\ta.gam\nschedule\t2\tb.sch\n", 2},
        {"game\t1\ta.gam\nteam\t2\tb.tem\ngame\t3\tc.gam\n", 1},
        {"game\tx\ta.gam\n", 0},
        {"game\t1\ta.gam\ngame\t2\tb.g", 1},
        {"game\t1\t\n", 0},
        {"game 1 a.gam\n", 0},
        {"", 0},
    };
    for (const auto &d : damaged)
        EXPECT_EQ(decodeRecentFiles(d.text).size(), d.sound) << d.text;
}

} // namespace
} // namespace yardmark
