// `live GAME --out DIR [--title T] [--season SCHEDULE]`: the live page and
// feed of a saved game, as the game window would publish them with the game
// open, with the season to date when a schedule lists the game.

#include "clicontext.h"
#include "inputs.h"

#include "base/text.h"
#include "live/livefeed.h"
#include "season/seasontodate.h"

#include <filesystem>

namespace yardmark::cli {

namespace {

struct LiveOptions {
    std::string folder;
    std::string title; ///< UTF-8, as typed
    std::string schedule;
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
    command
        ->add_option("--season", options->schedule,
                     "the season's schedule (.sch); default: a schedule in the game's folder that lists the game")
        ->option_text("SCHEDULE");
    command->callback([&context, options] {
        context.writesOwnOutput = true;
        context.run = [&context, options](std::ostream &) {
            Game game = loadGameOrFail(context.input);
            const GameSituation situation = openedSituation(game, context.settings.league);
            const std::string schedule = seasonScheduleOf(context.input, options->schedule);
            if (!options->schedule.empty() && schedule != options->schedule)
                throw CliError(options->schedule + " does not list " + context.input);
            std::shared_ptr<const SeasonFigures> season;
            if (!schedule.empty())
                season = SeasonToDate(schedule, context.input, context.settings.league).figures(game);
            const LiveFiles files = liveFiles(game, situation, context.settings, utf8ToCp1252(options->title),
                                              currentDateTime(), season.get());
            std::error_code error;
            std::filesystem::create_directories(options->folder, error);
            if (!writeLiveFiles(options->folder, files))
                throw CliError("cannot write the live files to " + options->folder);
        };
    });
}

} // namespace yardmark::cli
