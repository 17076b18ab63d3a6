#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <climits>

namespace yardmark {
namespace {

using TextOf = std::string_view (*)(std::int32_t);

struct TextCase {
    const char *table;
    TextOf text;
    std::int32_t code;
    std::string_view expected;
};

// The texts users see in lists, reports and files, including the spellings
// that team files and exports rely on, and the fallback of every table at
// both ends of its range.
TEST(VocabularyTest, EveryTableNamesItsCodesAndFallsBackOutsideThem)
{
    const TextCase cases[] = {
        {"playType", playTypeName, 0, "No Play"},
        {"playType", playTypeName, 6, "Field Goal Attempt"},
        {"playType", playTypeName, 11, "Visitor Time-Out"},
        {"playType", playTypeName, 13, "Defensive Penalty"},
        {"playType", playTypeName, 14, "No Play"},
        {"playType", playTypeName, -1, "No Play"},
        {"rushType", rushTypeName, 0, "No Rush"},
        {"rushType", rushTypeName, 14, "Reverse"},
        {"rushType", rushTypeName, 15, "Rush"},
        {"rushType", rushTypeName, -1, "Rush"},
        {"rushVerb", rushVerb, 0, "rushes"},
        {"rushVerb", rushVerb, 4, "rushes up the middle"},
        {"rushVerb", rushVerb, 10, "sweeps"},
        {"rushVerb", rushVerb, 14, "takes reverse"},
        {"rushVerb", rushVerb, 15, "rushes"},
        {"passResult", passResultName, 4, "Interception"},
        {"passResult", passResultName, 5, "No Pass"},
        {"passResult", passResultName, -1, "No Pass"},
        {"scoreType", scoreTypeName, 2, "TD on Runback"},
        {"scoreType", scoreTypeName, 9, "Safety on Runback"},
        {"scoreType", scoreTypeName, 10, "No Score"},
        {"firstDown", firstDownName, 2, "First By Penalty"},
        {"firstDown", firstDownName, 3, "No First Down"},
        {"turnover", turnoverName, 3, "Turnover On Downs"},
        {"turnover", turnoverName, 4, "No Turnover"}, // stored, but without a text of its own
        {"turnover", turnoverName, 5, "No Turnover"},
        {"fumble", fumbleRecoveryName, 1, "Recovered By Defense"},
        {"fumble", fumbleRecoveryName, 2, "Recovered By Offense"},
        {"fumble", fumbleRecoveryName, 3, "No Fumble"},
        {"kickResult", kickResultName, 4, "Kicked Out Of Bounds"},
        {"kickResult", kickResultName, 10, "Field Goal - Wide Right"},
        {"kickResult", kickResultName, 13, "Downed By Kicking Team"},
        {"kickResult", kickResultName, 14, "No Kick"},
        {"missedKick", missedKickReason, 5, "no good"},
        {"missedKick", missedKickReason, 8, "short"},
        {"missedKick", missedKickReason, 9, "wide left"},
        {"missedKick", missedKickReason, 10, "wide right"},
        {"missedKick", missedKickReason, 11, "no good"},
        {"missedKick", missedKickReason, 12, "blocked"},
        {"missedKick", missedKickReason, 99, "no good"},
        {"offPenalty", offensivePenaltyName, 0, "No Offensive Penalty"},
        {"offPenalty", offensivePenaltyName, 4, "Holding/Illegal Use Of Hands"},
        {"offPenalty", offensivePenaltyName, 23, "Forward Pass Beyond Line of Scrimage"},
        {"offPenalty", offensivePenaltyName, 27, "Kick Off Out Of Bounds"},
        {"offPenalty", offensivePenaltyName, 30, "Other"},
        {"offPenalty", offensivePenaltyName, 31, "Offensive Penalty"},
        {"offPenalty", offensivePenaltyName, -5, "Offensive Penalty"},
        {"defPenalty", defensivePenaltyName, 0, "No Defensive Penalty"},
        {"defPenalty", defensivePenaltyName, 5, "Holding/IllegalUseOfHands"},
        {"defPenalty", defensivePenaltyName, 6, "Nuetral Zone Infraction"},
        {"defPenalty", defensivePenaltyName, 21, "Other"},
        {"defPenalty", defensivePenaltyName, 22, "Defensive Penalty"},
        {"period", periodName, 0, "1st"},
        {"period", periodName, 3, "4th"},
        {"period", periodName, 4, "OT1"},
        {"period", periodName, 12, "OT9"},
        {"period", periodName, 13, "OT"},
        {"period", periodName, -1, "OT"},
        {"position", positionName, 9, "Cornerback"},
        {"position", positionName, 25, "Defensive Back"},
        {"position", positionName, 26, "Bench"},
        {"positionShort", positionShortName, 10, "S"},
        {"positionShort", positionShortName, 23, "FL"},
        {"positionShort", positionShortName, 26, "B"},
        {"positionPrint", positionPrintName, 9, "CB"},
        {"positionPrint", positionPrintName, 10, "SP"},
        {"positionPrint", positionPrintName, 23, "F"},
        {"positionPrint", positionPrintName, 26, "Unknown"},
        {"positionPrint", positionPrintName, -1, "Unknown"},
        {"starterKeyword", starterKeyword, 3, "StartsBoth"},
        {"starterKeyword", starterKeyword, 4, "NotAStarter"},
        {"starterText", starterStatusText, 0, "Not a Starter"},
        {"starterText", starterStatusText, 3, "Starts Both"},
        {"starterText", starterStatusText, 4, "Unknown"},
        {"statCategory", statCategoryName, 4, "Field Goal"},
        {"statCategory", statCategoryName, 6, "Defender"},
        {"statCategory", statCategoryName, 7, ""},
        {"statCategory", statCategoryName, INT32_MIN, ""},
        {"playType", playTypeName, INT32_MAX, "No Play"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.text(c.code), c.expected) << c.table << " code " << c.code;
}

struct ListCase {
    const char *table;
    std::span<const std::string_view> list;
    TextOf text;
    std::size_t size;
};

// A drop-down's index is the stored code, so each list must be the text table in code order.
TEST(VocabularyTest, ListsHoldTheTextsInCodeOrder)
{
    const ListCase cases[] = {
        {"playType", playTypeNames(), playTypeName, 14},
        {"rushType", rushTypeNames(), rushTypeName, 15},
        {"passResult", passResultNames(), passResultName, 5},
        {"scoreType", scoreTypeNames(), scoreTypeName, 10},
        {"firstDown", firstDownNames(), firstDownName, 3},
        {"turnover", turnoverNames(), turnoverName, 4},
        {"kickResult", kickResultNames(), kickResultName, 14},
        {"offPenalty", offensivePenaltyNames(), offensivePenaltyName, 31},
        {"defPenalty", defensivePenaltyNames(), defensivePenaltyName, 22},
        {"position", positionNames(), positionName, 26},
        {"statCategory", statCategoryNames(), statCategoryName, 7},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(c.list.size(), c.size) << c.table;
        for (std::size_t i = 0; i < c.size; ++i)
            EXPECT_EQ(c.list[i], c.text(static_cast<std::int32_t>(i))) << c.table << " index " << i;
    }
    EXPECT_EQ(positionNames().front(), "Bench");
}

TEST(VocabularyTest, TypedMembersConvertToTheirStoredCodesAndBack)
{
    EXPECT_EQ(code(PlayType::DefensivePenalty), 13);
    EXPECT_EQ(code(KickResult::DownedByKickingTeam), 13);
    EXPECT_EQ(code(TurnoverKind::OnsideKickRecovered), 5);
    EXPECT_EQ(code(OffensivePenalty::KickOffOutOfBounds), 27);
    EXPECT_EQ(code(DefensivePenalty::Other), 21);
    EXPECT_EQ(code(Position::DefensiveBack), 25);
    EXPECT_EQ(code(Period::Overtime9), 12);
    // A code this program has no name for survives the round trip unchanged.
    EXPECT_EQ(code(fromCode<PlayType>(77)), 77);
    EXPECT_EQ(code(fromCode<Position>(-3)), -3);
    EXPECT_EQ(playTypeName(code(PlayType::TryByPass)), "PAT Pass Attempt");
    EXPECT_EQ(positionPrintName(code(Position::Flanker)), "F");
}

TEST(VocabularyTest, OrdinalSuffixes)
{
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {1, "st"},   {2, "nd"},   {3, "rd"},         {4, "th"},         {10, "th"},   {11, "th"},
        {12, "th"},  {13, "th"},  {14, "th"},        {20, "th"},        {21, "st"},   {22, "nd"},
        {23, "rd"},  {30, "th"},  {31, "st"},        {100, "th"},       {101, "st"},  {102, "nd"},
        {111, "th"}, {112, "th"}, {113, "th"},       {121, "st"},       {1003, "rd"}, {0, "th"},
        {-1, "th"},  {-2, "th"},  {INT32_MIN, "th"}, {INT32_MAX, "th"}, // 2147483647
    };
    for (const auto &[number, suffix] : cases)
        EXPECT_EQ(ordinalSuffix(number), suffix) << number;
}

TEST(VocabularyTest, PositionFromNameIgnoresCaseAndTakesUnknownsAsDefensiveBacks)
{
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"Bench", 0},        {"bench", 0},           {"Quarterback", 1},     {"Placekicker", 3},
        {"Cornerback", 9},   {"CornerBack", 9},      {"cORNERbACK", 9},      {"Safety", 10},
        {"Free Safety", 11}, {"Linebacker", 13},     {"LineBacker", 13},     {"Defensive Tackle", 19},
        {"Split End", 24},   {"Defensive Back", 25}, {"DEFENSIVE BACK", 25}, {"", 25},
        {"QB", 25},          {"Bench ", 25},         {"Wide  Receiver", 25},
    };
    for (const auto &[name, position] : cases)
        EXPECT_EQ(positionFromName(name), position) << '"' << name << '"';
    // Every full name reads back as its own code.
    for (std::int32_t c = 0; c < kPositionCount; ++c)
        EXPECT_EQ(positionFromName(positionName(c)), c);
}

TEST(VocabularyTest, StarterFromKeywordIgnoresCaseAndTakesUnknownsAsStartingBoth)
{
    const std::pair<std::string_view, std::int32_t> cases[] = {
        {"NotAStarter", 0},      {"notastarter", 0}, {"NOTASTARTER", 0}, {"OffensiveStarter", 1},
        {"defensivestarter", 2}, {"StartsBoth", 3},  {"sTaRtSbOtH", 3},  {"", 3},
        {"Not a Starter", 3},    {"Starter", 3},
    };
    for (const auto &[keyword, status] : cases)
        EXPECT_EQ(starterFromKeyword(keyword), status) << '"' << keyword << '"';
    for (std::int32_t c = 0; c < kStarterStatusCount; ++c)
        EXPECT_EQ(starterFromKeyword(starterKeyword(c)), c);
}

} // namespace
} // namespace yardmark
