// The export sub-commands: the game's reports exactly as their writers put
// them into a new file.

#include "base/datetime.h"
#include "clicontext.h"
#include "gameflow/playbyplay.h"
#include "inputs.h"
#include "stats/drivesummary.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"
#include "stats/scoringsummary.h"
#include "vocabulary/narration.h"

#include <ostream>

namespace yardmark::cli {
namespace {

CLI::App *addGameReport(CLI::App &parent, CliContext &context, const std::string &name, const std::string &help,
                        const std::vector<std::string> &formats)
{
    auto *command = parent.add_subcommand(name, help);
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    addFormatOption(*command, context, formats);
    return command;
}

bool isHtml(const CliContext &context)
{
    return chosenFormat(context) == ExportFormat::Html;
}

} // namespace

void addExportCommand(CLI::App &app, CliContext &context)
{
    auto *exportCommand = app.add_subcommand("export", "export a game's report as a new file would hold it");
    exportCommand->require_subcommand(1);

    auto *summary =
        addGameReport(*exportCommand, context, "summary", "the game summary of both teams", {"csv", "html"});
    addPeriodOption(*summary, context);
    summary->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const Game game = loadGameOrFail(context.input);
            const QuarterRange range = summaryPeriodRange(game, chosenPeriod(context));
            const LeagueOptions &league = context.settings.league;
            const GameTeamStats home = computeGameTeamStats(game, true, range.first, range.last, league);
            const GameTeamStats visitor = computeGameTeamStats(game, false, range.first, range.last, league);
            writeGameSummary(out, game, home, visitor, isHtml(context), false, context.settings.app.html,
                             currentDateTime());
        };
    });

    addGameReport(*exportCommand, context, "drives", "the drive summary", {"csv", "html"})->callback([&context] {
        context.run = [&context](std::ostream &out) {
            writeDriveSummary(out, loadGameOrFail(context.input), context.settings.league, isHtml(context), false,
                              context.settings.app.html, currentDateTime());
        };
    });

    addGameReport(*exportCommand, context, "scoring", "the scoring summary", {"csv", "html"})->callback([&context] {
        context.run = [&context](std::ostream &out) {
            writeScoringSummary(out, loadGameOrFail(context.input), context.settings.league, isHtml(context), false,
                                context.settings.app.html, currentDateTime());
        };
    });

    addGameReport(*exportCommand, context, "playbyplay", "the play-by-play", {"text", "html"})->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const Game game = loadGameOrFail(context.input);
            std::vector<std::string> lines;
            for (const PlayRecord &play : game.plays)
                lines.push_back(narratePlay(play, game.info, context.settings.league));
            writePlayByPlay(out, game.info, lines, isHtml(context), false, context.settings.app.html,
                            currentDateTime());
        };
    });
}

} // namespace yardmark::cli
