// Sub-commands that keep a game whole: check (does every play follow from the
// one before it?) and reflow (re-derive the plays after a corrected one).

#include "base/text.h"
#include "clicontext.h"
#include "gameflow/continuity.h"
#include "gameflow/gamerules.h"
#include "gameflow/reflow.h"
#include "inputs.h"
#include "records/gamefile.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace yardmark::cli {

void addCheckCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand(
        "check", "list the plays that do not follow from the play before them (exit 1 when there are any)");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    addFormatOption(*command, context, {"text", "json"});
    command->callback([&context] {
        context.run = [&context](std::ostream &out) {
            Game game;
            try {
                game = loadGameOrFail(context.input);
            } catch (const CliError &e) {
                throw CliError(e.what(), 2);
            }
            const std::vector<ContinuityBreak> breaks = checkContinuity(game, context.settings.league);
            if (context.format == "json") {
                nlohmann::ordered_json list = nlohmann::ordered_json::array();
                for (const ContinuityBreak &found : breaks) {
                    list.push_back({{"index", found.index},
                                    {"field", found.field},
                                    {"stored", cp1252ToUtf8(found.stored)},
                                    {"expected", cp1252ToUtf8(found.expected)},
                                    {"reason", cp1252ToUtf8(found.reason)}});
                }
                out << list.dump(2) << '\n';
            } else {
                for (const ContinuityBreak &found : breaks)
                    out << breakLine(found) << '\n';
            }
            context.exitCode = breaks.empty() ? 0 : 1;
        };
    });
}

void addReflowCommand(CLI::App &app, CliContext &context)
{
    auto *command = app.add_subcommand("reflow", "re-derive the situation after a play and every later play");
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    command->add_option("--from", context.from, "the corrected play, counted from 0")->required();
    command->add_option("-o,--output", context.outputPath, "write the re-flowed game to FILE (default: GAME)")
        ->option_text("FILE");
    addTakeOverLockOption(*command, context);
    command->callback([&context] {
        context.writesOwnOutput = true;
        context.run = [&context](std::ostream &out) {
            // A game reached through a link is re-flowed where it really is; the link stays.
            const std::string path =
                context.outputPath.empty() ? realGamePath(context.input).string() : context.outputPath;
            const auto lock = lockGameForWriting(path, context);
            Game game = loadGameOrFail(context.input);
            const LeagueOptions &league = context.settings.league;
            const int from = context.from;
            if (from < 0 || from >= game.playCount())
                throw CliError("--from " + std::to_string(from) + " names no play of the game", 2);
            const PlayRecord last = game.plays.back();
            const ReflowResult result = reflowPlays(game, from, league);
            recomputeScore(game, league);
            // The game reopens after its last play: when that moved, so do
            // the spot and the pending kick the file keeps.
            if (game.plays.back() != last)
                game.savedBallSpot = situationAfterPlay(game.plays.back(), game, league).ballSpot;
            if (!saveGame(game, path))
                throw CliError("cannot write " + path);
            out << result.changed << " later plays re-flowed\n";
            for (const ReflowNote &note : result.kept)
                out << reflowNoteLine(note) << '\n';
        };
    });
}

} // namespace yardmark::cli
