// `live GAME --out DIR [--title T]`: the live page and feed of a saved game,
// as the game window would publish them with the game open.

#include "clicontext.h"
#include "inputs.h"

#include "base/text.h"
#include "live/livefeed.h"

#include <filesystem>

namespace yardmark::cli {

namespace {

struct LiveOptions {
    std::string folder;
    std::string title; ///< UTF-8, as typed
};

} // namespace

void addLiveCommand(CLI::App &app, CliContext &context)
{
    auto options = std::make_shared<LiveOptions>();
    auto *command = app.add_subcommand("live", "write the live page (live.htm) and feed (live.json) of a game");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    command->add_option("--out", options->folder, "the folder to write live.htm and live.json to (made if missing)")
        ->required()
        ->option_text("DIR");
    command->add_option("--title", options->title, "the page's title (default: \"<home> Versus <visitor>\")")
        ->option_text("TEXT");
    command->callback([&context, options] {
        context.writesOwnOutput = true;
        context.run = [&context, options](std::ostream &) {
            Game game = loadGameOrFail(context.input);
            const GameSituation situation = openedSituation(game, context.settings.league);
            const LiveFiles files =
                liveFiles(game, situation, context.settings, utf8ToCp1252(options->title), currentDateTime());
            std::error_code error;
            std::filesystem::create_directories(options->folder, error);
            if (!writeLiveFiles(options->folder, files))
                throw CliError("cannot write the live files to " + options->folder);
        };
    });
}

} // namespace yardmark::cli
