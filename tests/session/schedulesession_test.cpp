#include "session/schedulesession.h"

#include "base/atomicfile.h"
#include "scriptedsessionwindows.h"
#include "session/gamesession.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace yardmark {
namespace {

std::vector<std::uint8_t> fileBytes(const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    readWholeFile(path, bytes);
    return bytes;
}

// A damaged schedule is refused and left alone.
TEST(ScheduleSessionTest, ADamagedScheduleIsRefusedAndLeftAlone)
{
    const std::filesystem::path folder = testing::makeTempFolder("schedulesession");
    const std::string damaged = (folder / "damaged.sch").string();
    {
        std::ofstream(damaged, std::ios::binary) << "not a schedule";
    }
    ScriptedUserInterface ui;
    ScriptedSessionWindows windows;
    GameSession games(ui, windows);
    int editorRuns = 0;
    ScheduleSession session(
        ui, games, windows,
        [&editorRuns](ScheduleEditor &, std::set<std::string> &) {
            ++editorRuns;
            return ScheduleEditorExit::Closed;
        },
        [](std::function<void()> work) { work(); });
    ui.files.push_back(FileChoice{damaged, 0});
    session.chooseScheduleToEdit();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Can't load schedule !\n" + damaged);
    EXPECT_EQ(ui.sounds.back(), kLoadFailedSound);
    EXPECT_EQ(fileBytes(damaged),
              std::vector<std::uint8_t>({'n', 'o', 't', ' ', 'a', ' ', 's', 'c', 'h', 'e', 'd', 'u', 'l', 'e'}));
    EXPECT_EQ(editorRuns, 0);
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

} // namespace
} // namespace yardmark
