#pragma once

// The games, teams and plays the tour shows: made up, but as a scorer would
// have them after a few weeks of the season.

#include "app/common/qtuserinterface.h"
#include "app/common/soundplayer.h"
#include "app/program.h"
#include "gameflow/entry/penaltyentry.h"
#include "gameflow/entry/playentry.h"
#include "gameflow/gamerules.h"
#include "gameflow/interaction.h"
#include "records/game.h"
#include "records/team.h"
#include "vocabulary/vocabulary.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <type_traits>

namespace yardmark::tour {

/// The game window's questions, unanswered: the tour only shows dialogs.
class TourInteraction : public QtUserInterface, public Interaction {
public:
    using QtUserInterface::QtUserInterface;
    TeamChoice chooseTeam(std::string_view, std::string_view, std::string_view, bool) override
    {
        return TeamChoice::Cancelled;
    }
    bool runPlayDialog(PlayKind, PlayEntryContext &) override { return false; }
    void runEditPlay(EditPlayEntry &) override {}
    bool runInsertPlay(InsertPlayForm &) override { return false; }
    bool runBallOn(BallOnForm &) override { return false; }
    bool runToGo(ToGoForm &) override { return false; }
    void runRecordTime(RecordTimeForm &) override {}
};

/// A play being entered between two teams with rosters, for the play dialogs.
struct PlayTour {
    explicit PlayTour(Program &program) : ui(program.settings().app, silent)
    {
        game = newGame();
        game.info.homeTeamName = "Cedar Creek Wolves";
        game.info.visitorTeamName = "Lakeside Bears";
        game.homeTeam.players = {{"Adams, Jake", 7, 1, 0, 1},
                                 {"Baker, Luis", 22, 6, 0, 1},
                                 {"Kemp, Ray", 4, 22, 0, 1},
                                 {"Ortega, Sam", 88, 7, 0, 1},
                                 {"Young, Tim", 9, 23, 0, 1}};
        game.homeTeam.currentQuarterback = "Adams, Jake";
        game.visitorTeam.players = {{"Moss, Dan", 54, 0, 13, 2},
                                    {"Nash, Eli", 90, 0, 15, 2},
                                    {"N\xfa\xf1"
                                     "ez, Jos\xe9",
                                     24, 0, 9, 2}};
        situation.homeHasBall = true;
        situation.down = 2;
        situation.toGo = 4;
        situation.ballSpot = FieldSpot{40, false};
        play = newPlayFromSituation(situation, FieldSpot{});
    }

    SilentSoundPlayer silent;
    TourInteraction ui;
    Game game;
    GameSituation situation;
    PlayRecord play;
    LeagueOptions league;
    PlayEntryContext context{play, situation, game, league, ui};
    std::unique_ptr<PlayEntry> entry;
};

/// A play dialog filled in as a scorer would, on a fresh play.
template <typename Entry, typename Dialog>
std::function<QDialog *()> playDialog(PlayTour &tour, std::function<void(Entry &)> fill, bool defensive = false)
{
    return [&tour, fill, defensive]() -> QDialog * {
        tour.play = newPlayFromSituation(tour.situation, FieldSpot{});
        std::unique_ptr<Entry> entry;
        if constexpr (std::is_same_v<Entry, PenaltyEntry>)
            entry = std::make_unique<Entry>(tour.context, defensive);
        else
            entry = std::make_unique<Entry>(tour.context);
        fill(*entry);
        auto *dialog = new Dialog(*entry, tour.game);
        tour.entry = std::move(entry);
        return dialog;
    };
}

/// A recorded play of `type` from `from` to `to`, spots divided by `scale`.
PlayRecord play(PlayType type, bool home, FieldSpot from, FieldSpot to, int scale);

/// A second quarter with a kickoff return, a completion, an interception, a
/// loss, a punt return and a field goal; on the indoor field every spot is
/// halved.
Game sampleGame(bool indoor);
/// The sample game with a crowded second quarter: short drives, a touchdown
/// and both tries, a missed field goal and a fumble lost where the ball lies.
Game crowdedGame();

/// A team as a scorer keeps it: staff, current players and contact details.
Team sampleTeam(const char *name, const char *coach, bool home);

} // namespace yardmark::tour
