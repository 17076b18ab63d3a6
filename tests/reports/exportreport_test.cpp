#include "reports/exportreport.h"

#include "base/userinterface.h"
#include "support/scripteduserinterface.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace yardmark {
namespace {

/// Chooses the scripted files and answers the scripted questions.
class ExportUi final : public UserInterface {
public:
    std::deque<std::optional<FileChoice>> files;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> asked;

    MessageAnswer message(std::string_view text, std::string_view, MessageButtons, MessageIcon) override
    {
        asked.emplace_back(text);
        if (answers.empty())
            return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void playSound(int) override {}
    std::optional<FileChoice> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
    std::optional<FileChoice> chooseSaveFile(const FileRequest &request) override
    {
        EXPECT_EQ(request.title, "Select file name to save as");
        std::optional<FileChoice> file = files.front();
        files.pop_front();
        return file;
    }
    std::optional<ColorValue> chooseColor(ColorValue) override { return std::nullopt; }
};

std::string contents(const std::filesystem::path &path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ExportReportTest, WritesAppendsOverwritesOrCancels)
{
    const testing::TempDir temp;
    const std::filesystem::path &dir = temp.path();
    const std::string bare = (dir / "plays").string();
    const auto writer = [](std::ostream &out, bool html, bool appending) {
        out << (html ? "html" : "text") << (appending ? " appended" : "");
    };
    ExportUi ui;
    ui.files = {FileChoice{bare, 1}, FileChoice{bare, 1}, FileChoice{bare, 1},
                FileChoice{bare, 1}, std::nullopt,        FileChoice{(dir / "none" / "x.csv").string(), 0}};
    // HTML chosen: ".htm" is added to the bare name.
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Written);
    EXPECT_EQ(contents(bare + ".htm"), "html");
    ui.answers = {MessageAnswer::Yes};
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Written);
    EXPECT_EQ(contents(bare + ".htm"), "html\nhtml appended");
    ui.answers = {MessageAnswer::No, MessageAnswer::No};
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Cancelled);
    EXPECT_EQ(contents(bare + ".htm"), "html\nhtml appended");
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Written);
    EXPECT_EQ(contents(bare + ".htm"), "html");
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Cancelled);
    ui.asked.clear();
    EXPECT_EQ(exportReport(ui, writer), ExportResult::Failed);
    ASSERT_EQ(ui.asked.size(), 1u);
    // The message names the file with the system's own folder separator.
    EXPECT_NE(ui.asked[0].find((std::filesystem::path("none") / "x.csv").string()), std::string::npos);
}

namespace fs = std::filesystem;

class ExportReportFixture : public ::testing::Test {
protected:
    ExportReportFixture() : dir(testing::makeTempFolder("yardmark_exportreport_")) {}
    ~ExportReportFixture() override
    {
        std::error_code error;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(dir, error);
    }

    // The writer notes how it was called, so that a test sees html and appending.
    ExportResult run(const std::string &name, int filterIndex)
    {
        ui.files.push_back(FileChoice{(dir / name).string(), filterIndex});
        return exportReport(ui, [this](std::ostream &out, bool html, bool appending) {
            out << (html ? "html" : "csv") << (appending ? "+" : "");
        });
    }

    fs::path dir;
    ScriptedUserInterface ui;
};

TEST_F(ExportReportFixture, AsksForTheFileAndChoosesTheFormatByTypeAndName)
{
    const struct {
        const char *name;
        int filterIndex;
        const char *written;
        const char *content;
    } cases[] = {
        {"plain", 0, "plain.csv", "csv"},
        {"plain2", 1, "plain2.htm", "html"},
        {"page.html", 0, "page.html", "html"},
        {"sheet.txt", 1, "sheet.txt", "html"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(run(c.name, c.filterIndex), ExportResult::Written) << c.name;
        EXPECT_EQ(contents(dir / c.written), c.content) << c.name;
    }
    ASSERT_FALSE(ui.fileRequests.empty());
    EXPECT_EQ(ui.fileRequests[0].title, "Select file name to save as");
    EXPECT_EQ(ui.fileRequests[0].filters, "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|");
    EXPECT_FALSE(ui.fileRequests[0].confirmOverwrite);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ExportReportFixture, AnExistingFileIsAppendedToOverwrittenOrLeftAlone)
{
    const struct {
        std::vector<MessageAnswer> answers;
        ExportResult result;
        const char *content;
        std::size_t questions;
    } cases[] = {
        {{MessageAnswer::Yes}, ExportResult::Written, "old\ncsv+", 1},
        {{MessageAnswer::No, MessageAnswer::Yes}, ExportResult::Written, "csv", 2},
        {{MessageAnswer::No, MessageAnswer::No}, ExportResult::Cancelled, "old", 2},
    };
    for (const auto &c : cases) {
        std::ofstream(dir / "week1.csv") << "old";
        ui.messages.clear();
        ui.sounds.clear();
        ui.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(run("week1.csv", 0), c.result);
        EXPECT_EQ(contents(dir / "week1.csv"), c.content);
        ASSERT_EQ(ui.messages.size(), c.questions);
        const std::string path = (dir / "week1.csv").string();
        EXPECT_EQ(ui.messages[0].text, "This file already exists.  Would you like to append to it?");
        EXPECT_EQ(ui.messages[0].caption, path);
        EXPECT_EQ(ui.messages.back().text, c.questions == 2 ? "Overwrite Existing File?" : ui.messages[0].text);
        EXPECT_EQ(ui.sounds, std::vector<int>(c.questions + 1, kClickSound));
    }
}

TEST_F(ExportReportFixture, AFileThatCannotBeReplacedIsKeptWithNothingBesideIt)
{
#ifdef _WIN32
    GTEST_SKIP() << "a read-only folder still takes new files on Windows";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
#endif
    std::ofstream(dir / "old.csv") << "old";
    fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ui.answers = {MessageAnswer::Yes};
    EXPECT_EQ(run("old.csv", 0), ExportResult::Failed);
    EXPECT_EQ(contents(dir / "old.csv"), "old");
    EXPECT_EQ(ui.messages.back().caption, "Export Failed");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace yardmark
