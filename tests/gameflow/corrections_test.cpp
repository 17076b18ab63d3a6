#include "gameflow/corrections.h"
#include "gameflow/playerentry.h"
#include "records/game.h"
#include "scriptedinteraction.h"

#include "vocabulary/narration.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct SpotCase {
    std::optional<bool> side;
    const char *text;
    std::int32_t midfield;
    FieldSpot expected;
};

class ReadSpotEntryTest : public ::testing::TestWithParam<SpotCase> {};

TEST_P(ReadSpotEntryTest, FollowsTheBallSpotRule)
{
    const SpotCase &c = GetParam();
    EXPECT_EQ(readSpotEntry(SpotEntry{c.side, c.text}, c.midfield), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadSpotEntryTest,
                         ::testing::Values(SpotCase{true, "g", 50, {0, true}}, SpotCase{false, "G", 50, {0, false}},
                                           SpotCase{false, "go", 50, {0, false}}, SpotCase{true, "35", 50, {35, true}},
                                           SpotCase{true, "60", 50, {50, true}}, SpotCase{false, "30", 25, {25, false}},
                                           SpotCase{true, "-5", 50, {0, true}}, SpotCase{true, "", 50, {0, true}},
                                           SpotCase{false, "abc", 50, {0, false}},
                                           SpotCase{false, " 7", 50, {7, false}},
                                           SpotCase{false, "99999999999", 50, {50, false}},
                                           SpotCase{std::nullopt, "40", 50, {0, true}}));

LeagueOptions indoorLeague()
{
    LeagueOptions league;
    league.indoorField = true;
    league.midfieldYardLine = 25;
    return league;
}

TEST(BallOnTest, OpensOnTheCurrentSpotWithTheTeamNames)
{
    GameSituation situation;
    situation.ballSpot = {0, false};
    GameInfo info;
    info.homeTeamName = "Tigers";
    info.visitorTeamName = "Bears";
    BallOnForm form = openBallOn(situation, info);
    EXPECT_EQ(form.homeName, "Tigers");
    EXPECT_EQ(form.visitorName, "Bears");
    ASSERT_EQ(form.entries.size(), 51u);
    EXPECT_EQ(form.entries.front(), "G");
    EXPECT_EQ(form.entries.back(), "50");
    EXPECT_EQ(form.spot, (SpotEntry{false, "G"}));

    situation.ballSpot = {23, true};
    form = openBallOn(situation, info);
    EXPECT_EQ(form.listIndex, 23);
    EXPECT_EQ(form.spot, (SpotEntry{true, "23"}));
    chooseBallOnEntry(form, 48);
    EXPECT_EQ(form.spot.yardText, "48");
}

TEST(BallOnTest, ClampsToTheFieldInUse)
{
    const struct {
        LeagueOptions league;
        std::optional<bool> side;
        const char *text;
        FieldSpot expected;
    } cases[] = {
        {LeagueOptions{}, true, "g", {0, true}},          {LeagueOptions{}, false, "60", {50, false}},
        {indoorLeague(), false, "30", {25, false}},       {indoorLeague(), true, "12", {12, true}},
        {LeagueOptions{}, std::nullopt, "12", {0, true}},
    };
    for (const auto &c : cases) {
        BallOnForm form;
        form.spot = SpotEntry{c.side, c.text};
        EXPECT_EQ(ballOnSpot(form, c.league), c.expected) << c.text;
    }
}

TEST(ToGoTest, ListsTwiceTheHalfFieldAndClampsToIt)
{
    GameSituation situation;
    situation.toGo = 7;
    ToGoForm form = openToGo(situation, LeagueOptions{});
    ASSERT_EQ(form.entries.size(), 100u);
    EXPECT_EQ(form.entries.back(), "99");
    EXPECT_EQ(form.text, "7");
    chooseToGoEntry(form, 75);
    EXPECT_EQ(form.text, "75");
    EXPECT_EQ(toGoValue(form, LeagueOptions{}), 50);

    form = openToGo(situation, indoorLeague());
    EXPECT_EQ(form.entries.size(), 50u);
    form.text = "30";
    EXPECT_EQ(toGoValue(form, indoorLeague()), 25);
    form.text = "-3";
    EXPECT_EQ(toGoValue(form, indoorLeague()), 0);
    form.text = "x";
    EXPECT_EQ(toGoValue(form, indoorLeague()), 0);
}

TEST(RecordTimeTest, ClampsMinutesToTheQuarterAndSecondsToSixty)
{
    LeagueOptions league;
    league.minutesPerQuarter = 12;
    const struct {
        const char *minutes;
        const char *seconds;
        int storedMinutes;
        int storedSeconds;
    } cases[] = {{"25", "75", 12, 60}, {"3", "-5", 3, 0}, {"", "", 0, 0}, {"abc", "60", 0, 60}, {"-1", "59", 0, 59}};
    for (const auto &c : cases) {
        PlayRecord play;
        play.clockMinutes = 9;
        applyRecordTime(RecordTimeForm{c.minutes, c.seconds, {}, {}}, league, play);
        EXPECT_EQ(play.clockMinutes, c.storedMinutes) << c.minutes;
        EXPECT_EQ(play.clockSeconds, c.storedSeconds) << c.seconds;
    }
}

TEST(RecordTimeTest, AsksThroughTheInteraction)
{
    ScriptedInteraction ui;
    ui.time = RecordTimeForm{"8", "05", {}, {}};
    PlayRecord play;
    play.quarter = 1;
    play.playType = 3; // a punt
    GameInfo info;
    info.homeTeamName = "Tigers";
    recordTime(ui, LeagueOptions{}, play, info);
    EXPECT_EQ(ui.timeAsked.play, narratePlay(play, info, LeagueOptions{})) << "the dialog names the play it stamps";
    EXPECT_EQ(ui.timeAsked.explanation, "Clock at the change of possession, minutes and seconds left in the 2nd Q. "
                                        "Leave both empty when the time was not taken.");
    EXPECT_EQ(play.clockMinutes, 8);
    EXPECT_EQ(play.clockSeconds, 5);
    EXPECT_EQ(ui.log, std::vector<std::string>{"Record Time"});
    EXPECT_TRUE(ui.sounds.empty());
}

std::vector<PlayerRecord> roster()
{
    return {{"Adams", 7, 1, 0, 0}, {"Baker", 22, 6, 0, 0}, {"Cole", 22, 20, 0, 0}, {"Dunn", -1, 13, 0, 0}};
}

TEST(PlayerEntryTest, RosterEntryTextAndListPrefix)
{
    EXPECT_EQ(rosterEntryText(PlayerRecord{"Jones", 7}), " 7 - Jones");
    EXPECT_EQ(rosterEntryText(PlayerRecord{"Lee", -1}), "00 - Lee");
    EXPECT_EQ(rosterEntryText(PlayerRecord{"Kim", 88}), "88 - Kim");
    PlayerEntry entry;
    playerChosen(entry, roster(), 3);
    EXPECT_EQ(entry, (PlayerEntry{"00", 3}));
    playerChosen(entry, roster(), 0);
    EXPECT_EQ(entry, (PlayerEntry{" 7", 0}));
}

TEST(PlayerEntryTest, NumberFieldSelectsTheFirstWearer)
{
    PlayerEntry entry{"22", -1};
    numberFieldLeft(entry, roster());
    EXPECT_EQ(entry.listIndex, 1);
    entry.numberText = "00";
    numberFieldLeft(entry, roster());
    EXPECT_EQ(entry.listIndex, 3);
    entry.numberText = "45";
    numberFieldLeft(entry, roster());
    EXPECT_EQ(entry.listIndex, -1);
}

TEST(PlayerEntryTest, FindRosterNameTakesTheLastExactMatch)
{
    const std::vector<PlayerRecord> players{{"Ray", 1}, {"ray", 2}, {"Ray", 3}};
    EXPECT_EQ(preselectedRosterIndex(players, "Ray"), 2);
    EXPECT_EQ(preselectedRosterIndex(players, "RAY"), -2);
}

TEST(ResolvePlayerEntryTest, TypedNumberWinsExceptForDuplicates)
{
    const struct {
        const char *name;
        PlayerEntry entry;
        PlayerRecord expected;
        bool asksToPick;
    } cases[] = {
        {"number of one player", {"7", 1}, roster()[0], false},
        {"number nobody wears", {"45", 0}, PlayerRecord{"", 45}, false},
        {"empty number takes the list", {"", 3}, roster()[3], false},
        {"double zero takes the list", {"00", 2}, roster()[2], false},
        {"number beyond 100 takes the list", {"101", 0}, roster()[0], false},
        {"nothing at all", {"", -1}, PlayerRecord{}, false},
        {"duplicate with a list choice", {"22", 2}, roster()[2], false},
        {"duplicate without a choice", {"22", -1}, PlayerRecord{}, true},
    };
    for (const auto &c : cases) {
        ScriptedInteraction ui;
        EXPECT_EQ(resolvePlayerEntry(c.entry, roster(), "Rusher", ui), c.expected) << c.name;
        if (c.asksToPick) {
            ASSERT_EQ(ui.messages.size(), 1u) << c.name;
            EXPECT_EQ(ui.messages[0].text, "Select Rusher from Drop Down List");
            EXPECT_EQ(ui.messages[0].caption, "Number 22 is Duplicated in Roster");
            EXPECT_EQ(ui.sounds, std::vector<int>{604});
        } else {
            EXPECT_TRUE(ui.messages.empty()) << c.name;
        }
    }
}

TEST(ResolvePlayerEntryTest, EmptyRosterGivesTheEmptyPlayer)
{
    ScriptedInteraction ui;
    EXPECT_EQ(resolvePlayerEntry(PlayerEntry{"12", -1}, {}, "Passer", ui), PlayerRecord{});
}

} // namespace
} // namespace yardmark
