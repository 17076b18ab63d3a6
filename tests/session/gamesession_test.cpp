#include "session/gamesession.h"

#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "scriptedsessionwindows.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"
#include "support/userfolders.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace yardmark {
namespace {

class GameSessionTest : public ::testing::Test {
protected:
    GameSessionTest()
    {
        // The recovery copies and the last game are kept in the test's own state folder.
#ifdef _WIN32
        _putenv_s(testing::kStateHomeVariable, folder.string().c_str());
#else
        setenv(testing::kStateHomeVariable, folder.string().c_str(), 1);
#endif
    }
    ~GameSessionTest() override
    {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }

    std::string path(const char *name) const
    {
        return (folder / name).string();
    }
    void chooseFile(const char *name)
    {
        ui.files.push_back(FileChoice{path(name), 0});
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> texts;
        for (const auto &m : ui.messages)
            texts.push_back(m.text);
        return texts;
    }
    Game storedGame(const char *file, const char *home)
    {
        Game game = newGame();
        game.info.homeTeamName = home;
        EXPECT_TRUE(saveGame(game, path(file)));
        return game;
    }

    std::filesystem::path folder = testing::makeTempFolder("gamesession");
    ScriptedUserInterface ui;
    ScriptedSessionWindows windows;
    GameSession session{ui, windows};
};

TEST_F(GameSessionTest, StartGameHandsTheGameToTheGameWindow)
{
    storedGame("week1.gam", "Bears");
    std::string started;
    session.setRecorder([this, &started] { started = session.currentGame()->info.homeTeamName; });
    chooseFile("week1.gam");
    windows.steps.push_back([](Game &game) {
        EXPECT_EQ(game.info.homeTeamName, "Bears");
        return GameInfoAnswer::StartGame;
    });
    session.chooseGameToEdit();
    EXPECT_EQ(started, "Bears");
    EXPECT_EQ(ui.fileRequests.size(), 1u) << "an opened game keeps its file";
    EXPECT_EQ(windows.opened, std::vector<std::string>{path("week1.gam")});
}

TEST_F(GameSessionTest, SavingWhereNothingCanBeWrittenSaysSoAndKeepsTheOldFile)
{
    Game game = newGame();
    ASSERT_TRUE(saveGame(game, path("week1.gam")));
    session.setCurrentGame(game);
    session.setGameInProgress(true);
    ui.files.push_back(FileChoice{path("missing/folder/week1.gam"), 0});
    session.saveAs();
    EXPECT_EQ(messages(), std::vector<std::string>{"Can't save game!"});
    EXPECT_EQ(session.currentGame()->fileName, path("week1.gam"));
    EXPECT_EQ(windows.saves, 0);
}

// A game with unsaved plays from a session that ended unexpectedly: Yes opens
// the copy, No the file as saved, Cancel neither; without a game window to
// record it a started game is closed again.
TEST_F(GameSessionTest, OpeningOffersTheRecoveryCopyFirst)
{
    const struct {
        MessageAnswer answer;
        int dialogs;
        int plays;
    } cases[] = {{MessageAnswer::Yes, 1, 1}, {MessageAnswer::No, 1, 0}, {MessageAnswer::Cancel, 0, -1}};
    for (const auto &c : cases) {
        ScriptedUserInterface scripted;
        ScriptedSessionWindows shown;
        GameSession opening(scripted, shown);
        storedGame("week2.gam", "Tigers");
        Game unsaved = newGame();
        unsaved.info.homeTeamName = "Tigers";
        unsaved.plays.resize(1);
        ASSERT_TRUE(RecoveryCopy(path("week2.gam"), defaultStateDir()).write(unsaved));
        std::filesystem::last_write_time(path("week2.gam"),
                                         std::filesystem::last_write_time(path("week2.gam")) - std::chrono::hours(1));
        scripted.answers = {c.answer};
        if (c.dialogs)
            shown.steps.push_back([](Game &) { return GameInfoAnswer::Cancel; });
        opening.editGameFile(path("week2.gam"));
        ASSERT_EQ(scripted.messages.size(), 1u);
        EXPECT_EQ(scripted.messages[0].caption, "Restore Game?");
        EXPECT_EQ(shown.unexpectedDialogs, 0);
        ASSERT_EQ(shown.shownGames.size(), static_cast<std::size_t>(c.dialogs));
        if (c.dialogs) {
            EXPECT_EQ(shown.shownGames[0].playCount(), c.plays);
            EXPECT_EQ(shown.shownGames[0].fileName, path("week2.gam"));
            EXPECT_EQ(shown.opened, std::vector<std::string>{path("week2.gam")});
        }
        RecoveryCopy(path("week2.gam"), defaultStateDir()).remove();
    }
}

} // namespace
} // namespace yardmark
