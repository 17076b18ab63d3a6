#include "reports/exportreport.h"

#include "records/userinterface.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <sstream>

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
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "yardmark-exportreport";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string bare = (dir / "plays").string();
    const auto writer = [](std::ostream &out, bool html, bool appending) {
        out << (html ? "html" : "text") << (appending ? " appended" : "");
    };
    ExportUi ui;
    ui.files = {FileChoice{bare, 1}, FileChoice{bare, 1}, FileChoice{bare, 1}, FileChoice{bare, 1}, std::nullopt,
                FileChoice{(dir / "none" / "x.csv").string(), 0}};
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
    EXPECT_NE(ui.asked[0].find("none/x.csv"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace yardmark
