// `record GAME SCRIPT [-o OUT]`: a scorer's script run through the game window.

#include "base/atomicfile.h"
#include "clicontext.h"
#include "inputs.h"
#include "records/gamefile.h"
#include "script/scriptline.h"
#include "script/scriptrunner.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>

namespace yardmark::cli {

namespace {

/// One line of the script file with its number, counted from 1.
struct NumberedLine {
    int number = 0;
    Json json;
};

std::string lineName(const std::string &script, int number)
{
    return script + " line " + std::to_string(number);
}

/// Every non-blank line of the script, parsed: a JSON object, or a play in the
/// quick-entry notation when the line does not start with "{" or "[". A line
/// that reads as neither is named.
std::vector<NumberedLine> readScript(const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxTextInputSize)) {
        throw CliError(cannotReadText("script file", path));
    }
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    std::vector<NumberedLine> lines;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (number == 1 && text.starts_with("\xEF\xBB\xBF"))
            text.erase(0, 3);
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        try {
            if (std::optional<Json> json = parseScriptLine(text))
                lines.push_back({number, std::move(*json)});
        } catch (const ScriptError &e) {
            throw CliError(lineName(path, number) + ": " + e.what());
        }
    }
    if (in.bad())
        throw CliError("cannot read script file " + path);
    return lines;
}

/// Removes the copy of the game `record` made when the script fails, so that
/// a failed run leaves no half-recorded file behind.
class CopyGuard {
public:
    explicit CopyGuard(std::string path) : m_path(std::move(path)) {}
    CopyGuard(const CopyGuard &) = delete;
    CopyGuard &operator=(const CopyGuard &) = delete;
    ~CopyGuard()
    {
        if (!m_path.empty()) {
            std::error_code error;
            std::filesystem::remove(m_path, error);
        }
    }
    void keep() { m_path.clear(); }

private:
    std::string m_path;
};

void record(const std::string &gamePath, const std::string &scriptPath, const std::string &outPath,
            const CliContext &context, std::ostream &out)
{
    const Settings &settings = context.settings;
    const auto lock = lockGameForWriting(outPath, context);
    Game game = loadGameOrFail(gamePath);
    const std::vector<NumberedLine> lines = readScript(scriptPath);

    // The script works on OUT as the game's file: "quit" and "reload" write and read it.
    std::error_code error;
    const bool sameFile = outPath == gamePath || std::filesystem::equivalent(outPath, gamePath, error);
    const bool outExisted = std::filesystem::exists(outPath, error);
    if (!sameFile) {
        std::vector<std::uint8_t> bytes;
        if (!readWholeFile(gamePath, bytes, kMaxRecordFileSize))
            throw CliError("cannot read game file " + gamePath);
        if (!writeFileAtomically(outPath, bytes))
            throw CliError("cannot write " + outPath);
    }
    CopyGuard guard(sameFile || outExisted ? std::string() : outPath);
    game.fileName = outPath;

    ScriptRunner runner(game, settings);
    std::ostringstream results;
    for (const NumberedLine &line : lines) {
        try {
            results << runner.runLine(line.json).dump() << '\n';
        } catch (const ScriptError &e) {
            throw CliError(lineName(scriptPath, line.number) + ": " + e.what());
        } catch (const Json::exception &e) {
            throw CliError(lineName(scriptPath, line.number) + ": " + e.what());
        }
    }
    if (lines.empty())
        runner.runLine(Json{{"op", "open"}});
    // A closing "quit" has already saved or not, as its answer said.
    if (!runner.lastLineWasQuit()) {
        runner.flow().storeSituationInGame();
        if (!saveGame(game, outPath))
            throw CliError("cannot write " + outPath);
    }
    guard.keep();
    out << results.str();
}

} // namespace

void addRecordCommand(CLI::App &app, CliContext &context)
{
    auto *command =
        app.add_subcommand("record", "run a scorer's script through the game window, print the situation after "
                                     "each line and save the game");
    auto scriptPath = std::make_shared<std::string>();
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    command->add_option("SCRIPT", *scriptPath, "scorer's script, one JSON object per line (.jsonl)")->required();
    command->add_option("-o,--output", context.outputPath, "save the game to FILE instead of GAME")
        ->option_text("FILE");
    addTakeOverLockOption(*command, context);
    command->callback([&context, scriptPath] {
        context.writesOwnOutput = true;
        context.run = [&context, scriptPath](std::ostream &out) {
            // A game reached through a link is recorded where it really is; the link stays.
            const std::string outPath =
                context.outputPath.empty() ? realGamePath(context.input).string() : context.outputPath;
            record(context.input, *scriptPath, outPath, context, out);
        };
    });
}

} // namespace yardmark::cli
