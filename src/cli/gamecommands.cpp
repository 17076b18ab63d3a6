// Sub-commands that read one game file: narrate, show and upgrade.

#include "clicontext.h"
#include "gamejson.h"
#include "inputs.h"
#include "records/gamefile.h"
#include "vocabulary/narration.h"

#include <ostream>

namespace yardmark::cli {

void addNarrateCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand("narrate", "print the play-by-play line of every play");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    addOutputOption(*command, context);
    command->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const Game game = loadGameOrFail(context.input);
            for (const PlayRecord &play : game.plays)
                out << narratePlay(play, game.info, context.settings.league) << '\n';
        };
    });
}

void addShowCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand("show", "print the whole game as JSON");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    addOutputOption(*command, context);
    command->callback([&context] {
        context.run = [&context](std::ostream &out) {
            out << gameToJson(loadGameOrFail(context.input)).dump(2) << '\n';
        };
    });
}

void addUpgradeCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand("upgrade", "load a game file of any version and save it in the current one");
    command->add_option("GAME", context.input, "game file (.gam) of any version")->required();
    command->add_option("-o,--output", context.outputPath, "the converted game file")->required()->option_text("FILE");
    addTakeOverLockOption(*command, context);
    command->callback([&context] {
        context.writesOwnOutput = true;
        context.run = [&context](std::ostream &) {
            Game game = loadGameOrFail(context.input);
            const auto lock = lockGameForWriting(context.outputPath, context);
            if (!saveGame(game, context.outputPath))
                throw CliError("cannot write " + context.outputPath);
        };
    });
}

} // namespace yardmark::cli
