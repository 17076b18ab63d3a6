#pragma once

#include "gameresult.h"
#include "individualstats.h"
#include "records/game.h"
#include "records/settings.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace yardmark {

/// What the press box asks of a player after a play: his passing, rushing,
/// receiving and tackling, as the individual statistics count them.
struct PlayerFigures {
    std::int32_t completions = 0;
    std::int32_t passAttempts = 0;
    std::int32_t passingYards = 0;
    std::int32_t passingTouchdowns = 0;
    std::int32_t interceptions = 0;
    std::int32_t carries = 0;
    std::int32_t rushingYards = 0; ///< net
    std::int32_t rushingTouchdowns = 0;
    std::int32_t catches = 0;
    std::int32_t receivingYards = 0;
    std::int32_t receivingTouchdowns = 0;
    std::int32_t tackles = 0;
    std::int32_t assists = 0;
    std::int32_t sacks = 0;

    PlayerFigures &operator+=(const PlayerFigures &other);
    bool operator==(const PlayerFigures &) const = default;
};

/// One team's players with a figure, in order of first appearance, told
/// apart by exact name as the individual statistics are.
class TeamFigures {
public:
    struct Player {
        std::string name;
        std::int32_t number = -1;
        PlayerFigures figures;
    };

    /// Adds to the player's figures, listing him on his first appearance.
    void add(const std::string &name, std::int32_t number, const PlayerFigures &figures);
    void add(const TeamFigures &other);
    /// Null when the player has no figure.
    const Player *find(std::string_view name) const;
    const std::vector<Player> &players() const { return m_players; }

private:
    PlayerFigures &entry(const std::string &name, std::int32_t number);

    std::vector<Player> m_players;
    std::unordered_map<std::string, std::size_t> m_index;
};

/// The players' figures in a finished individual statistics set, its TEAM TOTALS left out.
TeamFigures teamFigures(const Stat &stat);

/// The figures of one side of a game, whatever the two teams are called.
TeamFigures gameFigures(const Game &game, bool home, const LeagueOptions &options);

/// The leaders of a team in each category: the most yards (passing, rushing,
/// receiving) or tackles and assists together; the first to appear of those level. Null when
/// nobody has a figure in the category.
struct TeamLeaders {
    const TeamFigures::Player *passing = nullptr;
    const TeamFigures::Player *rushing = nullptr;
    const TeamFigures::Player *receiving = nullptr;
    const TeamFigures::Player *tackles = nullptr;
};

TeamLeaders teamLeaders(const TeamFigures &team);

/// A team's season before the game being scored: its record and its players'
/// figures over the season's earlier games.
struct SeasonSide {
    TeamRecord record;
    std::int32_t games = 0;
    TeamFigures players;
};

/// What the live output adds for a game that belongs to a season.
struct SeasonFigures {
    std::string schedule; ///< the schedule file the season was read from
    SeasonSide home;
    SeasonSide visitor;
    /// The season's game files that could not be read, left out of the figures.
    std::vector<std::string> leftOut;

    const SeasonSide &side(bool isHome) const { return isHome ? home : visitor; }
};

} // namespace yardmark
