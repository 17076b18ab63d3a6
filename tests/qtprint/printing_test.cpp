#include "qtprint/printing.h"
#include "qtprint/qtpagesurface.h"

#include "playlist.h"
#include "scripteduserinterface.h"

#include "base/atomicfile.h"
#include "base/datetime.h"
#include "printouts/playbyplayprintout.h"
#include "printouts/rosterstartersprintout.h"
#include "support/pdffile.h"

#include <QFile>
#include <QFontInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yardmark {
namespace {

using test::Play;

/// The text of a PDF file as pdftotext reads it, page by page (pages end in a
/// form feed); where it cannot be read, as many empty pages as the file holds.
QStringList pdfPages(const QString &path)
{
    if (!test::kReadsPdfText)
        return QStringList(test::pdfPageCount(path.toStdWString()), QString());
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QChar('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        setFixedNow(DateTime{2026, 11, 21, 16, 30, 0});
    }
    void TearDown() override { setFixedNow(std::nullopt); }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private:
    QTemporaryDir m_dir;
};

Game longGame()
{
    Game game = test::gameOf({});
    game.info.homeTeamName = "Caf\xe9 Eagles"; // Windows-1252 e-acute
    for (int i = 0; i < 130; ++i)
        game.plays.push_back(Play(PlayType::Rush, true).from(20).to(21 + i % 50).player(1, "Runner"));
    return game;
}

TEST_F(PrintingTest, FontsComeFromTheMetricCompatibleFamilies)
{
    // Windows has Arial itself; elsewhere its metric-compatible twin stands in.
#ifdef Q_OS_WIN
    const QString sans = QStringLiteral("Arial");
#else
    const QString sans = QStringLiteral("Liberation Sans");
#endif
    EXPECT_EQ(QFontInfo(qtFontFor({"Arial", 40, 400, false})).family(), sans);
    EXPECT_TRUE(QFontInfo(qtFontFor({"Courier New", 40, 400, true})).fixedPitch());
}

TEST_F(PrintingTest, PdfHoldsEveryPageWithHeaderAndLines)
{
    PlayByPlayPrintout out("Play By Play", longGame(), LeagueOptions{});
    ASSERT_TRUE(printToPdf(out, path("plays.pdf")));
    const QStringList pages = pdfPages(path("plays.pdf"));
    ASSERT_GE(pages.size(), 3);
    if (!test::kReadsPdfText)
        return;
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1))) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Play By Play")));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("11/21/2026")));
    }
    EXPECT_TRUE(pages.first().contains(QStringLiteral("Runner")));
    EXPECT_EQ(pages.join(QString()).count(QStringLiteral("Runner")), 130);
}

TEST_F(PrintingTest, PageRangeLeavesOutTheEarlierPages)
{
    PlayByPlayPrintout out("Play By Play", longGame(), LeagueOptions{});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("range.pdf"));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 2);
    ASSERT_TRUE(printOn(printer, out));
    const QStringList pages = pdfPages(path("range.pdf"));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(!test::kReadsPdfText || pages[0].contains(QStringLiteral("Page 2")));
}

TEST_F(PrintingTest, TextsLeaveWindows1252)
{
    Team eagles;
    eagles.name = "Caf\xe9 Eagles";
    PlayerRecord player;
    player.name = "Jos\xe9";
    player.number = 9;
    eagles.players.push_back(player);
    RosterStartersPrintout out("Roster", kFirstTeamOnly, eagles, Team{}, 0);
    ASSERT_TRUE(printToPdf(out, path("roster.pdf")));
    const QStringList pages = pdfPages(path("roster.pdf"));
    ASSERT_EQ(pages.size(), 1);
    if (!test::kReadsPdfText)
        return;
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Café Eagles")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("# 9, José, B")));
}

TEST_F(PrintingTest, UnwritablePdfFailsAndLeavesNoFile)
{
    PlayByPlayPrintout out("Play By Play", test::gameOf({}), LeagueOptions{});
    EXPECT_FALSE(printToPdf(out, path("missing-folder/plays.pdf")));
    EXPECT_FALSE(QFileInfo::exists(path("missing-folder/plays.pdf")));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Print to File", from the print dialog or from the preview's print button,
// is written like every other file: whole or not at all, and a failure said.
TEST_F(PrintingTest, PrintToFileReplacesTheOldFileWholeOrSaysItCannot)
{
    PlayByPlayPrintout out("Play By Play", longGame(), LeagueOptions{});
    const struct {
        bool preview;
        bool diskFails;
    } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "preview " << c.preview << ", disk fails " << c.diskFails);
        const QString file = path("printed.pdf");
        QFile old(file);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
        old.write("old");
        old.close();
        ScriptedUserInterface ui;
        QPrinter printer(QPrinter::HighResolution);
        const DialogRunner run = [&](QDialog &dialog) {
            printer.setOutputFileName(file); // what the dialog's "Print to File" chooses
            if (c.diskFails)
                injectWriteFault(WriteStep::Rename, EIO);
            if (auto *preview = qobject_cast<QPrintPreviewDialog *>(&dialog)) {
                preview->findChild<QPrintPreviewWidget *>()->updatePreview();
                EXPECT_EQ(contents(file), QByteArray("old")) << "the preview's own pages are no print";
                emit preview->paintRequested(&printer); // its print button, accepted
            }
            return int(QDialog::Accepted);
        };
        if (c.preview)
            previewPrintout(printer, out, nullptr, run, ui);
        else
            EXPECT_EQ(printWithDialog(printer, out, nullptr, run, ui),
                      c.diskFails ? PrintResult::Failed : PrintResult::Printed);
        injectWriteFault(WriteStep::Rename, 0, 0);
        if (c.diskFails) {
            EXPECT_EQ(contents(file), QByteArray("old"));
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].text, "Cannot write " + file.toStdString());
        } else {
            EXPECT_GE(pdfPages(file).size(), 3);
            EXPECT_TRUE(ui.messages.empty());
        }
        EXPECT_EQ(printer.outputFileName(), file) << "the next print goes to the same file";
    }
}

} // namespace
} // namespace yardmark
