#pragma once

#include "records/settings.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace yardmark::cli {

/// A failure the user must be told about in one line: an input that cannot
/// be read or is damaged, or an output that cannot be written. Exit code 1.
class CliError : public std::runtime_error {
public:
    explicit CliError(const std::string &what, int exitCode = 1) : std::runtime_error(what), m_exitCode(exitCode) {}

    int exitCode() const { return m_exitCode; }

private:
    int m_exitCode;
};

/// A command line that asks for something the command cannot answer, found
/// only once the inputs are looked at. Exit code 2, as for any usage error.
class CliUsageError : public CliError {
public:
    explicit CliUsageError(const std::string &what) : CliError(what, 2) {}
};

/// What every sub-command shares: the settings in force, where its text
/// output goes, and the work to do once the command line has been parsed.
struct CliContext {
    std::string settingsFile;
    Settings settings;
    std::string outputPath;       ///< -o; empty for standard output
    bool writesOwnOutput = false; ///< the command writes -o itself (binary files)

    // The arguments of the one sub-command that runs.
    std::string input;               ///< its one input file
    std::vector<std::string> inputs; ///< its input files, when it takes several
    std::string format;              ///< --format; empty for the command's default
    std::string period;              ///< --period; empty for the whole game
    bool personal = false;           ///< --personal
    std::string team;                ///< --team
    std::string view;                ///< --view; empty for the team's own
    int from = 0;                    ///< --from: the play a re-flow starts at
    bool takeOverLock = false;       ///< --take-over-lock: a lock of another computer is taken
    std::function<void(std::ostream &)> run;
    int exitCode = 0; ///< what a command that succeeded reports (check: 1 when a play does not follow)
};

/// Adds the -o option of a sub-command.
void addOutputOption(CLI::App &command, CliContext &context, const std::string &help = "write to FILE");

// Sub-commands register themselves here.
void addNarrateCommand(CLI::App &app, CliContext &context);
void addShowCommand(CLI::App &app, CliContext &context);
void addUpgradeCommand(CLI::App &app, CliContext &context);
void addExportCommand(CLI::App &app, CliContext &context);
void addTeamCommand(CLI::App &app, CliContext &context);
void addTeamAddressesCommand(CLI::App &team, CliContext &context);
void addStatsCommands(CLI::App &app, CliContext &context);
void addScheduleCommand(CLI::App &app, CliContext &context);
#ifdef YARDMARK_CLI_PRINT
void addPrintCommand(CLI::App &app, CliContext &context);
void addChartCommand(CLI::App &app, CliContext &context);
#endif
void addRecordCommand(CLI::App &app, CliContext &context);
void addSimulateCommand(CLI::App &app, CliContext &context);
void addLiveCommand(CLI::App &app, CliContext &context);
void addCheckCommand(CLI::App &app, CliContext &context);
void addReflowCommand(CLI::App &app, CliContext &context);

} // namespace yardmark::cli
