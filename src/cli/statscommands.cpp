// The sub-commands over many game files: individual and team statistics.

#include "base/datetime.h"
#include "clicontext.h"
#include "inputs.h"
#include "stats/individualstatsreport.h"
#include "stats/teamstats.h"

#include <map>
#include <ostream>

namespace yardmark::cli {
namespace {

const std::map<std::string, StatView> kViews = {
    {"team", StatView::Team}, {"opponents", StatView::Opponents}, {"combined", StatView::Combined}};

void addGameSetOptions(CLI::App &command, CliContext &context, const char *teamHelp)
{
    command.add_option("--team", context.team, teamHelp)->required();
    addFormatOption(command, context);
    command.add_option("GAME", context.inputs, "game files (.gam)")->required();
}

// Statistics skip a game file they cannot load; on the command line that is an
// input error, named like any other.
void failOnSkipped(int skipped, const std::vector<std::string> &paths)
{
    if (skipped == 0)
        return;
    for (const std::string &path : paths)
        loadGameOrFail(path);
}

} // namespace

void addStatsCommands(CLI::App &app, CliContext &context)
{
    auto *players = app.add_subcommand("players", "individual statistics over game files");
    addGameSetOptions(*players, context, "the team, or \"All Teams\" for every side of every game");
    players->add_option("--view", context.view, "team, opponents or combined (default team)")
        ->check(CLI::IsMember({"team", "opponents", "combined"}));
    players->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const StatView view = kViews.at(context.view.empty() ? "team" : context.view);
            // As in the window: "All Teams" is both sides of every game and has no opponents view.
            if (view != StatView::Team && isAllTeams(context.team))
                throw CliUsageError("\"All Teams\" holds both sides of every game: it has only the team view");
            failOnSkipped(writeIndividualStatsForFiles(out, context.inputs, context.team, view, context.settings.league,
                                                       chosenFormat(context) == ExportFormat::Html, false,
                                                       context.settings.app.html, currentDateTime()),
                          context.inputs);
        };
    });

    auto *team = app.add_subcommand("teamstats", "team statistics against the opponents over game files");
    addGameSetOptions(*team, context, "the team set against its opponents");
    addPeriodOption(*team, context);
    team->callback([&context] {
        context.run = [&context](std::ostream &out) {
            if (!namesTeamOfGames(context.team, context.inputs))
                throw CliUsageError(kTeamStatsNeedTeam);
            failOnSkipped(writeTeamStatsForFiles(out, context.inputs, context.team, chosenPeriod(context),
                                                 context.settings.league, chosenFormat(context) == ExportFormat::Html,
                                                 false, context.settings.app.html, currentDateTime()),
                          context.inputs);
        };
    });
}

} // namespace yardmark::cli
