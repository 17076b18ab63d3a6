// The team sub-commands: export a team list, import one into a team file.

#include "clicontext.h"
#include "records/datetime.h"
#include "records/teamfile.h"
#include "records/text.h"
#include "reports/teamexport.h"

#include <filesystem>
#include <ostream>

namespace yardmark::cli {
namespace {

bool isCsvName(const std::string &path)
{
    return path.size() >= 3 && equalsIgnoringCase(std::string_view(path).substr(path.size() - 3), "csv");
}

void requireReadable(const std::string &path, const char *what)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw CliError(std::string("cannot read ") + what + " " + path);
}

// A team file (.tem) or a comma-separated team list, by its name.
Team loadTeamOrFail(const std::string &path)
{
    Team team;
    team.rosterOnly = false;
    requireReadable(path, "team file");
    if (isCsvName(path)) {
        if (!importTeamCsv(team, path))
            throw CliError("cannot read team list " + path);
    } else if (!loadTeamFile(team, path)) {
        throw CliError("team file " + path + " is damaged");
    }
    return team;
}

} // namespace

void addTeamCommand(CLI::App &app, CliContext &context)
{
    auto *team = app.add_subcommand("team", "export or import a team");
    team->require_subcommand(1);

    auto *exportCommand = team->add_subcommand("export", "write a team's list as comma-separated text or HTML");
    exportCommand->add_option("TEAM", context.input, "team file (.tem) or comma-separated team list (.csv)")
        ->required();
    exportCommand->add_option("--format", context.format, "output format (default csv)")
        ->check(CLI::IsMember({"csv", "html"}));
    exportCommand->add_flag("--personal", context.personal, "include the players' personal information");
    addOutputOption(*exportCommand, context);
    exportCommand->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const Team team = loadTeamOrFail(context.input);
            if (context.format == "html")
                writeTeamHtml(out, team, context.personal, false, context.settings.app.html, currentDateTime());
            else
                writeTeamCsv(out, team, context.personal);
        };
    });

    auto *import = team->add_subcommand("import", "read a comma-separated team list into a team file");
    import->add_option("CSV", context.input, "comma-separated team list")->required();
    import->add_option("-o,--output", context.outputPath, "the team file to write")->required()->option_text("FILE");
    import->callback([&context] {
        context.writesOwnOutput = true;
        context.run = [&context](std::ostream &) {
            requireReadable(context.input, "team list");
            Team imported;
            imported.rosterOnly = false;
            if (!importTeamCsv(imported, context.input))
                throw CliError("cannot read team list " + context.input);
            if (!writeTeamFile(imported, context.outputPath))
                throw CliError("cannot write " + context.outputPath);
        };
    });
}

} // namespace yardmark::cli
