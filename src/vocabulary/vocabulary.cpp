#include "vocabulary/vocabulary.h"

#include "base/text.h"

#include <array>

namespace yardmark {
namespace {

using namespace std::string_view_literals;

template <std::size_t N>
std::string_view pick(const std::array<std::string_view, N> &table, std::int32_t code, std::string_view fallback)
{
    if (code < 0 || static_cast<std::size_t>(code) >= N)
        return fallback;
    return table[static_cast<std::size_t>(code)];
}

constexpr std::array<std::string_view, kPlayTypeCount> kPlayTypes{
    "No Play"sv,           "Rush Attempt"sv,      "Pass Attempt"sv,       "Punt"sv,
    "Kick Off"sv,          "Onside Kick"sv,       "Field Goal Attempt"sv, "Extra Point Attempt"sv,
    "PAT Rush Attempt"sv,  "PAT Pass Attempt"sv,  "Home Time-Out"sv,      "Visitor Time-Out"sv,
    "Offensive Penalty"sv, "Defensive Penalty"sv,
};

constexpr std::array<std::string_view, kRushTypeCount> kRushTypes{
    "No Rush"sv,         "Rush"sv,           "Right Rush"sv, "Left Rush"sv, "Middle Rush"sv,
    "Wide Right Rush"sv, "Wide Left Rush"sv, "Slant"sv,      "Trap"sv,      "Draw"sv,
    "Sweep"sv,           "End Around"sv,     "Sneak"sv,      "Kneel"sv,     "Reverse"sv,
};

constexpr std::array<std::string_view, kRushTypeCount> kRushVerbs{
    "rushes"sv,
    "rushes"sv,
    "rushes right"sv,
    "rushes left"sv,
    "rushes up the middle"sv,
    "rushes wide right"sv,
    "rushes wide left"sv,
    "takes slant"sv,
    "takes trap"sv,
    "takes draw"sv,
    "sweeps"sv,
    "takes end around"sv,
    "sneaks"sv,
    "kneels"sv,
    "takes reverse"sv,
};

constexpr std::array<std::string_view, kPassResultCount> kPassResults{
    "No Pass"sv, "Completion"sv, "Incompletion"sv, "Sack"sv, "Interception"sv,
};

constexpr std::array<std::string_view, kScoreTypeCount> kScoreTypes{
    "No Score"sv,    "Touchdown"sv,      "TD on Runback"sv,      "Def Touchdown"sv, "Field Goal"sv,
    "Extra Point"sv, "PAT Conversion"sv, "Def PAT Conversion"sv, "Safety"sv,        "Safety on Runback"sv,
};

constexpr std::array<std::string_view, kFirstDownKindCount> kFirstDowns{
    "No First Down"sv,
    "First Down"sv,
    "First By Penalty"sv,
};

constexpr std::array<std::string_view, kTurnoverKindCount> kTurnovers{
    "No Turnover"sv,
    "Fumble"sv,
    "Interception"sv,
    "Turnover On Downs"sv,
};

constexpr std::array<std::string_view, kFumbleRecoveryCount> kFumbleRecoveries{
    "No Fumble"sv,
    "Recovered By Defense"sv,
    "Recovered By Offense"sv,
};

constexpr std::array<std::string_view, kKickResultCount> kKickResults{
    "No Kick"sv,
    "Runback"sv,
    "Touchback"sv,
    "Fair Catch"sv,
    "Kicked Out Of Bounds"sv,
    "Blocked Punt"sv,
    "Onside Kick Successful"sv,
    "Onside Kick Unsuccessful"sv,
    "Field Goal - Short"sv,
    "Field Goal - Wide Left"sv,
    "Field Goal - Wide Right"sv,
    "Field Goal - Good"sv,
    "Blocked Field Goal"sv,
    "Downed By Kicking Team"sv,
};

constexpr std::array<std::string_view, kOffensivePenaltyCount> kOffensivePenalties{
    "No Offensive Penalty"sv,
    "Offensive Penalty"sv,
    "Offside"sv,
    "Delay Of Game"sv,
    "Holding/Illegal Use Of Hands"sv,
    "False Start"sv,
    "Illegal Formation"sv,
    "Illegal Shift"sv,
    "Illegal Motion"sv,
    "Illegal Procedure"sv,
    "Ineligible Receiver Downfield"sv,
    "More Than One Man In Motion"sv,
    "Illegal Block"sv,
    "Clipping"sv,
    "Intentional Grounding"sv,
    "Offensive Pass Interference"sv,
    "Illegal Substitution"sv,
    "Incidental Face Mask"sv,
    "Flagrant Face Mask"sv,
    "Too Many Players"sv,
    "Fair Catch Interference"sv,
    "Unnecessary Roughness"sv,
    "Unsportsmanlike Conduct"sv,
    "Forward Pass Beyond Line of Scrimage"sv,
    "Excessive Crowd Noise"sv,
    "Excessive Time Outs"sv,
    "Less Than Seven Men On Line"sv,
    "Kick Off Out Of Bounds"sv,
    "Tripping"sv,
    "Invalid Fair Catch"sv,
    "Other"sv,
};

constexpr std::array<std::string_view, kDefensivePenaltyCount> kDefensivePenalties{
    "No Defensive Penalty"sv,
    "Defensive Penalty"sv,
    "Offside"sv,
    "Encroachment"sv,
    "Pass Interference"sv,
    "Holding/IllegalUseOfHands"sv,
    "Nuetral Zone Infraction"sv,
    "Roughing the Passer"sv,
    "Roughing the Kicker"sv,
    "Piling On"sv,
    "Unnecessary Roughness"sv,
    "Incidental Face Mask"sv,
    "Flagrant Face Mask"sv,
    "Unsportsmanlike Conduct"sv,
    "Illegal Substitution"sv,
    "Excessive Crowd Noise"sv,
    "Excessive Time Outs"sv,
    "Too Many Players"sv,
    "Tripping"sv,
    "Illegal Return"sv,
    "Invalid Fair Catch"sv,
    "Other"sv,
};

constexpr std::array<std::string_view, kPeriodCount> kPeriods{
    "1st"sv, "2nd"sv, "3rd"sv, "4th"sv, "OT1"sv, "OT2"sv, "OT3"sv, "OT4"sv, "OT5"sv, "OT6"sv, "OT7"sv, "OT8"sv, "OT9"sv,
};

constexpr std::array<std::string_view, kPositionCount> kPositionNames{
    "Bench"sv,          "Quarterback"sv,  "Kicker"sv,        "Placekicker"sv,      "Punter"sv,
    "Center"sv,         "Running Back"sv, "Fullback"sv,      "Tailback"sv,         "Cornerback"sv,
    "Safety"sv,         "Free Safety"sv,  "Strong Safety"sv, "Linebacker"sv,       "Offensive Line"sv,
    "Defensive Line"sv, "Guard"sv,        "Tackle"sv,        "Offensive Tackle"sv, "Defensive Tackle"sv,
    "Wide Receiver"sv,  "Tight End"sv,    "Defensive End"sv, "Flanker"sv,          "Split End"sv,
    "Defensive Back"sv,
};

constexpr std::array<std::string_view, kPositionCount> kPositionShortNames{
    "B"sv,  "QB"sv, "K"sv,  "PK"sv, "P"sv, "C"sv,  "RB"sv, "FB"sv, "TB"sv, "CB"sv, "S"sv,  "FS"sv, "SS"sv,
    "LB"sv, "OL"sv, "DL"sv, "G"sv,  "T"sv, "OT"sv, "DT"sv, "WR"sv, "TE"sv, "DE"sv, "FL"sv, "SE"sv, "DB"sv,
};

// Printed reports differ from the screen in two places: "SP" for a safety, "F" for a flanker.
constexpr std::array<std::string_view, kPositionCount> kPositionPrintNames{
    "B"sv,  "QB"sv, "K"sv,  "PK"sv, "P"sv, "C"sv,  "RB"sv, "FB"sv, "TB"sv, "CB"sv, "SP"sv, "FS"sv, "SS"sv,
    "LB"sv, "OL"sv, "DL"sv, "G"sv,  "T"sv, "OT"sv, "DT"sv, "WR"sv, "TE"sv, "DE"sv, "F"sv,  "SE"sv, "DB"sv,
};

constexpr std::array<std::string_view, kStarterStatusCount> kStarterKeywords{
    "NotAStarter"sv,
    "OffensiveStarter"sv,
    "DefensiveStarter"sv,
    "StartsBoth"sv,
};

constexpr std::array<std::string_view, kStarterStatusCount> kStarterTexts{
    "Not a Starter"sv,
    "Offensive Starter"sv,
    "Defensive Starter"sv,
    "Starts Both"sv,
};

constexpr std::array<std::string_view, kStatCategoryCount> kStatCategories{
    "Passer"sv, "Rusher"sv, "Receiver"sv, "Punter"sv, "Field Goal"sv, "Returns"sv, "Defender"sv,
};

} // namespace

std::string_view playTypeName(std::int32_t code)
{
    return pick(kPlayTypes, code, "No Play");
}
std::string_view rushTypeName(std::int32_t code)
{
    return pick(kRushTypes, code, "Rush");
}
std::string_view rushVerb(std::int32_t code)
{
    return pick(kRushVerbs, code, "rushes");
}
std::string_view passResultName(std::int32_t code)
{
    return pick(kPassResults, code, "No Pass");
}
std::string_view scoreTypeName(std::int32_t code)
{
    return pick(kScoreTypes, code, "No Score");
}
std::string_view firstDownName(std::int32_t code)
{
    return pick(kFirstDowns, code, "No First Down");
}
std::string_view turnoverName(std::int32_t code)
{
    return pick(kTurnovers, code, "No Turnover");
}
std::string_view fumbleRecoveryName(std::int32_t code)
{
    return pick(kFumbleRecoveries, code, "No Fumble");
}
std::string_view kickResultName(std::int32_t code)
{
    return pick(kKickResults, code, "No Kick");
}

std::string_view missedKickReason(std::int32_t code)
{
    switch (fromCode<KickResult>(code)) {
    case KickResult::FieldGoalShort:
        return "short";
    case KickResult::FieldGoalWideLeft:
        return "wide left";
    case KickResult::FieldGoalWideRight:
        return "wide right";
    case KickResult::BlockedFieldGoal:
        return "blocked";
    default:
        return "no good";
    }
}

std::string_view offensivePenaltyName(std::int32_t code)
{
    return pick(kOffensivePenalties, code, "Offensive Penalty");
}
std::string_view defensivePenaltyName(std::int32_t code)
{
    return pick(kDefensivePenalties, code, "Defensive Penalty");
}
std::string_view periodName(std::int32_t code)
{
    return pick(kPeriods, code, "OT");
}
std::string_view positionName(std::int32_t code)
{
    return pick(kPositionNames, code, "Bench");
}
std::string_view positionShortName(std::int32_t code)
{
    return pick(kPositionShortNames, code, "B");
}
std::string_view positionPrintName(std::int32_t code)
{
    return pick(kPositionPrintNames, code, "Unknown");
}
std::string_view starterKeyword(std::int32_t code)
{
    return pick(kStarterKeywords, code, "NotAStarter");
}
std::string_view starterStatusText(std::int32_t code)
{
    return pick(kStarterTexts, code, "Unknown");
}
std::string_view statCategoryName(std::int32_t code)
{
    return pick(kStatCategories, code, "");
}

std::span<const std::string_view> playTypeNames()
{
    return kPlayTypes;
}
std::span<const std::string_view> rushTypeNames()
{
    return kRushTypes;
}
std::span<const std::string_view> passResultNames()
{
    return kPassResults;
}
std::span<const std::string_view> scoreTypeNames()
{
    return kScoreTypes;
}
std::span<const std::string_view> firstDownNames()
{
    return kFirstDowns;
}
std::span<const std::string_view> turnoverNames()
{
    return kTurnovers;
}
std::span<const std::string_view> kickResultNames()
{
    return kKickResults;
}
std::span<const std::string_view> offensivePenaltyNames()
{
    return kOffensivePenalties;
}
std::span<const std::string_view> defensivePenaltyNames()
{
    return kDefensivePenalties;
}
std::span<const std::string_view> positionNames()
{
    return kPositionNames;
}
std::span<const std::string_view> statCategoryNames()
{
    return kStatCategories;
}

std::string_view ordinalSuffix(std::int32_t number)
{
    if (number <= 0)
        return "th";
    // The teens take "th" in every hundred: 11th, 112th, 213th.
    const std::int32_t lastTwo = number % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return "th";
    switch (lastTwo % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

std::int32_t positionFromName(std::string_view name)
{
    // Team lists written by older versions spell "CornerBack" and "LineBacker"
    // with inner capitals; the comparison ignores case, so both forms read.
    for (std::size_t i = 0; i < kPositionNames.size(); ++i) {
        if (equalsIgnoringCase(name, kPositionNames[i]))
            return static_cast<std::int32_t>(i);
    }
    return code(Position::DefensiveBack);
}

std::int32_t starterFromKeyword(std::string_view keyword)
{
    for (std::size_t i = 0; i < kStarterKeywords.size(); ++i) {
        if (equalsIgnoringCase(keyword, kStarterKeywords[i]))
            return static_cast<std::int32_t>(i);
    }
    return code(StarterStatus::StartsBoth);
}

} // namespace yardmark
