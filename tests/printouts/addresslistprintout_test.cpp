#include "printouts/addresslistprintout.h"

#include "fakesurface.h"

#include "base/datetime.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::FakeSurface;

PlayerRecord player(const std::string &name, int number)
{
    PlayerRecord p;
    p.name = name;
    p.number = number;
    p.offensivePosition = code(Position::Quarterback);
    return p;
}

PersonalInfo fullInfo()
{
    PersonalInfo info;
    info.address = "12 Elm Street";
    info.city = "Springfield";
    info.state = "OH";
    info.zip = "45501";
    info.phone = "555-0101";
    info.birthYear = 2008;
    info.birthMonth = 2;
    info.birthDay = 30;
    info.email = "sam@example.org";
    info.note = "Allergic to bees";
    return info;
}

TEST(PhoneBlockTest, LinesOnlyForWhatThePlayerHas)
{
    PersonalInfo birthdayOnly;
    birthdayOnly.birthYear = 1990;
    birthdayOnly.birthMonth = 2;
    birthdayOnly.birthDay = 30;
    PersonalInfo cityOnly;
    cityOnly.city = "Dayton";
    struct Case {
        const char *name;
        PlayerRecord player;
        PersonalInfo info;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"everything",
         player("Sam Lee", 7),
         fullInfo(),
         {"#7, Sam Lee, Quarterback", "12 Elm Street", "Springfield, OH 45501", "555-0101", "2/30/2008",
          "sam@example.org", "Allergic to bees"}},
        {"no number", player("Sam Lee", -1), PersonalInfo{}, {"#00, Sam Lee, Quarterback"}},
        {"birthday only", player("Al Moss", 12), birthdayOnly, {"#12, Al Moss, Quarterback", "2/30/1990"}},
        {"city without state or zip", player("Al Moss", 0), cityOnly, {"#0, Al Moss, Quarterback", "Dayton,  "}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(phoneBlock(c.player, c.info), c.lines);
    }
}

TEST(AddressListPrintoutTest, BlocksAreSpacedAndNeverSplit)
{
    setFixedNow(DateTime{2026, 11, 21, 16, 30, 0});
    // Page 1000 by 1310: Arial 20 high, margin 30, the first block at 86. A
    // full block of 7 lines and its 2 blank lines take 180, so six fill page 1
    // up to 1166; a seventh block fits only if it and six lines more end by 1310.
    struct Case {
        PersonalInfo lastInfo;
        int pages;
    };
    PersonalInfo twoLines;
    twoLines.phone = "555-0199";
    for (const Case &c : {Case{PersonalInfo{}, 1}, Case{twoLines, 2}}) {
        Team team;
        for (int i = 0; i < 6; ++i) {
            team.players.push_back(player("Player " + std::to_string(i), i));
            team.personalInfo.push_back(fullInfo());
        }
        team.players.push_back(player("Last", 99));
        team.personalInfo.push_back(c.lastInfo);

        AddressListPrintout out("Address/Phone List", team);
        FakeSurface surface(1000, 1310);
        ASSERT_EQ(printAllPages(out, surface), c.pages);
        const std::vector<FakeSurface::Text> first = surface.bodyOn(1);
        ASSERT_GE(first.size(), 42U);
        for (std::size_t i = 0; i < 42; ++i) {
            EXPECT_EQ(first[i].x, 30);
            EXPECT_EQ(first[i].y, 86 + 180 * static_cast<int>(i / 7) + 20 * static_cast<int>(i % 7));
        }
        const std::vector<FakeSurface::Text> last = surface.bodyOn(c.pages);
        const FakeSurface::Text &lastLine = c.pages == 1 ? first[42] : last[0];
        EXPECT_EQ(lastLine.text, "#99, Last, Quarterback");
        EXPECT_EQ(lastLine.y, c.pages == 1 ? 1166 : 86);
    }
    setFixedNow(std::nullopt);
}

TEST(AddressListPrintoutTest, EmptyRosterPrintsTheHeader)
{
    AddressListPrintout out("Address/Phone List", Team{});
    FakeSurface surface(1000, 1300);
    EXPECT_EQ(printAllPages(out, surface), 1);
    EXPECT_TRUE(surface.bodyOn(1).empty());
    EXPECT_EQ(surface.texts.size(), 3U);
}

} // namespace
} // namespace yardmark
