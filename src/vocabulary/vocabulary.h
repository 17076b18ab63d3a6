#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

// The coded vocabulary of play and player fields. Every coded field of a play
// or player record holds one of these 32-bit codes; the numbering is part of
// the game and team files and never changes. Lists offering a coded field show
// the members in code order from 0, so a list index is the code.
//
// Every text operation takes the stored code (`code(PlayType::Rush)` for a
// typed member), returns a constant text and never fails: a code outside its
// table gets the table's fallback text.

namespace yardmark {

/// The stored code of a vocabulary member.
template <typename E>
requires std::is_enum_v<E>
constexpr std::int32_t code(E member)
{
    return static_cast<std::int32_t>(member);
}

/// Whether a stored code is the given member.
template <typename E>
requires std::is_enum_v<E>
constexpr bool is(std::int32_t stored, E member)
{
    return stored == code(member);
}

/// The member of a stored code. Every 32-bit value converts back unchanged,
/// including codes this program has no name for.
template <typename E>
requires std::is_enum_v<E>
constexpr E fromCode(std::int32_t value)
{
    return static_cast<E>(value);
}

enum class PlayType : std::int32_t {
    NoPlay = 0, ///< also marks a record to be purged from the play list
    Rush = 1,
    Pass = 2,
    Punt = 3,
    KickOff = 4,
    OnsideKick = 5,
    FieldGoal = 6,
    ExtraPoint = 7,
    TryByRush = 8,
    TryByPass = 9,
    HomeTimeOut = 10,
    VisitorTimeOut = 11,
    OffensivePenalty = 12,
    DefensivePenalty = 13,
};
inline constexpr int kPlayTypeCount = 14;

enum class RushType : std::int32_t {
    NoRush = 0,
    Rush = 1,
    RightRush = 2,
    LeftRush = 3,
    MiddleRush = 4,
    WideRightRush = 5,
    WideLeftRush = 6,
    Slant = 7,
    Trap = 8,
    Draw = 9,
    Sweep = 10,
    EndAround = 11,
    Sneak = 12,
    Kneel = 13,
    Reverse = 14,
};
inline constexpr int kRushTypeCount = 15;

enum class PassResult : std::int32_t {
    NoPass = 0,
    Completion = 1,
    Incompletion = 2,
    Sack = 3,
    Interception = 4,
};
inline constexpr int kPassResultCount = 5;

enum class ScoreType : std::int32_t {
    NoScore = 0,
    Touchdown = 1,
    RunbackTouchdown = 2,
    DefensiveTouchdown = 3,
    FieldGoal = 4,
    ExtraPoint = 5,
    Conversion = 6,
    DefensiveConversion = 7,
    Safety = 8,
    RunbackSafety = 9,
};
inline constexpr int kScoreTypeCount = 10;

enum class FirstDownKind : std::int32_t {
    NoFirstDown = 0,
    FirstDown = 1,
    ByPenalty = 2,
};
inline constexpr int kFirstDownKindCount = 3;

enum class TurnoverKind : std::int32_t {
    NoTurnover = 0,
    Fumble = 1,
    Interception = 2,
    OnDowns = 3,
    BlockedKickLost = 4,     ///< a blocked punt or field goal lost to the receiving team; no text of its own
    OnsideKickRecovered = 5, ///< an onside kick kept by the kicking team; no text of its own
};
/// Only the first four turnover kinds have texts and appear in lists.
inline constexpr int kTurnoverKindCount = 4;

enum class FumbleRecovery : std::int32_t {
    NoFumble = 0, ///< ends a play's fumble list
    ByDefense = 1,
    ByOffense = 2,
};
inline constexpr int kFumbleRecoveryCount = 3;

/// Kickoffs, onside kicks, punts, field goals and extra points share one code space.
enum class KickResult : std::int32_t {
    NoKick = 0,
    Runback = 1,
    Touchback = 2,
    FairCatch = 3,
    OutOfBounds = 4,
    BlockedPunt = 5,
    OnsideSuccessful = 6,
    OnsideUnsuccessful = 7,
    FieldGoalShort = 8,
    FieldGoalWideLeft = 9,
    FieldGoalWideRight = 10,
    FieldGoalGood = 11,
    BlockedFieldGoal = 12,
    DownedByKickingTeam = 13,
};
inline constexpr int kKickResultCount = 14;

/// Offensive and defensive penalties are separate code spaces.
enum class OffensivePenalty : std::int32_t {
    NoPenalty = 0,
    Penalty = 1,
    Offside = 2,
    DelayOfGame = 3,
    Holding = 4,
    FalseStart = 5,
    IllegalFormation = 6,
    IllegalShift = 7,
    IllegalMotion = 8,
    IllegalProcedure = 9,
    IneligibleReceiverDownfield = 10,
    MoreThanOneManInMotion = 11,
    IllegalBlock = 12,
    Clipping = 13,
    IntentionalGrounding = 14,
    PassInterference = 15,
    IllegalSubstitution = 16,
    IncidentalFaceMask = 17,
    FlagrantFaceMask = 18,
    TooManyPlayers = 19,
    FairCatchInterference = 20,
    UnnecessaryRoughness = 21,
    UnsportsmanlikeConduct = 22,
    ForwardPassBeyondLine = 23,
    ExcessiveCrowdNoise = 24,
    ExcessiveTimeOuts = 25,
    LessThanSevenOnLine = 26,
    KickOffOutOfBounds = 27,
    Tripping = 28,
    InvalidFairCatch = 29,
    Other = 30,
};
inline constexpr int kOffensivePenaltyCount = 31;

enum class DefensivePenalty : std::int32_t {
    NoPenalty = 0,
    Penalty = 1,
    Offside = 2,
    Encroachment = 3,
    PassInterference = 4,
    Holding = 5,
    NeutralZoneInfraction = 6,
    RoughingThePasser = 7,
    RoughingTheKicker = 8,
    PilingOn = 9,
    UnnecessaryRoughness = 10,
    IncidentalFaceMask = 11,
    FlagrantFaceMask = 12,
    UnsportsmanlikeConduct = 13,
    IllegalSubstitution = 14,
    ExcessiveCrowdNoise = 15,
    ExcessiveTimeOuts = 16,
    TooManyPlayers = 17,
    Tripping = 18,
    IllegalReturn = 19,
    InvalidFairCatch = 20,
    Other = 21,
};
inline constexpr int kDefensivePenaltyCount = 22;

/// Quarters, 0-based; 4 and above are overtime periods. Downs use the first four.
enum class Period : std::int32_t {
    First = 0,
    Second = 1,
    Third = 2,
    Fourth = 3,
    Overtime1 = 4,
    Overtime2 = 5,
    Overtime3 = 6,
    Overtime4 = 7,
    Overtime5 = 8,
    Overtime6 = 9,
    Overtime7 = 10,
    Overtime8 = 11,
    Overtime9 = 12,
};
inline constexpr int kPeriodCount = 13;
inline constexpr int kRegularQuarters = 4;
/// The last quarter before overtime, as stored.
inline constexpr std::int32_t kLastRegularQuarter = code(Period::Fourth);

enum class Position : std::int32_t {
    Bench = 0,
    Quarterback = 1,
    Kicker = 2,
    Placekicker = 3,
    Punter = 4,
    Center = 5,
    RunningBack = 6,
    Fullback = 7,
    Tailback = 8,
    Cornerback = 9,
    Safety = 10,
    FreeSafety = 11,
    StrongSafety = 12,
    Linebacker = 13,
    OffensiveLine = 14,
    DefensiveLine = 15,
    Guard = 16,
    Tackle = 17,
    OffensiveTackle = 18,
    DefensiveTackle = 19,
    WideReceiver = 20,
    TightEnd = 21,
    DefensiveEnd = 22,
    Flanker = 23,
    SplitEnd = 24,
    DefensiveBack = 25,
};
inline constexpr int kPositionCount = 26;

enum class StarterStatus : std::int32_t {
    NotAStarter = 0,
    OffensiveStarter = 1,
    DefensiveStarter = 2,
    StartsBoth = 3,
};
inline constexpr int kStarterStatusCount = 4;

/// The tabs of the individual statistics.
enum class StatCategory : std::int32_t {
    Passer = 0,
    Rusher = 1,
    Receiver = 2,
    Punter = 3,
    FieldGoal = 4,
    Returns = 5,
    Defender = 6,
};
inline constexpr int kStatCategoryCount = 7;

std::string_view playTypeName(std::int32_t code);
std::string_view rushTypeName(std::int32_t code);
/// The verb of a rush in the play-by-play ("rushes up the middle", "sweeps").
std::string_view rushVerb(std::int32_t code);
std::string_view passResultName(std::int32_t code);
std::string_view scoreTypeName(std::int32_t code);
std::string_view firstDownName(std::int32_t code);
std::string_view turnoverName(std::int32_t code);
std::string_view fumbleRecoveryName(std::int32_t code);
std::string_view kickResultName(std::int32_t code);
/// Why a field goal or extra point missed ("short", "wide left", "blocked", else "no good").
std::string_view missedKickReason(std::int32_t code);
std::string_view offensivePenaltyName(std::int32_t code);
std::string_view defensivePenaltyName(std::int32_t code);
/// "1st" .. "4th", "OT1" .. "OT9", else "OT"; also the text of a 0-based down.
std::string_view periodName(std::int32_t code);
/// The full name shown in the player dialogs and team lists.
std::string_view positionName(std::int32_t code);
/// The short form shown on screen and in exported rosters.
std::string_view positionShortName(std::int32_t code);
/// The short form of printed reports.
std::string_view positionPrintName(std::int32_t code);
/// The keyword written in exported team lists and read back on import.
std::string_view starterKeyword(std::int32_t code);
/// The form shown in reports.
std::string_view starterStatusText(std::int32_t code);
std::string_view statCategoryName(std::int32_t code);

// The texts of a drop-down list in code order, so that a list index is the code.
std::span<const std::string_view> playTypeNames();
std::span<const std::string_view> rushTypeNames();
std::span<const std::string_view> passResultNames();
std::span<const std::string_view> scoreTypeNames();
std::span<const std::string_view> firstDownNames();
std::span<const std::string_view> turnoverNames();
std::span<const std::string_view> kickResultNames();
std::span<const std::string_view> offensivePenaltyNames();
std::span<const std::string_view> defensivePenaltyNames();
std::span<const std::string_view> positionNames();
std::span<const std::string_view> statCategoryNames();

/// The English ordinal suffix of a whole number: "st", "nd", "rd" or "th",
/// as in "3rd down" or "112th". Zero and negative numbers get "th".
std::string_view ordinalSuffix(std::int32_t number);

/// The position code of a full position name, ignoring letter case;
/// a name that matches none is taken as a defensive back.
std::int32_t positionFromName(std::string_view name);

/// The starter status code of a keyword, ignoring letter case; a text that
/// matches none is taken as starting both ways.
std::int32_t starterFromKeyword(std::string_view keyword);

} // namespace yardmark
