// The print sub-command: the printed reports rendered to PDF without a display.

#include "clicontext.h"
#include "inputs.h"
#include "offscreenqt.h"

#include "printouts/addresslistprintout.h"
#include "printouts/drivesummaryprintout.h"
#include "printouts/gamesummaryprintout.h"
#include "printouts/individualstatsprintout.h"
#include "printouts/playbyplayprintout.h"
#include "printouts/rosterstartersprintout.h"
#include "printouts/scheduleprintout.h"
#include "printouts/scoringsummaryprintout.h"
#include "qtbase/qtext.h"
#include "qtprint/printing.h"
#include "season/schedule.h"
#include "stats/gameresult.h"
#include "stats/gamesummary.h"
#include "stats/gameteamstats.h"

#include <memory>

namespace yardmark::cli {

namespace {

/// The arguments of the print commands that take more than one file.
struct PrintOptions {
    std::vector<std::string> files;
    int status = 0;
    std::string team;
    int category = kAllStatCategories;
};

/// Renders the printout into the PDF file `path`. Qt draws the pages off the
/// screen, so that no display is needed.
void writePdf(Printout &printout, const std::string &path)
{
    bool written = false;
    {
        const OffscreenQt qt;
        written = printToPdf(printout, pathToQString(path));
    }
    if (!written)
        throw CliError("cannot write " + path);
}

/// A print command reading one game file.
void addGamePrint(CLI::App &print, CliContext &context, const char *name, const char *help,
                  std::function<std::unique_ptr<Printout>(const Game &, const LeagueOptions &)> make)
{
    auto *command = print.add_subcommand(name, help);
    command->add_option("GAME", context.input, "game file (.gam)")->required();
    command->add_option("-o,--output", context.outputPath, "the PDF file to write")->required()->option_text("FILE");
    command->callback([&context, make] {
        context.writesOwnOutput = true;
        context.run = [&context, make](std::ostream &) {
            const Game game = loadGameOrFail(context.input);
            const std::unique_ptr<Printout> printout = make(game, context.settings.league);
            writePdf(*printout, context.outputPath);
        };
    });
}

} // namespace

void addPrintCommand(CLI::App &app, CliContext &context)
{
    auto *print = app.add_subcommand("print", "render a printed report to a PDF file");
    print->require_subcommand(1);

    addGamePrint(*print, context, "playbyplay", "the play-by-play of a game",
                 [](const Game &game, const LeagueOptions &league) -> std::unique_ptr<Printout> {
                     return std::make_unique<PlayByPlayPrintout>("Play By Play", game, league);
                 });
    addGamePrint(*print, context, "summary", "the game summary: both teams' statistics",
                 [](const Game &game, const LeagueOptions &league) -> std::unique_ptr<Printout> {
                     const QuarterRange range = summaryPeriodRange(game, SummaryPeriod::Game);
                     return std::make_unique<GameSummaryPrintout>(
                         "Game Summary", game.info.homeTeamName, game.info.visitorTeamName,
                         computeGameTeamStats(game, true, range.first, range.last, league),
                         computeGameTeamStats(game, false, range.first, range.last, league));
                 });
    addGamePrint(*print, context, "drives", "the drive summary of a game",
                 [](const Game &game, const LeagueOptions &league) -> std::unique_ptr<Printout> {
                     return std::make_unique<DriveSummaryPrintout>("Drive Summary", game, league);
                 });
    addGamePrint(*print, context, "scoring", "the scoring summary of a game",
                 [](const Game &game, const LeagueOptions &league) -> std::unique_ptr<Printout> {
                     return std::make_unique<ScoringSummaryPrintout>("Scoring Summary", game, league);
                 });

    for (const bool starters : {false, true}) {
        auto options = std::make_shared<PrintOptions>();
        options->status = starters ? 1 : 0;
        auto *command = print->add_subcommand(starters ? "starters" : "roster",
                                              starters ? "the starters of one status of one or two teams"
                                                       : "the roster of one or two teams, side by side");
        command->add_option("TEAM", options->files, "one or two team files (.tem)")->required()->expected(1, 2);
        if (starters) {
            command->add_option("--status", options->status, "1 offensive, 2 defensive starters, 3 both ways")
                ->check(CLI::Range(1, 3));
        } else {
            command->add_option("--status", options->status, "only the players of this starter status (0 all)")
                ->check(CLI::Range(0, 3));
        }
        command->add_option("-o,--output", context.outputPath, "the PDF file to write")
            ->required()
            ->option_text("FILE");
        command->callback([&context, options, starters] {
            context.writesOwnOutput = true;
            context.run = [&context, options, starters](std::ostream &) {
                const Team first = loadTeamOrFail(options->files[0]);
                const bool both = options->files.size() > 1;
                const Team second = both ? loadTeamOrFail(options->files[1]) : Team{};
                RosterStartersPrintout printout(starters ? "Starters" : "Roster", both ? 0 : kFirstTeamOnly, first,
                                                second, options->status);
                writePdf(printout, context.outputPath);
            };
        });
    }

    auto players = std::make_shared<PrintOptions>();
    auto *stats = print->add_subcommand("players", "the individual statistics of a team over game files");
    stats->add_option("GAME", players->files, "game files (.gam)")->required();
    stats->add_option("--team", players->team, "the team analysed, or \"All Teams\"")->required();
    stats->add_option("--category", players->category, "only one category, 0 passers .. 6 defenders")
        ->check(CLI::Range(0, 6));
    stats->add_option("-o,--output", context.outputPath, "the PDF file to write")->required()->option_text("FILE");
    stats->callback([&context, players] {
        context.writesOwnOutput = true;
        context.run = [&context, players](std::ostream &) {
            // Every file must load: a statistics printout silently missing a game would mislead.
            for (const std::string &path : players->files)
                loadGameOrFail(path);
            Stat chosen;
            chosen.teamName = players->team;
            chosen.allTeams = isAllTeams(players->team);
            chosen.gamePaths = players->files;
            const StatViews views = individualStatViews(chosen, context.settings.league);
            IndividualStatsPrintout printout(individualStatsTitle(chosen, StatView::Team), views.team,
                                             players->category, gamesText(views.team.gameCount));
            writePdf(printout, context.outputPath);
        };
    });

    auto *schedule = print->add_subcommand("schedule", "a season schedule");
    schedule->add_option("SCHEDULE", context.input, "schedule file (.sch)")->required();
    schedule->add_option("-o,--output", context.outputPath, "the PDF file to write")->required()->option_text("FILE");
    schedule->callback([&context] {
        context.writesOwnOutput = true;
        context.run = [&context](std::ostream &) {
            SchedulePrintout printout("Schedule", loadScheduleOrFail(context.input));
            writePdf(printout, context.outputPath);
        };
    });

    auto *addresses = print->add_subcommand("addresses", "the address and phone list of a team");
    addresses->add_option("TEAM", context.input, "team file (.tem)")->required();
    addresses->add_option("-o,--output", context.outputPath, "the PDF file to write")->required()->option_text("FILE");
    addresses->callback([&context] {
        context.writesOwnOutput = true;
        context.run = [&context](std::ostream &) {
            const Team team = loadTeamOrFail(context.input);
            AddressListPrintout printout(team.name + " Address/Phone List", team);
            writePdf(printout, context.outputPath);
        };
    });
}

} // namespace yardmark::cli
