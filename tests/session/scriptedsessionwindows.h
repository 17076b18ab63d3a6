#pragma once

#include "records/game.h"
#include "session/sessionwindows.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace yardmark {

/// Answers Edit Game Information from a script, a step each time the dialog
/// opens (it may change the game first), and notes what the windows were told.
class ScriptedSessionWindows final : public SessionWindows {
public:
    using Step = std::function<GameInfoAnswer(Game &game)>;

    void editGameInformation(Game &game, const std::function<bool(GameInfoAnswer)> &ended) override
    {
        for (;;) {
            if (steps.empty()) {
                ++unexpectedDialogs;
                ended(GameInfoAnswer::Cancel);
                return;
            }
            const Step step = steps.front();
            steps.pop_front();
            shownGames.push_back(game);
            if (ended(step(game)))
                return;
        }
    }
    void fileOpened(const std::string &path) override { opened.push_back(path); }
    void currentGameChanged() override { ++gameChanges; }
    void currentGameSaved() override { ++saves; }
    void engineChanged(GameFlow *) override {}
    void gameInProgressChanged(bool) override {}
    void refreshGameWindow() override { ++refreshes; }

    std::deque<Step> steps;
    std::vector<Game> shownGames; ///< the games Edit Game Information opened on
    std::vector<std::string> opened;
    int unexpectedDialogs = 0;
    int gameChanges = 0;
    int saves = 0;
    int refreshes = 0;
};

} // namespace yardmark
