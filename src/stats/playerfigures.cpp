#include "playerfigures.h"

namespace yardmark {

namespace {

template <typename Line, typename Fill> void collect(TeamFigures &team, const StatList<Line> &list, Fill fill)
{
    for (const Line &line : list.lines()) {
        if (line.teamTotals)
            continue;
        PlayerFigures figures;
        fill(figures, line);
        team.add(line.name, line.number, figures);
    }
}

template <typename Measure> const TeamFigures::Player *leader(const TeamFigures &team, Measure measure)
{
    const TeamFigures::Player *best = nullptr;
    for (const TeamFigures::Player &player : team.players()) {
        const auto [counted, value] = measure(player.figures);
        if (counted && (best == nullptr || value > measure(best->figures).second))
            best = &player;
    }
    return best;
}

} // namespace

PlayerFigures &PlayerFigures::operator+=(const PlayerFigures &o)
{
    completions += o.completions;
    passAttempts += o.passAttempts;
    passingYards += o.passingYards;
    passingTouchdowns += o.passingTouchdowns;
    interceptions += o.interceptions;
    carries += o.carries;
    rushingYards += o.rushingYards;
    rushingTouchdowns += o.rushingTouchdowns;
    catches += o.catches;
    receivingYards += o.receivingYards;
    receivingTouchdowns += o.receivingTouchdowns;
    tackles += o.tackles;
    assists += o.assists;
    sacks += o.sacks;
    return *this;
}

PlayerFigures &TeamFigures::entry(const std::string &name, std::int32_t number)
{
    const auto [found, added] = m_index.try_emplace(name, m_players.size());
    if (added)
        m_players.push_back({name, number, {}});
    return m_players[found->second].figures;
}

void TeamFigures::add(const std::string &name, std::int32_t number, const PlayerFigures &figures)
{
    entry(name, number) += figures;
}

void TeamFigures::add(const TeamFigures &other)
{
    for (const Player &player : other.m_players)
        add(player.name, player.number, player.figures);
}

const TeamFigures::Player *TeamFigures::find(std::string_view name) const
{
    const auto found = m_index.find(std::string(name));
    return found == m_index.end() ? nullptr : &m_players[found->second];
}

TeamFigures teamFigures(const Stat &stat)
{
    TeamFigures team;
    collect(team, stat.passers, [](PlayerFigures &f, const PasserLine &l) {
        f.completions = l.completions;
        f.passAttempts = l.attempts;
        f.passingYards = l.yards;
        f.passingTouchdowns = l.touchdowns;
        f.interceptions = l.interceptions;
    });
    collect(team, stat.rushers, [](PlayerFigures &f, const RusherLine &l) {
        f.carries = l.attempts;
        f.rushingYards = l.net;
        f.rushingTouchdowns = l.touchdowns;
    });
    collect(team, stat.receivers, [](PlayerFigures &f, const ReceiverLine &l) {
        f.catches = l.receptions;
        f.receivingYards = l.yards;
        f.receivingTouchdowns = l.touchdowns;
    });
    collect(team, stat.defenders, [](PlayerFigures &f, const DefenderLine &l) {
        f.tackles = l.tackles;
        f.assists = l.assists;
        f.sacks = l.sacks;
    });
    return team;
}

TeamFigures gameFigures(const Game &game, bool home, const LeagueOptions &options)
{
    Stat stat;
    stat.gameCount = 1;
    accumulateSide(stat, game, home, options);
    finishIndividualStats(stat);
    return teamFigures(stat);
}

TeamLeaders teamLeaders(const TeamFigures &team)
{
    using Measure = std::pair<bool, std::int32_t>;
    return {leader(team,
                   [](const PlayerFigures &f) {
                       return Measure{f.passAttempts > 0, f.passingYards};
                   }),
            leader(team,
                   [](const PlayerFigures &f) {
                       return Measure{f.carries > 0, f.rushingYards};
                   }),
            leader(team,
                   [](const PlayerFigures &f) {
                       return Measure{f.catches > 0, f.receivingYards};
                   }),
            leader(team, [](const PlayerFigures &f) {
                return Measure{f.tackles + f.assists + f.sacks > 0, f.tackles + f.assists};
            })};
}

} // namespace yardmark
