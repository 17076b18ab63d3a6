#include "printouts/playbyplayprintout.h"

#include "fakesurface.h"
#include "playlist.h"

#include "base/datetime.h"
#include "vocabulary/narration.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;
using test::Play;

class PlayByPlayPrintoutTest : public ::testing::Test {
protected:
    void SetUp() override { setFixedNow(DateTime{2026, 11, 21, 16, 30, 0}); }
    void TearDown() override { setFixedNow(std::nullopt); }
};

/// A game of `count` rushes, each gaining one more yard than the one before.
Game rushes(int count)
{
    Game game = test::gameOf({});
    for (int i = 0; i < count; ++i)
        game.plays.push_back(Play(PlayType::Rush, true).from(20).to(20 + i % 60).player(1, "Runner"));
    return game;
}

TEST_F(PlayByPlayPrintoutTest, GameWithoutPlaysPrintsOnlyTheHeader)
{
    PlayByPlayPrintout out("Play By Play", test::gameOf({}), LeagueOptions{});
    FakeSurface surface(1000, 1300);
    EXPECT_EQ(printAllPages(out, surface), 1);
    ASSERT_EQ(surface.texts.size(), 3U);
    EXPECT_EQ(surface.texts[0].text, "Page 1");
    EXPECT_EQ(surface.texts[1].text, "Play By Play");
    EXPECT_TRUE(surface.bodyOn(1).empty());
}

TEST_F(PlayByPlayPrintoutTest, PlaysRunOverThreePages)
{
    const Game game = rushes(100);
    PlayByPlayPrintout out("Play By Play", game, LeagueOptions{});
    FakeSurface surface(1000, 1300);
    ASSERT_EQ(printAllPages(out, surface), 3);

    // Body: Arial 26 high (a fiftieth of the height), margin 39; the header
    // ends at 46, the first play two lines lower, and lines stop before
    // 1300 - 2 * 26, which leaves room for 45 plays.
    const FontRequest body{"Arial", 26, 400, false};
    struct PageCase {
        int page;
        std::size_t first;
        std::size_t count;
    };
    for (const PageCase c : {PageCase{1, 0, 45}, PageCase{2, 45, 45}, PageCase{3, 90, 10}}) {
        SCOPED_TRACE(c.page);
        const std::vector<FakeSurface::Text> lines = surface.bodyOn(c.page);
        ASSERT_EQ(lines.size(), c.count);
        EXPECT_EQ(surface.textsOn(c.page)[0].text, "Page " + std::to_string(c.page));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const FakeSurface::Text expected{c.page, 39, 98 + static_cast<int>(i) * 26,
                                             narratePlay(game.plays[c.first + i], game.info, LeagueOptions{}), body};
            EXPECT_EQ(lines[i], expected) << "line " << i;
        }
    }
}

TEST_F(PlayByPlayPrintoutTest, NarrationFollowsTheLeagueField)
{
    Game game = test::gameOf({Play(PlayType::Rush, true).from(10, 25).to(40, 25).player(1, "Runner")});
    LeagueOptions indoor;
    indoor.indoorField = true;
    indoor.midfieldYardLine = 25;
    PlayByPlayPrintout out("Play By Play", game, indoor);
    FakeSurface surface(1000, 1300);
    printAllPages(out, surface);
    ASSERT_EQ(surface.bodyOn(1).size(), 1U);
    EXPECT_EQ(surface.bodyOn(1)[0].text, narratePlay(game.plays[0], game.info, indoor));
    EXPECT_NE(surface.bodyOn(1)[0].text, narratePlay(game.plays[0], game.info, LeagueOptions{}));
}

} // namespace
} // namespace yardmark
