#include "cli.h"

#include "base/atomicfile.h"
#include "base/version.h"
#include "clicontext.h"
#include "records/settingsfile.h"

#include <filesystem>
#include <iostream>
#include <sstream>

namespace yardmark::cli {

void addOutputOption(CLI::App &command, CliContext &context, const std::string &help)
{
    command.add_option("-o,--output", context.outputPath, help)->option_text("FILE");
}

namespace {

void loadSettings(CliContext &context)
{
    setDefaults(context.settings);
    std::filesystem::path path = context.settingsFile;
    if (path.empty()) {
        path = kSettingsFileName;
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return;
    } else if (std::vector<std::uint8_t> bytes; !readWholeFile(path, bytes, kMaxSettingsFileSize)) {
        const std::string refused = fileRefusalText(path);
        throw CliError(refused.empty() ? "cannot read settings file " + path.string() : refused);
    }
    readSettings(path, context.settings);
}

} // namespace

int runCli(int argc, const char *const *argv, std::ostream &out, std::ostream &err)
{
    CLI::App app{YARDMARK_PRODUCT_NAME " on the command line: reports, exports, conversions, scorer's scripts and a "
                                       "season simulator.",
                 "yardmark-cli"};
    // Options start with "-" on every system, so that "/games/week1.gam" is a
    // file on Windows too, as on Linux (CLI11 would take it for an option there).
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    app.fallthrough();
    CliContext context;
    app.add_option("--settings", context.settingsFile, "read league and HTML options from FILE (yardmark.ini format)")
        ->option_text("FILE");

    addNarrateCommand(app, context);
    addShowCommand(app, context);
    addCheckCommand(app, context);
    addReflowCommand(app, context);
    addUpgradeCommand(app, context);
    addExportCommand(app, context);
    addTeamCommand(app, context);
    addStatsCommands(app, context);
    addScheduleCommand(app, context);
#ifdef YARDMARK_CLI_PRINT
    addPrintCommand(app, context);
    addChartCommand(app, context);
#endif
    addRecordCommand(app, context);
    addSimulateCommand(app, context);
    addLiveCommand(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        // --help prints to standard output and succeeds; everything else is a usage error.
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }

    try {
        loadSettings(context);
        std::ostringstream text;
        context.run(text);
        // Nothing reaches the output until the whole command has succeeded.
        if (context.writesOwnOutput) {
            out << text.str();
        } else if (context.outputPath.empty()) {
            out << text.str();
            out.flush();
        } else if (!writeFileAtomically(context.outputPath, text.str())) {
            throw CliError("cannot write " + context.outputPath);
        }
    } catch (const CliError &e) {
        err << "yardmark-cli: " << e.what() << '\n';
        return e.exitCode();
    }
    return context.exitCode;
}

} // namespace yardmark::cli
