#pragma once

#include "../scriptedinteraction.h"
#include "gameflow/gamerules.h"
#include "gameflow/playentrycontext.h"
#include "support/sides.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

namespace yardmark {

/// A play being entered between the Tigers (home, with the ball) and the
/// Bears, on the 100-yard field, with scripted answers. Rosters are sorted by
/// name; two Tigers wear 22 and one wears "00".
class EntryTest : public ::testing::Test {
protected:
    EntryTest()
    {
        game.info.homeTeamName = "Tigers";
        game.info.visitorTeamName = "Bears";
        game.homeTeam.players = {
            {"Adams", 7, 1, 0, 1}, {"Baker", 22, 6, 0, 1}, {"Cole", 22, 20, 0, 1}, {"Lee", -1, 21, 0, 0}};
        game.homeTeam.currentQuarterback = "Adams";
        game.visitorTeam.players = {{"Moss", 54, 0, 13, 2}, {"Nash", 90, 0, 15, 2}, {"Ortiz", 21, 0, 9, 2}};
        game.visitorTeam.currentQuarterback = "Nobody";
        situation.homeHasBall = true;
        situation.quarter = 1;
    }

    /// The situation before the snap; the play is built from it as the window does.
    void snap(std::int32_t down, std::int32_t toGo, FieldSpot spot, bool homeHasBall = kHome)
    {
        situation.down = down;
        situation.toGo = toGo;
        situation.ballSpot = spot;
        situation.homeHasBall = homeHasBall;
        play = newPlayFromSituation(situation, FieldSpot{});
    }

    Game game;
    GameSituation situation;
    PlayRecord play;
    LeagueOptions league;
    ScriptedInteraction ui;
    PlayEntryContext context{play, situation, game, league, ui};
};

} // namespace yardmark
