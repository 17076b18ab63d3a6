#include "season/leagueoptionsform.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

struct CorrectionCase {
    const char *name;
    void (*edit)(LeagueOptionsForm &);
    void (*expect)(LeagueOptions &);
};

class LeagueOptionsCorrectionTest : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(LeagueOptionsCorrectionTest, OkCorrectsEachValue)
{
    const CorrectionCase &c = GetParam();
    LeagueOptions options;
    LeagueOptionsForm form = leagueOptionsForm(options);
    c.edit(form);
    applyLeagueOptionsForm(form, options);
    LeagueOptions expected;
    c.expect(expected);
    EXPECT_EQ(options, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeagueOptionsCorrectionTest,
    ::testing::Values(CorrectionCase{"Unchanged", [](LeagueOptionsForm &) {}, [](LeagueOptions &) {}},
                      CorrectionCase{"TimeOutsLow", [](LeagueOptionsForm &f) { f.timeOutsPerHalf = "0"; },
                                     [](LeagueOptions &o) { o.timeOutsPerHalf = 1; }},
                      CorrectionCase{"TimeOutsHigh", [](LeagueOptionsForm &f) { f.timeOutsPerHalf = "11"; },
                                     [](LeagueOptions &o) { o.timeOutsPerHalf = 10; }},
                      CorrectionCase{"MinutesNotANumber", [](LeagueOptionsForm &f) { f.minutesPerQuarter = "abc"; },
                                     [](LeagueOptions &o) { o.minutesPerQuarter = 1; }},
                      CorrectionCase{"MinutesHigh", [](LeagueOptionsForm &f) { f.minutesPerQuarter = "999999999999"; },
                                     [](LeagueOptions &o) { o.minutesPerQuarter = 20; }},
                      CorrectionCase{"KickoffNegative", [](LeagueOptionsForm &f) { f.kickoffYardLine = "-5"; },
                                     [](LeagueOptions &o) { o.kickoffYardLine = 0; }},
                      CorrectionCase{"KickoffBeyondMidfield", [](LeagueOptionsForm &f) { f.kickoffYardLine = "60"; },
                                     [](LeagueOptions &o) { o.kickoffYardLine = 50; }},
                      CorrectionCase{"TryLowTakesThree", [](LeagueOptionsForm &f) { f.tryYardLine = "0"; },
                                     [](LeagueOptions &o) { o.tryYardLine = 3; }},
                      CorrectionCase{"TryHigh", [](LeagueOptionsForm &f) { f.tryYardLine = "25"; },
                                     [](LeagueOptions &o) { o.tryYardLine = 20; }},
                      CorrectionCase{"SafetyKickBeyondMidfield",
                                     [](LeagueOptionsForm &f) { f.safetyKickYardLine = "55"; },
                                     [](LeagueOptions &o) { o.safetyKickYardLine = 50; }},
                      CorrectionCase{"PointsZeroTakeDefaults",
                                     [](LeagueOptionsForm &f) {
                                         f.touchdownPoints = "0";
                                         f.fieldGoalPoints = "-1";
                                         f.safetyPoints = "";
                                         f.extraPointPoints = "x";
                                         f.conversionPoints = "0";
                                     },
                                     [](LeagueOptions &) {}},
                      CorrectionCase{"PointsKeptAsTyped",
                                     [](LeagueOptionsForm &f) {
                                         f.touchdownPoints = "8";
                                         f.conversionPoints = "12";
                                     },
                                     [](LeagueOptions &o) {
                                         o.touchdownPoints = 8;
                                         o.conversionPoints = 12;
                                     }},
                      CorrectionCase{"FiftyYardFieldKeepsKickoffThirtyFive",
                                     [](LeagueOptionsForm &f) { f.hundredYardField = false; },
                                     [](LeagueOptions &o) {
                                         o.indoorField = true;
                                         o.midfieldYardLine = 25;
                                     }},
                      CorrectionCase{"SacksOff", [](LeagueOptionsForm &f) { f.sacksAreRushes = false; },
                                     [](LeagueOptions &o) { o.sacksAreRushes = false; }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LeagueOptionsFormTest, ReopenedOnTheFiftyYardFieldListsYardLinesUpToTwentyFive)
{
    LeagueOptions options;
    LeagueOptionsForm form = leagueOptionsForm(options);
    form.hundredYardField = false;
    applyLeagueOptionsForm(form, options);
    EXPECT_EQ(options.kickoffYardLine, 35);

    const LeagueOptionsChoices choices = leagueOptionsChoices(options);
    EXPECT_EQ(choices.kickoffLines, (std::vector<std::string>{"0", "5", "10", "15", "20", "25"}));
    EXPECT_EQ(choices.safetyLines, choices.kickoffLines);

    // The next OK on that field brings the kickoff back within midfield.
    form = leagueOptionsForm(options);
    applyLeagueOptionsForm(form, options);
    EXPECT_EQ(options.kickoffYardLine, 25);
}

TEST(LeagueOptionsFormTest, ListsOfTheOtherControls)
{
    const LeagueOptionsChoices choices = leagueOptionsChoices(LeagueOptions{});
    EXPECT_EQ(choices.timeOuts.size(), 10u);
    EXPECT_EQ(choices.timeOuts.front(), "1");
    EXPECT_EQ(choices.minutes.back(), "20");
    EXPECT_EQ(choices.kickoffLines.back(), "50");
    EXPECT_EQ(choices.tryLines.size(), 20u);
    EXPECT_EQ(choices.points, (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
}

} // namespace
} // namespace yardmark
