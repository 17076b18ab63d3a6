#pragma once

#include "records/game.h"
#include "records/playrecord.h"
#include "records/settings.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace yardmark {

/// The name of the line that sums a category with two or more players.
inline constexpr const char *kTeamTotalsName = "TEAM TOTALS";
/// The team choice that analyses both sides of every game.
inline constexpr const char *kAllTeamsName = "All Teams";

/// Whether a team choice is "All Teams", in any case.
bool isAllTeams(std::string_view teamName);

/// What every player line starts with: the name identifies the line, the
/// number is the one of the player's first appearance (negative for none).
struct StatLineHead {
    std::string name;
    std::int32_t number = -1;
    bool teamTotals = false; ///< the line the totals step added
};

struct PasserLine : StatLineHead {
    std::int32_t attempts = 0;
    std::int32_t completions = 0;
    std::int32_t interceptions = 0;
    std::int32_t yards = 0;
    std::int32_t longest = 0;
    std::int32_t touchdowns = 0;
    float completionPercent = 0.0F;
    float average = 0.0F; ///< yards per completion
};

struct RusherLine : StatLineHead {
    std::int32_t attempts = 0;
    std::int32_t yards = 0; ///< gains only
    std::int32_t lost = 0;  ///< losses, as a positive number
    std::int32_t net = 0;
    std::int32_t longest = 0;
    std::int32_t touchdowns = 0;
    float average = 0.0F; ///< net per attempt
};

struct ReceiverLine : StatLineHead {
    std::int32_t receptions = 0;
    std::int32_t yards = 0;
    std::int32_t longest = 0;
    std::int32_t touchdowns = 0;
    float average = 0.0F;
};

struct PunterLine : StatLineHead {
    std::int32_t punts = 0; ///< blocked punts included
    std::int32_t yards = 0;
    std::int32_t longest = 0;
    std::int32_t touchbacks = 0;
    std::int32_t inside20 = 0;
    std::int32_t blocked = 0;
    float average = 0.0F;
};

struct KickerLine : StatLineHead {
    std::int32_t fieldGoalAttempts = 0;
    std::int32_t fieldGoalsGood = 0;
    std::int32_t longestFieldGoal = 0;
    std::int32_t fieldGoalsBlocked = 0;
    std::int32_t extraPointAttempts = 0;
    std::int32_t extraPointsGood = 0;
    std::int32_t extraPointsBlocked = 0;
    float fieldGoalPercent = 0.0F;
    float extraPointPercent = 0.0F;
};

struct ReturnerLine : StatLineHead {
    std::int32_t puntReturns = 0;
    std::int32_t puntReturnYards = 0;
    std::int32_t longestPuntReturn = 0;
    std::int32_t puntReturnTouchdowns = 0;
    std::int32_t kickoffReturns = 0;
    std::int32_t kickoffReturnYards = 0;
    std::int32_t longestKickoffReturn = 0;
    std::int32_t kickoffReturnTouchdowns = 0;
    float puntReturnAverage = 0.0F;
    float kickoffReturnAverage = 0.0F;
};

struct DefenderLine : StatLineHead {
    std::int32_t tackles = 0;
    std::int32_t assists = 0;
    std::int32_t sacks = 0;
    std::int32_t interceptions = 0;
    std::int32_t interceptionTouchdowns = 0;
    std::int32_t fumbleRecoveries = 0;
    std::int32_t blockedPunts = 0;      ///< no play records it; always 0
    std::int32_t blockedFieldGoals = 0; ///< no play records it; always 0
    float tacklesPerGame = 0.0F;
    float sacksPerGame = 0.0F;
};

/// The lines of one category in order of first appearance, found by exact,
/// case-sensitive name.
template <typename Line> class StatList {
public:
    /// The line of the player in a play's slot, created at the end on his
    /// first appearance; null for an empty name, which is never counted.
    Line *lineFor(const PlayerRecord &player)
    {
        if (player.name.empty())
            return nullptr;
        const auto [found, added] = m_index.try_emplace(player.name, m_lines.size());
        if (added) {
            Line line{};
            line.name = player.name;
            line.number = player.number;
            m_lines.push_back(std::move(line));
        }
        return &m_lines[found->second];
    }

    /// Appends a copy of `line` as a line of its own, even when its name is listed already.
    void append(const Line &line)
    {
        m_index.try_emplace(line.name, m_lines.size());
        m_lines.push_back(line);
    }

    void clear()
    {
        m_lines.clear();
        m_index.clear();
    }

    std::vector<Line> &lines() { return m_lines; }
    const std::vector<Line> &lines() const { return m_lines; }
    std::size_t size() const { return m_lines.size(); }

private:
    std::vector<Line> m_lines;
    std::unordered_map<std::string, std::size_t> m_index;
};

/// The statistics set: the chosen games and team, and the player lines of the
/// seven categories in tab order.
struct Stat {
    bool allTeams = false;
    /// The games the per-game figures cover: the chosen games the team played
    /// in, every game read for "All Teams", 1 for the open game.
    std::int32_t gameCount = 0;
    std::string teamName;
    std::vector<std::string> gamePaths; ///< in the order chosen

    StatList<PasserLine> passers;
    StatList<RusherLine> rushers;
    StatList<ReceiverLine> receivers;
    StatList<PunterLine> punters;
    StatList<KickerLine> kickers;
    StatList<ReturnerLine> returners;
    StatList<DefenderLine> defenders;

    /// Empties the seven category lists.
    void clearLines();
};

/// Adds the plays of one game for the analysed side: the team's plays, or its
/// opponents' with `opponents`. A game without the team adds nothing; with
/// "All Teams" both sides count. `gameCount` is left to the caller.
void accumulateGame(Stat &stat, const Game &game, bool opponents, const LeagueOptions &options);

/// Adds the plays of one side of a game, whatever the two teams are called.
void accumulateSide(Stat &stat, const Game &game, bool home, const LeagueOptions &options);

/// The open game alone: `gameCount` becomes 1, and the set is finished.
void accumulateIndividualStats(Stat &stat, const Game &openGame, bool opponents, const LeagueOptions &options);

/// Every game path of the set, loaded one at a time and let go, so memory
/// stays flat however many there are; then the set is finished. A file that
/// cannot be loaded adds nothing and is not counted in `gameCount`, nor is a
/// game the team did not play in. Returns how many files were skipped.
int accumulateIndividualStats(Stat &stat, bool opponents, const LeagueOptions &options);

/// Adds a TEAM TOTALS line to every category with two or more lines (or
/// refills the one there), and computes every line's averages.
void finishIndividualStats(Stat &stat);

/// Appends every line of `source` to `target` without merging by name,
/// skipping the TEAM TOTALS lines with `skipTotals`.
void copyStatLines(const Stat &source, Stat &target, bool skipTotals);

/// The three sets the statistics window offers.
enum class StatView { Team, Opponents, Combined };

/// The three sets of the statistics window, computed in one pass over the
/// games: the team's lines, the opponents' lines, and both together
/// (opponents first, without their totals, then finished again), where a
/// player who appears on both sides keeps two lines.
struct StatViews {
    Stat team;
    Stat opponents;
    Stat combined;
    int skipped = 0;                     ///< game files that could not be loaded
    std::vector<std::string> unreadable; ///< their paths
    bool cancelled = false;              ///< the reading was stopped: the views are incomplete

    const Stat &view(StatView which) const;
};

/// The views over the chosen set's game files, read one at a time; after
/// each file `progress` may stop the reading.
StatViews individualStatViews(const Stat &chosen, const LeagueOptions &options,
                              const std::function<bool(std::size_t)> &progress = {});

/// The views over the open game alone.
StatViews individualStatViews(const Stat &chosen, const Game &openGame, const LeagueOptions &options);

} // namespace yardmark
