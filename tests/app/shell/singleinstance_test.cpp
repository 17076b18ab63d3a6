#include "app/shell/singleinstance.h"
#include "support/userfolders.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace yardmark {
namespace {

// A game chosen in the file manager while the running program asks a
// question opens once the question is answered, not over it and not never.
TEST(SingleInstanceTest, AFileHandedOverDuringAQuestionOpensOnceItIsAnswered)
{
    // A user of the test's own, so that no program of the real user answers.
    const QByteArray user = qgetenv(testing::kUserVariable);
    qputenv(testing::kUserVariable, "yardmark-test-" + QByteArray::number(QCoreApplication::applicationPid()));
    QWidget window;
    QStringList opened;
    SingleInstanceServer server(window, [&](const QString &file) { opened << file; });
    ASSERT_TRUE(server.listening());

    QDialog question(&window);
    question.setModal(true);
    question.show();
    std::atomic<int> handed = -1; // the other start's answer, once it has one
    const QString friday = QDir::temp().filePath(QStringLiteral("friday.gam")); // absolute on every system
    std::thread start([&] { handed = handToRunningProgram({friday}) ? 1 : 0; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return handed != -1; }));
    start.join();
    EXPECT_EQ(handed, 1);
    QTest::qWait(400);
    EXPECT_TRUE(opened.isEmpty()) << "opened over the question";

    question.accept();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{friday});
    qputenv(testing::kUserVariable, user);
}

#ifndef _WIN32
// The socket's name is only ever in a folder no other user may enter: one
// there could listen first and take the games the scorer opens.
TEST(SingleInstanceTest, TheSocketLivesOnlyInAFolderOfThisUserAlone)
{
    const QTemporaryDir temp;
    const QString own = QDir(temp.path()).filePath(QStringLiteral("yardmark-%1").arg(::getuid()));
    const auto folder = [&](const QString &name, mode_t mode) {
        const QString path = QDir(temp.path()).filePath(name);
        QDir().mkdir(path);
        ::chmod(QFile::encodeName(path).constData(), mode);
        return path;
    };
    const QString privateRuntime = folder(QStringLiteral("runtime"), 0700);
    const QString sharedRuntime = folder(QStringLiteral("shared"), 0777);
    const struct {
        const char *name;
        QString runtime;
        std::function<void()> before; // what stands at the fallback's name
        QString folder;               // empty: no single instance
    } cases[] = {
        {"private runtime folder", privateRuntime, [] {}, privateRuntime},
        {"shared runtime folder: own folder made", sharedRuntime, [] {}, own},
        {"no runtime folder", QString(), [] {}, own},
        {"own folder opened to others", QString(), [&] { ::chmod(QFile::encodeName(own).constData(), 0755); },
         QString()},
        {"own folder is a link", QString(),
         [&] {
             QDir(own).removeRecursively();
             QFile::link(privateRuntime, own);
         },
         QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        EXPECT_EQ(privateSocketFolder(c.runtime, temp.path()), c.folder);
        if (!c.folder.isEmpty()) {
            struct stat info {};
            ASSERT_EQ(::lstat(QFile::encodeName(c.folder).constData(), &info), 0);
            EXPECT_EQ(info.st_mode & 0777, 0700u);
        }
    }
}
#endif

// A start hands over a list of files ended by an empty line; a list longer
// than any real one is refused instead of keeping the window busy.
TEST(SingleInstanceTest, AHandoverIsReadOnceWholeAndWithinItsBound)
{
    const struct {
        QByteArray request;
        Handover result;
        QStringList files;
    } cases[] = {
        {"/games/a.gam\n/games/b.gam\n\n", Handover::Complete, {"/games/a.gam", "/games/b.gam"}},
        {"\n", Handover::Complete, {}},
        {"/games/a.gam\n", Handover::Incomplete, {}},
        {QByteArray(kMaxHandoverSize + 1, 'x'), Handover::TooLarge, {}},
        {QByteArray(kMaxHandoverSize + 1, 'x') + "\n\n", Handover::TooLarge, {}},
    };
    for (const auto &c : cases) {
        QStringList files;
        EXPECT_EQ(readHandover(c.request, files), c.result) << c.request.left(40).constData();
        EXPECT_EQ(files, c.files);
    }
}

} // namespace
} // namespace yardmark
