// The team sub-commands: export a team list, import one into a team file.

#include "base/datetime.h"
#include "clicontext.h"
#include "inputs.h"
#include "records/teamfile.h"
#include "season/teamexport.h"

#include <ostream>

namespace yardmark::cli {

void addTeamCommand(CLI::App &app, CliContext &context)
{
    auto *team = app.add_subcommand("team", "export or import a team");
    team->require_subcommand(1);

    auto *exportCommand = team->add_subcommand("export", "write a team's list as comma-separated text or HTML");
    exportCommand->add_option("TEAM", context.input, "team file (.tem) or comma-separated team list (.csv)")
        ->required();
    addFormatOption(*exportCommand, context);
    exportCommand->add_flag("--personal", context.personal, "include the players' personal information");
    exportCommand->callback([&context] {
        context.run = [&context](std::ostream &out) {
            const Team team = loadTeamOrFail(context.input);
            if (chosenFormat(context) == ExportFormat::Html)
                writeTeamHtml(out, team, context.personal, false, context.settings.app.html, currentDateTime());
            else
                writeTeamCsv(out, team, context.personal);
        };
    });

    addTeamAddressesCommand(*team, context);

    auto *import = team->add_subcommand("import", "read a comma-separated team list into a team file");
    import->add_option("CSV", context.input, "comma-separated team list")->required();
    import->add_option("-o,--output", context.outputPath, "the team file to write")->required()->option_text("FILE");
    import->callback([&context] {
        context.writesOwnOutput = true;
    context.run = [&context](std::ostream &) {
        Team imported = loadTeamOrFail(context.input);
        if (!writeTeamFile(imported, context.outputPath))
            throw CliError("cannot write " + context.outputPath);
    };
});
} // namespace yardmark::cli

} // namespace yardmark::cli
