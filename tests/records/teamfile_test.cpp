#include "base/bytecodec.h"
#include "records/teamfile.h"

#include "samplerecords.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using testing::fileBytes;
using testing::sampleTeam;
using testing::TempDir;

TEST(TeamFileTest, AnEmptyTeamIsAComplete715ByteFile)
{
    TempDir dir;
    Team team = sampleTeam("Empty", 0, false);
    ASSERT_TRUE(writeTeamFile(team, dir.file("empty.tem")));
    EXPECT_EQ(fileBytes(dir.file("empty.tem")).size(), 715u);

    Team loaded;
    loaded.rosterOnly = false;
    ASSERT_TRUE(loadTeamFile(loaded, dir.file("empty.tem")));
    EXPECT_EQ(loaded.playerCount(), 0);
    EXPECT_EQ(loaded.name, "Empty");
    EXPECT_EQ(loaded.fileSize, 715);
}

TEST(TeamFileTest, PersonalInformationFollowsTheRosterOfAFullTeam)
{
    const struct {
        int players;
        bool rosterOnly;
        std::size_t size;
    } cases[] = {
        {0, false, 715}, {1, false, 715 + 41 + 331}, {30, false, 715 + 30 * (41 + 331)}, {30, true, 715 + 30 * 41}};
    for (const auto &c : cases)
        EXPECT_EQ(encodeTeamFile(sampleTeam("T", c.players, c.rosterOnly)).size(), c.size) << c.players;
}

TEST(TeamFileTest, SaveAndLoadGiveTheSameTeamAndBytes)
{
    TempDir dir;
    Team team = sampleTeam("Wildcats", 17, false);
    const std::string path = dir.file("wildcats.tem");
    ASSERT_TRUE(writeTeamFile(team, path));
    EXPECT_EQ(team.fileName, path);

    Team loaded;
    loaded.rosterOnly = false;
    ASSERT_TRUE(loadTeamFile(loaded, path));
    team.fileSize = static_cast<std::int32_t>(715 + 17 * (41 + 331));
    team.reserved[0] = 0; // the first reserved integer is not stored
    EXPECT_EQ(loaded, team);

    ASSERT_TRUE(writeTeamFile(loaded, dir.file("again.tem")));
    auto first = fileBytes(path), second = fileBytes(dir.file("again.tem"));
    // The files differ only in the path each was saved under.
    std::fill_n(first.begin(), 260, 0);
    std::fill_n(second.begin(), 260, 0);
    EXPECT_EQ(first, second);
}

TEST(TeamFileTest, ARosterOnlyTeamReadsNoPersonalInformation)
{
    const auto bytes = encodeTeamFile(sampleTeam("Full", 3, false));
    Team team; // roster-only, as the teams of a game
    ASSERT_TRUE(decodeTeamFile(bytes, team));
    ASSERT_EQ(team.playerCount(), 3);
    EXPECT_EQ(team.personalInfo, std::vector<PersonalInfo>(3));
}

TEST(TeamFileTest, PersonalInformationOfTheWrongSizeIsLeftZeroFilled)
{
    auto bytes = encodeTeamFile(sampleTeam("Odd", 4, false));
    for (int extra : {1, -1, 331}) {
        auto changed = bytes;
        if (extra > 0)
            changed.insert(changed.end(), static_cast<std::size_t>(extra), 'x');
        else
            changed.pop_back();
        Team team;
        team.rosterOnly = false;
        ASSERT_TRUE(decodeTeamFile(changed, team)) << extra;
        EXPECT_EQ(team.playerCount(), 4);
        EXPECT_EQ(team.personalInfo, std::vector<PersonalInfo>(4)) << extra;
        EXPECT_EQ(team.fileSize, static_cast<std::int32_t>(changed.size()));
    }
}

TEST(TeamFileTest, AnOldRosterIsConverted)
{
    ByteWriter out;
    out.zeros(260);
    out.text("Old Timers", 25);
    out.zeros(25 + 25 + 260 + 8 + 4 * 25);
    out.int32(1); // a count with no marker: the oldest layout
    out.text("Ancient", 25);
    for (std::int32_t value : {44, 17, 0})
        out.int32(value);
    Team team;
    ASSERT_TRUE(decodeTeamFile(out.take(), team));
    EXPECT_EQ(team.name, "Old Timers");
    ASSERT_EQ(team.playerCount(), 1);
    EXPECT_EQ(team.players[0], (PlayerRecord{"Ancient", 44, 0, 17, 0}));
}

TEST(TeamFileTest, TextWithoutTerminatorIsReadUpToItsWidthLessOne)
{
    ByteWriter out;
    out.zeros(260);
    for (int i = 0; i < 25; ++i)
        out.uint8('N'); // a name field with no terminator
    out.zeros(25 + 25 + 260 + 8 + 4 * 25);
    out.int32(-1);
    out.int32(20);
    out.int32(0);
    Team team;
    ASSERT_TRUE(decodeTeamFile(out.take(), team));
    EXPECT_EQ(team.name, std::string(24, 'N'));
    EXPECT_EQ(team.coach, "");
}

TEST(TeamFileTest, FailedLoadLeavesTheTeamAsItWas)
{
    TempDir dir;
    Team team = sampleTeam("Keep", 2, false);
    const Team before = team;
    EXPECT_FALSE(loadTeamFile(team, dir.file("missing.tem")));
    EXPECT_EQ(team, before);

    auto bytes = encodeTeamFile(team);
    bytes.resize(700);
    std::ofstream(dir.file("short.tem"), std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), 700);
    EXPECT_FALSE(loadTeamFile(team, dir.file("short.tem")));
    EXPECT_EQ(team, before);
}

TEST(TeamFileTest, SavingProposesATeamFileNameForImportedTeams)
{
    const struct {
        const char *fileName;
        bool needed;
        const char *proposed;
    } cases[] = {
        {"", true, ""},
        {"a.b", true, ""},
        {"/teams/eagles.tem", false, "/teams/eagles.tem"},
        {"/teams/eagles.csv", true, "/teams/eagles.tem"},
        {"C:\\TEAMS\\EAGLES.CSV", true, "C:\\TEAMS\\EAGLES.tem"},
        {"/teams/rostercsv", true, "/teams/roster.tem"},
    };
    for (const auto &c : cases) {
        Team team;
        team.fileName = c.fileName;
        EXPECT_EQ(teamFileNameNeeded(team), c.needed) << c.fileName;
        EXPECT_EQ(proposedTeamFileName(team), c.proposed) << c.fileName;
    }
}

TEST(TeamFileTest, SaveTeamAsksForANameOnlyWhenItMust)
{
    TempDir dir;
    std::vector<std::string> proposals;
    std::optional<std::string> answer;
    const TeamFileChooser choose = [&](const std::string &proposed) {
        proposals.push_back(proposed);
        return answer;
    };

    Team team = sampleTeam("Save", 2, false);
    team.fileName = dir.file("imported.CSV");
    EXPECT_FALSE(saveTeam(team, choose)); // cancelled
    EXPECT_EQ(team.fileName, dir.file("imported.CSV"));

    answer = dir.file("chosen");
    ASSERT_TRUE(saveTeam(team, choose));
    EXPECT_EQ(proposals, (std::vector<std::string>{dir.file("imported.tem"), dir.file("imported.tem")}));
    EXPECT_EQ(team.fileName, dir.file("chosen.tem"));
    EXPECT_EQ(fileBytes(dir.file("chosen.tem")), encodeTeamFile(team));

    team.coach = "New Coach";
    ASSERT_TRUE(saveTeam(team, choose)); // its own file now: no question
    EXPECT_EQ(proposals.size(), 2u);
    EXPECT_EQ(fileBytes(dir.file("chosen.tem")), encodeTeamFile(team));

    Team unnamed = sampleTeam("New", 0, false);
    unnamed.fileName.clear();
    answer = dir.file("new.tem");
    ASSERT_TRUE(saveTeam(unnamed, choose));
    EXPECT_EQ(proposals.back(), "");
    EXPECT_TRUE(std::filesystem::exists(dir.file("new.tem")));
}

TEST(TeamFileTest, AChosenNameWithoutDotGetsTheTeamExtension)
{
    const std::pair<const char *, const char *> cases[] = {
        {"eagles", "eagles.tem"},
        {"eagles.tem", "eagles.tem"},
        {"eagles.dat", "eagles.dat"},
        {"/home/a.b/eagles", "/home/a.b/eagles.tem"},
    };
    for (const auto &[chosen, expected] : cases)
        EXPECT_EQ(withTeamExtension(chosen), expected);
}

} // namespace
} // namespace yardmark
