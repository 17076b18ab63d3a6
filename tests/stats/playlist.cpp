#include "playlist.h"

namespace yardmark::test {

FieldSpot spotFor(bool offenseIsHome, int fromOwnGoal, int midfield)
{
    if (fromOwnGoal <= midfield)
        return {fromOwnGoal, offenseIsHome};
    return {2 * midfield - fromOwnGoal, !offenseIsHome};
}

Play::Play(PlayType type, bool homeHasBall)
{
    m_play.playType = code(type);
    m_play.homeHasBall = homeHasBall;
}

Play &Play::quarter(int value)
{
    m_play.quarter = value;
    return *this;
}

Play &Play::clock(int minutes, int seconds)
{
    m_play.clockMinutes = minutes;
    m_play.clockSeconds = seconds;
    return *this;
}

Play &Play::down(int zeroBased)
{
    m_play.downBefore = zeroBased;
    return *this;
}

Play &Play::from(int fromOwnGoal, int midfield)
{
    m_play.initialSpot = spotFor(m_play.homeHasBall, fromOwnGoal, midfield);
    return *this;
}

Play &Play::to(int fromOwnGoal, int midfield)
{
    m_play.finalSpot = spotFor(m_play.homeHasBall, fromOwnGoal, midfield);
    return *this;
}

Play &Play::received(int fromOwnGoal, int midfield)
{
    m_play.receivedAt = spotFor(m_play.homeHasBall, fromOwnGoal, midfield);
    return *this;
}

Play &Play::score(ScoreType value)
{
    m_play.scoreType = code(value);
    return *this;
}

Play &Play::pass(PassResult value)
{
    m_play.passResult = code(value);
    return *this;
}

Play &Play::kick(KickResult value)
{
    m_play.kickResult = code(value);
    return *this;
}

Play &Play::turnover(TurnoverKind value)
{
    m_play.turnover = code(value);
    return *this;
}

Play &Play::firstDown(FirstDownKind value)
{
    m_play.firstDown = code(value);
    return *this;
}

Play &Play::fumbles(FumbleRecovery first, FumbleRecovery second, FumbleRecovery third)
{
    m_play.fumbles = {code(first), code(second), code(third)};
    return *this;
}

Play &Play::player(int slot, const char *name)
{
    m_play.players[static_cast<std::size_t>(slot)].name = name;
    return *this;
}

Game gameOf(std::initializer_list<PlayRecord> plays)
{
    Game game;
    game.info.homeTeamName = "Home";
    game.info.visitorTeamName = "Visitor";
    game.plays.assign(plays.begin(), plays.end());
    return game;
}

} // namespace yardmark::test
