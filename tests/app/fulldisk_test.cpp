// A full or failing disk under every writer of the program and of
// yardmark-cli: the file it would replace keeps its old bytes, nothing is
// left beside it, the scorer (or the shell) is told, and the same writer
// works again once the disk does.

#include "app/season/schedulewindow.h"
#include "app/setup/setupcommands.h"
#include "app/shell/mainwindow.h"
#include "base/atomicfile.h"
#include "cli/cli.h"
#include "live/livefeed.h"
#include "records/gamefile.h"
#include "records/samplerecords.h"
#include "records/settingsfile.h"
#include "records/teamfile.h"
#include "scripteduserinterface.h"
#include "session/livekeeper.h"
#include "session/recoverykeeper.h"
#include "session/schedulesession.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <set>
#include <sstream>

namespace yardmark {
namespace {

namespace fs = std::filesystem;
using testing::sampleGame;
using testing::sampleTeam;

std::set<std::string> filesIn(const fs::path &dir)
{
    std::set<std::string> names;
    for (const auto &entry : fs::recursive_directory_iterator(dir))
        names.insert(fs::relative(entry.path(), dir).string());
    return names;
}

std::string contentOf(const fs::path &path)
{
    std::vector<std::uint8_t> bytes;
    readWholeFile(path, bytes);
    return std::string(bytes.begin(), bytes.end());
}

// One writer: what it replaces, and a run of it that says what the user was
// told (empty when the write succeeded without a word).
struct Writer {
    const char *name;
    const char *file; ///< inside the test folder
    std::function<std::string(const fs::path &dir)> run;
    bool namesTheFile = true; ///< the program's own messages keep their words
};

// yardmark-cli with `args` ({} is the test folder): what it printed on
// standard error, with its exit code.
std::function<std::string(const fs::path &)> cli(std::vector<std::string> args)
{
    return [args](const fs::path &dir) {
        std::vector<std::string> full{"yardmark-cli"};
        for (const std::string &arg : args)
            full.push_back(arg.starts_with("{}/") ? (dir / arg.substr(3)).string() : arg);
        std::vector<const char *> argv;
        for (const std::string &arg : full)
            argv.push_back(arg.c_str());
        std::ostringstream out;
        std::ostringstream err;
        const int code = cli::runCli(static_cast<int>(argv.size()), argv.data(), out, err);
        return code == 0 ? std::string() : "exit " + std::to_string(code) + ": " + err.str();
    };
}

std::string messagesOf(const ScriptedUserInterface &ui)
{
    std::string all;
    for (const auto &m : ui.messages)
        all += m.text + '\n';
    return all;
}

TEST(FullDiskTest, EveryWriterKeepsTheOldFileLeavesNothingAndSaysSo)
{
    Settings settings;
    setDefaults(settings);
    const std::vector<Writer> writers{
        {"game save (upgrade)", "old.gam", cli({"upgrade", "{}/game.gam", "-o", "{}/old.gam"})},
        {"scripted game save (record)", "old.gam",
         cli({"record", "{}/game.gam", "{}/script.jsonl", "-o", "{}/old.gam"})},
        {"game summary export", "old.csv",
         cli({"export", "summary", "{}/game.gam", "--format", "csv", "-o", "{}/old.csv"})},
        {"team export", "old.htm", cli({"team", "export", "{}/team.tm", "--format", "html", "-o", "{}/old.htm"})},
        {"team file", "old.tm", cli({"team", "import", "{}/team.tm", "-o", "{}/old.tm"})},
        {"PDF printout", "old.pdf", cli({"print", "playbyplay", "{}/game.gam", "-o", "{}/old.pdf"})},
        {"drive chart", "old.png", cli({"chart", "{}/game.gam", "-o", "{}/old.png"})},
        {"live page and feed", "live/live.htm", cli({"live", "{}/game.gam", "--out", "{}/live"})},
        {"game save as (program)", "old.gam",
         [&](const fs::path &dir) {
             ScriptedUserInterface ui;
             MainWindow window(settings, ui, (dir / "yardmark.ini").string());
             new SetupCommands(window, settings, ui);
             Game game = newGame();
             game.fileName = (dir / "game.gam").string();
             window.session().setCurrentGame(game);
             window.setGameInProgress(true);
             ui.files.push_back(FileChoice{(dir / "old.gam").string(), 0});
             window.findChild<QAction *>(QStringLiteral("saveGameAs"))->trigger();
             return messagesOf(ui);
         },
         false},
        {"schedule", "old.sch",
         [](const fs::path &dir) {
             ScriptedUserInterface ui;
             saveScheduleReporting(Schedule{(dir / "old.sch").string(), {}}, ui);
             return messagesOf(ui);
         },
         false},
        {"settings", "yardmark.ini",
         [](const fs::path &dir) {
             Settings changed;
             setDefaults(changed);
             changed.app.soundEnabled = false;
             // Not kept, and no reason to hold up closing the program.
             return writeSettings(dir / "yardmark.ini", changed) ? std::string() : std::string("not kept");
         },
         false},
        {"recovery copy", ".game.gam.recovery",
         [](const fs::path &dir) {
             ScriptedUserInterface ui;
             std::vector<std::function<void()>> delivered;
             {
                 RecoveryKeeper keeper(
                     ui, [&](std::function<void()> work) { delivered.push_back(std::move(work)); },
                     [&] { return dir / "state"; });
                 Game game = sampleGame(3, 3, 5);
                 game.fileName = (dir / "game.gam").string();
                 keeper.follow(game);
                 keeper.changed(game);
                 keeper.wait();
                 for (const auto &work : delivered)
                     work();
             }
             return ui.messages.empty() ? std::string() : std::string("no recovery copy");
         },
         false},
        {"live page and feed (program)", "live/live.json",
         [&](const fs::path &dir) {
             std::string said;
             {
                 Settings live = settings;
                 live.app.live.folder = (dir / "live").string();
                 std::vector<std::function<void()>> delivered;
                 LiveKeeper writer([&](std::function<void()> work) { delivered.push_back(std::move(work)); },
                                   {[&](const std::string &folder) { said = "cannot write to " + folder; }, {}, {}});
                 Game game = sampleGame(3, 3, 5);
                 writer.changed(game, openedSituation(game, live.league), live);
                 writer.wait();
                 for (const auto &work : delivered)
                     work();
             }
             return said;
         }},
    };

    for (const Writer &writer : writers) {
        for (const WriteStep step : {WriteStep::Write, WriteStep::Flush, WriteStep::Rename}) {
            for (const int error : {ENOSPC, EIO}) {
                SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(int(step)) + ", errno " +
                             std::to_string(error));
                QTemporaryDir folder;
                const fs::path dir = folder.path().toStdString();
                Game game = sampleGame(3, 3, 5);
                ASSERT_TRUE(saveGame(game, (dir / "game.gam").string()));
                Team team = sampleTeam("Tigers", 4, false);
                ASSERT_TRUE(writeTeamFile(team, (dir / "team.tm").string()));
                writeFileAtomically(dir / "script.jsonl", std::string());
                fs::create_directories(dir / "live");
                fs::create_directories(dir / "state");
                const std::string old = "the old file, byte for byte\r\n";
                ASSERT_TRUE(writeFileAtomically(dir / writer.file, old));
                const std::set<std::string> before = filesIn(dir);

                injectWriteFault(step, error, 1000); // the disk stays full
                const std::string said = writer.run(dir);
                injectWriteFault(step, error, 0);

                EXPECT_EQ(contentOf(dir / writer.file), old);
                EXPECT_EQ(filesIn(dir), before);
                EXPECT_FALSE(said.empty()) << "the failure went unreported";
                if (writer.namesTheFile) {
                    const fs::path file(writer.file);
                    EXPECT_NE(said.find((file.has_parent_path() ? file.parent_path() : file).string()),
                              std::string::npos)
                        << said;
                }
                // The disk has room again: the same writer carries on.
                EXPECT_EQ(writer.run(dir), "");
                EXPECT_NE(contentOf(dir / writer.file), old);
            }
        }
    }
}

} // namespace
} // namespace yardmark
