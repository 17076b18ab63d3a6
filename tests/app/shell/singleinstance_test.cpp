#include "app/shell/singleinstance.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace yardmark {
namespace {

// A game chosen in the file manager while the running program asks a
// question opens once the question is answered, not over it and not never.
TEST(SingleInstanceTest, AFileHandedOverDuringAQuestionOpensOnceItIsAnswered)
{
    // A user of the test's own, so that no program of the real user answers.
    const QByteArray user = qgetenv("USER");
    qputenv("USER", "yardmark-test-" + QByteArray::number(QCoreApplication::applicationPid()));
    QWidget window;
    QStringList opened;
    SingleInstanceServer server(window, [&](const QString &file) { opened << file; });
    ASSERT_TRUE(server.listening());

    QDialog question(&window);
    question.setModal(true);
    question.show();
    std::atomic<int> handed = -1; // the other start's answer, once it has one
    std::thread start([&] { handed = handToRunningProgram({QStringLiteral("/games/friday.gam")}) ? 1 : 0; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return handed != -1; }));
    start.join();
    EXPECT_EQ(handed, 1);
    QTest::qWait(400);
    EXPECT_TRUE(opened.isEmpty()) << "opened over the question";

    question.accept();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !opened.isEmpty(); }));
    EXPECT_EQ(opened, QStringList{QStringLiteral("/games/friday.gam")});
    qputenv("USER", user);
}

} // namespace
} // namespace yardmark
