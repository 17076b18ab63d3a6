#pragma once

#include "../scriptedinteraction.h"
#include "gameflow/gamerules.h"
#include "gameflow/playentrycontext.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace yardmark {

inline PlayerRecord rosterPlayer(std::string name, int number)
{
    PlayerRecord player;
    player.name = std::move(name);
    player.number = number;
    return player;
}

/// The Tigers (home) and the Bears with small rosters; the Tigers have the
/// ball at their own 35, ready to kick off.
class KickTest : public ::testing::Test {
protected:
    KickTest()
    {
        game.info.homeTeamName = "Tigers";
        game.info.visitorTeamName = "Bears";
        game.homeTeam.players = {rosterPlayer("Adams", 3), rosterPlayer("Baker", 7), rosterPlayer("Cole", 22),
                                 rosterPlayer("Dunn", 22), rosterPlayer("Lee", -1)};
        game.visitorTeam.players = {rosterPlayer("Evans", 5), rosterPlayer("Ford", 11), rosterPlayer("Grant", 80)};
        game.kickoffPending = true;
        situation.homeHasBall = true;
        situation.ballSpot = {35, true};
        newPlay();
    }

    /// The play the window builds before opening a dialog.
    void newPlay() { play = newPlayFromSituation(situation, FieldSpot{0, false}); }

    void useIndoorField()
    {
        league.indoorField = true;
        league.midfieldYardLine = 25;
    }

    /// The captions of the messages shown, in order.
    std::vector<std::string> captions() const
    {
        std::vector<std::string> shown;
        for (const auto &message : ui.messages)
            shown.push_back(message.caption);
        return shown;
    }

    bool recordTimeAsked() const { return std::count(ui.log.begin(), ui.log.end(), "Record Time") == 1; }

    Game game;
    LeagueOptions league;
    ScriptedInteraction ui;
    GameSituation situation;
    PlayRecord play;
    PlayEntryContext context{play, situation, game, league, ui};
};

inline SpotEntry homeSpot(std::string yard)
{
    return SpotEntry{true, std::move(yard)};
}

inline SpotEntry visitorSpot(std::string yard)
{
    return SpotEntry{false, std::move(yard)};
}

} // namespace yardmark
