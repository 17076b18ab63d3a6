#pragma once

#include "gameflow/gameflow.h"
#include "gameflow/playentrycontext.h"
#include "scriptedinteraction.h"
#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace yardmark {

/// An entry dialog as a test plays it: fills the play and the situation and
/// says whether it was accepted.
using EntryScript = std::function<bool(PlayEntryContext &)>;

/// A game between the Tigers (home) and the Bears, recorded through the engine
/// with scripted answers and scripted entry dialogs.
class FlowTest : public ::testing::Test {
protected:
    FlowTest()
    {
        game.info.homeTeamName = "Tigers";
        game.info.visitorTeamName = "Bears";
        settings.app.swapSidesEachQuarter = false;
        ui.playDialog = [this](PlayKind, PlayEntryContext &context) {
            if (entries.empty())
                return false;
            EntryScript entry = std::move(entries.front());
            entries.pop_front();
            return entry(context);
        };
    }

    /// A play of the situation's team ending at `spot`, with the resulting
    /// down and distance the dialog would leave.
    static EntryScript scrimmage(PlayType type, FieldSpot spot, int down, int toGo,
                                 ScoreType score = ScoreType::NoScore, int turnover = 0)
    {
        return [=](PlayEntryContext &c) {
            PlayRecord &play = c.currentPlay();
            play.playType = code(type);
            play.scoreType = code(score);
            play.turnover = turnover;
            play.finalSpot = spot;
            c.situation().ballSpot = spot;
            c.situation().down = down;
            c.situation().toGo = toGo;
            play.downAfter = down;
            play.toGoAfter = toGo;
            return true;
        };
    }

    /// A kick (kickoff or punt) returned to `spot`, as the kick dialogs record it.
    static EntryScript kick(PlayType type, FieldSpot spot, KickResult result = KickResult::Runback, int turnover = 0)
    {
        return [=](PlayEntryContext &c) {
            PlayRecord &play = c.currentPlay();
            play.playType = code(type);
            play.kickResult = code(result);
            play.turnover = turnover;
            play.receivedAt = spot;
            play.finalSpot = spot;
            c.situation().ballSpot = spot;
            play.downAfter = c.situation().down;
            play.toGoAfter = c.situation().toGo;
            c.game().kickoffPending = false;
            c.recordTime();
            return true;
        };
    }

    /// Opens the window on a new game; the home team kicks off to the visitor's 30.
    void openWithHomeKickoff()
    {
        ui.teams.push_back(TeamChoice::Home);
        entries.push_back(kick(PlayType::KickOff, {30, false}));
        flow.open();
        ui.clear();
    }

    Game game;
    Settings settings;
    ScriptedInteraction ui;
    std::deque<EntryScript> entries;
    GameFlow flow{game, settings, ui};
};

} // namespace yardmark
