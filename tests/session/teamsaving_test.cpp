#include "session/teamsaving.h"

#include "records/teamfile.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace yardmark {
namespace {

// Edit Team and its save: OK on a new team asks for its file; a cancelled
// question says nothing, a file that cannot be written says so.
TEST(TeamSavingTest, ANewTeamIsAskedForItsFileAndAFailedSaveIsSaid)
{
    const std::filesystem::path folder = testing::makeTempFolder("teamsaving");
    const struct {
        const char *name;
        bool ok;
        std::optional<std::string> file;
        bool saved;
        std::vector<std::string> messages;
    } cases[] = {
        {"dialog cancelled", false, std::nullopt, false, {}},
        {"name cancelled", true, std::nullopt, false, {}},
        {"folder missing", true, (folder / "gone" / "bears").string(), false, {"Can't save team!"}},
        {"saved", true, (folder / "bears").string(), true, {}},
    };
    for (const auto &c : cases) {
        ScriptedUserInterface ui;
        if (c.file)
            ui.files.push_back(FileChoice{*c.file, 0});
        else
            ui.files.push_back(std::nullopt);
        Team team;
        team.rosterOnly = false;
        const bool saved = editAndSaveTeam(ui, team, [&c](Team &edited) {
            edited.name = "Bears";
            return c.ok;
        });
        EXPECT_EQ(saved, c.saved) << c.name;
        EXPECT_EQ(ui.fileRequests.size(), c.ok ? 1u : 0u) << c.name;
        std::vector<std::string> messages;
        for (const auto &m : ui.messages)
            messages.push_back(m.text);
        EXPECT_EQ(messages, c.messages) << c.name;
        if (c.saved) {
            EXPECT_EQ(ui.fileRequests[0].title, "Save Team As");
            Team read;
            ASSERT_TRUE(loadTeamFile(read, (folder / "bears.tem").string()));
            EXPECT_EQ(read.name, "Bears");
        }
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

} // namespace
} // namespace yardmark
