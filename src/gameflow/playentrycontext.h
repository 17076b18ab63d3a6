#pragma once

#include "gameflow/gamesituation.h"
#include "records/game.h"
#include "records/settings.h"

namespace yardmark {

class Interaction;

/// What a play entry dialog works on: the play being entered, the running
/// situation it writes the resulting down, distance and spot into, the game
/// (teams, rosters, the pending try and kickoff), the league's rules and the
/// user. The dialog owns none of them.
class PlayEntryContext {
public:
    PlayEntryContext(PlayRecord &currentPlay, GameSituation &situation, Game &game, const LeagueOptions &league,
                     Interaction &ui)
        : m_currentPlay(currentPlay), m_situation(situation), m_game(game), m_league(league), m_ui(ui)
    {
    }

    PlayRecord &currentPlay() const { return m_currentPlay; }
    GameSituation &situation() const { return m_situation; }
    Game &game() const { return m_game; }
    const LeagueOptions &league() const { return m_league; }
    Interaction &ui() const { return m_ui; }

    /// The team with the ball (the kicking team on kicks) and the other one.
    Team &offense() const { return m_situation.homeHasBall ? m_game.homeTeam : m_game.visitorTeam; }
    Team &defense() const { return m_situation.homeHasBall ? m_game.visitorTeam : m_game.homeTeam; }

    /// Asks for the clock of a play that hands the ball over ("Record Time").
    void recordTime() const;

private:
    PlayRecord &m_currentPlay;
    GameSituation &m_situation;
    Game &m_game;
    const LeagueOptions &m_league;
    Interaction &m_ui;
};

} // namespace yardmark
