#include "base/datetime.h"
#include "records/roster.h"

#include "samplerecords.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using testing::samplePersonalInfo;
using testing::sampleTeam;

// A player and his entry carry the same tag, so that a pair torn apart shows.
void addTagged(Team &team, const std::string &name, int number, const PersonalInfo &info)
{
    addPlayer(team, PlayerRecord{name, number, 0, 0, 0}, info);
}

void expectPairsTogether(const Team &team)
{
    ASSERT_EQ(team.players.size(), team.personalInfo.size());
    for (std::size_t i = 0; i < team.players.size(); ++i)
        EXPECT_EQ(team.personalInfo[i].note, "of " + team.players[i].name) << i;
}

PersonalInfo infoOf(const std::string &name)
{
    PersonalInfo info;
    info.note = "of " + name;
    return info;
}

std::vector<std::string> names(const Team &team)
{
    std::vector<std::string> out;
    for (const PlayerRecord &p : team.players)
        out.push_back(p.name);
    return out;
}

TEST(RosterTest, DeletingKeepsEveryOtherPlayerWithHisOwnEntry)
{
    Team team;
    for (const char *name : {"Adams", "Baker", "Clark", "Davis"})
        addTagged(team, name, 1, infoOf(name));
    EXPECT_TRUE(deletePlayer(team, 1));
    EXPECT_EQ(names(team), (std::vector<std::string>{"Adams", "Clark", "Davis"}));
    expectPairsTogether(team);
    EXPECT_FALSE(deletePlayer(team, 3));
    EXPECT_FALSE(deletePlayer(team, -1));
    EXPECT_EQ(team.playerCount(), 3);

    Team single;
    addTagged(single, "Only", 1, infoOf("Only"));
    EXPECT_TRUE(deletePlayer(single, 0));
    EXPECT_EQ(single.playerCount(), 0);
    EXPECT_TRUE(single.personalInfo.empty());
}

TEST(RosterTest, SortKeysOrderThePlayersAndMoveTheirEntries)
{
    struct Entry {
        const char *name;
        int number;
        PersonalInfo info;
    };
    auto info = [](const char *text, int year, int month, int day) {
        PersonalInfo i;
        i.phone = i.address = i.city = i.state = i.zip = i.email = text;
        i.birthYear = year;
        i.birthMonth = static_cast<std::uint8_t>(month);
        i.birthDay = static_cast<std::uint8_t>(day);
        return i;
    };
    const Entry entries[] = {
        {"baker", 10, info("b", 1990, 1, 31)},
        {"Zed", -1, info("a", 1990, 2, 1)},
        {"Adams", 7, info("C", 1989, 12, 31)},
    };
    const struct {
        RosterSortKey key;
        bool ascending;
        std::vector<std::string> order;
    } cases[] = {
        {RosterSortKey::Name, true, {"Adams", "Zed", "baker"}}, // case-sensitive: capitals first
        {RosterSortKey::Name, false, {"baker", "Zed", "Adams"}},
        {RosterSortKey::Number, true, {"Zed", "Adams", "baker"}}, // numeric, "00" (-1) first
        {RosterSortKey::Number, false, {"baker", "Adams", "Zed"}},
        {RosterSortKey::Birthday, true, {"Adams", "baker", "Zed"}}, // by date, not by day
        {RosterSortKey::Phone, true, {"Adams", "Zed", "baker"}},
        {RosterSortKey::Address, true, {"Adams", "Zed", "baker"}},
        {RosterSortKey::City, false, {"baker", "Zed", "Adams"}},
        {RosterSortKey::State, true, {"Adams", "Zed", "baker"}},
        {RosterSortKey::Zip, true, {"Adams", "Zed", "baker"}},
        {RosterSortKey::Email, true, {"Adams", "Zed", "baker"}},
    };
    for (const auto &c : cases) {
        Team team;
        for (const Entry &e : entries) {
            PersonalInfo tagged = e.info;
            tagged.note = std::string("of ") + e.name;
            addTagged(team, e.name, e.number, tagged);
        }
        sortRoster(team, c.key, c.ascending);
        EXPECT_EQ(names(team), c.order) << static_cast<int>(c.key) << " " << c.ascending;
        expectPairsTogether(team);
    }
}

TEST(RosterTest, SortByNoteUsesTheNote)
{
    Team team;
    for (const char *name : {"m", "a", "z"})
        addTagged(team, name, 0, infoOf(name));
    sortRoster(team, RosterSortKey::Note, false);
    EXPECT_EQ(names(team), (std::vector<std::string>{"z", "m", "a"}));
}

TEST(RosterTest, SortingLargeRostersGivesNameOrder)
{
    for (int count : {60, 2500}) {
        Team team;
        for (int i = 0; i < count; ++i) {
            const std::string name = "P" + std::to_string((i * 37) % count + 10000);
            addTagged(team, name, i, infoOf(name));
        }
        sortRoster(team, RosterSortKey::Name);
        EXPECT_TRUE(std::is_sorted(team.players.begin(), team.players.end(),
                                   [](const PlayerRecord &a, const PlayerRecord &b) { return a.name < b.name; }))
            << count;
        EXPECT_EQ(team.playerCount(), count);
        expectPairsTogether(team);
    }
}

TEST(RosterTest, CopyRosterIntoShrinksAndGrowsTheTarget)
{
    const Team small = sampleTeam("S", 2, false), large = sampleTeam("L", 5, false);
    for (const Team *source : {&small, &large}) {
        Team target = sampleTeam("T", 3, false);
        copyRosterInto(target, *source);
        EXPECT_EQ(target.players, source->players);
        EXPECT_EQ(target.personalInfo, source->personalInfo);
        EXPECT_EQ(target.name, "T");
    }
}

TEST(RosterTest, AppendRosterGivesRosterOnlyPlayersANewEntry)
{
    setFixedNow(DateTime{2026, 8, 15, 12, 0, 0});
    Team target = sampleTeam("T", 1, false);
    appendRosterTo(target, sampleTeam("G", 2, true));
    appendRosterTo(target, sampleTeam("F", 1, false));
    setFixedNow(std::nullopt);

    ASSERT_EQ(target.playerCount(), 4);
    ASSERT_EQ(target.personalInfo.size(), 4u);
    EXPECT_EQ(target.players[1].name, "G Player 0");
    EXPECT_EQ(target.personalInfo[1].phone, "");
    EXPECT_EQ(target.personalInfo[1].birthYear, 2026);
    EXPECT_EQ(target.personalInfo[1].birthMonth, 8);
    EXPECT_EQ(target.personalInfo[1].birthDay, 15);
    EXPECT_EQ(target.personalInfo[3], samplePersonalInfo(0));
}

TEST(RosterTest, AppendingATeamToItselfDoublesItsRoster)
{
    Team team = sampleTeam("Self", 3, false);
    appendRosterTo(team, team);
    ASSERT_EQ(team.playerCount(), 6);
    EXPECT_EQ(team.players[4], team.players[1]);
    EXPECT_EQ(team.personalInfo[5], team.personalInfo[2]);
}

TEST(RosterTest, CopyTeamForGameLeavesThePersonalInformationBehind)
{
    const Team source = sampleTeam("Source", 4, false);
    Team target = sampleTeam("Old", 7, false);
    target.fileSize = 99;
    copyTeamForGame(source, target);

    EXPECT_TRUE(target.rosterOnly);
    EXPECT_EQ(target.players, source.players);
    EXPECT_EQ(target.personalInfo, std::vector<PersonalInfo>(4));
    Team expected = source;
    expected.rosterOnly = true;
    expected.personalInfo = target.personalInfo;
    expected.fileSize = 99;
    EXPECT_EQ(target, expected);
}

TEST(RosterTest, OperationsMendARosterWhoseEntriesFellOutOfStep)
{
    Team team;
    team.players.push_back(PlayerRecord{"No Entry", 3, 0, 0, 0});
    addTagged(team, "Second", 4, infoOf("Second"));
    ASSERT_EQ(team.personalInfo.size(), 2u);
    EXPECT_EQ(team.personalInfo[1].note, "of Second");
    EXPECT_TRUE(deletePlayer(team, 0));
    expectPairsTogether(team);
}

} // namespace
} // namespace yardmark
