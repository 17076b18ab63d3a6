#include "season/personalinfoform.h"

#include "sampleroster.h"
#include "today.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

TEST(PersonalInfoFormTest, RowsShowTheStoredValues)
{
    const Team team = threePlayers();
    EXPECT_EQ(addressRow(team, 0), (AddressRow{"Adams", "555-0101", "4/15/2008", "12 Main St", "Springfield", "IL",
                                               "62701", "adams@example.com", "left-handed"}));
    EXPECT_EQ(addressRow(team, 1)[2], "0/0/0");
    EXPECT_EQ(addressRow(team, 3), AddressRow{});

    Team rosterOnly = team;
    rosterOnly.personalInfo.clear();
    EXPECT_EQ(addressRow(rosterOnly, 1), (AddressRow{"Baker", "", "0/0/0", "", "", "", "", "", ""}));
}

TEST(PersonalInfoFormTest, StoredBirthdaysOutOfRangeShowToday)
{
    struct Case {
        int month, day, year;
        CalendarDate shown;
    } cases[] = {
        {4, 15, 2008, {4, 15, 2008}}, {2, 30, 1990, {2, 30, 1990}}, {12, 31, 0, {12, 31, 0}},
        {1, 1, 9999, {1, 1, 9999}},   {0, 1, 2000, {12, 7, 2026}},  {13, 1, 2000, {12, 7, 2026}},
        {1, 0, 2000, {12, 7, 2026}},  {1, 32, 2000, {12, 7, 2026}}, {1, 1, -1, {12, 7, 2026}},
        {1, 1, 10000, {12, 7, 2026}},
    };
    for (const Case &c : cases) {
        const PersonalInfo info = contact("", c.month, c.day, c.year, "", "");
        EXPECT_EQ(shownBirthday(info, kToday), c.shown) << c.month << '/' << c.day << '/' << c.year;
    }
}

TEST(PersonalInfoFormTest, SelectingARowFillsTheBoxes)
{
    const Team team = threePlayers();
    PersonalInfoForm form;
    selectAddressRow(form, team, 1, kToday);
    EXPECT_EQ(form.selected, 1);
    EXPECT_EQ(form.name, "Baker");
    EXPECT_EQ(form.birthday, "12/7/2026");
    EXPECT_EQ(form.phone, "555-0102");
    selectAddressRow(form, team, 0, kToday);
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(form.birthday, "4/15/2008");
    EXPECT_EQ(form.email, "adams@example.com");
    EXPECT_EQ(form.note, "left-handed");

    selectAddressRow(form, team, -1, kToday);
    PersonalInfoForm cleared;
    cleared.birthday = "12/7/2026";
    EXPECT_EQ(form, cleared);
    selectAddressRow(form, Team{}, 0, kToday);
    EXPECT_EQ(form, cleared);
}

TEST(PersonalInfoFormTest, UpdateStoresTheBoxesWithinTheirWidths)
{
    Team team = threePlayers();
    PersonalInfoForm form;
    selectAddressRow(form, team, 0, kToday);
    form.name = std::string(30, 'N');
    form.phone = std::string(30, 'p');
    form.address = std::string(120, 'a');
    form.city = std::string(50, 'c');
    form.state = std::string(50, 's');
    form.zip = std::string(30, 'z');
    form.email = std::string(60, 'e');
    form.note = std::string(60, 'n');
    form.birthday = "2/30/1990";
    ASSERT_TRUE(updatePersonalInfo(form, team, kToday));

    const PersonalInfo &info = team.personalInfo[form.selected];
    EXPECT_EQ(team.players[form.selected].name, std::string(24, 'N'));
    EXPECT_EQ(team.players[form.selected].number, 12);
    EXPECT_EQ(info.phone, std::string(24, 'p'));
    EXPECT_EQ(info.address, std::string(99, 'a'));
    EXPECT_EQ(info.city, std::string(39, 'c'));
    EXPECT_EQ(info.state, std::string(39, 's'));
    EXPECT_EQ(info.zip, std::string(19, 'z'));
    EXPECT_EQ(info.email, std::string(49, 'e'));
    EXPECT_EQ(info.note, std::string(49, 'n'));
    EXPECT_EQ(info.birthMonth, 2);
    EXPECT_EQ(info.birthDay, 30);
    EXPECT_EQ(info.birthYear, 1990);
}

TEST(PersonalInfoFormTest, ARenamedPlayerMovesToHisPlaceInNameOrder)
{
    Team team = threePlayers();
    PersonalInfoForm form;
    selectAddressRow(form, team, 0, kToday);
    form.name = "Zimmer";
    ASSERT_TRUE(updatePersonalInfo(form, team, kToday));
    EXPECT_EQ(form.selected, 2);
    EXPECT_EQ(addressRow(team, 0)[0], "Baker");
    EXPECT_EQ(addressRow(team, 2), (AddressRow{"Zimmer", "555-0101", "4/15/2008", "12 Main St", "Springfield", "IL",
                                               "62701", "adams@example.com", "left-handed"}));
    EXPECT_EQ(team.players[2].number, 12);
}

TEST(PersonalInfoFormTest, ColumnsSortTheRosterAndFlipTheirDirection)
{
    Team team = threePlayers();
    team.personalInfo[0].city = "Bloomington";
    team.personalInfo[1].city = "Aurora";
    team.personalInfo[2].city = "Chicago";
    PersonalInfoForm form;
    form.selected = 1;
    auto names = [&] {
        std::vector<std::string> n;
        for (const PlayerRecord &p : team.players)
            n.push_back(p.name);
        return n;
    };
    sortAddressList(form, team, 4);
    EXPECT_EQ(names(), (std::vector<std::string>{"Baker", "Adams", "Cole"}));
    EXPECT_EQ(team.personalInfo[0].city, "Aurora");
    EXPECT_EQ(form.selected, -1);
    // Selecting and clearing keep the columns' directions.
    selectAddressRow(form, team, 0, kToday);
    clearPersonalInfoBoxes(form);
    sortAddressList(form, team, 4);
    EXPECT_EQ(names(), (std::vector<std::string>{"Cole", "Adams", "Baker"}));
    sortAddressList(form, team, 2); // birthdays by date, ascending at first
    EXPECT_EQ(names(), (std::vector<std::string>{"Baker", "Cole", "Adams"}));
    sortAddressList(form, team, 9);
    EXPECT_EQ(names(), (std::vector<std::string>{"Baker", "Cole", "Adams"}));
}

TEST(PersonalInfoFormTest, ATypedBirthdayOutOfRangeStoresToday)
{
    for (const char *typed : {"13/1/2000", "1/32/2000", "1/1/-4", "", "soon"}) {
        Team team = threePlayers();
        PersonalInfoForm form;
        selectAddressRow(form, team, 2, kToday);
        form.birthday = typed;
        ASSERT_TRUE(updatePersonalInfo(form, team, kToday));
        const PersonalInfo &info = team.personalInfo[form.selected];
        EXPECT_EQ(monthDayYearText(info.birthMonth, info.birthDay, info.birthYear), "12/7/2026") << typed;
    }
}

TEST(PersonalInfoFormTest, UpdateNeedsASelectedPlayer)
{
    Team team = threePlayers();
    const Team before = team;
    PersonalInfoForm form;
    form.name = "Nobody";
    EXPECT_FALSE(updatePersonalInfo(form, team, kToday));
    form.selected = 3;
    EXPECT_FALSE(updatePersonalInfo(form, team, kToday));
    EXPECT_EQ(team, before);
    Team empty;
    form.selected = 0;
    EXPECT_FALSE(updatePersonalInfo(form, empty, kToday));
}

// OK keeps boxes typed without Update Info, and only those: Baker's stored
// birthday 0/0/0 shows as today and is not turned into today by OK.
TEST(PersonalInfoFormTest, OkStoresBoxesTypedAndNothingElse)
{
    Team team = threePlayers();
    const Team before = team;
    PersonalInfoForm form;
    selectAddressRow(form, team, 1, kToday);
    EXPECT_FALSE(finishPersonalInfo(form, team, kToday));
    EXPECT_EQ(team, before);
    form.phone = "555-0199";
    EXPECT_TRUE(finishPersonalInfo(form, team, kToday));
    EXPECT_EQ(team.personalInfo[1].phone, "555-0199");
    form.selected = -1;
    EXPECT_FALSE(finishPersonalInfo(form, team, kToday));
}

TEST(PersonalInfoFormTest, ClearAndMailTo)
{
    PersonalInfoForm form;
    selectAddressRow(form, threePlayers(), 2, kToday);
    EXPECT_EQ(mailToAddress(form), "MailTo:c@x.org");
    form.email = std::string(60, 'm');
    EXPECT_EQ(mailToAddress(form), "MailTo:" + std::string(49, 'm'));

    clearPersonalInfoBoxes(form);
    PersonalInfoForm empty;
    empty.selected = 2;
    EXPECT_EQ(form, empty);
}

} // namespace
} // namespace yardmark
