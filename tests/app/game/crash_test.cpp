#include "app/scripteduserinterface.h"
#include "base/atomicfile.h"
#include "records/gamefile.h"
#include "records/gamelock.h"
#include "records/recoverycopy.h"
#include "session/recoveryoffer.h"

#include "cli/cli.h"
#include "support/userfolders.h"

#include <QCoreApplication>
#include <QDir>
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

// Starts the crash scorer (or `program`) with `arguments`, its state folder
// under `stateHome` and, where given, a user of its own.
void startScorer(QProcess &scorer, const QStringList &arguments, const fs::path &stateHome, const QString &user = {},
                 const QString &program = QStringLiteral(YARDMARK_CRASH_SCORER))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(testing::kStateHomeVariable), QString::fromStdString(stateHome.string()));
    if (!user.isEmpty())
        env.insert(QString::fromLatin1(testing::kUserVariable), user);
    scorer.setProcessEnvironment(env);
    scorer.start(program, arguments);
    ASSERT_TRUE(scorer.waitForStarted(10000));
}

// What `scorer` says until a line starting with `word` is complete (or it
// ends, or 30 seconds pass without a word from it).
QByteArray readUntil(QProcess &scorer, const QByteArray &word)
{
    QByteArray said;
    const auto complete = [&] {
        const qsizetype at = said.startsWith(word) ? 0 : said.indexOf('\n' + word);
        return at >= 0 && said.indexOf('\n', at + 1) >= 0;
    };
    // A minute for each line: under an emulator on a loaded machine a scorer
    // can be slow to answer, and a quick one is never waited for.
    while (!complete() && scorer.waitForReadyRead(60000))
        said += scorer.readAllStandardOutput();
    return said;
}

// The recovery copy of `gameFile` once it holds `plays` plays: it is written
// off the window's thread, so the last write may take a moment (seconds
// under an emulator on a loaded machine).
std::optional<RecoveryOffer> recoveryOf(const std::string &gameFile, int plays, const fs::path &stateDir = {})
{
    std::optional<RecoveryOffer> offer;
    for (int i = 0; i < 1000 && !(offer && offer->recovered.playCount() == plays); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        offer = findRecovery(gameFile, stateDir);
    }
    return offer;
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
    startScorer(scorer, QStringList{QString::fromStdString(gameFile)} + lines, folder.path().toStdString());
    ASSERT_TRUE(readUntil(scorer, "ready").startsWith("ready 4 "));
    recoveryOf(gameFile, 4);
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
    // The note of the last game and the lock of the game it had, which the
    // next open takes over: what a killed program rightly leaves.
    const auto leftByAKill = [&](const fs::path &file) {
        return file == stateDir / "last-game" || file == lockPathFor(gameFile);
    };

    const int kills = environmentNumber("YARDMARK_KILLS", 25);
    std::mt19937 random(static_cast<unsigned>(environmentNumber("YARDMARK_KILL_SEED", 31)));
    int window = 2000; // milliseconds: shrinks to how long a whole run takes here
    int leftBehind = 0;
    for (int kill = 0; kill < kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess scorer;
        startScorer(scorer, QStringList{QStringLiteral("--save"), QString::fromStdString(gameFile)} + lines, stateHome);
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
            if (entry.is_regular_file() && !ownFiles.contains(entry.path()) && !leftByAKill(entry.path()))
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
            EXPECT_TRUE(!entry.is_regular_file() || ownFiles.contains(entry.path()) || leftByAKill(entry.path()))
                << entry.path() << " is left behind";
        }
    }
    std::cout << kills << " kills, " << leftBehind << " left a temporary file behind\n";
}

// Two programs on one game. The first has it open with a time-out not yet
// saved; the file manager hands the game to the program again, and the new
// start gives it to the running program and ends. Another user's program is
// told where the game is open and opens it read-only: no recovery offer, no
// save. Nothing the first recorded is lost or written over, and once the
// first has crashed its lock is stale and its plays come back.
TEST(CrashTest, TwoProgramsOnOneGameLoseNothing)
{
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    const std::string gameFile = (dir / "friday.gam").string();
    const fs::path stateHome = dir / "state";
    Game game = newGame();
    game.info.homeTeamName = "Tigers";
    game.info.visitorTeamName = "Bears";
    ASSERT_TRUE(saveGame(game, gameFile));
    // A user of the test's own, so that no program of the real user answers.
    const QString user = QStringLiteral("yardmark-test-%1").arg(QCoreApplication::applicationPid());
    const QString file = QString::fromStdString(gameFile);

    QProcess first;
    startScorer(first,
                {QStringLiteral("--open"), file, QStringLiteral("ko 9 to h5 22 at h28"), QStringLiteral("r 22 6"),
                 QStringLiteral("timeout v")},
                stateHome, user);
    const QByteArray firstSaid = readUntil(first, "ready");
    ASSERT_TRUE(firstSaid.startsWith("ready 3 Tigers Versus Bears\n")) << firstSaid.toStdString();
    ASSERT_TRUE(recoveryOf(gameFile, 3));
    std::vector<std::uint8_t> saved; // as the first program saved it when it started the game
    ASSERT_TRUE(readWholeFile(gameFile, saved));

    QProcess second;
    startScorer(second, {file}, stateHome, user, QStringLiteral(YARDMARK_PROGRAM));
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    const QByteArray handed = readUntil(first, "handed");
    // The name is handed over as Qt spells it, with forward slashes.
    EXPECT_TRUE(handed.startsWith("handed " + QDir::fromNativeSeparators(file).toUtf8() + "\n"))
        << handed.toStdString();

    QProcess other;
    startScorer(other, {QStringLiteral("--open"), QStringLiteral("--save"), file, QStringLiteral("timeout h")},
                stateHome, user + QStringLiteral("-other"));
    const std::string otherSaid = readUntil(other, "ready").toStdString();
    other.kill();
    ASSERT_TRUE(other.waitForFinished(10000));
    const std::string where = "asked Game Open Elsewhere: This game is open in Football Yardmark of the user " +
                              user.toStdString() + " on this computer (process " + std::to_string(first.processId());
    EXPECT_NE(otherSaid.find(where), std::string::npos) << otherSaid;
    EXPECT_EQ(otherSaid.find("Restore Game?"), std::string::npos) << "a recovery offer for a running session";
    EXPECT_NE(otherSaid.find("asked Read-Only Game: "), std::string::npos) << otherSaid;
    EXPECT_NE(otherSaid.find("ready 1 Tigers Versus Bears (Read-Only)\n"), std::string::npos) << otherSaid;
    std::vector<std::uint8_t> after;
    ASSERT_TRUE(readWholeFile(gameFile, after));
    EXPECT_EQ(after, saved) << "the read-only program saved the game";

    first.kill(); // SIGKILL: the first program crashes with its time-out unsaved
    ASSERT_TRUE(first.waitForFinished(10000));
    GameLock lock;
    EXPECT_EQ(lock.take(gameFile, stateHome / "yardmark"), LockResult::Taken);
    ScriptedUserInterface ui;
    ui.answers = {MessageAnswer::Yes};
    Game restored;
    ASSERT_EQ(offerRecovery(ui, gameFile, restored), RecoveryChoice::Restore);
    EXPECT_EQ(restored.playCount(), 3);
}

} // namespace
} // namespace yardmark
