#include "live/livefeed.h"
#include "live/liveoutputform.h"
#include "stats/playlist.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include "base/atomicfile.h"
#include "gameflow/gamerules.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace yardmark {
namespace {

using test::Play;

// Names a scorer may type: markup characters, quotes and Windows-1252 letters.
TEST(LiveFeedTest, HostileNamesAreEscapedInThePageAndExactInTheFeed)
{
    Game game = test::gameOf({Play(PlayType::Rush, true)
                                  .from(20)
                                  .to(95)
                                  .score(ScoreType::Touchdown)
                                  .player(CarrierSlot, "Jos\xE9 <b>\"Flash\"</b>")});
    game.info.homeTeamName = "Smith & <Sons>";
    game.info.visitorTeamName = "\"M\xFCnchen\" B\xE4ren";
    recomputeScore(game, Settings{}.league);
    const GameSituation situation = openedSituation(game, Settings{}.league);
    const LiveFiles files = liveFiles(game, situation, Settings{}, "</title><script>alert(1)</script>", {});

    const nlohmann::json feed = nlohmann::json::parse(files.feed);
    EXPECT_EQ(feed["title"], "</title><script>alert(1)</script>");
    EXPECT_EQ(feed["teams"]["home"]["name"], "Smith & <Sons>");
    EXPECT_EQ(feed["teams"]["visitor"]["name"], "\"M\u00fcnchen\" B\u00e4ren");
    EXPECT_NE(feed["lastPlays"][0]["text"].get<std::string>().find("Jos\u00e9 <b>\"Flash\"</b>"), std::string::npos);
    EXPECT_EQ(feed["teams"]["home"]["score"], 6);

    const std::string &page = files.page;
    for (const char *escaped :
         {"&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt;", "Smith &amp; &lt;Sons&gt;",
          "&quot;M\u00fcnchen&quot; B\u00e4ren", "Jos\u00e9 &lt;b&gt;&quot;Flash&quot;&lt;/b&gt;"})
        EXPECT_NE(page.find(escaped), std::string::npos) << escaped;
    for (const char *raw : {"<script>alert", "<Sons>", "<b>\"Flash"})
        EXPECT_EQ(page.find(raw), std::string::npos) << raw;
    // Exactly one script: the page's own.
    EXPECT_EQ(page.find("<script>"), page.rfind("<script>"));
}

TEST(LiveFeedTest, SituationReadsAsTheCrowdSaysIt)
{
    struct Case {
        const char *name;
        bool kickoff, tryDue;
        int down, toGo;
        FieldSpot ball;
        const char *downText, *ballOnText, *possessionText;
    };
    const Case cases[] = {
        {"third and seven", false, false, 2, 7, {30, false}, "3rd & 7", "Ball on Visitor 30", "Home ball"},
        {"goal to go", false, false, 0, 10, {8, false}, "1st & Goal", "Ball on Visitor 8", "Home ball"},
        {"midfield", false, false, 3, 1, {50, true}, "4th & 1", "Ball on the 50", "Home ball"},
        {"kickoff", true, false, 0, 10, {35, true}, "Kickoff", "Ball on Home 35", "Home kicks off"},
        {"try", false, true, 0, 3, {3, false}, "Try", "Ball on Visitor 3", "Home ball"},
    };
    for (const Case &c : cases) {
        Game game = test::gameOf({});
        game.kickoffPending = c.kickoff;
        game.tryPending = c.tryDue;
        GameSituation situation;
        situation.down = c.down;
        situation.toGo = c.toGo;
        situation.ballSpot = c.ball;
        const auto feed = liveFeed(game, situation, Settings{}, "", {})["situation"];
        EXPECT_EQ(feed["downText"], c.downText) << c.name;
        EXPECT_EQ(feed["ballOnText"], c.ballOnText) << c.name;
        EXPECT_EQ(feed["possessionText"], c.possessionText) << c.name;
    }
}

TEST(LiveFeedTest, AFailedWriteLeavesNoHalfFileAndAGoneFolderGetsNone)
{
    const testing::TempDir temp;
    const std::filesystem::path &dir = temp.path();
    // The page cannot be renamed into place (a folder stands there): the feed
    // is written whole, the page fails, and no temporary file is left behind.
    std::filesystem::create_directories(dir / kLivePageFile / "in the way");
    EXPECT_FALSE(writeLiveFiles(dir, {"{\"new\":1}\n", "<p>new</p>\n"}));
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(readWholeFile(dir / kLiveFeedFile, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "{\"new\":1}\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);

    std::filesystem::remove_all(dir);
    EXPECT_FALSE(writeLiveFiles(dir, {"{}", "<p></p>"}));
    EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(LiveOutputFormTest, AnEmptyFolderTurnsLiveOutputOffAndAMissingOneIsRefused)
{
    ScriptedUserInterface ui;
    LiveOutputSettings off{"  ", " Friday Night "};
    EXPECT_TRUE(acceptLiveOutputForm(off, ui));
    EXPECT_EQ(off, (LiveOutputSettings{"", "Friday Night"}));

    const testing::TempDir temp;
    const std::filesystem::path &dir = temp.path();
    LiveOutputSettings missing{(dir / "nowhere").string(), ""};
    EXPECT_FALSE(acceptLiveOutputForm(missing, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Live Output");
    EXPECT_NE(ui.messages[0].text.find("nowhere does not exist"), std::string::npos);

    LiveOutputSettings there{dir.string() + " ", ""};
    EXPECT_TRUE(acceptLiveOutputForm(there, ui));
    EXPECT_EQ(there.folder, dir.string());
}

} // namespace
} // namespace yardmark
