#include "app/recoveryoffer.h"
#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "scripteduserinterface.h"

#include "cli/cli.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace yardmark {
namespace {

std::string show(const std::string &game)
{
    const char *argv[] = {"yardmark-cli", "show", game.c_str()};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::runCli(3, argv, out, err), 0) << err.str();
    return out.str();
}

// The real game window, killed without warning after four plays: the game
// comes back whole from its recovery copy, as the same plays recorded by a
// script save it.
TEST(CrashTest, AKilledProgramLosesNoPlay)
{
    QTemporaryDir folder;
    const std::string gameFile = folder.filePath(QStringLiteral("friday.gam")).toStdString();
    Game game = newGame();
    game.info.homeTeamName = "Tigers";
    game.info.visitorTeamName = "Bears";
    ASSERT_TRUE(saveGame(game, gameFile));
    const QStringList lines{QStringLiteral("ko 9 to h5 22 at h28"), QStringLiteral("r 22 6"),
                            QStringLiteral("p 12>88 15"), QStringLiteral("timeout v")};

    QProcess scorer;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_STATE_HOME"), folder.path());
    scorer.setProcessEnvironment(env);
    scorer.start(QStringLiteral(YARDMARK_CRASH_SCORER), QStringList{QString::fromStdString(gameFile)} + lines);
    ASSERT_TRUE(scorer.waitForStarted(10000));
    QByteArray said;
    while (!said.contains('\n') && scorer.waitForReadyRead(30000))
        said += scorer.readAllStandardOutput();
    ASSERT_EQ(said.trimmed().toStdString(), "ready 4");
    // The copy is written off the window's thread: give the last write a moment.
    std::optional<RecoveryOffer> offer;
    for (int i = 0; i < 300 && !(offer && offer->recovered.playCount() == 4); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        offer = findRecovery(gameFile, {});
    }
    scorer.kill(); // SIGKILL: nothing is saved, nothing cleaned up
    ASSERT_TRUE(scorer.waitForFinished(10000));

    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes};
    Game restored;
    ASSERT_EQ(offerRecovery(ui, gameFile, restored), RecoveryChoice::Restore);
    ASSERT_TRUE(saveGame(restored, folder.filePath(QStringLiteral("restored.gam")).toStdString()));

    const std::string script = folder.filePath(QStringLiteral("script.txt")).toStdString();
    std::ofstream(script) << lines.join('\n').toStdString();
    const std::string recorded = folder.filePath(QStringLiteral("recorded.gam")).toStdString();
    const char *argv[] = {"yardmark-cli", "record", gameFile.c_str(), script.c_str(), "-o", recorded.c_str()};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(cli::runCli(6, argv, out, err), 0) << err.str();
    EXPECT_EQ(show(folder.filePath(QStringLiteral("restored.gam")).toStdString()), show(recorded));
}

} // namespace
} // namespace yardmark
