#include "session/gamelocks.h"

#include "records/game.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

namespace yardmark {
namespace {

namespace fs = std::filesystem;

const LockHolder kSelf{100, "pressbox", "coach", "2026-09-04 19:00:00"};

void writeText(const fs::path &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary) << text;
}

/// Answers in turn and, as the first question is answered, lets the case
/// change what is on disk (another program acting meanwhile).
class AnsweringUi final : public UserInterface {
public:
    MessageAnswer message(std::string_view, std::string_view caption, MessageButtons, MessageIcon) override
    {
        captions.emplace_back(caption);
        if (meanwhile)
            std::exchange(meanwhile, nullptr)();
        if (answers.empty())
            return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void playSound(int) override {}
    std::optional<FileChoice> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &) override { return std::nullopt; }
    std::optional<ColorValue> chooseColor(ColorValue) override { return std::nullopt; }

    std::vector<MessageAnswer> answers;
    std::vector<std::string> captions;
    std::function<void()> meanwhile;
};

// Every way a game may be found when it opens, what the scorer is asked and
// whether the game opens for writing, read-only or not at all.
TEST(GameLocks, OpenTheGameForOneWriterOnly)
{
    const fs::path dir = testing::makeTempFolder("yardmark-locks-");
    const fs::path game = dir / "friday.gam";
    const fs::path lockFile = lockPathFor(game);
    const auto lockedBy = [&](LockHolder holder) { return [=] { writeText(lockFile, lockText(holder)); }; };
    // Written by a program that did not hold it: it counts while its process runs.
    const auto unguarded = [&](LockHolder holder) {
        return [=] {
            std::string text = lockText(holder);
            writeText(lockFile, text.erase(text.find("guard")));
        };
    };
    const LockHolder otherWindow{4242, "pressbox", "coach", "t"};
    const LockHolder otherUser{4242, "pressbox", "stats", "t"};
    const LockHolder otherHost{7, "sideline", "coach", "t"};
    const struct {
        const char *found;
        std::function<void()> before;
        std::vector<MessageAnswer> answers;
        std::function<void()> meanwhile;
        GameAccess access;
        std::vector<std::string> captions;
        bool switched;
    } cases[] = {
        {"free", [] {}, {}, {}, GameAccess::Write, {}, false},
        {"stale", lockedBy({7, "pressbox", "coach", "t"}), {}, {}, GameAccess::Write, {}, false},
        {"another window",
         unguarded(otherWindow),
         {MessageAnswer::Yes},
         {},
         GameAccess::None,
         {"Game Open Elsewhere"},
         true},
        {"another window, read-only",
         unguarded(otherWindow),
         {MessageAnswer::No},
         {},
         GameAccess::ReadOnly,
         {"Game Open Elsewhere"},
         false},
        {"another user",
         unguarded(otherUser),
         {MessageAnswer::Ok},
         {},
         GameAccess::ReadOnly,
         {"Game Open Elsewhere"},
         false},
        {"another host",
         lockedBy(otherHost),
         {MessageAnswer::Cancel},
         {},
         GameAccess::None,
         {"Game Open Elsewhere"},
         false},
        {"another host, taken over",
         lockedBy(otherHost),
         {MessageAnswer::No},
         {},
         GameAccess::Write,
         {"Game Open Elsewhere"},
         false},
        {"damaged",
         [&] { writeText(lockFile, "my notes"); },
         {},
         {},
         GameAccess::ReadOnly,
         {"Game Cannot Be Locked"},
         false},
        {"another host, take-over fails",
         lockedBy(otherHost),
         {MessageAnswer::No},
         [&] {
             fs::remove(lockFile);
             fs::create_directory(lockFile);
         },
         GameAccess::ReadOnly,
         {"Game Open Elsewhere", "Game Cannot Be Locked"},
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.found);
        std::error_code error;
        fs::remove_all(lockFile, error);
        c.before();
        AnsweringUi ui;
        ui.answers = c.answers;
        ui.meanwhile = c.meanwhile;
        bool switched = false;
        GameLocks locks(
            ui, [&] { return dir / "state"; },
            [&](const fs::path &) {
                switched = true;
                return true;
            },
            [] { return std::make_unique<GameLock>(kSelf, [](std::int64_t pid) { return pid == 4242; }); });
        EXPECT_EQ(locks.claim(game, true), c.access);
        EXPECT_EQ(ui.captions, c.captions);
        EXPECT_EQ(switched, c.switched);
        // Only a game opened for writing holds the lock; without asking, a
        // game that is not free opens nowhere.
        EXPECT_EQ(locks.lockedGame(), c.access == GameAccess::Write ? game : fs::path());
        if (c.access != GameAccess::Write) {
            EXPECT_EQ(locks.claim(game, false), GameAccess::None);
            EXPECT_EQ(ui.captions, c.captions);
        }
    }
    fs::remove_all(dir);
}

// The lock is the game's from open to close: opened again it stays, after
// Save As it follows the game, with no game it goes.
TEST(GameLocks, FollowTheOpenGame)
{
    const fs::path dir = testing::makeTempFolder("yardmark-locks-");
    ScriptedUserInterface ui;
    GameLocks locks(ui, [&] { return dir / "state"; }, {});
    Game game = newGame();
    game.fileName = (dir / "friday.gam").string();
    ASSERT_EQ(locks.claim(game.fileName, true), GameAccess::Write);
    locks.opened(&game);
    ASSERT_EQ(locks.claim(game.fileName, true), GameAccess::Write);
    locks.opened(&game);
    EXPECT_TRUE(fs::exists(lockPathFor(game.fileName)));

    game.fileName = (dir / "saturday.gam").string();
    locks.follow(&game);
    EXPECT_FALSE(fs::exists(lockPathFor(dir / "friday.gam")));
    EXPECT_TRUE(fs::exists(lockPathFor(game.fileName)));

    locks.follow(nullptr);
    EXPECT_FALSE(fs::exists(lockPathFor(game.fileName)));
    EXPECT_TRUE(ui.messages.empty());
    fs::remove_all(dir);
}

// The question a second open asks: where the game is open, and what may be done.
TEST(AskAboutLockedGame, SaysWhereTheGameIsOpenAndOffersWhatFits)
{
    const struct {
        LockHolder holder;
        MessageAnswer answer;
        MessageButtons buttons;
        const char *where;
        LockedGameChoice choice;
    } cases[] = {
        {{4242, "pressbox", "coach", "2026-09-04 19:05:00"},
         MessageAnswer::Yes,
         MessageButtons::YesNoCancel,
         "another Football Yardmark window on this computer (process 4242, since 2026-09-04 19:05:00)",
         LockedGameChoice::SwitchToIt},
        {{4242, "pressbox", "coach", "t"},
         MessageAnswer::No,
         MessageButtons::YesNoCancel,
         "this computer",
         LockedGameChoice::ReadOnly},
        {{4242, "pressbox", "stats", "t"},
         MessageAnswer::Ok,
         MessageButtons::OkCancel,
         "of the user stats on this computer (process 4242",
         LockedGameChoice::ReadOnly},
        {{4242, "sideline", "coach", "t"},
         MessageAnswer::Yes,
         MessageButtons::YesNoCancel,
         "of the user coach on the computer sideline (process 4242, since t)",
         LockedGameChoice::ReadOnly},
        {{4242, "sideline", "coach", "t"},
         MessageAnswer::No,
         MessageButtons::YesNoCancel,
         "sideline",
         LockedGameChoice::TakeOver},
        {{4242, "sideline", "coach", "t"},
         MessageAnswer::Cancel,
         MessageButtons::YesNoCancel,
         "sideline",
         LockedGameChoice::Cancel},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.where);
        ScriptedUserInterface ui;
        ui.answers = {c.answer};
        EXPECT_EQ(askAboutLockedGame(ui, "friday.gam", c.holder, kSelf), c.choice);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].buttons, c.buttons);
        EXPECT_NE(ui.messages[0].text.find(c.where), std::string::npos) << ui.messages[0].text;
        EXPECT_NE(ui.messages[0].text.find("friday.gam"), std::string::npos);
    }
}

} // namespace
} // namespace yardmark
