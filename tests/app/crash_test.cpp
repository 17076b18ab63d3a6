#include "records/gamefile.h"
#include "records/recoverycopy.h"
#include "scripteduserinterface.h"
#include "session/recoveryoffer.h"

#include "cli/cli.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace yardmark {
namespace {

namespace fs = std::filesystem;

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

// The plays of `game` are the first plays the script recorded.
bool isPrefixOf(const Game &game, const Game &recorded)
{
    return game.plays.size() <= recorded.plays.size() &&
           std::equal(game.plays.begin(), game.plays.end(), recorded.plays.begin());
}

int environmentNumber(const char *name, int otherwise)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? otherwise : value.toInt();
}

// A scorer saving after every play, killed at moments drawn from a seeded
// generator (YARDMARK_KILLS, YARDMARK_KILL_SEED: a failure repeats), some in
// the middle of a save or of a recovery copy's write. After every kill the
// game file is the old or the new one, whole; the recovery copy loads or is
// not there; restoring brings back every play he saw recorded; and the next
// save clears any temporary file the kill left.
TEST(CrashTest, AScorerKilledAtAnyMomentLosesNoRecordedPlay)
{
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    const std::string gameFile = (dir / "friday.gam").string();
    const fs::path stateHome = dir / "state";
    const fs::path stateDir = stateHome / "yardmark";
    Game start = newGame();
    start.info.homeTeamName = "Tigers";
    start.info.visitorTeamName = "Bears";
    start.homeTeam.players = {{"Baker", 22, 6, 0, 1}};
    start.homeTeam.personalInfo.resize(1);
    ASSERT_TRUE(saveGame(start, gameFile));
    QStringList lines{QStringLiteral("ko 9 to h5 22 at h28")};
    for (int i = 0; i < 24; ++i)
        lines << QStringLiteral("r 22 %1").arg(i % 3 - 1);

    const std::string script = (dir / "script.txt").string();
    std::ofstream(script) << lines.join('\n').toStdString();
    const std::string recordedFile = (dir / "recorded.gam").string();
    const char *argv[] = {"yardmark-cli", "record", gameFile.c_str(), script.c_str(), "-o", recordedFile.c_str()};
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(cli::runCli(6, argv, out, err), 0) << err.str();
    Game recorded;
    ASSERT_TRUE(loadGame(recorded, recordedFile));
    ASSERT_EQ(recorded.playCount(), lines.size());
    const std::set<fs::path> ownFiles{gameFile, script, recordedFile};

    const int kills = environmentNumber("YARDMARK_KILLS", 25);
    std::mt19937 random(static_cast<unsigned>(environmentNumber("YARDMARK_KILL_SEED", 31)));
    int window = 2000; // milliseconds: shrinks to how long a whole run takes here
    int leftBehind = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess scorer;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), QString::fromStdString(stateHome.string()));
        scorer.setProcessEnvironment(env);
        scorer.start(QStringLiteral(YARDMARK_CRASH_SCORER),
                     QStringList{QStringLiteral("--save"), QString::fromStdString(gameFile)} + lines);
        ASSERT_TRUE(scorer.waitForStarted(10000));
        const int delay = std::uniform_int_distribution<int>(0, window)(random);
        QElapsedTimer clock;
        clock.start();
        QByteArray said;
        while (clock.elapsed() < delay && !said.contains("ready")) {
            scorer.waitForReadyRead(std::max<int>(1, delay - int(clock.elapsed())));
            said += scorer.readAllStandardOutput();
        }
        if (said.contains("ready"))
            window = std::max(50, int(clock.elapsed()));
        scorer.kill(); // SIGKILL: nothing is saved, nothing cleaned up
        ASSERT_TRUE(scorer.waitForFinished(10000));
        said += scorer.readAllStandardOutput();
        int seen = 0; // plays the scorer saw saved
        for (const QByteArray &line : said.split('\n')) {
            if (line.startsWith("recorded "))
                seen = line.mid(9).toInt();
        }

        Game saved;
        ASSERT_TRUE(loadGame(saved, gameFile)) << "a torn game file";
        EXPECT_TRUE(isPrefixOf(saved, recorded));
        EXPECT_GE(saved.playCount(), seen);
        for (const fs::path &copy : {recoveryPathFor(gameFile), stateRecoveryPathFor(gameFile, stateDir)}) {
            Game recovered;
            EXPECT_TRUE(!fs::exists(copy) || loadGame(recovered, copy.string())) << "a torn recovery copy";
        }
        ScriptedUserInterface ui;
        ui.answers = {MessageAnswer::Yes};
        Game restored;
        if (offerRecovery(ui, gameFile, restored) != RecoveryChoice::Restore) {
            ASSERT_TRUE(loadGame(restored, gameFile));
        }
        EXPECT_TRUE(isPrefixOf(restored, recorded));
        EXPECT_GE(restored.playCount(), seen) << "a play the scorer saw recorded is lost";

        // The next saves of the game and of its copy clear what the kill left.
        std::vector<fs::path> leftovers;
        for (const auto &entry : fs::recursive_directory_iterator(dir)) {
            if (entry.is_regular_file() && !ownFiles.contains(entry.path()) && entry.path() != stateDir / "last-game")
                leftovers.push_back(entry.path());
        }
        leftBehind += std::any_of(leftovers.begin(), leftovers.end(),
                                  [](const fs::path &file) { return !file.string().ends_with(".recovery"); });
        ASSERT_TRUE(saveGame(start, gameFile));
        RecoveryCopy copy(gameFile, stateDir);
        ASSERT_TRUE(copy.write(start));
        copy.remove();
        rememberLastGame(stateDir, gameFile);
        for (const auto &entry : fs::recursive_directory_iterator(dir)) {
            EXPECT_TRUE(!entry.is_regular_file() || ownFiles.contains(entry.path()) ||
                        entry.path() == stateDir / "last-game")
                << entry.path() << " is left behind";
        }
    }
    std::cout << kills << " kills, " << leftBehind << " left a temporary file behind\n";
}

} // namespace
} // namespace yardmark
